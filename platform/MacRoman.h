#ifndef MACROMAN_H
#define MACROMAN_H

/* Conversions between Mac Roman bytes, Unicode and UTF-8. */

#include <cstdint>
#include <string>

namespace MacRoman
{

/* The Unicode code point of a Mac Roman byte. */
uint32_t ToCodePoint(unsigned char byte);
/* The Mac Roman byte of a code point; false when it has none. */
bool FromCodePoint(uint32_t codePoint, unsigned char& byte);

/* The Mac Roman text as UTF-8 (bytes above 127 included). */
std::string ToUTF8(const char* text);
/* The UTF-8 text as Mac Roman; false when it is malformed or holds a
   character Mac Roman cannot represent. */
bool FromUTF8(const std::string& utf8, std::string& out);

} // namespace MacRoman

#endif
