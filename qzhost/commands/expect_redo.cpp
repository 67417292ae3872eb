/* expect redo N */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectRedo(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect redo N");
    long long expected = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 1000000, expected))
        return check.Error();
    const size_t got = session.Host().hostsim_redo_depth();
    return static_cast<long long>(got) == expected
               ? Outcome::Done()
               : Outcome::Expected(std::to_string(expected) + " redo steps", std::to_string(got));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_redo, "expect redo", "expect redo N", "checks the number of redo steps", RunExpectRedo);
