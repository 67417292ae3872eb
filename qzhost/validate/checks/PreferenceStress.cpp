/* Level 9: the preference files under stress.

   Killed saves: a child process of the session opens the panel, moves it and
   terminates the plug-in a few times in a row, each terminate saving the
   position; the child is killed (SIGKILL) at a seeded random moment: in
   every other round any moment of its run, in the others a few microseconds
   after a seeded one of its file operations in the preferences folder (where
   a save that is not atomic would be caught half done). The
   file must then hold exactly what it held before the first save or after
   one of the saves: never a mixture, never an empty or cut-off file.

   Malformed files: each file of a list of broken ones (binary, very long
   lines, no line ends, NUL bytes, ...) is put in place of the preference
   file and of the option file, and the panel is opened and terminated in a
   child process: nothing may crash or hang, and the preference file written
   afterwards must be well formed. */

#include "qzhost/validate/PreferenceFile.h"
#include "qzhost/validate/session/SessionScript.h"
#include "qzhost/validate/ValidationChecks.h"
#include "qzhost/validate/ValidationRunner.h"

#include <poll.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace
{

using Clock = std::chrono::steady_clock;

constexpr long kKills = 200;
constexpr long kKillsAtTop = 1000;
constexpr int kSavesPerChild = 4;
constexpr int kCalibrationRuns = 3;
constexpr auto kChildLimit = std::chrono::seconds(60);
const char* const kKeptPair = "QZ_VALIDATOR_KEEP=kept, with = inside";

struct Position
{
    int x = 0;
    int y = 0;
};

std::string Content(const Position& position)
{
    return std::string(kKeptPair) + "\n" + PreferenceFile::kKeyX + "=" + std::to_string(position.x) + "\n" +
           PreferenceFile::kKeyY + "=" + std::to_string(position.y) + "\n";
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out.flush());
}

std::string Quoted(const std::string& bytes)
{
    std::string shown;
    for (char c : bytes.substr(0, 120)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n')
            shown += "\\n";
        else if (byte >= 0x20 && byte < 0x7F)
            shown += c;
        else
            shown += "\\x" + std::string(1, "0123456789abcdef"[byte >> 4]) + "0123456789abcdef"[byte & 15];
    }
    return "\"" + shown + (bytes.size() > 120 ? "..." : "") + "\"";
}

/* How a child process ended. */
struct ChildEnd
{
    bool exited = false;
    int status = 0; /* exit status, or the signal */
    bool hung = false;
};

/* Waits for child up to the limit; a child past it is killed and reported hung. */
ChildEnd WaitFor(pid_t child)
{
    ChildEnd end;
    const Clock::time_point deadline = Clock::now() + kChildLimit;
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child)
            break;
        if (done < 0 && errno != EINTR)
            return end;
        if (Clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            end.hung = true;
            return end;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    end.exited = WIFEXITED(status);
    end.status = end.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return end;
}

/* Runs script in a child process of the session; when ready is not null the
   child writes one byte to it before it starts. The child never returns. */
pid_t StartChild(Session& session, const std::string& script, int ready)
{
    const pid_t child = fork();
    if (child != 0)
        return child;
    if (ready >= 0) {
        const char byte = 1;
        if (write(ready, &byte, 1) != 1)
            _exit(3);
        close(ready);
    }
    _exit(SessionScript::Run(session, script).empty() ? 0 : 1);
}

/* One child's saves: the positions in order, and every content the file may
   hold while they run (each terminate saves X, then Y, each save a rewrite). */
struct SavePlan
{
    std::string script;
    std::set<std::string> allowed;
    std::string last;
};

SavePlan PlanSaves(std::mt19937_64& random, const Position& start)
{
    std::uniform_int_distribution<int> coordinate(0, 1200);
    SavePlan plan;
    Position position = start;
    plan.allowed.insert(Content(position));
    for (int i = 0; i < kSavesPerChild; ++i) {
        const Position next{coordinate(random), coordinate(random)};
        plan.script += "invoke\nmove " + std::to_string(next.x) + " " + std::to_string(next.y) + "\nterminate\n";
        plan.allowed.insert(Content(Position{next.x, position.y}));
        plan.allowed.insert(Content(next));
        position = next;
    }
    plan.last = Content(position);
    return plan;
}

class KilledSaves
{
public:
    KilledSaves(Session& session, const ValidationContext& context)
        : _session(session), _context(context), _random(context.seed ^ 0x9e3779b97f4a7c15ULL),
          _path(session.PreferencesFolder() + "/" + PreferenceFile::kName)
    {
        _result.name = "killed saves leave the old or the new file";
    }

