#include "qzhost/validate/SessionScript.h"

#include "qzhost/script/ScriptParser.h"

namespace SessionScript
{

std::string Run(Session& session, const std::string& script)
{
    std::vector<qzscript::Line> lines;
    qzscript::Error parseError;
    if (!qzscript::ParseScript(script, lines, parseError))
        return "line " + std::to_string(parseError.line) + ": " + parseError.message;
    for (const qzscript::Line& line : lines) {
        const Outcome outcome = RunSessionLine(session, line);
        if (outcome.kind != Outcome::kDone)
            return "line " + std::to_string(line.number) + ": " + outcome.message;
    }
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
