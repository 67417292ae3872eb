#include "qzhost/session/Terminal.h"

#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/Screen.h"
#include "qzhost/session/ScriptRunner.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/SessionCommand.h"

#include <editline/readline.h>
#include <signal.h>
#include <sys/select.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

const char* const kPrompt = "qzhost> ";
/* How often the clock catches up with real time while the prompt waits. */
constexpr int kTickMilliseconds = 50;
/* Time spent away from the prompt (a long command, an alert waiting for its
   answer) is not made up tick by tick: like the platform's timers, missed
   ticks are dropped beyond this much. */
constexpr long long kMaxCatchUpMilliseconds = 400;

Session* gSession = nullptr;
bool gEnded = false;
volatile sig_atomic_t gInterrupted = 0;
int gLineNumber = 0;
std::vector<std::string> gCandidates;

char* NextCandidate(const char* text, int state)
{
    static size_t index = 0;
    if (state == 0)
        index = 0;
    const size_t length = std::strlen(text);
    while (index < gCandidates.size()) {
        const std::string& word = gCandidates[index++];
        if (word.compare(0, length, text) == 0)
            return strdup(word.c_str());
    }
    return nullptr;
}

char** Complete(const char* text, int start, int)
{
    std::string first;
    if (start > 0) {
        std::string before(rl_line_buffer, static_cast<size_t>(start));
        const size_t begin = before.find_first_not_of(' ');
        const size_t end = before.find(' ', begin);
        first = before.substr(begin, end - begin);
        if (before.find_first_not_of(' ', end) != std::string::npos)
            return nullptr; /* only the first two words are completed */
    }
    gCandidates = SessionCommandWords(first);
    rl_attempted_completion_over = 1;
    return rl_completion_matches(text, NextCandidate);
}

/* Asks an alert's question; the default button is written in capitals and
   an empty answer takes it. */
int AskAlert(const AlertRecord& alert)
{
    std::string message = alert.message;
    for (size_t at = message.find('\n'); at != std::string::npos; at = message.find('\n', at + 5))
        message.replace(at, 1, "\n|   ");
    std::cout << "\n+-- " << alert.title << "\n|   " << message << "\n+--";
    std::string choices;
    for (size_t i = 0; i < alert.buttons.size(); ++i) {
        std::string word = AnswerWord(AnswerForButton(alert.buttons[i]));
        if (i == 0)
            for (char& c : word)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        choices += (i ? "/" : "") + word;
    }
    std::cout << std::endl;
    const std::string prompt = "answer [" + choices + "]: ";
    while (true) {
        char* line = readline(prompt.c_str());
        if (!line)
            return alert.buttons.empty() ? kAnswerOK : AnswerForButton(alert.buttons.front());
        std::string answer(line);
        std::free(line);
        answer.erase(0, answer.find_first_not_of(' '));
        answer.erase(answer.find_last_not_of(' ') + 1);
        for (char& c : answer)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        for (size_t i = 0; i < alert.buttons.size(); ++i) {
            const int code = AnswerForButton(alert.buttons[i]);
            const std::string word = AnswerWord(code);
            if ((answer.empty() && i == 0) || answer == word ||
                (!answer.empty() && word.compare(0, answer.size(), answer) == 0))
                return code;
        }
        std::cout << "please answer " << choices << std::endl;
    }
}

/* Asks for a file at the prompt; an empty answer (or the end of input)
   cancels. */
int AskFile(const FileDialogRecord& dialog, std::string& path)
{
    std::cout << "\n+-- " << dialog.title << "\n|   " << (dialog.save ? "a file to write" : "a file to read");
    if (!dialog.extension.empty())
        std::cout << " (" << dialog.extension << ")";
    if (!dialog.name.empty())
        std::cout << ", proposed name \"" << dialog.name << "\"";
    std::cout << "\n+--" << std::endl;
    char* line = readline("path (empty: cancel): ");
    if (!line)
        return QZUI_FILE_CANCEL;
    path = line;
    std::free(line);
    path.erase(0, path.find_first_not_of(' '));
    path.erase(path.find_last_not_of(' ') + 1);
    return path.empty() ? QZUI_FILE_CANCEL : QZUI_FILE_CHOSEN;
}

