#ifndef UTF8_H
#define UTF8_H

/* Encoding and strict decoding of UTF-8 for the Core Foundation stand-in,
   over the one codec of common/qz_utf.h. */

#include <cstddef>
#include <cstdint>
#include <string>

namespace UTF8
{

/* Appends the UTF-8 form of a code point (U+FFFD for a surrogate or a value
   above U+10FFFF). */
void Append(std::string& out, uint32_t codePoint);
/* Decodes the well-formed sequence at text[pos] and advances pos past it;
   false at a malformed one (overlong, surrogate, truncated, above U+10FFFF). */
bool Next(const std::string& text, size_t& pos, uint32_t& codePoint);
bool IsWellFormed(const std::string& text);

} // namespace UTF8

#endif
