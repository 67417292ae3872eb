#include "strings/fctext_codec.h"

#include <cstdio>

#include "common/qz_utf.h"

namespace fctext
{

namespace
{

/* A range of capitals whose small letters lie at a fixed distance. */
struct CaseRange
{
    uint16_t first;
    uint16_t last;
    int16_t delta;
};

/* A range where capitals and small letters alternate (capital first at the
   given parity). */
struct CasePairs
{
    uint16_t first;
    uint16_t last;
};

constexpr CaseRange kCaseRanges[] = {
    {0x0041, 0x005A, 32},    {0x00C0, 0x00D6, 32}, {0x00D8, 0x00DE, 32}, {0x0178, 0x0178, -121}, {0x0130, 0x0130, -199},
    {0x0386, 0x0386, 38},    {0x0388, 0x038A, 37}, {0x038C, 0x038C, 64}, {0x038E, 0x038F, 63},   {0x0391, 0x03A1, 32},
    {0x03A3, 0x03AB, 32},    {0x0400, 0x040F, 80}, {0x0410, 0x042F, 32}, {0x04C0, 0x04C0, 15},   {0x0531, 0x0556, 48},
    {0x1E9E, 0x1E9E, -7615}, {0xFF21, 0xFF3A, 32},
};

/* Capital at the even code of each pair. */
constexpr CasePairs kEvenPairs[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x014A, 0x0177}, {0x0460, 0x0481},
    {0x048A, 0x04BF}, {0x04D0, 0x052F}, {0x1E00, 0x1E95}, {0x1EA0, 0x1EFF},
};

/* Capital at the odd code of each pair. */
constexpr CasePairs kOddPairs[] = {
    {0x0139, 0x0148},
    {0x0179, 0x017E},
    {0x04C1, 0x04CE},
};

} // namespace

std::u16string Utf8ToUtf16(const char* text, size_t byteCount)
{
    std::u16string out;
    if (!text)
        return out;
    out.reserve(byteCount);
    qz::Utf8ToUtf16(text, byteCount, out, qz::Malformed::Replace);
    return out;
}

std::string Utf16ToUtf8(const uint16_t* units, size_t count)
{
    std::string out;
    if (!units)
        return out;
    out.reserve(count * 3);
    qz::Utf16ToUtf8(units, count, out, qz::Malformed::Replace);
    return out;
}

std::string Utf8ToEscapedAscii(const char* text, size_t maxBytes)
{
    std::string out;
    if (!text)
        return out;
    const std::u16string units = Utf8ToUtf16(text, std::char_traits<char>::length(text));
    for (size_t i = 0; i < units.size(); ++i) {
        const char16_t unit = units[i];
        char piece[16];
        if (unit == u'\\')
            std::snprintf(piece, sizeof piece, "\\\\");
        else if (unit < 0x80)
            std::snprintf(piece, sizeof piece, "%c", static_cast<char>(unit));
        else if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units.size()) {
            /* A character beyond U+FFFF: both escapes or neither, so the
               limit never leaves half a character. */
            std::snprintf(piece, sizeof piece, "\\u%04x\\u%04x", static_cast<unsigned>(unit),
                          static_cast<unsigned>(units[i + 1]));
            ++i;
        }
        else
            std::snprintf(piece, sizeof piece, "\\u%04x", static_cast<unsigned>(unit));
        const std::string add(piece);
        if (out.size() + add.size() > maxBytes)
            break;
        out += add;
    }
    return out;
}

uint16_t ToLower(uint16_t unit)
{
    /* Below U+00C0 only the ASCII capitals have a lower case. */
    if (unit < 0x00C0)
        return unit >= 'A' && unit <= 'Z' ? static_cast<uint16_t>(unit + 32) : unit;
    for (const CaseRange& range : kCaseRanges)
        if (unit >= range.first && unit <= range.last)
            return static_cast<uint16_t>(unit + range.delta);
    for (const CasePairs& pairs : kEvenPairs)
        if (unit >= pairs.first && unit <= pairs.last)
            return static_cast<uint16_t>(unit | 1);
    for (const CasePairs& pairs : kOddPairs)
        if (unit >= pairs.first && unit <= pairs.last && (unit & 1))
            return static_cast<uint16_t>(unit + 1);
    return unit;
}

bool IsSpace(uint16_t unit)
{
    if ((unit >= 0x09 && unit <= 0x0D) || unit == 0x20 || unit == 0x85)
        return true;
    if (unit < 0x1680)
        return false;
    if (unit == 0x1680 || unit == 0x2028 || unit == 0x2029 || unit == 0x205F || unit == 0x3000)
        return true;
    return unit >= 0x2000 && unit <= 0x200A && unit != 0x2007;
}

} // namespace fctext