    CheckResult Run()
    {
        const long rounds = _context.level >= 10 ? kKillsAtTop : kKills;
        if (!Calibrate())
            return Finish();
        for (long round = 1; round <= rounds && _problem.empty(); ++round)
            KillOneRound(round);
        return Finish();
    }

private:
    /* Rounds without a kill: how long the saves take (the quickest of a few,
       so that the kills fall inside most runs), and the file after them. */
    bool Calibrate()
    {
        for (int run = 0; run < kCalibrationRuns && _problem.empty(); ++run) {
            const SavePlan plan = PlanSaves(_random, Position{11, 22});
            WriteFile(_path, Content(Position{11, 22}));
            const Clock::time_point start = Clock::now();
            const ChildEnd end = WaitFor(StartChild(_session, plan.script, -1));
            const long long span = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
            _span = run == 0 ? span : std::min(_span, span);
            std::string bytes;
            PreferenceFile::Read(_path, bytes);
            if (!end.exited || end.status != 0)
                _problem = "the saves without a kill failed (" + Ended(end) + ")";
            else if (bytes != plan.last)
                _problem = "after saves without a kill the file holds " + Quoted(bytes) + ", not " + Quoted(plan.last);
        }
        return _problem.empty();
    }

    void KillOneRound(long round)
    {
        std::uniform_int_distribution<long long> anyMoment(0, std::max<long long>(1, _span));
        const long long delay = anyMoment(_random);
        const SavePlan plan = PlanSaves(_random, Position{11, 22});
        WriteFile(_path, Content(Position{11, 22}));
        int ready[2];
        if (pipe(ready) != 0) {
            _problem = "cannot make a pipe";
            return;
        }
        const bool atFileOperation = round % 2 == 0;
        const int watch = atFileOperation ? WatchFolder() : -1;
        const int operation = std::uniform_int_distribution<int>(1, 6 * kSavesPerChild)(_random);
        const long long shortDelay = delay % 40;
        const std::string moment =
            watch >= 0 ? std::to_string(shortDelay) + " us after file operation " + std::to_string(operation)
                       : std::to_string(delay) + " us after the start";
        const pid_t child = StartChild(_session, plan.script, ready[1]);
        close(ready[1]);
        char byte = 0;
        const bool started = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (started && watch >= 0)
            WaitForOperations(watch, operation);
        if (started)
            std::this_thread::sleep_for(std::chrono::microseconds(watch >= 0 ? shortDelay : delay));
        kill(child, SIGKILL);
        if (watch >= 0)
            close(watch);
        const ChildEnd end = WaitFor(child);
        if (!end.exited && end.status == SIGKILL)
            ++_kills;
        else if (!end.exited || end.status != 0)
            _problem = Where(round, moment) + ": the saves failed (" + Ended(end) + ")";
        std::string bytes;
        if (!PreferenceFile::Read(_path, bytes))
            _problem = Where(round, moment) + ": the preference file is gone";
        else if (_problem.empty() && !plan.allowed.count(bytes))
            _problem = Where(round, moment) + ": the file holds " + Quoted(bytes) +
                       ", which is neither its content before a save nor after one";
    }

    int WatchFolder() const
    {
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (watch >= 0 &&
            inotify_add_watch(watch, _session.PreferencesFolder().c_str(),
                              IN_OPEN | IN_MODIFY | IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_DELETE) < 0) {
            close(watch);
            return -1;
        }
        return watch;
    }

    /* Returns once count file operations happened in the folder, or after
       the whole run's span when there were fewer. */
    void WaitForOperations(int watch, int count) const
    {
        const Clock::time_point deadline = Clock::now() + std::chrono::microseconds(2 * _span + 1000);
        alignas(inotify_event) char buffer[4096];
        while (count > 0 && Clock::now() < deadline) {
            pollfd poller{watch, POLLIN, 0};
            if (poll(&poller, 1, 1) <= 0)
                continue;
            const ssize_t got = read(watch, buffer, sizeof buffer);
            for (ssize_t at = 0; got > 0 && at < got && count > 0;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
                --count;
            }
        }
    }

    std::string Where(long round, const std::string& moment) const
    {
        return "round " + std::to_string(round) + " (seed " + std::to_string(_context.seed) + ", killed " + moment +
               ")";
    }

    static std::string Ended(const ChildEnd& end)
    {
        if (end.hung)
            return "no end within " + std::to_string(kChildLimit.count()) + " s";
        return end.exited ? "exit status " + std::to_string(end.status) : SignalName(end.status);
    }

    /* Files other than the preference file in its folder: what killed saves
       left behind (a save's temporary file, when it was killed mid-way). */
    long LeftoverFiles() const
    {
        long count = 0;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(_session.PreferencesFolder(), error))
            count += entry.path().filename() == PreferenceFile::kName ? 0 : 1;
        return count;
    }

    CheckResult Finish()
    {
        _result.passed = _problem.empty();
        _result.detail = _problem.empty() ? std::to_string(kSavesPerChild) + " saves per process, killed within " +
                                                std::to_string(_span) + " us; " + std::to_string(LeftoverFiles()) +
                                                " temporary file(s) left behind"
                                          : _problem;
        _result.figures["kills"] = _kills;
        return _result;
    }

    Session& _session;
    const ValidationContext& _context;
    std::mt19937_64 _random;
    std::string _path;
    long long _span = 0;
    long _kills = 0;
    std::string _problem;
    CheckResult _result;
};

