#ifndef QZHOST_RANDOMSESSIONRUNNER_H
#define QZHOST_RANDOMSESSIONRUNNER_H

/* Runs panel sessions in child processes, the way `qzhost script` runs a
   file: a Session, every step a script line through RunSessionLine. After
   every step it compares the engine's document, the panel's rows and one
   undo and redo with the reference model; the first difference ends the
   session. A child runs one session or a batch of them one after another,
   each fresh as a host starts a new use of the plug-in: the engine reset, a
   new preferences folder and document, the plug-in loaded and invoked anew
   and terminated at the end. */

#include "qzhost/validate/session/RandomSessionGenerator.h"

#include <cstdint>
#include <string>
#include <vector>

/* The checks a session can fail, in the order they are made after a step. */
extern const char* const kCheckUndo;
extern const char* const kCheckDocument;
extern const char* const kCheckPanel;
extern const char* const kCheckSteps;

struct SessionFailure
{
    std::string check;
    int step = -1; /* index into the session's steps */
    std::string detail;
    /* Script lines that, run after the steps, show the difference. */
    std::vector<std::string> expectations;
};

struct SessionRun
{
    SessionSetup setup;
    std::vector<std::string> steps; /* the steps that ran, the failing one last */
    bool failed = false;
    /* The model could not follow a step (a replay that left out what a later
       step needs); such a run proves nothing either way. */
    bool inconclusive = false;
    SessionFailure failure;
};

/* Draws a setup and `length` steps from the seed. */
SessionRun RunGeneratedSession(const std::string& module, uint64_t seed, int length);

/* One session of a batch: its seed and its number of steps. */
struct SessionOrder
{
    uint64_t seed = 0;
    int length = 0;
};
/* Runs the sessions one after another in one child process and stops after
   the first that fails; one run for every session begun, in order. A child
   that dies or ends early fails the session it was in; the sessions after
   that one are not run. */
std::vector<SessionRun> RunGeneratedSessions(const std::string& module, const std::vector<SessionOrder>& orders);
/* Replays a setup and given steps. */
SessionRun ReplaySession(const std::string& module, const SessionSetup& setup, const std::vector<std::string>& steps);

/* Runs a whole script (its lines) in a fresh child process as `qzhost script`
   would; the 1-based number of the line that failed, 0 when all passed, and
   that line's message. */
int RunScriptLines(const std::vector<std::string>& lines, std::string& message);

#endif
