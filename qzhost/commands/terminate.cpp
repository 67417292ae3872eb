/* terminate */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunTerminate(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "terminate");
    if (!check.Count(0))
        return check.Error();
    if (!session.PluginLoaded())
        return Outcome::Error("no plug-in is loaded (load first)");
    if (session.Entries().terminate)
        session.PluginCall("FinaleExtensionTerminate", [&] { session.Entries().terminate(); });
    session.SetInvoked(false);
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(terminate, "terminate", "terminate",
                       "unloads the plug-in as the host does at exit (its preferences are saved)", RunTerminate);
