/* Text conversions: UTF-8 to UTF-16 and back, the 7-bit escaped form for
 * 8-bit hosts, the 8-bit forms and the string's own conversions built on them.
 *
 * Input: one selector byte (the bound of the escaped form), then the text. */
#include <cstdint>
#include <cstring>
#include <string>

#include "strings/FCString.h"
#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "FuzzCheck.h"
#include "strings/fctext_codec.h"

namespace
{
constexpr uint32_t kUnicodeHost = qz::kHostVersion19;
constexpr uint32_t kEightBitHost = qz::kHostVersion10;
constexpr uint16_t kReplacement = 0xFFFD;

bool IsHigh(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLow(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

/* Strict UTF-8: shortest forms only, no surrogates, nothing above U+10FFFF. */
bool IsValidUtf8(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<uint8_t>(text[i]);
        size_t extra;
        uint32_t value;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            extra = 1;
            value = lead & 0x1Fu;
        }
        else if (lead >= 0xE0 && lead <= 0xEF) {
            extra = 2;
            value = lead & 0x0Fu;
        }
        else if (lead >= 0xF0 && lead <= 0xF4) {
            extra = 3;
            value = lead & 0x07u;
        }
        else
            return false;
        if (i + extra >= text.size())
            return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (next & 0x3Fu);
        }
        const uint32_t smallest = extra == 1 ? 0x80 : extra == 2 ? 0x800 : 0x10000;
        if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

/* The units with every unpaired surrogate replaced. */
std::u16string Repaired(const std::u16string& units)
{
    std::u16string out = units;
    for (size_t i = 0; i < out.size(); ++i) {
        if (IsHigh(out[i]) && i + 1 < out.size() && IsLow(out[i + 1]))
            ++i;
        else if (IsHigh(out[i]) || IsLow(out[i]))
            out[i] = kReplacement;
    }
    return out;
}

std::u16string Decode(const std::string& text) { return fctext::Utf8ToUtf16(text.data(), text.size()); }

std::string Encode(const std::u16string& units)
{
    return fctext::Utf16ToUtf8(reinterpret_cast<const uint16_t*>(units.data()), units.size());
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/* Reads the escaped form back into units; false for a malformed escape. */
bool Unescape(const std::string& escaped, std::u16string* pUnits)
{
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            pUnits->push_back(static_cast<char16_t>(static_cast<uint8_t>(escaped[i])));
            continue;
        }
        if (i + 1 < escaped.size() && escaped[i + 1] == '\\') {
            pUnits->push_back(u'\\');
            ++i;
            continue;
        }
        if (i + 5 >= escaped.size() || escaped[i + 1] != 'u')
            return false;
        uint32_t unit = 0;
        for (size_t k = i + 2; k < i + 6; ++k) {
            const int digit = HexValue(escaped[k]);
            if (digit < 0)
                return false;
            unit = unit << 4 | static_cast<uint32_t>(digit);
        }
        pUnits->push_back(static_cast<char16_t>(unit));
        i += 5;
    }
    return true;
}

void CheckUtf8(const std::string& bytes)
{
    const std::u16string units = Decode(bytes);
    FUZZ_CHECK(units.size() <= bytes.size(), "one unit at most per input byte");
    FUZZ_CHECK(FuzzCheck::IsWellFormedUtf16(units), "decoding gives well-formed UTF-16");
    const std::string again = Encode(units);
    FUZZ_CHECK(IsValidUtf8(again), "encoding gives valid UTF-8");
    FUZZ_CHECK(Decode(again) == units, "decoded text survives encoding");
    if (IsValidUtf8(bytes))
        FUZZ_CHECK(again == bytes, "valid UTF-8 round-trips exactly");
}

void CheckUtf16(const std::string& bytes)
{
    std::u16string units;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(
            static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) | static_cast<uint8_t>(bytes[i + 1]) << 8));
    const std::string utf8 = Encode(units);
    FUZZ_CHECK(utf8.size() <= 3 * units.size(), "at most three bytes per unit");
    FUZZ_CHECK(IsValidUtf8(utf8), "any units encode to valid UTF-8");
    FUZZ_CHECK(Decode(utf8) == Repaired(units), "only unpaired surrogates are replaced");
}

