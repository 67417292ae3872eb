#include "qzhost/validate/session/SessionScript.h"

#include "qzhost/ModuleHost.h"
#include "qzhost/session/UiDriver.h"
#include "common/qz_staffset_panel.h"
#include "qzhost/session/ScriptRunner.h"

#include <set>
#include <vector>
#include <sstream>

namespace SessionScript
{

std::string Run(Session& session, const std::string& script)
{
    ScriptRunner runner(session, kRunQuietly);
    const Outcome outcome = runner.RunScript(script);
    if (runner.Status() != 0)
        return "line " + std::to_string(runner.FailedLine()) + ": " + outcome.message;
    const std::string violations = session.TakeViolations();
    if (!violations.empty())
        return "the host reported: " + violations;
    return "";
}

std::string Start(Session& session, const std::string& module)
{
    std::string error;
    if (!session.Start(false, true, error))
        return error;
    const std::string opened = Run(session, "doc demo\n");
    if (!opened.empty())
        return opened;
    if (!session.LoadPlugin(module, error))
        return error;
    return Run(session, "");
}

} // namespace SessionScript

bool RunScriptLine(Session& session, const std::string& text, Outcome& outcome)
{
    outcome = ScriptRunner(session, kRunQuietly).Run(text, 1);
    return outcome.kind == Outcome::kDone;
}

void PreloadModules(const std::string& plugin)
{
    static std::set<std::string> loaded;
    if (!loaded.insert(plugin).second)
        return;
    /* Kept, and reachable, for the life of the process (never unloaded at
       exit, while a child may still be running); a module that does not load
       is left for the child to report when it loads it itself. */
    static auto* kept = new std::vector<ModuleHost*>;
    auto* modules = new ModuleHost;
    kept->push_back(modules);
    std::ostringstream ignored;
    std::string missing;
    if (modules->LoadEngine(ignored))
        HostEngine().Resolve(*modules, missing);
    if (plugin.empty() || !modules->LoadPlugin(plugin, missing))
        return;
    UiDriver().Resolve(*modules, missing);
    /* The plug-in's main finds the engine's bundle among the loaded modules
       and keeps it for the life of the process; found here once, with the
       modules every child inherits, rather than searched for in every child.
       A child's own call to main finds it kept, as a second session in one
       process does. */
    if (modules->HasEngine()) {
        char programName[] = "qzhost";
        char* argv[] = {programName, nullptr};
        modules->Entries().main(1, argv);
    }
    /* The panel's layout, parsed here once rather than in every child. */
    using PreloadLayout = decltype(&qzui_preload_layout);
    if (auto preload = reinterpret_cast<PreloadLayout>(modules->PluginSymbol("qzui_preload_layout")))
        preload(qz::kPanelLayout);
}
