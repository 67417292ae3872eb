#ifndef QZHOST_SCRIPTRUNNER_H
#define QZHOST_SCRIPTRUNNER_H

/* Runs lines of the command language on a session, the one way every mode
   does: `qzhost script`, the piped and terminal modes of `qzhost run`, the
   window and its scripts, and the validator. What happens to a parse error,
   a failed expectation, a command error and the engine's strict-mode
   findings is the runner's policy, named once here:

   - kRunScriptFile: `qzhost script` and the window's --script. The first
     failure stops the run, reported as "NAME:LINE: problem"; status 1 for a
     failed expectation or a strict-mode finding, 2 for a command error.
     Findings still pending when the session ends (Finish) fail the run as
     well ("NAME:LINE: at the end the host reported: ..."); the window's
     script finishes its runner when the window closes.
   - kRunPipedInput: `qzhost run` reading a pipe or a file. Each line is echoed
     after "> "; a problem prints "line N: problem" and the run goes on; the
     screen follows every line that changes something.
   - kRunAtPrompt: the terminal. A problem prints "failed: ..." or "error: ..."
     and the run goes on; the screen follows every line that changes
     something.
   - kRunQuietly: lines the program or the validator makes itself. Nothing is
     printed; the first failure stops the run, and the caller reads it.

   Each line's strict-mode findings fail that line (RunSessionLine). */

#include "qzhost/session/SessionCommand.h"

#include <iostream>
#include <string>
#include <vector>

class Session;

struct ScriptPolicy
{
    bool stopAtFailure; /* the first failure ends the run */
    bool echo;          /* each line printed after "> " before it runs */
    bool showScreen;    /* the screen after every line that changes something */
    enum Report
    {
        kReportFileLine,   /* NAME:LINE: problem */
        kReportLineNumber, /* line N: problem */
        kReportPrompt,     /* failed: problem, error: problem */
        kReportNothing
    } report;
    bool findingsAtEnd; /* findings pending after the session ends fail the run */
};

extern const ScriptPolicy kRunScriptFile;
extern const ScriptPolicy kRunPipedInput;
extern const ScriptPolicy kRunAtPrompt;
extern const ScriptPolicy kRunQuietly;

class ScriptRunner
{
public:
    /* Reports go to out (a script's name heads its reports). */
    ScriptRunner(Session& session, const ScriptPolicy& policy, std::ostream& out = std::cerr,
                 const std::string& name = "");

    /* Runs one parsed line; its outcome. Lines after a failure that stopped
       the run are not run. */
    Outcome Run(const qzscript::Line& line);
    /* Parses and runs one line of text (number: its line in the input). */
    Outcome Run(const std::string& text, int number);
    /* Runs lines until the run ends; the outcome of the last line run. */
    Outcome RunLines(const std::vector<qzscript::Line>& lines);
    /* Parses a whole script (a malformed line runs nothing) and runs it. */
    Outcome RunScript(const std::string& text);

    /* The run ended: a failure stopped it, or the session was asked to quit. */
    bool Ended() const;
    /* Ends the session (the plug-in terminated) and, by policy, judges what
       the engine found after the last line. */
    void Finish();
    /* 0, or the status of the first failure (1 an expectation or a finding,
       2 a command or parse error). */
    int Status() const { return _status; }
    /* The first failure, when there was one. */
    const Outcome& Failure() const { return _failure; }
    int FailedLine() const { return _failedLine; }

private:
    void Judge(const Outcome& outcome, int number, const SessionCommand* command);
    void Report(const Outcome& outcome, int number);

    Session& _session;
    const ScriptPolicy& _policy;
    std::ostream& _out;
    std::string _name;
    int _status = 0;
    int _lastLine = 0;
    int _failedLine = 0;
    Outcome _failure;
};

#endif
