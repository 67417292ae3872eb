#ifndef STRINGSTABLE_H
#define STRINGSTABLE_H

/* Reader of localised string tables (".strings" files): entries of the form
       "key" = "value";
   with C and C++ comments between them. The text is UTF-8 (a byte order mark
   is skipped) or UTF-16 (with a byte order mark, or recognised by the zero
   byte of its first character). Quoted texts take the escapes \" \' \\ \n \t
   \r \a \b \f \v, \Uhhhh and \uhhhh (UTF-16 units, surrogate pairs joined)
   and up to three octal digits; keys and values may also be unquoted words
   of letters, digits and _ $ + / : . -. "key"; alone maps the key to itself.
   A later entry replaces an earlier one with the same key. */

#include <cstddef>
#include <map>
#include <string>

namespace StringsTable
{

struct Error
{
    int line = 0; /* 1-based line of the fault */
    std::string reason;
};

/* Parses the table; on a fault nothing is stored in entries and error
   describes the first fault. Entries are UTF-8. */
bool Parse(const std::string& bytes, std::map<std::string, std::string>& entries, Error& error);

} // namespace StringsTable

#endif
