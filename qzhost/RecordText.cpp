#include "qzhost/RecordText.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "common/qz_utf.h"

namespace RecordText
{

namespace
{

uint16_t UnitAt(const unsigned char* field, size_t index)
{
    uint16_t unit = 0;
    std::memcpy(&unit, field + index * sizeof unit, sizeof unit);
    return unit;
}

} // namespace

std::string FromBytes(const unsigned char* field, size_t fieldBytes)
{
    const void* end = std::memchr(field, 0, fieldBytes);
    size_t length = end ? static_cast<size_t>(static_cast<const unsigned char*>(end) - field) : fieldBytes;
    return std::string(reinterpret_cast<const char*>(field), length);
}

std::string FromUTF16(const unsigned char* field, size_t fieldUnits)
{
    std::vector<uint16_t> units;
    for (size_t i = 0; i < fieldUnits && UnitAt(field, i) != 0; ++i)
        units.push_back(UnitAt(field, i));
    std::string out;
    qz::Utf16ToUtf8(units.data(), units.size(), out, qz::Malformed::Replace);
    return out;
}

} // namespace RecordText
