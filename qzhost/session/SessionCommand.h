#ifndef QZHOST_SESSIONCOMMAND_H
#define QZHOST_SESSIONCOMMAND_H

/* The commands of the script language and the terminal. Each lives in its
   own source file (commands/<name>.cpp) and registers itself at start-up:

       static Outcome RunRow(Session& session, const CommandArguments& args);
       QZHOST_SESSION_COMMAND(row, "row", "row N", "selects a list row (-1 clears)", RunRow);

   A name may have two words ("expect row"); the longest registered name
   that matches the line's first words wins. Looking commands (show, expect,
   help) are registered with QZHOST_LOOK_COMMAND: the terminal does not
   print the screen after them. Commands of the window mode alone register
   with QZHOST_WINDOW_COMMAND (window/WindowScript.mm). */

#include "qzhost/Registry.h"
#include "qzhost/script/ScriptParser.h"

#include <string>
#include <vector>

class Session;

using CommandArguments = std::vector<qzscript::Word>;

struct Outcome
{
    enum Kind
    {
        kDone,
        kFailed,
        kError
    };
    Kind kind = kDone;
    std::string message;

    static Outcome Done() { return Outcome(); }
    /* A command that could not run: unknown, a bad argument, a missing file. */
    static Outcome Error(const std::string& message) { return Outcome{kError, message}; }
    /* An expectation that did not hold. */
    static Outcome Expected(const std::string& expected, const std::string& got)
    {
        return Outcome{kFailed, "expected " + expected + ", got " + got};
    }
};

using SessionCommandFunction = Outcome (*)(Session& session, const CommandArguments& args);

/* Where a command works: everywhere, or only in the window mode (it acts on
   the window: a drag, a menu, what the window shows). */
enum class CommandMode
{
    kEvery,
    kWindow
};

struct SessionCommand
{
    std::string name;    /* one or two words */
    std::string usage;   /* e.g. "row N" */
    std::string summary; /* one line */
    SessionCommandFunction run;
    bool looks; /* shows or checks only */
    CommandMode mode = CommandMode::kEvery;
};

/* The mode this process runs lines in (kEvery until the window mode sets
   kWindow): a command of the mode wins over one of the same name that works
   everywhere; window commands elsewhere are an error. */
void SetSessionCommandMode(CommandMode mode);
CommandMode SessionCommandMode();

/* The command a line's words name, and how many words its name takes;
   null when none. */
const SessionCommand* FindSessionCommand(const std::vector<qzscript::Word>& words, size_t& nameWords);
/* Every command, by name. */
std::vector<const SessionCommand*> AllSessionCommands();
/* The distinct words that can start a command of this mode or follow its
   first word (for completion). */
std::vector<std::string> SessionCommandWords(const std::string& first);

#define QZHOST_SESSION_COMMAND(id, name, usage, summary, run) \
    QZHOST_REGISTER(SessionCommand, id, name, usage, summary, run, false)
#define QZHOST_LOOK_COMMAND(id, name, usage, summary, run) \
    QZHOST_REGISTER(SessionCommand, id, name, usage, summary, run, true)
#define QZHOST_WINDOW_COMMAND(id, name, usage, summary, run, looks) \
    QZHOST_REGISTER(SessionCommand, id, name, usage, summary, run, looks, CommandMode::kWindow)

/* The outcome of something done to the session, turned into a problem when
   the user interface met one (an answer the alert could not take) or into a
   failure when the engine's strict mode found something. */
Outcome WithSessionProblems(Session& session, Outcome outcome);

/* Runs one parsed line: finds its command, runs it, and turns what went
   wrong in the user interface or the engine into the outcome. */
Outcome RunSessionLine(Session& session, const qzscript::Line& line, const SessionCommand** command = nullptr);

#endif
