#ifndef FRAMEWORK_DOCUMENT_FCLAYERPLAYBACKDATA_H
#define FRAMEWORK_DOCUMENT_FCLAYERPLAYBACKDATA_H

#include <cstdint>

#include "core/__FCBase.h"

/* The playback data of one layer of a staff: a copy of the layer's six
 * 16-bit values in the staff's playback record. The first value is the
 * number of the layer's instrument definition minus 1. */
class FCLayerPlaybackData : public __FCBase
{
public:
    static constexpr int kValueCount = 6;
    static constexpr uint32_t kByteSize = kValueCount * 2;

    const char* ClassName() const override;

    /* The value at index (0 .. 5); 0 outside. */
    int16_t GetValue(int index) const;
    /* Changes nothing outside 0 .. 5. */
    void SetValue(int index, int16_t value);
    /* The instrument definition the layer plays with (first value + 1). */
    int GetInstrumentDefNumber() const { return _values[0] + 1; }

    /* Copies the values from / to kByteSize bytes of a record. */
    void ReadFrom(const unsigned char* pBytes);
    void WriteTo(unsigned char* pBytes) const;

private:
    int16_t _values[kValueCount] = {};
};

#endif
