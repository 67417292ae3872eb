/* expect distances N "D,D,..." */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectDistances(Session& session, const CommandArguments& args)
{
    return ExpectStaffSetField(session, args, "expect distances N \"D,D,...\"", -2147483648LL, 2147483647LL,
                               [](const hostsim_staff_entry& entry) -> long long { return entry.distance; });
}

} // namespace

QZHOST_LOOK_COMMAND(expect_distances, "expect distances", "expect distances N \"D,D,...\"",
                    "checks the distances of staff set N's staves", RunExpectDistances);
