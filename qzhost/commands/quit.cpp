/* quit */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunQuit(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "quit");
    if (!check.Count(0))
        return check.Error();
    session.RequestQuit();
    return Outcome::Done();
}

} // namespace

QZHOST_LOOK_COMMAND(quit, "quit", "quit", "terminates the plug-in (preferences saved) and ends the session", RunQuit);