struct MalformedCase
{
    std::string name;
    std::string bytes;
    bool folder = false; /* a folder in the file's place */
};

std::vector<MalformedCase> MalformedCases(uint64_t seed)
{
    std::mt19937_64 random(seed ^ 0x5bd1e995ULL);
    std::string binary(8192, '\0');
    for (char& c : binary)
        c = static_cast<char>(random() & 0xFF);
    const std::string x = PreferenceFile::kKeyX;
    const std::string y = PreferenceFile::kKeyY;
    return {
        {"binary", binary, false},
        {"very long lines",
         std::string(3 << 20, 'k') + "=" + std::string(1 << 20, 'v') + "\n" + x + "=" + std::string(100000, '9') + "\n",
         false},
        {"no line ends", x + "=5" + y + "=6" + x + "=7", false},
        {"NUL bytes", x + "=1\0\0\n\0" + y + "=\0002\n\0\0\0=\0\n" + std::string(4096, '\0'), false},
        {"carriage returns only", "a=b\r" + x + "=4\r" + y + "=5\r\r", false},
        {"no pairs", "====\n=\n\n  \nno pair here\n", false},
        {"blanks and numbers out of range", x + " =  99999999999999999999\n" + y + "= -99999999999999999999 \n", false},
        {"empty", "", false},
        {"a folder", "", true},
    };
}

/* One malformed file in place of one of the two files; "" when the plug-in
   coped. */
std::string TryMalformed(Session& session, const MalformedCase& broken, const char* fileName)
{
    const std::string folder = session.PreferencesFolder();
    std::error_code ignored;
    fs::remove_all(folder + "/" + PreferenceFile::kName, ignored);
    fs::remove_all(folder + "/" + PreferenceFile::kOptionsName, ignored);
    const std::string path = folder + "/" + fileName;
    if (broken.folder)
        fs::create_directory(path, ignored);
    else
        WriteFile(path, broken.bytes);
    const ChildEnd end = WaitFor(StartChild(session, "invoke\nmove 40 50\nterminate\ninvoke\nterminate\n", -1));
    const std::string where = broken.name + " in " + fileName;
    if (end.hung)
        return where + ": the panel hung (no end within " + std::to_string(kChildLimit.count()) + " s)";
    if (!end.exited)
        return where + ": the plug-in crashed: " + SignalName(end.status);
    if (end.status != 0)
        return where + ": the session failed (exit status " + std::to_string(end.status) + ")";
    const bool writable = !(broken.folder && std::string(fileName) == PreferenceFile::kName);
    std::string bytes;
    if (writable && !PreferenceFile::Read(folder + "/" + PreferenceFile::kName, bytes))
        return where + ": no preference file was written";
    const std::string problem = writable ? PreferenceFile::Problem(bytes, true) : "";
    return problem.empty() ? "" : where + ": the file written afterwards is malformed: " + problem;
}

CheckResult CheckMalformed(Session& session, uint64_t seed)
{
    CheckResult result;
    result.name = "malformed preference files";
    long tried = 0;
    for (const MalformedCase& broken : MalformedCases(seed)) {
        for (const char* fileName : {PreferenceFile::kName, PreferenceFile::kOptionsName}) {
            ++tried;
            const std::string problem = TryMalformed(session, broken, fileName);
            if (!problem.empty() && result.detail.empty())
                result.detail = problem + " (seed " + std::to_string(seed) + ")";
        }
    }
    result.passed = result.detail.empty();
    if (result.passed)
        result.detail = std::to_string(tried) + " files: no crash, no hang, well formed afterwards";
    result.figures["malformed files"] = tried;
    return result;
}

/* The saves are killed on a disk, where the user's preferences live: a
   memory file system syncs nothing, and saves that short would mostly end
   before their kill. The folder goes with the session. */
void UseDiskForTemporaryFolders()
{
    const char* folder = std::getenv("TMPDIR");
    if (folder && std::string(folder).rfind(kMemoryTemporaryFolder, 0) == 0)
        setenv("TMPDIR", P_tmpdir, 1);
}

void RunPreferenceStress(const ValidationContext& context, CheckReporter& report)
{
    UseDiskForTemporaryFolders();
    Session session;
    const std::string problem = SessionScript::Start(session, context.module);
    if (!problem.empty()) {
        CheckResult result;
        result.name = "preference stress";
        result.detail = "the session did not start: " + problem;
        report.Report(result);
        return;
    }
    report.Report(KilledSaves(session, context).Run());
    report.Report(CheckMalformed(session, context.seed));
}

} // namespace

QZVALIDATE_CHECKS(prefs, 9, "preference files under stress", RunPreferenceStress);
