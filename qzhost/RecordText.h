#ifndef RECORDTEXT_H
#define RECORDTEXT_H

/* Reading the texts a plug-in wrote into host records, without trusting
   them to be terminated. */

#include <cstddef>
#include <string>

namespace RecordText
{

/* The 8-bit text of a field of fieldBytes bytes, up to its first zero byte. */
std::string FromBytes(const unsigned char* field, size_t fieldBytes);
/* The UTF-16 text (host byte order) of a field of fieldUnits code units, up
   to its first zero unit, as UTF-8; an unpaired surrogate becomes U+FFFD. */
std::string FromUTF16(const unsigned char* field, size_t fieldUnits);

} // namespace RecordText

#endif
