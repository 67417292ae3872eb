/* expect enabled ID... */

#include "qzhost/session/CommandSupport.h"

#include <algorithm>

namespace
{

Outcome RunExpectEnabled(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect enabled ID...");
    std::vector<long long> expected;
    for (size_t i = 0; i < args.size(); ++i) {
        long long tag = 0;
        if (!check.Integer(i, 1, 32767, tag))
            return check.Error();
        if (std::find(PanelControls().begin(), PanelControls().end(), tag) == PanelControls().end())
            return Outcome::Error(std::to_string(tag) + " is not one of the controls 1 and 101-109");
        expected.push_back(tag);
    }
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    const std::vector<int> enabled = EnabledPanelControls(session, window);
    const std::vector<long long> got(enabled.begin(), enabled.end());
    if (got == expected)
        return Outcome::Done();
    return Outcome::Expected("enabled [" + JoinInts(expected, " ") + "]", "[" + JoinInts(got, " ") + "]");
}

} // namespace

QZHOST_LOOK_COMMAND(expect_enabled, "expect enabled", "expect enabled ID...",
                    "checks that exactly these of the controls 1 and 101-109 are enabled", RunExpectEnabled);
