/* qzhost run [DOCUMENT]: the host as a person uses it. Loads the engine and
   the plug-in as the host does, opens DOCUMENT (demo, test, empty or a
   file; the demo score by default) and shows the plug-in menu. With
   --window (the default in a terminal when a display is set and this build
   has the window mode) it runs the window mode (window/WindowMode.h) with
   the Cocoa variant of the plug-in. Otherwise, in a terminal it runs the
   interactive prompt (Terminal.h) with the user's own preferences folder;
   else it reads the same commands from standard input, echoing each line,
   with a temporary preferences folder. The screen is printed after every
   command that changes something. At the end (quit or end of input) the
   plug-in is terminated and its preferences saved. */

#include "qzhost/CommandRegistry.h"
#include "qzhost/UiVariant.h"
#include "qzhost/session/Screen.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/SessionCommand.h"
#include "qzhost/session/Terminal.h"
#ifdef QZHOST_WINDOW_MODE
#include "qzhost/window/GnustepUserFolder.h"
#include "qzhost/window/WindowMode.h"
#endif

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
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

bool OpenDocumentAndLoad(Session& session, const std::string& document, std::ostream& err)
{
    const bool builtIn = document == "demo" || document == "test" || document == "empty";
    return RunWords(session,
                    builtIn ? std::vector<std::string>{"doc", document}
                            : std::vector<std::string>{"doc", "open", document},
                    err) &&
           RunWords(session, {"load"}, err);
}

/* The options of the window mode, taken out of the arguments. */
struct WindowOptions
{
    bool asked = false;   /* --window */
    std::string script;   /* --script FILE */
    bool uiGiven = false; /* --ui, which picks a mode of its own */
};

bool TakeWindowOptions(CommandArgs& args, WindowOptions& options, std::string& error)
{
    for (size_t i = 0; i < args.size();) {
        if (args[i] == "--window") {
            options.asked = true;
            args.erase(args.begin() + static_cast<long>(i));
        }
        else if (args[i] == "--script") {
            if (i + 1 >= args.size()) {
                error = "--script needs a file (- for standard input)";
                return false;
            }
            options.script = args[i + 1];
            args.erase(args.begin() + static_cast<long>(i), args.begin() + static_cast<long>(i + 2));
        }
        else
            ++i;
    }
    if (!options.script.empty() && !options.asked) {
        error = "--script goes with --window";
        return false;
    }
    return true;
}

bool WindowModeBuilt()
{
#ifdef QZHOST_WINDOW_MODE
    return true;
#else
    return false;
#endif
}

/* Without --window or --ui: the window when a person runs the host in a
   terminal and a display is set; a pipe keeps reading commands. */
bool WindowByDefault(const WindowOptions& options)
{
    const char* display = std::getenv("DISPLAY");
    return !options.uiGiven && WindowModeBuilt() && display && *display && isatty(STDIN_FILENO) != 0;
}

int RunWindow(const WindowOptions& options, const std::string& document, std::ostream& out, std::ostream& err)
{
#ifdef QZHOST_WINDOW_MODE
    if (!WindowMode::DisplayAvailable()) {
        err << "qzhost: " << WindowMode::kNoDisplay << "\n";
        return kExitFailure;
    }
    std::string error;
    GnustepUserFolder gnustep;
    if (!gnustep.SetUp(error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    SetDefaultUiVariant(UiVariant::kCocoa);
    Session session;
    const bool scripted = !options.script.empty();
    if (!session.Start(!scripted, false, error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    if (!OpenDocumentAndLoad(session, document, err))
        return kExitFailure;
    int status = WindowMode::Run(session, options.script, out, err);
    session.Finish();
    const std::string violations = session.TakeViolations();
    if (status == kExitOK && !violations.empty()) {
        err << "qzhost: at the end the host reported: " << violations << "\n";
        status = kExitFailure;
    }
    return status;
#else
    (void)options;
    (void)document;
    (void)out;
    err << "qzhost: the window mode is not in this build (it needs GNUstep and g++); use the terminal mode\n";
    return kExitUsage;
#endif
}

int RunRun(const CommandArgs& arguments, std::ostream& out, std::ostream& err)
{
    CommandArgs args = arguments;
    UiVariant variant = DefaultUiVariant();
    std::string error;
    WindowOptions window;
    if (!TakeUiOption(args, variant, error) || !TakeWindowOptions(args, window, error)) {
        err << "qzhost: " << error << "\n";
        return kExitUsage;
    }
    window.uiGiven = std::find(arguments.begin(), arguments.end(), "--ui") != arguments.end() ||
                     std::any_of(arguments.begin(), arguments.end(),
                                 [](const std::string& word) { return word.rfind("--ui=", 0) == 0; });
    if (args.size() > 1) {
        err << "usage: qzhost run [--window [--script FILE]] [--ui headless|cocoa] [DOCUMENT]\n";
        return kExitUsage;
    }
    const std::string document = args.empty() ? "demo" : args[0];
    if (window.asked && window.uiGiven && variant != UiVariant::kCocoa) {
        err << "qzhost: the window mode runs the Cocoa variant of the plug-in, not --ui headless\n";
        return kExitUsage;
    }
    if (window.asked || WindowByDefault(window))
        return RunWindow(window, document, out, err);
    SetDefaultUiVariant(variant);
    const bool interactive = isatty(STDIN_FILENO) != 0;
    Session session;
    if (!session.Start(interactive, false, error)) {
        err << "qzhost: " << error << "\n";
        return kExitFailure;
    }
    if (!OpenDocumentAndLoad(session, document, err))
        return kExitFailure;
    out << "Plug-ins menu: " << session.MenuText() << "   (invoke picks it; help lists the commands)\n";
    Screen::All(session, out);
    out.flush();
    if (interactive) {
        Terminal::Run(session);
    }
    else {
        session.SetNotice([&out, &session](const std::string& line) { Screen::Event(session, line, false, out); });
        RunInput(session, std::cin, out);
    }
    session.Finish();
    out << "terminated\n";
    return kExitOK;
}

} // namespace

QZHOST_COMMAND(run, "run [--window [--script FILE]] [--ui headless|cocoa] [DOCUMENT]",
               "runs the host on a document (demo by default): a window with a display, a prompt in a terminal, "
               "else commands from standard input",
               RunRun);
