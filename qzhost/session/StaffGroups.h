#ifndef QZHOST_STAFFGROUPS_H
#define QZHOST_STAFFGROUPS_H

/* The staff groups of the current document's score as the host program
   shows them: on the terminal's screen and as brackets in the window. */

#include <cstdint>
#include <string>
#include <vector>

struct HostEngine;

struct StaffGroup
{
    std::string name;            /* the full name made plain; "" when none */
    int bracket = 0;             /* HOSTSIM_BRACKET_... */
    std::vector<int16_t> staves; /* from the first to the last, in the score's order */
};

namespace StaffGroups
{
/* The groups in item order; a group whose ends are not both in the score's
   staff list is left out. */
std::vector<StaffGroup> Read(const HostEngine& host);
/* "none", "brace", "bracket", "line" or "square". */
const char* BracketWord(int bracket);
/* One group for the screen: name (when it has one), the first and last
   staff, the bracket ("Strings 10-14 bracket"). */
std::string Describe(const StaffGroup& group);
} // namespace StaffGroups

#endif
