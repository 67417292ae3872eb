#include "qzhost/validate/session/SessionScript.h"

#include "qzhost/session/ScriptRunner.h"

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
