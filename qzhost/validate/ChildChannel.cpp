#include "qzhost/validate/ChildChannel.h"

#include "qzhost/validate/ValidationRunner.h"

#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstddef>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

/* The messages of one child: written into memory shared with the parent, so
   that sending costs no system call and what a child said survives its death.
   The space is reserved, not committed: only the pages written take memory. */
constexpr size_t kChannelBytes = size_t(64) << 20;

struct ChannelArea
{
    std::atomic<size_t> used;
    std::atomic<bool> overflowed;
    char data[1];
};

constexpr size_t kChannelData = kChannelBytes - offsetof(ChannelArea, data);

/* One area per process, made on first use: a child that runs children of its
   own makes its own, so that it never writes into the area it reports through. */
ChannelArea* MapArea()
{
    void* memory =
        mmap(nullptr, kChannelBytes, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return memory == MAP_FAILED ? nullptr : static_cast<ChannelArea*>(memory);
}

ChannelArea* AreaOfThisProcess()
{
    static ChannelArea* area = nullptr;
    static pid_t owner = 0;
    if (area && owner == getpid())
        return area;
    area = MapArea();
    owner = getpid();
    return area;
}

/* The children's temporary folders go where the validator's go. */
void PreferMemoryTemporaryFolders()
{
    if (!std::getenv("TMPDIR"))
        setenv("TMPDIR", TemporaryFolderBase().c_str(), 1);
}

} // namespace

void ChildChannel::Send(char tag, const std::string& payload) const
{
    auto* area = static_cast<ChannelArea*>(_area);
    const size_t size = payload.size() + 2;
    const size_t at = area->used.load(std::memory_order_relaxed);
    if (area->overflowed.load(std::memory_order_relaxed) || size > kChannelData - at) {
        area->overflowed.store(true, std::memory_order_release);
        return;
    }
    area->data[at] = tag;
    std::memcpy(area->data + at + 1, payload.data(), payload.size());
    area->data[at + size - 1] = '\0';
    area->used.store(at + size, std::memory_order_release);
}

namespace
{

/* Waits for the child, killing it and its process group at the deadline. */
int WaitFor(pid_t child, int timeoutSeconds, bool& timedOut)
{
    int status = 0;
    if (timeoutSeconds > 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
        while (waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= deadline) {
                timedOut = true;
                kill(-child, SIGKILL);
                kill(child, SIGKILL);
                break;
            }
            usleep(5000);
        }
        if (!timedOut)
            return status;
    }
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {}
    return status;
}

} // namespace

namespace
{

/* Forks a child that runs body, reporting through area; the child's pid,
   or -1 when none could be made. */
pid_t StartChild(ChannelArea* area, const std::function<void(const ChildChannel&)>& body)
{
    area->used.store(0);
    area->overflowed.store(false);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        PreferMemoryTemporaryFolders();
        body(ChildChannel(area));
        _exit(0);
    }
    return child;
}

/* What an ended child said through area, and how it ended. */
ChildOutcome ReadOutcome(const ChannelArea* area, pid_t child, int status, bool timedOut)
{
    ChildOutcome outcome;
    outcome.pid = child;
    outcome.waitStatus = status;
    outcome.timedOut = timedOut;
    const size_t used = std::min(area->used.load(std::memory_order_acquire), kChannelData);
    for (const std::string& message : SplitText(std::string(area->data, used), '\0'))
        if (!message.empty())
            outcome.messages.emplace_back(message[0], message.substr(1));
    if (WIFSIGNALED(status))
        outcome.abnormalEnd = "the process died of signal " + std::to_string(WTERMSIG(status));
    else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        outcome.abnormalEnd = "the process ended with status " + std::to_string(WEXITSTATUS(status));
    else if (area->overflowed.load())
        outcome.abnormalEnd = "the process said more than its channel holds";
    return outcome;
}

} // namespace

ChildOutcome RunInChildProcess(const std::function<void(const ChildChannel&)>& body, int timeoutSeconds)
{
    ChannelArea* area = AreaOfThisProcess();
    const pid_t child = area ? StartChild(area, body) : -1;
    if (child < 0) {
        ChildOutcome outcome;
        outcome.started = false;
        return outcome;
    }
    bool timedOut = false;
    const int status = WaitFor(child, timeoutSeconds, timedOut);
    return ReadOutcome(area, child, status, timedOut);
}

RunningChild::RunningChild(const std::function<void(const ChildChannel&)>& body)
{
    ChannelArea* area = MapArea();
    _area = area;
    if (area)
        _pid = StartChild(area, body);
}

RunningChild::~RunningChild()
{
    if (Started() && !_ended)
        Kill();
    if (_area)
        munmap(_area, kChannelBytes);
}

bool RunningChild::Ended()
{
    if (!_ended && Started()) {
        const pid_t done = waitpid(_pid, &_waitStatus, WNOHANG);
        _ended = done == _pid || (done < 0 && errno != EINTR);
    }
    return _ended;
}

void RunningChild::Kill()
{
    if (!Started() || _ended)
        return;
    kill(-_pid, SIGKILL);
    kill(_pid, SIGKILL);
    while (waitpid(_pid, &_waitStatus, 0) < 0 && errno == EINTR) {}
    _ended = true;
}

ChildOutcome RunningChild::Outcome(bool timedOut) const
{
    return ReadOutcome(static_cast<const ChannelArea*>(_area), _pid, _waitStatus, timedOut);
}

std::vector<std::string> SplitText(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::vector<ChildMessages> MessagesBySession(const ChildMessages& messages)
{
    std::vector<ChildMessages> sessions(1);
    bool begun = false;
    for (const auto& message : messages) {
        if (message.first != ChildMessage::kSession)
            sessions.back().push_back(message);
        else if (std::exchange(begun, true))
            sessions.emplace_back();
    }
    return sessions;
}
