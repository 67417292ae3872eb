/* Level 9: the preference files under stress.

   Killed saves: a child process of the session opens the panel, moves it and
   terminates the plug-in a few times in a row, each terminate saving the
   position; the child is killed (SIGKILL) at a seeded random moment: in
   every other round any moment of its run, in the others a few microseconds
   after a seeded one of its file operations in the preferences folder (where
   a save that is not atomic would be caught half done). The
   file must then hold exactly what it held before the first save or after
   one of the saves: never a mixture, never an empty or cut-off file. The
   rounds run three at a time, each in a preferences folder of its own.

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
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <chrono>
#include <deque>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <set>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace
{

using Clock = std::chrono::steady_clock;

constexpr long kKills = 200;
constexpr long kKillsAtTop = 1000;
constexpr int kSavesPerChild = 4;
constexpr int kCalibrationRuns = 3;
constexpr int kLanes = 3;
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

/* How a child ended, from its wait status. */
ChildEnd EndOf(int status)
{
    ChildEnd end;
    end.exited = WIFEXITED(status);
    end.status = end.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return end;
}

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
    return EndOf(status);
}

/* Waits for a child sent SIGKILL: it cannot outlive the signal, so no limit. */
ChildEnd WaitForKilled(pid_t child)
{
    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(child, &status, 0)) < 0 && errno == EINTR) {}
    if (done != child)
        return ChildEnd();
    return EndOf(status);
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

/* Children are forked by the thread that started the session (the engine
   holds the plug-in to that thread); the lanes of rounds ask it for them. */
class ChildStarter
{
public:
    ChildStarter(Session& session, int lanes) : _session(session), _lanes(lanes) {}

    /* From a lane: a child started on the session's thread. */
    pid_t Start(const std::string& script, int ready)
    {
        std::unique_lock<std::mutex> lock(_mutex);
        Request request{&script, ready};
        _requests.push_back(&request);
        _changed.notify_all();
        _changed.wait(lock, [&] { return request.done; });
        return request.pid;
    }

    /* From a lane: it has no more rounds. */
    void LaneDone()
    {
        std::lock_guard<std::mutex> lock(_mutex);
        --_lanes;
        _changed.notify_all();
    }

    /* On the session's thread: starts what the lanes ask for until each is done. */
    void Serve()
    {
        std::unique_lock<std::mutex> lock(_mutex);
        for (;;) {
            _changed.wait(lock, [&] { return !_requests.empty() || _lanes == 0; });
            if (_requests.empty())
                return;
            Request* request = _requests.front();
            _requests.pop_front();
            request->pid = StartChild(_session, *request->script, request->ready);
            request->done = true;
            _changed.notify_all();
        }
    }

private:
    struct Request
    {
        const std::string* script = nullptr;
        int ready = -1;
        pid_t pid = -1;
        bool done = false;
    };

    Session& _session;
    int _lanes;
    std::mutex _mutex;
    std::condition_variable _changed;
    std::deque<Request*> _requests;
};

/* One round's kill, drawn before any round runs (so that a seed names the
   same rounds however the rounds are spread over the lanes). */
struct KillRound
{
    long number = 0;
    SavePlan plan;
    long long delay = 0;      /* us after the start */
    int operation = 0;        /* the file operation the kill follows, 0 for any moment */
    long long shortDelay = 0; /* us after that file operation */
};

