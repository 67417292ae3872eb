/* expect staffset N "STAFF,STAFF,..." */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectStaffSet(Session& session, const CommandArguments& args)
{
    return ExpectStaffSetField(session, args, "expect staffset N \"STAFF,STAFF,...\"", 1LL, 2147483647LL,
                               [](const hostsim_staff_entry& entry) -> long long { return entry.staff; });
}

} // namespace

QZHOST_LOOK_COMMAND(expect_staffset, "expect staffset", "expect staffset N \"STAFF,STAFF,...\"",
                    "checks staff set N's staves in order (\"\" when it does not exist)", RunExpectStaffSet);
