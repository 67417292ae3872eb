/* wait MS */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunWait(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "wait MS");
    long long milliseconds = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 24LL * 3600 * 1000, milliseconds))
        return check.Error();
    return LetTimePass(session, milliseconds);
}

} // namespace

QZHOST_SESSION_COMMAND(wait, "wait", "wait MS",
                       "lets MS milliseconds pass on the clock; timers that fall due fire in order", RunWait);
