/* expect resize N "R,R,..." */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectResize(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect resize N \"R,R,...\"");
    long long number = 0;
    std::string text, problem;
    std::vector<long long> expected;
    if (!check.Count(2) || !check.Integer(0, 1, 8, number) || !check.Text(1, text))
        return check.Error();
    if (!qzscript::ParseIntegerList(text, -32768LL, 32767LL, expected, problem))
        return Outcome::Error(problem);
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    std::vector<long long> got;
    for (const hostsim_staff_entry& entry : ScoreStaffSet(session, static_cast<int>(number)))
        got.push_back(entry.resize);
    return CompareText(JoinInts(expected, ","), JoinInts(got, ","));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_resize, "expect resize", "expect resize N \"R,R,...\"",
                    "checks the resize percentages of staff set N's staves", RunExpectResize);
