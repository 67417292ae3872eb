#include "document/FCLayerPlaybackData.h"

#include <cstring>

const char* FCLayerPlaybackData::ClassName() const { return "FCLayerPlaybackData"; }

int16_t FCLayerPlaybackData::GetValue(int index) const
{
    return (index >= 0 && index < kValueCount) ? _values[index] : 0;
}

void FCLayerPlaybackData::SetValue(int index, int16_t value)
{
    if (index >= 0 && index < kValueCount)
        _values[index] = value;
}

void FCLayerPlaybackData::ReadFrom(const unsigned char* pBytes)
{
    if (pBytes)
        std::memcpy(_values, pBytes, kByteSize);
}

void FCLayerPlaybackData::WriteTo(unsigned char* pBytes) const
{
    if (pBytes)
        std::memcpy(pBytes, _values, kByteSize);
}
