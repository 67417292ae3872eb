#include "qzhost/validate/ValidationRunner.h"

#include <fcntl.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

namespace
{

using Clock = std::chrono::steady_clock;

/* Lines of the pipe between a level's child and the validator. */
const char* const kGroupLine = "group ";
const char* const kResultLine = "result ";
const char* const kDoneLine = "done";

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

bool StartsWith(const std::string& text, const char* prefix)
{
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

void WriteAll(int fd, const std::string& text)
{
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += static_cast<size_t>(written);
    }
}

/* The reporter of a level's child: every result goes to the pipe at once,
   so that what was found before a crash is not lost. */
class PipeReporter : public CheckReporter
{
public:
    explicit PipeReporter(int fd) : _fd(fd) {}
    void Report(const CheckResult& result) override { WriteAll(_fd, kResultLine + CheckResultToJson(result) + "\n"); }

private:
    int _fd;
};

/* The child's side: runs the groups of one level, then ends without
   running the process's exit handlers (the parent owns those). */
[[noreturn]] void RunLevelChild(int level, const ValidationContext& context, int fd, const std::string& scratch)
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
    PipeReporter reporter(fd);
    for (const CheckGroup* group : CheckGroupsAtLevel(level)) {
        WriteAll(fd, kGroupLine + group->id + "\n");
        group->run(context, reporter);
    }
    WriteAll(fd, std::string(kDoneLine) + "\n");
    close(fd);
    _exit(0);
}

/* What the parent read from one child. */
struct ChildLog
{
    std::string pending; /* an unfinished line */
    std::string group;   /* the group running last */
    bool done = false;
    bool fatal = false;
};

void TakeLine(const std::string& line, ChildLog& log, LevelReport& report)
{
    if (StartsWith(line, kGroupLine)) {
        log.group = line.substr(std::strlen(kGroupLine));
        report.groups.push_back(log.group);
    }
    else if (StartsWith(line, kResultLine)) {
        ReportedCheck check;
        check.group = log.group;
        if (!CheckResultFromJson(line.substr(std::strlen(kResultLine)), check.result))
            return;
        log.fatal = log.fatal || check.result.fatal;
        report.checks.push_back(check);
    }
    else if (line == kDoneLine) {
        log.done = true;
    }
}

void TakeBytes(const char* bytes, size_t count, ChildLog& log, LevelReport& report)
{
    log.pending.append(bytes, count);
    size_t end;
    while ((end = log.pending.find('\n')) != std::string::npos) {
        TakeLine(log.pending.substr(0, end), log, report);
        log.pending.erase(0, end + 1);
    }
}

/* Reads the child's lines until it closes the pipe or the deadline passes;
   false on the deadline. */
bool ReadUntilClosed(int fd, Clock::time_point deadline, ChildLog& log, LevelReport& report)
{
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return false;
        pollfd poller{fd, POLLIN, 0};
        const int ready = poll(&poller, 1, static_cast<int>(std::min<long long>(left, INT_MAX)));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready == 0)
            continue; /* the deadline is checked above */
        const ssize_t count = read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return true;
        TakeBytes(buffer, static_cast<size_t>(count), log, report);
        /* A group may leave a process of its own holding the pipe open;
           the child's last line is enough. */
        if (log.done)
            return true;
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

ValidationReport ValidationRunner::Run()
{
    const Clock::time_point start = Clock::now();
    ValidationReport report;
    report.module = _options.module;
    report.level = _options.level;
    report.seed = _options.seed;
    for (int level : CheckLevels()) {
        if (level > _options.level)
            break;
        report.levels.push_back(RunLevel(level, report.stopped));
        if (!report.stopped.empty())
            break;
    }
    report.seconds = SecondsSince(start);
    return report;
}

LevelReport ValidationRunner::RunLevel(int level, std::string& stopped)
{
    const Clock::time_point start = Clock::now();
    LevelReport report;
    report.level = level;
    int fds[2];
    if (pipe(fds) != 0) {
        report.checks.push_back({"", Failure("level " + std::to_string(level), "cannot make a pipe")});
        stopped = "the validator could not start level " + std::to_string(level);
        return report;
    }
    const std::string scratch = MakeScratchFolder();
    std::cout.flush();
    std::cerr.flush();
    const pid_t child = fork();
    if (child == 0) {
        close(fds[0]);
        RunLevelChild(level, _context, fds[1], scratch);
    }
    close(fds[1]);
    if (child < 0) {
        close(fds[0]);
        RemoveScratch(scratch);
        report.checks.push_back({"", Failure("level " + std::to_string(level), "cannot start a process")});
        stopped = "the validator could not start level " + std::to_string(level);
        return report;
    }
    setpgid(child, child);
    const int limit = _options.timeoutSeconds > 0 ? _options.timeoutSeconds : kDefaultTimeoutSeconds;
    ChildLog log;
    const bool inTime = ReadUntilClosed(fds[0], start + std::chrono::seconds(limit), log, report);
    close(fds[0]);
    if (!inTime) {
        kill(-child, SIGKILL);
        kill(child, SIGKILL);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    /* Processes the level's groups started and left behind. */
    kill(-child, SIGKILL);
    RemoveScratch(scratch);

    const std::string where = log.group.empty() ? "level " + std::to_string(level) : log.group;
    std::string problem;
    if (!inTime)
        problem = "no answer within " + std::to_string(limit) + " s (hang); the process was killed";
    else if (WIFSIGNALED(status))
        problem = "the module crashed: " + SignalName(WTERMSIG(status)) + " (" + strsignal(WTERMSIG(status)) + ")";
    else if (!log.done)
        problem = "the checks ended early with exit status " + std::to_string(WEXITSTATUS(status)) +
                  " (a sanitizer's or the module's own report, if any, is on standard error)";
    if (!problem.empty()) {
        report.checks.push_back({log.group, Failure(where + " ran without crashing or hanging", problem)});
        stopped = "level " + std::to_string(level) + " did not finish; higher levels were not run";
    }
    else if (log.fatal) {
        stopped = "the module cannot be checked further after level " + std::to_string(level);
    }
    report.seconds = SecondsSince(start);
    return report;
}
