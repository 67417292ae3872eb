/* load [MODULE] */

#include "qzhost/UiVariant.h"
#include "qzhost/session/CommandSupport.h"

#include <cstdlib>

namespace
{

/* The plug-in module of this build in the chosen variant, unless $QZ_PLUGIN
   names another. */
std::string DefaultModule()
{
    const char* fromEnvironment = std::getenv("QZ_PLUGIN");
    if (fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    return BuiltModule(DefaultUiVariant());
}

Outcome RunLoad(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "load [MODULE]");
    std::string module = DefaultModule();
    if (!check.Count(0, 1) || (args.size() == 1 && !check.Text(0, module)))
        return check.Error();
    if (module.empty())
        return Outcome::Error("no plug-in module known; name one (load MODULE)");
    std::string error;
    return session.LoadPlugin(session.ResolvePath(module), error) ? Outcome::Done() : Outcome::Error(error);
}

} // namespace

QZHOST_SESSION_COMMAND(load, "load", "load [MODULE]", "loads the plug-in module (default: the one of this build)",
                       RunLoad);
