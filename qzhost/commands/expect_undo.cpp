/* expect undo N "NAME" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectUndo(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect undo N \"NAME\"");
    long long steps = 0;
    std::string name;
    if (!check.Count(2) || !check.Integer(0, 0, 1000000, steps) || !check.Text(1, name))
        return check.Error();
    const HostEngine& host = session.Host();
    const std::string expected = std::to_string(steps) + " " + qzscript::Quote(name);
    const std::string got = std::to_string(host.hostsim_undo_depth()) + " " + qzscript::Quote(host.hostsim_undo_name());
    return expected == got ? Outcome::Done() : Outcome::Expected("undo " + expected, got);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_undo, "expect undo", "expect undo N \"NAME\"",
                    "checks the number of undo steps and the last one's name", RunExpectUndo);