/* The escaped form reads a zero-terminated text. */
void CheckEscaped(const std::string& bytes, size_t bound)
{
    const std::string text = bytes.c_str();
    const std::string full = fctext::Utf8ToEscapedAscii(text.c_str(), SIZE_MAX);
    for (char c : full)
        FUZZ_CHECK(static_cast<uint8_t>(c) < 0x80, "the escaped form is 7-bit");
    std::u16string units;
    FUZZ_CHECK(Unescape(full, &units), "the escaped form reads back");
    FUZZ_CHECK(units == Decode(text), "the escaped form holds the decoded text");

    const std::string bounded = fctext::Utf8ToEscapedAscii(text.c_str(), bound);
    FUZZ_CHECK(bounded.size() <= bound, "the escaped form keeps its bound");
    FUZZ_CHECK(full.compare(0, bounded.size(), bounded) == 0, "a bounded form is a prefix of the whole");
    std::u16string prefix;
    FUZZ_CHECK(Unescape(bounded, &prefix), "a bounded form never ends inside an escape");
    /* Nothing is cut while a whole escape (or an escaped pair) still fits. */
    FUZZ_CHECK(bounded == full || bounded.size() + 12 > bound, "a bounded form uses its room");
}

void CheckString(const std::string& text, size_t bound)
{
    const std::string zeroFree = text.c_str();

    SetFinaleFrameworkVersion(kUnicodeHost);
    FCString unicode;
    unicode.SetUTF8String(zeroFree.c_str());
    std::u16string expected = Decode(zeroFree);
    for (char16_t& unit : expected)
        if (unit == 0x2028)
            unit = u'\r';
    FUZZ_CHECK(unicode.GetLength() == expected.size(), "the string holds the decoded units");
    FUZZ_CHECK(unicode.GetUTF8String() == Encode(expected), "the string gives its text back as UTF-8");

    for (uint64_t i = 0; i < unicode.GetLength(); ++i) {
        const uint16_t unit = unicode.GetItemAt(static_cast<int>(i));
        FUZZ_CHECK(fctext::ToLower(fctext::ToLower(unit)) == fctext::ToLower(unit), "lower case is stable");
    }
    FCString lower(unicode);
    lower.ToLowerCase();
    for (uint64_t i = 0; i < unicode.GetLength(); ++i)
        FUZZ_CHECK(lower.GetItemAt(static_cast<int>(i)) == fctext::ToLower(unicode.GetItemAt(static_cast<int>(i))),
                   "the string lower-cases unit by unit");

    SetFinaleFrameworkVersion(kEightBitHost);
    FCString narrow;
    narrow.SetUTF8String(zeroFree.c_str());
    FUZZ_CHECK(narrow.GetCString() == fctext::Utf8ToEscapedAscii(zeroFree.c_str(), 4999),
               "an 8-bit host keeps the escaped form");
    SetFinaleFrameworkVersion(kUnicodeHost);

    FCString bytes;
    bytes.SetCString(text.data(), static_cast<int>(bound));
    const std::string head = zeroFree.substr(0, bound);
    FUZZ_CHECK(bound == 0 ? bytes.IsEmpty() : bytes.GetCString() == head, "8-bit text round-trips");
    FCString appended;
    appended.AppendCString(zeroFree.c_str());
    FUZZ_CHECK(appended.GetCString() == zeroFree, "appended 8-bit text round-trips");
    unsigned char pascal[256];
    appended.ConvertToPascal(pascal);
    const size_t shown = zeroFree.size() < 255 ? zeroFree.size() : 255;
    FUZZ_CHECK(pascal[0] == shown && std::memcmp(pascal + 1, zeroFree.data(), shown) == 0,
               "the Pascal form holds the first 255 bytes");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzCheck::Reader reader(data, size);
    const size_t bound = reader.Byte();
    const std::string text = reader.Rest();
    CheckUtf8(text);
    CheckUtf16(text);
    CheckEscaped(text, bound);
    CheckString(text, bound);
    return 0;
}
