#include "qzhost/validate/checks/RandomSessions.h"

#include "qzhost/validate/session/RandomSessionShrink.h"

#include <climits>
#include <cstdlib>
#include <sstream>

namespace
{

constexpr int kShrinkTries = 400;

std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

std::string AbsoluteModule(const std::string& module)
{
    if (module.empty())
        return module;
    char* resolved = realpath(module.c_str(), nullptr);
    if (!resolved)
        return module;
    const std::string path = resolved;
    std::free(resolved);
    return path;
}

} // namespace

long long RandomStepsFor(const ValidationContext& context)
{
    if (context.randomSteps > 0)
        return context.randomSteps;
    if (const char* text = std::getenv("QZVALIDATE_STEPS")) {
        const long long steps = std::atoll(text);
        if (steps > 0)
            return steps;
    }
    return context.level >= 10 ? 100000 : 10000;
}

Reproducer MakeReproducer(const std::string& module, const SessionRun& failing, const std::string& origin, int maxTries)
{
    Reproducer reproducer;
    reproducer.shrunk = failing;
    const StillFails stillFails = [&](std::vector<std::string>& candidate) {
        SessionRun run = ReplaySession(module, failing.setup, candidate);
        if (!run.failed || run.inconclusive || run.failure.check != failing.failure.check)
            return false;
        candidate = run.steps;
        reproducer.shrunk = run;
        return true;
    };
    const ShrinkResult shrunk = ShrinkSteps(failing.steps, stillFails, maxTries);
    reproducer.tries = shrunk.tries;
    /* Then the staff sets written before the session, one at a time. */
    SessionSetup setup = reproducer.shrunk.setup;
    for (auto set = setup.sets.begin(); set != setup.sets.end() && reproducer.tries < maxTries;) {
        SessionSetup smaller = setup;
        smaller.sets.erase(set->first);
        ++reproducer.tries;
        const SessionRun run = ReplaySession(module, smaller, reproducer.shrunk.steps);
        if (run.failed && !run.inconclusive && run.failure.check == failing.failure.check) {
            reproducer.shrunk = run;
            set = setup.sets.erase(set);
        }
        else {
            ++set;
        }
    }
    std::ostringstream script;
    script << "# A failure found by qzhost validate (" << origin << "): " << failing.failure.check << ".\n"
           << "# " << OneLine(reproducer.shrunk.failure.detail) << "\n";
    std::vector<std::string> lines = SetupLines(reproducer.shrunk.setup, module);
    lines.insert(lines.end(), reproducer.shrunk.steps.begin(), reproducer.shrunk.steps.end());
    lines.insert(lines.end(), reproducer.shrunk.failure.expectations.begin(),
                 reproducer.shrunk.failure.expectations.end());
    for (const std::string& line : lines)
        script << line << "\n";
    reproducer.script = script.str();
    reproducer.failingLine = RunScriptLines(lines, reproducer.failingMessage);
    return reproducer;
}

void RunRandomSessions(const ValidationContext& context, CheckReporter& report)
{
    const std::string module = AbsoluteModule(context.module);
    const long long total = RandomStepsFor(context);
    long long steps = 0, sessions = 0;
    SessionRun failing;
    while (steps < total && !failing.failed) {
        const int length = static_cast<int>(std::min<long long>(kRandomSessionLength, total - steps));
        SessionRun run = RunGeneratedSession(module, SessionSeed(context.seed, sessions), length);
        ++sessions;
        steps += static_cast<long long>(run.steps.size());
        if (run.failed)
            failing = run;
        else if (run.steps.empty())
            break; /* nothing can run: the failure is reported below */
    }
    const char* const checks[] = {kCheckUndo, kCheckDocument, kCheckPanel, kCheckSteps};
    for (const char* check : checks) {
        CheckResult result;
        result.name = check;
        result.passed = !failing.failed || failing.failure.check != check;
        if (check == checks[0]) {
            result.figures["steps"] = steps;
            result.figures["sessions"] = sessions;
        }
        if (result.passed) {
            result.detail = std::to_string(steps) + " steps in " + std::to_string(sessions) + " sessions";
        }
        else {
            const std::string origin =
                "seed " + std::to_string(context.seed) + ", session " + std::to_string(sessions - 1);
            const Reproducer reproducer = MakeReproducer(module, failing, origin, kShrinkTries);
            result.detail = origin + ", " + OneLine(failing.failure.detail) + "; shrunk to " +
                            std::to_string(reproducer.shrunk.steps.size()) + " steps";
            if (!reproducer.failingLine)
                result.detail += " (the script did not fail when replayed)";
            result.reproducer = reproducer.script;
        }
        report.Report(result);
    }
}

QZVALIDATE_CHECKS(random_sessions, 5, "random panel sessions against the reference model", RunRandomSessions);
