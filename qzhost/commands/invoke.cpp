/* invoke */

#include "qzhost/session/CommandSupport.h"

namespace
{

/* The host window reference the plug-in keeps: any non-null pointer. */
int gHostWindow = 0;

Outcome RunInvoke(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "invoke");
    if (!check.Count(0))
        return check.Error();
    if (!session.PluginLoaded())
        return Outcome::Error("no plug-in is loaded (load first)");
    if (!session.Entries().invoke)
        return Outcome::Error("the plug-in has no invoke entry point");
    session.PluginCall("FinaleExtensionInvoke", [&] { session.Entries().invoke(&gHostWindow); });
    session.SetInvoked(true);
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(invoke, "invoke", "invoke", "picks the plug-in's menu entry (opens the panel)", RunInvoke);
