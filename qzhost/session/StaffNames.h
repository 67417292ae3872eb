#ifndef QZHOST_STAFFNAMES_H
#define QZHOST_STAFFNAMES_H

/* Staff names as the host program shows them, in the window and on the
   terminal's screen; the documents themselves (show doc) keep the text as
   stored. */

#include <cstdint>
#include <string>

struct HostEngine;

namespace StaffNames
{
/* A name from the host's text with its caret commands: the accidentals
   ^flat(), ^sharp() and ^natural() become their signs, "^^" a caret, and
   other commands ("^font(...)") go. */
std::string Plain(const std::string& caretText);
/* The full name of a staff made plain, or "Staff #N" when it has none. */
std::string Shown(const HostEngine& host, int16_t staff);
} // namespace StaffNames

#endif
