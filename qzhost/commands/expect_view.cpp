/* expect view all|N */

#include "qzhost/session/CommandSupport.h"

namespace
{

std::string ViewWord(long long staffSet) { return staffSet == 0 ? "view all" : "view " + std::to_string(staffSet); }

Outcome RunExpectView(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect view all|N");
    long long expected = 0;
    if (!check.Count(1) || (args[0].text != "all" && !check.Integer(0, 1, 8, expected)))
        return check.Error();
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    const long long got = session.Host().hostsim_view_state().displayedStaffSet;
    return got == expected ? Outcome::Done() : Outcome::Expected(ViewWord(expected), ViewWord(got));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_view, "expect view", "expect view all|N",
                    "checks what the score view shows: all staves or staff set N", RunExpectView);
