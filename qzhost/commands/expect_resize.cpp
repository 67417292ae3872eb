/* expect resize N "R,R,..." */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectResize(Session& session, const CommandArguments& args)
{
    return ExpectStaffSetField(session, args, "expect resize N \"R,R,...\"", -32768LL, 32767LL,
                               [](const hostsim_staff_entry& entry) -> long long { return entry.resize; });
}

} // namespace

QZHOST_LOOK_COMMAND(expect_resize, "expect resize", "expect resize N \"R,R,...\"",
                    "checks the resize percentages of staff set N's staves", RunExpectResize);
