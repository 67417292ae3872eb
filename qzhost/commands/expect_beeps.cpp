/* expect beeps N */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectBeeps(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect beeps N");
    long long expected = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 1000000, expected))
        return check.Error();
    const int got = session.Beeps();
    return got == expected ? Outcome::Done()
                           : Outcome::Expected(std::to_string(expected) + " beeps", std::to_string(got));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_beeps, "expect beeps", "expect beeps N", "checks the number of beeps so far",
                    RunExpectBeeps);
