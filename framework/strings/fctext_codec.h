#ifndef FRAMEWORK_STRINGS_FCTEXT_CODEC_H
#define FRAMEWORK_STRINGS_FCTEXT_CODEC_H

#include <cstddef>
#include <cstdint>
#include <string>

/* Text conversions and character classes used by FCString. None of them
   depends on the process locale. */
namespace fctext
{

/* UTF-8 to UTF-16. Invalid or truncated sequences, overlong forms, encoded
   surrogates and values above U+10FFFF each become U+FFFD. */
std::u16string Utf8ToUtf16(const char* text, size_t byteCount);

/* UTF-16 to UTF-8. A surrogate without its partner becomes U+FFFD. */
std::string Utf16ToUtf8(const uint16_t* units, size_t count);

/* UTF-8 to the 7-bit escaped form used for 8-bit hosts: ASCII stays, a
   backslash is doubled, any other character becomes \uXXXX (two escapes for
   a character beyond U+FFFF). The result holds at most maxBytes bytes and
   never ends inside an escape. */
std::string Utf8ToEscapedAscii(const char* text, size_t maxBytes);

/* Simple lower-case mapping of one UTF-16 unit (no locale involved). */
uint16_t ToLower(uint16_t unit);

/* White-space class of one UTF-16 unit: the ASCII white space (TAB, LF, VT,
   FF, CR, space), NEXT LINE, and the breaking Unicode spaces and separators;
   the no-break spaces (U+00A0, U+2007, U+202F) are not white space. */
bool IsSpace(uint16_t unit);

} // namespace fctext

#endif
