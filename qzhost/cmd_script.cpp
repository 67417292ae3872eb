/* qzhost script FILE...: runs command files, each in a process of its own
   (the plug-in keeps process-wide state), with the engine in strict mode and
   a new temporary preferences folder. A failed expectation prints
   "FILE:LINE: expected ..., got ..." (status 1); a command error prints
   "FILE:LINE: the problem" (status 2). A file stops at its first failure; the
   plug-in is terminated cleanly whatever happened. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/UiVariant.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/ScriptRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <sstream>

namespace
{

int RunFile(const std::string& file, std::ostream& err)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        err << file << ": cannot read the script\n";
        return kExitUsage;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<qzscript::Line> lines;
    qzscript::Error parseError;
    if (!qzscript::ParseScript(text.str(), lines, parseError)) {
        err << file << ":" << parseError.line << ": " << parseError.message << "\n";
        return kExitUsage;
    }
    Session session;
    std::string error;
    if (!session.Start(false, true, error)) {
        err << file << ": " << error << "\n";
        return kExitFailure;
    }
    ScriptRunner runner(session, kRunScriptFile, err, file);
    runner.RunLines(lines);
    runner.Finish();
    return runner.Status();
}

/* Runs one file in a child process; its exit status. */
int RunFileInChild(const std::string& file, std::ostream& err)
{
    std::cout.flush();
    err.flush();
    const pid_t child = fork();
    if (child < 0) {
        err << file << ": cannot start a process for the script\n";
        return kExitFailure;
    }
    if (child == 0) {
        const int status = RunFile(file, err);
        std::cout.flush();
        err.flush();
        _exit(status);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        err << file << ": the script's process ended abnormally\n";
        return kExitFailure;
    }
    return WEXITSTATUS(status);
}

int RunScript(const CommandArgs& arguments, std::ostream&, std::ostream& err)
{
    CommandArgs args = arguments;
    UiVariant variant = DefaultUiVariant();
    std::string error;
    if (!TakeUiOption(args, variant, error)) {
        err << "qzhost: " << error << "\n";
        return kExitUsage;
    }
    if (args.empty()) {
        err << "usage: qzhost script [--ui headless|cocoa] FILE...\n";
        return kExitUsage;
    }
    SetDefaultUiVariant(variant);
    int worst = kExitOK;
    for (const std::string& file : args) {
        const int status = RunFileInChild(file, err);
        if (status == kExitUsage || (status == kExitFailure && worst == kExitOK))
            worst = status;
    }
    return worst;
}

} // namespace

QZHOST_COMMAND(script, "script [--ui headless|cocoa] FILE...",
               "runs command scripts (qzhost/README.md); 1 when an expectation fails, 2 on a command error", RunScript);
