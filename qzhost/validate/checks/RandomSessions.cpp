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

/* Runs a session that failed after others in the same child alone in a
   fresh one: "" when it fails there the same way, else a note saying how it
   ran, since then what the sessions before it left behind decided it. */
std::string AloneNote(const std::string& module, const SessionOrder& order, const SessionRun& failing)
{
    const SessionRun run = RunGeneratedSession(module, order.seed, order.length);
    if (run.failed && run.failure.check == failing.failure.check && run.steps == failing.steps)
        return "";
    return std::string(" (run alone in a fresh process it ") +
           (run.failed ? "failed otherwise: " + OneLine(run.failure.detail) : "passed") +
           "; it failed after other sessions in the same process)";
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

std::vector<SessionOrder> NextSessionOrders(uint64_t runSeed, long long first, long long stepsLeft)
{
    std::vector<SessionOrder> orders;
    for (long long session = first; stepsLeft > 0 && orders.size() < kSessionsPerChild; ++session) {
        const int length = static_cast<int>(std::min<long long>(kRandomSessionLength, stepsLeft));
        orders.push_back({SessionSeed(runSeed, session), length});
        stepsLeft -= length;
    }
    return orders;
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
    std::string alone; /* how the failing session ran alone, when it ran after others */
    for (bool more = true; more && steps < total;) {
        const std::vector<SessionOrder> orders = NextSessionOrders(context.seed, sessions, total - steps);
        const std::vector<SessionRun> runs = RunGeneratedSessions(module, orders);
        for (size_t i = 0; more && i < runs.size(); ++i) {
            ++sessions;
            steps += static_cast<long long>(runs[i].steps.size());
            if (runs[i].failed) {
                failing = runs[i];
                alone = i ? AloneNote(module, orders[i], failing) : "";
            }
            /* nothing can run when a session has no step: the failure is reported below */
            more = !runs[i].failed && !runs[i].steps.empty();
        }
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
            result.detail += alone;
            result.reproducer = reproducer.script;
        }
        report.Report(result);
    }
}

QZVALIDATE_CHECKS(random_sessions, 5, "random panel sessions against the reference model", RunRandomSessions);
