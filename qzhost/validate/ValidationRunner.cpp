#include "qzhost/validate/ValidationRunner.h"

#include "qzhost/validate/ChildChannel.h"

#include <fcntl.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <iostream>
#include <memory>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

/* The reporter of a level's child: every result goes to the parent at once,
   so that what was found before a crash is not lost. */
class ChannelReporter : public CheckReporter
{
public:
    explicit ChannelReporter(const ChildChannel& channel) : _channel(channel) {}
    void Report(const CheckResult& result) override
    {
        _channel.Send(ChildMessage::kLevelResult, CheckResultToJson(result));
    }

private:
    const ChildChannel& _channel;
};

/* The child's side: runs the groups of one level, then ends without
   running the process's exit handlers (the parent owns those). */
void RunLevelChild(int level, const ValidationContext& context, const ChildChannel& channel, const std::string& scratch)
{
    setpgid(0, 0);
#ifdef __linux__
    /* In a process group of its own the child misses the terminal's Ctrl-C:
       it ends with the validator instead. */
    prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
    /* What a module prints must not mix with the validator's own report. */
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere >= 0) {
        dup2(nowhere, STDOUT_FILENO);
        close(nowhere);
    }
    /* Temporary files and folders of the groups (sessions' preference
       folders above all) go to the level's scratch folder, which the
       validator removes however the level ends. */
    if (!scratch.empty())
        setenv("TMPDIR", scratch.c_str(), 1);
    ChannelReporter reporter(channel);
    for (const CheckGroup* group : CheckGroupsAtLevel(level)) {
        channel.Send(ChildMessage::kLevelGroup, group->id);
        group->run(context, reporter);
    }
    channel.Send(ChildMessage::kLevelDone, "");
}

/* What the parent read from one child. */
struct ChildLog
{
    std::string group; /* the group running last */
    bool done = false;
    bool fatal = false;
};

void TakeMessage(char tag, const std::string& payload, ChildLog& log, LevelReport& report)
{
    if (tag == ChildMessage::kLevelGroup) {
        log.group = payload;
        report.groups.push_back(log.group);
    }
    else if (tag == ChildMessage::kLevelResult) {
        ReportedCheck check;
        check.group = log.group;
        if (!CheckResultFromJson(payload, check.result))
            return;
        log.fatal = log.fatal || check.result.fatal;
        report.checks.push_back(check);
    }
    else if (tag == ChildMessage::kLevelDone) {
        log.done = true;
    }
}

void RemoveScratch(const std::string& scratch)
{
    std::error_code ignored;
    if (!scratch.empty())
        std::filesystem::remove_all(scratch, ignored);
}

/* A new folder for one level's temporary files; "" when none can be made. */
std::string MakeScratchFolder()
{
    std::string pattern = (std::filesystem::path(TemporaryFolderBase()) / "qzvalidate-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    return mkdtemp(buffer.data()) ? std::string(buffer.data()) : std::string();
}

CheckResult Failure(const std::string& name, const std::string& detail)
{
    CheckResult result;
    result.name = name;
    result.detail = detail;
    result.fatal = true;
    return result;
}

} // namespace

const char* const kMemoryTemporaryFolder = "/dev/shm";

std::string TemporaryFolderBase()
{
    const char* fromEnvironment = std::getenv("TMPDIR");
    if (fromEnvironment && *fromEnvironment)
        return fromEnvironment;
    struct stat info
    {};
    if (stat(kMemoryTemporaryFolder, &info) == 0 && S_ISDIR(info.st_mode) &&
        access(kMemoryTemporaryFolder, W_OK | X_OK) == 0)
        return kMemoryTemporaryFolder;
    return std::filesystem::temp_directory_path().string();
}

std::string SignalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGABRT: return "SIGABRT";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGKILL: return "SIGKILL";
    case SIGTERM: return "SIGTERM";
    case SIGPIPE: return "SIGPIPE";
    case SIGTRAP: return "SIGTRAP";
    default: return "signal " + std::to_string(signal);
    }
}

ValidationRunner::ValidationRunner(const ValidationOptions& options) : _options(options)
{
    _context.module = options.module;
    _context.level = options.level;
    _context.seed = options.seed;
}

namespace
{

/* Levels run three at a time, each in its own child process: two to keep
   two cores busy, and a third because the preference stress spends most of
   its time waiting for the disk. A level starts while the ones below it
   still run, and its results wait for theirs. When a level stops the run,
   the levels above it are killed and left out of the report, as if they had
   never started. */
constexpr size_t kLevelsAtOnce = 3;

} // namespace

