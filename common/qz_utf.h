#ifndef QZ_UTF_H
#define QZ_UTF_H

/* The one UTF-8 / UTF-16 codec of the code base. Decoding is strict: an
   overlong form, an encoded surrogate, a value above U+10FFFF, a stray
   continuation byte, a truncated sequence and a lone surrogate are malformed.
   What happens to a malformed sequence is the caller's choice:
   qz::Malformed::Replace puts U+FFFD in its place, qz::Malformed::Refuse
   stops the conversion and reports where. */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
#include <string>

namespace qz
{

enum class Malformed
{
    Replace,
    Refuse
};

constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsSurrogate(char32_t value) { return value >= 0xD800 && value <= 0xDFFF; }
constexpr bool IsHighSurrogate(char32_t value) { return value >= 0xD800 && value <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t value) { return value >= 0xDC00 && value <= 0xDFFF; }
constexpr bool IsScalarValue(char32_t value) { return value <= 0x10FFFF && !IsSurrogate(value); }

/* Decodes the sequence at bytes[pos] and advances pos past it. At a
   malformed sequence: false, and pos past its lead byte and every
   continuation byte that still fitted it (so one bad sequence is one
   replacement). */
inline bool DecodeUtf8(const char* bytes, size_t size, size_t& pos, char32_t& value)
{
    const auto byte = [bytes](size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(pos++);
    if (lead < 0x80) {
        value = lead;
        return true;
    }
    int extra;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, value = lead & 0x1Fu, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, value = lead & 0x0Fu, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, value = lead & 0x07u, minimum = 0x10000;
    else
        return false;
    for (int k = 0; k < extra; ++k) {
        if (pos >= size || (byte(pos) & 0xC0) != 0x80)
            return false;
        value = (value << 6) | (byte(pos++) & 0x3Fu);
    }
    return value >= minimum && IsScalarValue(value);
}

/* Decodes the character at units[pos] (a pair of surrogates or one unit) and
   advances pos past it; false, past the one unit, at a lone surrogate.
   Units are char16_t or uint16_t. */
template <class Unit>
bool DecodeUtf16(const Unit* units, size_t count, size_t& pos, char32_t& value)
{
    const char32_t unit = units[pos++];
    if (IsHighSurrogate(unit) && pos < count && IsLowSurrogate(units[pos])) {
        value = 0x10000 + ((unit - 0xD800) << 10) + (char32_t(units[pos++]) - 0xDC00);
        return true;
    }
    value = unit;
    return !IsSurrogate(unit);
}

/* Appends a scalar value (anything else appends U+FFFD). */
inline void AppendUtf8(std::string& out, char32_t value)
{
    if (!IsScalarValue(value))
        value = kReplacementCharacter;
    if (value < 0x80) {
        out += static_cast<char>(value);
        return;
    }
    const int extra = value < 0x800 ? 1 : value < 0x10000 ? 2 : 3;
    static const unsigned char kLeadMarks[4] = {0x00, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(kLeadMarks[extra] | (value >> (6 * extra)));
    for (int shift = 6 * (extra - 1); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((value >> shift) & 0x3F));
}

inline void AppendUtf16(std::u16string& out, char32_t value)
{
    if (!IsScalarValue(value))
        value = kReplacementCharacter;
    if (value < 0x10000) {
        out += static_cast<char16_t>(value);
        return;
    }
    value -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (value >> 10));
    out += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
}

/* UTF-8 to UTF-16, appended to out. Under Refuse: false at the first
   malformed sequence, its byte offset in *errorAt (when given), and out
   holds what came before it. Under Replace: always true. */
inline bool Utf8ToUtf16(const char* bytes, size_t size, std::u16string& out, Malformed policy,
                        size_t* errorAt = nullptr)
{
    for (size_t pos = 0; pos < size;) {
        const size_t start = pos;
        char32_t value = 0;
        if (!DecodeUtf8(bytes, size, pos, value)) {
            if (policy == Malformed::Refuse) {
                if (errorAt)
                    *errorAt = start;
                return false;
            }
            value = kReplacementCharacter;
        }
        AppendUtf16(out, value);
    }
    return true;
}

/* UTF-16 to UTF-8, appended to out; the same policies, *errorAt counting
   code units. */
template <class Unit>
bool Utf16ToUtf8(const Unit* units, size_t count, std::string& out, Malformed policy, size_t* errorAt = nullptr)
{
    for (size_t pos = 0; pos < count;) {
        const size_t start = pos;
        char32_t value = 0;
        if (!DecodeUtf16(units, count, pos, value)) {
            if (policy == Malformed::Refuse) {
                if (errorAt)
                    *errorAt = start;
                return false;
            }
            value = kReplacementCharacter;
        }
        AppendUtf8(out, value);
    }
    return true;
}

/* The conversions of whole strings, replacing what is malformed. */
inline std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    Utf8ToUtf16(text.data(), text.size(), out, Malformed::Replace);
    return out;
}

inline std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    Utf16ToUtf8(text.data(), text.size(), out, Malformed::Replace);
    return out;
}

/* Byte offset of the first malformed sequence, or npos when there is none. */
inline size_t FindMalformedUtf8(const std::string& text)
{
    std::u16string ignored;
    size_t errorAt = std::string::npos;
    Utf8ToUtf16(text.data(), text.size(), ignored, Malformed::Refuse, &errorAt);
    return errorAt;
}

} // namespace qz
#endif

#endif
