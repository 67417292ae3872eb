/* qzhost run [DOCUMENT]: the host as a person uses it. Loads the engine and
   the plug-in as the host does, opens DOCUMENT (demo, test, empty or a
   file; the demo score by default) and shows the plug-in menu. In a
   terminal it then runs the interactive prompt (Terminal.h) with the user's
   own preferences folder; otherwise it reads the same commands from
   standard input, echoing each line, with a temporary preferences folder.
   The screen is printed after every command that changes something. At the
   end (quit or end of input) the plug-in is terminated and its preferences
   saved. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/UiVariant.h"
#include "qzhost/session/Screen.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/SessionCommand.h"
#include "qzhost/session/Terminal.h"

#include <unistd.h>

#include <iostream>
#include <string>

namespace
{

/* Runs a command built by the program itself, reporting a failure. */
bool RunWords(Session& session, const std::vector<std::string>& words, std::ostream& err)
{
    qzscript::Line line;
    for (const std::string& word : words)
        line.words.push_back(qzscript::Word{word, false});
    const Outcome outcome = RunSessionLine(session, line);
    if (outcome.kind == Outcome::kDone)
        return true;
    err << "qzhost: " << outcome.message << "\n";
    return false;
}

/* Reads commands from a pipe or a file, one per line, echoing each. */
void RunInput(Session& session, std::istream& in, std::ostream& out)
{
    std::string text;
    for (int number = 1; !session.QuitRequested() && std::getline(in, text); ++number) {
        if (text.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        out << "> " << text << "\n";
        qzscript::Line line;
        qzscript::Error error;
        if (!qzscript::ParseLine(text, number, line, error)) {
            out << "line " << number << ": " << error.message << "\n";
            continue;
        }
        if (line.words.empty())
            continue;
        const SessionCommand* command = nullptr;
        const Outcome outcome = RunSessionLine(session, line, &command);
        if (outcome.kind != Outcome::kDone)
            out << "line " << number << ": " << outcome.message << "\n";
        else if (command && !command->looks)
            Screen::All(session, out);
        out.flush();
    }
}

int RunRun(const CommandArgs& arguments, std::ostream& out, std::ostream& err)
{
    CommandArgs args = arguments;
    UiVariant variant = DefaultUiVariant();
    std::string error;
    if (!TakeUiOption(args, variant, error)) {
        err << "qzhost: " << error << "\n";
        return kExitUsage;
    }
    if (args.size() > 1) {
        err << "usage: qzhost run [--ui headless|cocoa] [DOCUMENT]\n";
        return kExitUsage;
    }
    SetDefaultUiVariant(variant);
    const bool interactive = isatty(STDIN_FILENO) != 0;
    Session session;
    if (!session.Start(interactive, false, error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    const std::string document = args.empty() ? "demo" : args[0];
    const bool builtIn = document == "demo" || document == "test" || document == "empty";
    if (!RunWords(session,
                  builtIn ? std::vector<std::string>{"doc", document}
                          : std::vector<std::string>{"doc", "open", document},
                  err) ||
        !RunWords(session, {"load"}, err))
        return kExitFailure;
    out << "Plug-ins menu: " << session.MenuText() << "   (invoke picks it; help lists the commands)\n";
    Screen::All(session, out);
    out.flush();
    if (interactive) {
        Terminal::Run(session);
    }
    else {
        session.SetNotice([&out](const std::string& line) { out << (line == "beep" ? "*** beep ***" : line) << "\n"; });
        RunInput(session, std::cin, out);
    }
    session.Finish();
    out << "terminated\n";
    return kExitOK;
}

} // namespace

QZHOST_COMMAND(
    run, "run [--ui headless|cocoa] [DOCUMENT]",
    "runs the host on a document (demo by default): a prompt in a terminal, else commands from standard input", RunRun);
