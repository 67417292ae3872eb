#ifndef QZHOST_SESSIONCOMMAND_H
#define QZHOST_SESSIONCOMMAND_H

/* The commands of the script language and the terminal. Each lives in its
   own source file (commands/<name>.cpp) and registers itself at start-up:

       static Outcome RunRow(Session& session, const CommandArguments& args);
       QZHOST_SESSION_COMMAND(row, "row", "row N", "selects a list row (-1 clears)", RunRow);

   A name may have two words ("expect row"); the longest registered name
   that matches the line's first words wins. Looking commands (show, expect,
   help) are registered with QZHOST_LOOK_COMMAND: the terminal does not
   print the screen after them. */

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

struct SessionCommand
{
    std::string name;    /* one or two words */
    std::string usage;   /* e.g. "row N" */
    std::string summary; /* one line */
    SessionCommandFunction run;
    bool looks; /* shows or checks only */
};

class SessionCommands
{
public:
    static SessionCommands& Instance();
    void Add(const SessionCommand& command);
    /* The command a line's words name, and how many words its name takes;
       null when none. */
    const SessionCommand* Find(const std::vector<qzscript::Word>& words, size_t& nameWords) const;
    /* Every command, by name. */
    std::vector<const SessionCommand*> All() const;
    /* The distinct words that can start a command or follow its first word
       (for completion). */
    std::vector<std::string> Words(const std::string& first) const;

private:
    SessionCommands() = default;
    std::vector<SessionCommand> _commands;
};

class SessionCommandRegistration
{
public:
    SessionCommandRegistration(const char* name, const char* usage, const char* summary, SessionCommandFunction run,
                               bool looks);
};

#define QZHOST_SESSION_COMMAND(id, name, usage, summary, run) \
    static const SessionCommandRegistration qzhostSessionCommand_##id(name, usage, summary, run, false)
#define QZHOST_LOOK_COMMAND(id, name, usage, summary, run) \
    static const SessionCommandRegistration qzhostSessionCommand_##id(name, usage, summary, run, true)

/* Runs one parsed line: finds its command, runs it, and turns what went
   wrong in the user interface or the engine into the outcome. */
Outcome RunSessionLine(Session& session, const qzscript::Line& line, const SessionCommand** command = nullptr);

#endif