/* One level's child process, its scratch folder and its clock. */
struct LevelRun
{
    int level = 0;
    std::string scratch;
    Clock::time_point start;
    Clock::time_point deadline;
    std::unique_ptr<RunningChild> child;
    bool timedOut = false;
    double seconds = 0; /* from its start to its end */
};

ValidationReport ValidationRunner::Run()
{
    const Clock::time_point start = Clock::now();
    ValidationReport report;
    report.module = _options.module;
    report.level = _options.level;
    report.seed = _options.seed;
    std::vector<int> levels;
    for (int level : CheckLevels())
        if (level <= _options.level)
            levels.push_back(level);
    const int limit = _options.timeoutSeconds > 0 ? _options.timeoutSeconds : kDefaultTimeoutSeconds;
    std::deque<LevelRun> runs; /* started and not yet reported, lowest level first */
    size_t next = 0;
    while (report.stopped.empty() && (next < levels.size() || !runs.empty())) {
        size_t running = 0;
        for (LevelRun& run : runs)
            running += Ended(run) ? 0 : 1;
        bool changed = false;
        for (; running < kLevelsAtOnce && next < levels.size(); ++running, changed = true)
            runs.push_back(StartLevel(levels[next++], limit));
        for (; !runs.empty() && Ended(runs.front()) && report.stopped.empty(); changed = true) {
            report.levels.push_back(JudgeLevel(runs.front(), limit, report.stopped));
            runs.pop_front();
        }
        if (!changed)
            usleep(5000);
    }
    /* Levels above the one that stopped the run. */
    for (LevelRun& run : runs) {
        run.child->Kill();
        RemoveScratch(run.scratch);
    }
    report.seconds = SecondsSince(start);
    return report;
}

LevelRun ValidationRunner::StartLevel(int level, int limit) const
{
    LevelRun run;
    run.level = level;
    run.scratch = MakeScratchFolder();
    run.start = Clock::now();
    run.deadline = run.start + std::chrono::seconds(limit);
    std::cout.flush();
    std::cerr.flush();
    const ValidationContext& context = _context;
    const std::string scratch = run.scratch;
    run.child = std::make_unique<RunningChild>(
        [&](const ChildChannel& channel) { RunLevelChild(level, context, channel, scratch); });
    return run;
}

bool ValidationRunner::Ended(LevelRun& run)
{
    if (run.seconds > 0 || !run.child->Started())
        return true;
    const Clock::time_point now = Clock::now();
    if (!run.child->Ended()) {
        if (now < run.deadline)
            return false;
        run.timedOut = true;
        run.child->Kill();
    }
    run.seconds = std::max(1e-9, std::chrono::duration<double>(now - run.start).count());
    return true;
}

LevelReport ValidationRunner::JudgeLevel(LevelRun& run, int limit, std::string& stopped)
{
    LevelReport report;
    report.level = run.level;
    const std::string levelName = "level " + std::to_string(run.level);
    if (!run.child->Started()) {
        RemoveScratch(run.scratch);
        report.checks.push_back({"", Failure(levelName, "cannot start a process")});
        stopped = "the validator could not start " + levelName;
        return report;
    }
    /* Processes the level's groups started and left behind. */
    kill(-run.child->Pid(), SIGKILL);
    RemoveScratch(run.scratch);
    const ChildOutcome outcome = run.child->Outcome(run.timedOut);
    ChildLog log;
    for (const auto& message : outcome.messages)
        TakeMessage(message.first, message.second, log, report);
    const int status = outcome.waitStatus;

    const std::string where = log.group.empty() ? levelName : log.group;
    std::string problem;
    if (outcome.timedOut)
        problem = "no answer within " + std::to_string(limit) + " s (hang); the process was killed";
    else if (WIFSIGNALED(status))
        problem = "the module crashed: " + SignalName(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    else if (!log.done)
        problem = "the checks ended early with exit status " + std::to_string(WEXITSTATUS(status)) +
                  " (a sanitizer's or the module's own report, if any, is on standard error)";
    if (!problem.empty()) {
        report.checks.push_back({log.group, Failure(where + " ran without crashing or hanging", problem)});
        stopped = levelName + " did not finish; higher levels were not run";
    }
    else if (log.fatal) {
        stopped = "the module cannot be checked further after " + levelName;
    }
    report.seconds = run.seconds;
    return report;
}
