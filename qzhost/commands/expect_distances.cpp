/* expect distances N \"D,D,...\" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectDistances(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect distances N \"D,D,...\"");
    long long number = 0;
    std::string text, problem;
    std::vector<long long> expected;
    if (!check.Count(2) || !check.Integer(0, 1, 8, number) || !check.Text(1, text))
        return check.Error();
    if (!qzscript::ParseIntegerList(text, -2147483648LL, 2147483647LL, expected, problem))
        return Outcome::Error(problem);
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    std::vector<long long> got;
    for (const hostsim_staff_entry& entry : ScoreStaffSet(session, static_cast<int>(number)))
        got.push_back(entry.distance);
    return CompareText(JoinInts(expected, ","), JoinInts(got, ","));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_distances, "expect distances", "expect distances N \"D,D,...\"",
                    "checks the distances of staff set N's staves", RunExpectDistances);
