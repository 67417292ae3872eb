/* Level 3: the menu entry picked and the plug-in terminated again and again
   in one process, as a host does over a long working day. Between invoke and
   terminate the panel is moved, a row is selected and sometimes the panel is
   closed or the menu entry picked a second time (seeded choices). After
   every terminate the framework objects the panel made must all be gone
   again, the preference file must be well formed and the engine's strict
   mode must have found nothing; a second invoke must make no new objects,
   and the menu status must stay enabled with the panel open and after. */

#include "qzhost/validate/PreferenceFile.h"
#include "qzhost/validate/session/SessionScript.h"
#include "qzhost/validate/ValidationChecks.h"

#include <random>

namespace
{

using LiveCountProc = int64_t (*)();

constexpr long kCycles = 100;
constexpr long kCyclesAtTop = 1000;

/* One cycle: the menu entry picked (sometimes twice: the second time must
   only bring the open panel to the front), some work in the panel, then the
   host's terminate. */
struct Cycle
{
    bool twice = false;
    std::string work;

    std::string Script() const { return "invoke\n" + std::string(twice ? "invoke\n" : "") + work + "terminate\n"; }
};

Cycle NextCycle(std::mt19937_64& random)
{
    std::uniform_int_distribution<int> coordinate(0, 900);
    std::uniform_int_distribution<int> row(-1, 8);
    Cycle cycle;
    cycle.twice = random() % 4 == 0;
    cycle.work = "move " + std::to_string(coordinate(random)) + " " + std::to_string(coordinate(random)) + "\nrow " +
                 std::to_string(row(random)) + "\n";
    if (random() % 3 == 0)
        cycle.work += "close\n";
    return cycle;
}

/* The first failure of one check, or its pass. */
struct Finding
{
    CheckResult result;
    bool found = false;

    explicit Finding(const char* name) { result.name = name; }
    void Fail(const std::string& detail, const std::string& reproducer = "")
    {
        if (found)
            return;
        found = true;
        result.detail = detail;
        result.reproducer = reproducer;
    }
    CheckResult Done(const std::string& summary)
    {
        result.passed = !found;
        if (!found)
            result.detail = summary;
        return result;
    }
};

int32_t MenuStatus(Session& session)
{
    int32_t status = 0;
    session.PluginCall("FinaleExtensionGetMenuStatus", [&] { status = session.Entries().getMenuStatus(); });
    return status;
}

void RunCycles(const ValidationContext& context, CheckReporter& report)
{
    Session session;
    const std::string problem = SessionScript::Start(session, context.module);
    Finding cycles("invoke and terminate cycles");
    Finding objects("framework objects freed at terminate");
    Finding prefs("preference file well formed after terminate");
    if (!problem.empty()) {
        cycles.Fail("the session did not start: " + problem);
        report.Report(cycles.Done(""));
        return;
    }
    const auto liveCount = reinterpret_cast<LiveCountProc>(session.PluginSymbol("QZLiveObjectCount"));
    if (!liveCount)
        objects.Fail("the module exports no live object count (QZLiveObjectCount)");
    const int64_t before = liveCount ? liveCount() : 0;
    const std::string prefsPath = session.PreferencesFolder() + "/" + PreferenceFile::kName;
    const std::string seed = "seed " + std::to_string(context.seed);
    std::mt19937_64 random(context.seed ^ 0x3c3c3c3cULL);
    const long total = context.level >= 10 ? kCyclesAtTop : kCycles;
    long done = 0;
    while (done < total) {
        const Cycle cycle = NextCycle(random);
        const std::string where = "cycle " + std::to_string(done + 1) + " (" + seed + ")";
        const std::string reproducer = "doc demo\nload " + context.module + "\n" + cycle.Script();
        std::string failed = SessionScript::Run(session, "invoke\n");
        const int64_t opened = liveCount ? liveCount() : 0;
        const int32_t statusOpen = MenuStatus(session);
        if (failed.empty() && cycle.twice) {
            failed = SessionScript::Run(session, "invoke\n");
            const int64_t again = liveCount ? liveCount() : 0;
            if (failed.empty() && again != opened)
                objects.Fail(where + ": the second invoke of an open panel made " + std::to_string(again - opened) +
                             " more framework object(s)");
        }
        if (failed.empty())
            failed = SessionScript::Run(session, cycle.work + "terminate\n");
        const int32_t statusAfter = MenuStatus(session);
        if (failed.empty() && (statusOpen != 1 || statusAfter != 1))
            failed = "the menu status was " + std::to_string(statusOpen) + " with the panel open and " +
                     std::to_string(statusAfter) + " after terminate (1, enabled, expected)";
        if (!failed.empty()) {
            cycles.Fail(where + ": " + failed, reproducer);
            break;
        }
        ++done;
        const int64_t alive = liveCount ? liveCount() : before;
        if (alive != before)
            objects.Fail(where + ": " + std::to_string(alive - before) +
                         " framework object(s) more than before the first invoke (" + std::to_string(alive) +
                         " alive, " + std::to_string(before) + " before)");
        std::string bytes;
        const std::string malformed =
            PreferenceFile::Read(prefsPath, bytes) ? PreferenceFile::Problem(bytes, true) : "the file was not written";
        if (!malformed.empty())
            prefs.Fail(where + ": " + PreferenceFile::kName + ": " + malformed, reproducer);
        if (objects.found || prefs.found)
            break;
    }
    CheckResult result = cycles.Done(std::to_string(done) + " cycles");
    result.figures["cycles"] = done;
    report.Report(result);
    report.Report(objects.Done(std::to_string(before) + " alive before and after every cycle"));
    report.Report(prefs.Done("pair lines only, position present"));
}

} // namespace

QZVALIDATE_CHECKS(cycles, 3, "invoke and terminate cycles", RunCycles);