void OnLine(char* text)
{
    rl_callback_handler_remove();
    if (!text) {
        gEnded = true;
        std::cout << std::endl;
        return;
    }
    const std::string input(text);
    std::free(text);
    ++gLineNumber;
    if (input.find_first_not_of(" \t") != std::string::npos)
        add_history(input.c_str());
    ScriptRunner(*gSession, kRunAtPrompt, std::cout).Run(input, gLineNumber);
    gEnded = gSession->QuitRequested();
    if (!gEnded)
        rl_callback_handler_install(kPrompt, OnLine);
}

/* The panel as the screen shows it. */
std::string PanelText(Session& session)
{
    std::ostringstream text;
    Screen::Panel(session, text);
    return text.str();
}

/* Prints the screen again above the prompt: the prompt's line is cleared,
   and libedit draws it anew below the screen with the line being typed. */
void ReprintAbovePrompt(Session& session)
{
    std::cout << "\r\033[K";
    Screen::All(session, std::cout);
    std::cout.flush();
    rl_forced_update_display();
}

/* Fires the panel's timers that fell due in real time. A tick that changes
   what the panel shows (a refresh after undo, or after a change made by
   other means) prints the screen again, so that it is never left stale
   while the prompt waits. */
void CatchUpClock(Session& session, std::chrono::steady_clock::time_point& last)
{
    const auto now = std::chrono::steady_clock::now();
    const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(now - last).count();
    if (elapsed < kTickMilliseconds)
        return;
    last = now;
    const uint64_t step = static_cast<uint64_t>(std::min<long long>(elapsed, kMaxCatchUpMilliseconds));
    if (session.PluginLoaded()) {
        const std::string before = PanelText(session);
        AdvancePanelClock(session, static_cast<long long>(step));
        if (PanelText(session) != before)
            ReprintAbovePrompt(session);
    }
    session.TakeViolations();
    /* The engine logs every call; a long interactive session needs no history of timer ticks. */
    session.Host().hostsim_clear_call_log();
}

/* Ctrl-C, a hang-up or a termination request end the session as quit does. */
void OnSignal(int) { gInterrupted = 1; }

void CatchSignals()
{
    struct sigaction action
    {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signal, &action, nullptr);
}

} // namespace

namespace Terminal
{

void Run(Session& session)
{
    gSession = &session;
    gEnded = false;
    rl_readline_name = "qzhost";
    rl_attempted_completion_function = Complete;
    session.SetAlertAsker(AskAlert);
    session.SetFileAsker(AskFile);
    /* Alerts were asked at the prompt already. */
    session.SetNotice([&session](const std::string& line) { Screen::Event(session, line, true, std::cout); });
    CatchSignals();
    rl_callback_handler_install(kPrompt, OnLine);
    auto last = std::chrono::steady_clock::now();
    while (!gEnded && !gInterrupted) {
        fd_set input;
        FD_ZERO(&input);
        FD_SET(STDIN_FILENO, &input);
        timeval timeout{0, kTickMilliseconds * 1000};
        const int ready = select(STDIN_FILENO + 1, &input, nullptr, nullptr, &timeout);
        if (ready > 0)
            rl_callback_read_char();
        else if (ready < 0 && errno != EINTR)
            break;
        if (!gEnded && !gInterrupted)
            CatchUpClock(session, last);
    }
    rl_callback_handler_remove();
    session.SetAlertAsker(nullptr);
    session.SetFileAsker(nullptr);
    session.SetNotice(nullptr);
    gSession = nullptr;
}

} // namespace Terminal
