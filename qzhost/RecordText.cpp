#include "qzhost/RecordText.h"

#include "platform/UTF8.h"

#include <cstdint>
#include <cstring>

namespace RecordText {

namespace {

uint16_t UnitAt(const unsigned char* field, size_t index)
{
    uint16_t unit = 0;
    std::memcpy(&unit, field + index * sizeof unit, sizeof unit);
    return unit;
}

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

} // namespace

std::string FromBytes(const unsigned char* field, size_t fieldBytes)
{
    const void* end = std::memchr(field, 0, fieldBytes);
    size_t length = end ? static_cast<size_t>(static_cast<const unsigned char*>(end) - field) : fieldBytes;
    return std::string(reinterpret_cast<const char*>(field), length);
}

std::string FromUTF16(const unsigned char* field, size_t fieldUnits)
{
    std::string out;
    for (size_t i = 0; i < fieldUnits; ++i) {
        uint32_t unit = UnitAt(field, i);
        if (unit == 0)
            break;
        if (IsHighSurrogate(unit) && i + 1 < fieldUnits && IsLowSurrogate(UnitAt(field, i + 1))) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (UnitAt(field, ++i) - 0xDC00);
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            unit = 0xFFFD;
        }
        UTF8::Append(out, unit);
    }
    return out;
}

} // namespace RecordText
