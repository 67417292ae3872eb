#ifndef QZHOST_CHILDCHANNEL_H
#define QZHOST_CHILDCHANNEL_H

/* Levels and sessions run in child processes (the plug-in keeps
   process-wide state, and may crash or hang); the child tells the parent
   what happened through tagged messages in memory it shares with the parent,
   so that even a child that dies leaves what it said before. */

#include <functional>
#include <string>
#include <utility>
#include <vector>

/* The channel's one message format: a tag, the payload, a NUL; the fields
   of a payload are separated by kFieldSeparator. Every tag a child sends is
   listed here, so that no two mean different things. */
namespace ChildMessage
{
/* A level of checks (ValidationRunner.cpp). */
constexpr char kLevelGroup = 'G';  /* a group of checks begins: its id */
constexpr char kLevelResult = 'J'; /* a check's result, as JSON */
constexpr char kLevelDone = 'Z';   /* every group of the level ran */
/* A child that runs a batch of sessions (random sessions, refusals). */
constexpr char kSession = 'S'; /* the next session of the child's batch begins: its index */
/* A random session (session/RandomSessionRunner.cpp). */
constexpr char kSetupCategory = 'C'; /* the special category present: "1" or "0" */
constexpr char kSetupStaffSet = 'T'; /* a staff set written before the session: "N:STAFF,STAFF,..." */
constexpr char kSetupDemo = 'M';     /* the session starts from the demo score: "1" */
constexpr char kStep = 'L';          /* the step about to run */
constexpr char kFailure = 'F';       /* a failed check: check, step, detail, expectations */
constexpr char kInconclusive = 'I';  /* the reference model cannot follow the step */
/* Refused host calls (checks/FaultInjection.cpp). */
constexpr char kHostCall = 'H';        /* a call the command made: function, by record, tag, key */
constexpr char kDocument = 'D';        /* the staff sets, described */
constexpr char kProblem = 'P';         /* the scenario could not be prepared */
constexpr char kPanel = 'R';           /* the panel's rows */
constexpr char kDocumentVerdict = 'd'; /* what is wrong with the document */
constexpr char kPanelVerdict = 'p';    /* what is wrong with the panel */
constexpr char kEditVerdict = 'e';     /* host edits left open */

constexpr char kFieldSeparator = '\x1f';
} // namespace ChildMessage

class ChildChannel
{
public:
    explicit ChildChannel(void* area) : _area(area) {}
    void Send(char tag, const std::string& payload) const;

private:
    void* _area;
};

using ChildMessages = std::vector<std::pair<char, std::string>>;

struct ChildOutcome
{
    ChildMessages messages;
    bool started = true;
    /* How the child ended: "" when it exited with status 0. */
    std::string abnormalEnd;
    int pid = 0;
    int waitStatus = 0;    /* as waitpid gives it */
    bool timedOut = false; /* killed (with its process group) at the time limit */
};

/* Runs body in a child process and waits for its end, at most
   timeoutSeconds when that is above 0. */
ChildOutcome RunInChildProcess(const std::function<void(const ChildChannel&)>& body, int timeoutSeconds = 0);

/* A child process that runs beside others: it reports through a channel of
   its own, which the parent reads once the child has ended. */
class RunningChild
{
public:
    /* Starts body in a child process; Started() tells whether it did. */
    explicit RunningChild(const std::function<void(const ChildChannel&)>& body);
    ~RunningChild();
    RunningChild(const RunningChild&) = delete;
    RunningChild& operator=(const RunningChild&) = delete;

    bool Started() const { return _pid > 0; }
    int Pid() const { return _pid; }
    /* True once the child has ended (never blocks). */
    bool Ended();
    /* Kills the child and its process group and waits for its end. */
    void Kill();
    /* What the child said and how it ended; call once it has ended. */
    ChildOutcome Outcome(bool timedOut) const;

private:
    void* _area = nullptr;
    int _pid = 0;
    int _waitStatus = 0;
    bool _ended = false;
};

/* The messages of each session a batch began (ChildMessage::kSession, which
   is left out), in order; what came before the first session belongs to it.
   Always at least one list. */
std::vector<ChildMessages> MessagesBySession(const ChildMessages& messages);

std::vector<std::string> SplitText(const std::string& text, char separator);

#endif