/* How one round ended: killed or not, and what was wrong ("" for nothing). */
struct RoundEnd
{
    bool killed = false;
    std::string problem;
};

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
        RunLanes(PlanRounds(rounds));
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

    /* Every other round kills a few microseconds after a file operation, the
       others at any moment of the run. */
    std::vector<KillRound> PlanRounds(long rounds)
    {
        std::vector<KillRound> planned;
        std::uniform_int_distribution<long long> anyMoment(0, std::max<long long>(1, _span));
        for (long number = 1; number <= rounds; ++number) {
            KillRound round;
            round.number = number;
            round.delay = anyMoment(_random);
            round.plan = PlanSaves(_random, Position{11, 22});
            const int operation = std::uniform_int_distribution<int>(1, 6 * kSavesPerChild)(_random);
            round.operation = number % 2 == 0 ? operation : 0;
            round.shortDelay = round.delay % 40;
            planned.push_back(round);
        }
        return planned;
    }

    /* The rounds run in kLanes lanes at once, each with a preference folder of
       its own: a round spends most of its time waiting for the disk to sync
       a save. The first failing round (in round order) is the one reported. */
    void RunLanes(const std::vector<KillRound>& rounds)
    {
        std::vector<RoundEnd> ends(rounds.size());
        std::atomic<size_t> next{0};
        std::atomic<bool> failed{false};
        std::vector<std::string> folders = {_session.PreferencesFolder()};
        for (int lane = 1; lane < kLanes; ++lane) {
            const std::string folder = MakeLaneFolder();
            if (!folder.empty())
                _laneFolders.push_back(folder);
        }
        folders.insert(folders.end(), _laneFolders.begin(), _laneFolders.end());
        ChildStarter starter(_session, static_cast<int>(folders.size()));
        const auto lane = [&](const std::string& folder) {
            for (size_t at = next++; at < rounds.size() && !failed; at = next++) {
                ends[at] = KillOneRound(rounds[at], folder, starter);
                if (!ends[at].problem.empty())
                    failed = true;
            }
            starter.LaneDone();
        };
        std::vector<std::thread> lanes;
        for (const std::string& folder : folders)
            lanes.emplace_back(lane, folder);
        starter.Serve();
        for (std::thread& running : lanes)
            running.join();
        for (const RoundEnd& end : ends) {
            _kills += end.killed ? 1 : 0;
            if (_problem.empty())
                _problem = end.problem;
        }
    }

    /* A folder beside the session's preferences folder; "" when none can be made. */
    std::string MakeLaneFolder() const
    {
        const fs::path beside = fs::path(_session.PreferencesFolder()).parent_path() / "qzprefs-XXXXXX";
        std::string pattern = beside.string();
        return mkdtemp(pattern.data()) ? pattern : std::string();
    }

    RoundEnd KillOneRound(const KillRound& round, const std::string& folder, ChildStarter& starter) const
    {
        RoundEnd result;
        const std::string path = folder + "/" + PreferenceFile::kName;
        WriteFile(path, Content(Position{11, 22}));
        int ready[2];
        if (pipe(ready) != 0) {
            result.problem = "cannot make a pipe";
            return result;
        }
        const int watch = round.operation > 0 ? WatchFolder(folder) : -1;
        const std::string moment = watch >= 0 ? std::to_string(round.shortDelay) + " us after file operation " +
                                                    std::to_string(round.operation)
                                              : std::to_string(round.delay) + " us after the start";
        const pid_t child = starter.Start("prefs \"" + folder + "\"\n" + round.plan.script, ready[1]);
        close(ready[1]);
        char byte = 0;
        const bool started = read(ready[0], &byte, 1) == 1;
        close(ready[0]);
        if (started && watch >= 0)
            WaitForOperations(watch, round.operation);
        if (started)
            std::this_thread::sleep_for(std::chrono::microseconds(watch >= 0 ? round.shortDelay : round.delay));
        kill(child, SIGKILL);
        if (watch >= 0)
            close(watch);
        const ChildEnd end = WaitForKilled(child);
        if (!end.exited && end.status == SIGKILL)
            result.killed = true;
        else if (!end.exited || end.status != 0)
            result.problem = Where(round.number, moment) + ": the saves failed (" + Ended(end) + ")";
        std::string bytes;
        if (!PreferenceFile::Read(path, bytes))
            result.problem = Where(round.number, moment) + ": the preference file is gone";
        else if (result.problem.empty() && !round.plan.allowed.count(bytes))
            result.problem = Where(round.number, moment) + ": the file holds " + Quoted(bytes) +
                             ", which is neither its content before a save nor after one";
        return result;
    }

    static int WatchFolder(const std::string& folder)
    {
        const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (watch >= 0 &&
            inotify_add_watch(watch, folder.c_str(),
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
        std::vector<std::string> folders = _laneFolders;
        folders.push_back(_session.PreferencesFolder());
        for (const std::string& folder : folders) {
            std::error_code error;
            for (const auto& entry : fs::directory_iterator(folder, error))
                count += entry.path().filename() == PreferenceFile::kName ? 0 : 1;
        }
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
        std::error_code ignored;
        for (const std::string& folder : _laneFolders)
            fs::remove_all(folder, ignored);
        return _result;
    }

    Session& _session;
    const ValidationContext& _context;
    std::mt19937_64 _random;
    std::string _path;
    std::vector<std::string> _laneFolders; /* besides the session's */
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
