/* qzhost run as a process: scripts and their exit statuses and messages,
   qzhost run fed through a pipe, and the terminal mode in a pseudo-terminal. */

#include "support/ReadFile.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <initializer_list>
#include <string>

namespace fs = std::filesystem;

namespace
{

/* Occurrences of a text in another (not overlapping). */
size_t Occurrences(const std::string& text, const std::string& what)
{
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

class QzhostProgram : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(temp.path.empty()); }

    fs::path Write(const std::string& name, const std::string& text)
    {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }

    /* Runs qzhost with the arguments (already quoted for the shell) and
       input, under env with the given settings ("-u DISPLAY", ...). */
    ProgramRun Qzhost(const std::string& arguments, const std::string& input = "", const std::string& environment = "")
    {
        Write("stdin.txt", input);
        return RunProgram("cd '" + folder.string() + "' && env " + environment + " '" + QZHOST_PROGRAM + "' " +
                          arguments + " < stdin.txt");
    }

    ProgramRun Script(const std::string& text)
    {
        const fs::path file = Write("test.qzs", text);
        return Qzhost("script " + file.string());
    }

    TempFolder temp{"qzhost-test"};
    const fs::path folder{temp.path};
};

} // namespace

TEST_F(QzhostProgram, PassingScriptExitsZeroQuietly)
{
    ProgramRun run = Script("doc test\nstaffset 2 \"4,5\"\nexpect staffset 2 \"4,5\"\nexpect distances 2 \"0,-288\"\n"
                            "expect undo 0 \"\"\nexpect dirty no\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
}

TEST_F(QzhostProgram, FailedExpectationExitsOneNamingFileLineAndBothValues)
{
    const fs::path file = Write("wrong.qzs", "doc test\n# a comment\nstaffset 2 \"4,5\"\n\nexpect staffset 2 \"4,6\"\n"
                                             "write after.txt \"ran on\"\n");
    ProgramRun run = Qzhost("script " + file.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, file.string() + ":5: expected \"4,6\", got \"4,5\"\n");
}

TEST_F(QzhostProgram, CommandErrorsExitTwoWithTheLineAndStopTheScript)
{
    struct Case
    {
        const char* line;
        const char* message;
    } cases[] = {
        {"frobnicate 3", "unknown command 'frobnicate'"},
        {"select 5-2 1-8", "bad range '5-2'"},
        {"select 1-7 1-8", "bad range '1-7'"},
        {"select 1-2 1-9", "bad range '1-9'"},
        {"row 2", "no plug-in is loaded"},
        {"staffset 9 \"1\"", "'9' is out of range"},
        {"doc open missing.json", "cannot open"},
        {"undo", "nothing to undo"},
        {"expect view sideways", "'sideways' is not a number"},
        {"host 0x17000000", "before any document"},
        {"type \"unterminated", "unterminated text"},
#ifdef QZHOST_TEST_WINDOW_MODE
        {"expect cells 1 1", "works in the window mode only"},
#endif
    };
    for (const Case& c : cases) {
        ProgramRun run =
            Script(std::string("write before.txt \"x\"\ndoc test\n") + c.line + "\nwrite after.txt \"x\"\n");
        EXPECT_EQ(run.status, 2) << c.line;
        EXPECT_NE(run.err.find("test.qzs:3: "), std::string::npos) << c.line << ": " << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.line << ": " << run.err;
    }
}

TEST_F(QzhostProgram, MalformedScriptRunsNothing)
{
    fs::path marker = folder / "marker.txt";
    ProgramRun run = Script("write " + marker.string() + " \"x\"\ntype \"open\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("test.qzs:2: unterminated text"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(marker));
}

TEST_F(QzhostProgram, MalformedDocumentFileIsNamed)
{
    Write("broken.json", "{ \"not\": \"a document\" ");
    ProgramRun run = Script("doc open " + (folder / "broken.json").string() + "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("test.qzs:1: cannot open '" + (folder / "broken.json").string() + "'"), std::string::npos)
        << run.err;
}

TEST_F(QzhostProgram, DocumentsRoundTripThroughFiles)
{
    const fs::path saved = folder / "saved.json";
    ProgramRun run = Script("doc test\nstaffset 4 \"2,3\"\ndoc save " + saved.string() + "\ndoc empty\n" +
                            "expect staffset 4 \"\"\ndoc open " + saved.string() + "\nexpect staffset 4 \"2,3\"\n");
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(QzhostProgram, EachFileRunsInAFreshSessionAndTheWorstStatusWins)
{
    const fs::path good = Write("good.qzs", "write " + (folder / "good.txt").string() + " \"x\"\n");
    const fs::path bad = Write("bad.qzs", "expect beeps 1\n");
    const fs::path fresh = Write("fresh.qzs", "doc test\nexpect undo 0 \"\"\nexpect beeps 0\n");
    ProgramRun run = Qzhost("script " + bad.string() + " " + good.string() + " " + fresh.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("bad.qzs:1: expected 1 beeps, got 0"), std::string::npos) << run.err;
    EXPECT_TRUE(fs::exists(folder / "good.txt"));
}

TEST_F(QzhostProgram, RelativeFilesLiveInTheScriptsTemporaryFolder)
{
    ProgramRun run = Script("write notes.txt \"a\\nb\"\nexpect file notes.txt \"a\\nb\"\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(folder / "notes.txt"));
}

TEST_F(QzhostProgram, RunReadsCommandsFromAPipeAndGoesOnAfterErrors)
{
    ProgramRun run = Qzhost("run test", "select 2-3 1-4\nbogus\nstaffset 1 \"1,2\"\nshow view\nquit\nselect 1-1 1-1\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Plug-ins menu: "), std::string::npos);
    EXPECT_NE(run.out.find("Selection: staves 2-3, measures 1-4"), std::string::npos);
    EXPECT_NE(run.out.find("line 2: unknown command 'bogus'"), std::string::npos);
    EXPECT_EQ(run.out.find("staves 1-1"), std::string::npos) << "nothing runs after quit";
    EXPECT_NE(run.out.find("terminated"), std::string::npos);
}

TEST_F(QzhostProgram, ScreenShowsStaffNamesAsTheWindowDoesAndShowDocKeepsTheStoredText)
{
    ProgramRun run = Qzhost("run demo", "show view\nshow doc\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const size_t doc = run.out.find("> show doc");
    ASSERT_NE(doc, std::string::npos) << run.out;
    const std::string screens = run.out.substr(0, doc);
    EXPECT_NE(screens.find("| 3 Clarinet in B\u266D | 4 Bassoon |"), std::string::npos) << screens;
    EXPECT_NE(screens.find("\n    3 Clarinet in B\u266D            distance -564\n"), std::string::npos) << screens;
    EXPECT_EQ(screens.find("^flat()"), std::string::npos) << screens;
    EXPECT_NE(run.out.find("3: \"Clarinet in B^flat()\" / ", doc), std::string::npos) << run.out;
}

TEST_F(QzhostProgram, ScreenAndShowDocListTheScoresGroups)
{
    ProgramRun run =
        Qzhost(std::string("run '") + QZ_MUSICXML_DATA + "/nested_groups.musicxml'", "view all\nshow doc\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const size_t doc = run.out.find("> show doc");
    ASSERT_NE(doc, std::string::npos) << run.out;
    EXPECT_NE(run.out.substr(0, doc).find("6 Violoncello\n  groups:\n    Woodwinds 1-2 bracket | Strings 3-6 bracket | "
                                          "Violins 3-4 square | 6 line\nSelection:"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("groups:\n  1: staves 1-2 bracket \"Woodwinds\" / \"Ww.\"\n", doc), std::string::npos)
        << run.out;
}

TEST_F(QzhostProgram, PipedRunNamesTheCommandThatMakesAMissingCategory)
{
    ProgramRun run = Qzhost("run test", "staffset 1 \"1,2\"\ncategory remove \"QZ Plug-in Data\"\ninvoke\nrow 1\n"
                                        "type \"Winds\"\npress 103\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("alert \"Category doesn't exist\" answered ok\nhint: in qzhost the command category add "
                           "\"QZ Plug-in Data\" creates the category\n"),
              std::string::npos)
        << run.out;
}

TEST_F(QzhostProgram, ScriptEndingWithThePanelOpenTerminatesThePlugin)
{
    ProgramRun run = Script("prefs " + (folder / "prefs").string() + "\ndoc test\nload\ninvoke\nmove 321 123\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string prefs = ReadFile(folder / "prefs" / "qzpluginprefs.txt");
    EXPECT_NE(prefs.find("QZSTAFFSETP_WINDOWX=321"), std::string::npos) << prefs;
    EXPECT_NE(prefs.find("QZSTAFFSETP_WINDOWY=123"), std::string::npos) << prefs;
}

TEST_F(QzhostProgram, SessionThatNeverInvokedWritesNoPreferences)
{
    ProgramRun run = Script("prefs " + (folder / "prefs").string() + "\ndoc test\nload\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_FALSE(fs::exists(folder / "prefs" / "qzpluginprefs.txt"));
}

TEST_F(QzhostProgram, PipedRunSavesThePreferencesAtTheEndOfInput)
{
    ProgramRun run = Qzhost("run test", "prefs " + (folder / "prefs").string() + "\ninvoke\nmove 77 88\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string prefs = ReadFile(folder / "prefs" / "qzpluginprefs.txt");
    EXPECT_NE(prefs.find("QZSTAFFSETP_WINDOWX=77"), std::string::npos) << prefs;
    EXPECT_NE(prefs.find("QZSTAFFSETP_WINDOWY=88"), std::string::npos) << prefs;
}

TEST_F(QzhostProgram, AnAnswerTheAlertCannotTakeIsACommandError)
{
    ProgramRun run = Script("doc test\nload\ninvoke\nselect 1 1\nrow 2\nselect none\nanswer yes\npress 104\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("test.qzs:8: the alert \"No Region Selected\" has no button 'yes'"), std::string::npos)
        << run.err;
}

TEST_F(QzhostProgram, PipedRunAnswersAlertsWithTheQueuedAnswerOrTheDefault)
{
    ProgramRun run =
        Qzhost("run test", "staffset 1 \"1,2\"\ninvoke\nrow 1\nanswer no\npress 109\nexpect staffset 1 \"1,2\"\n"
                           "press 109\nexpect staffset 1 \"\"\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("alert \"Delete Staff Set?\" answered no"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("alert \"Delete Staff Set?\" answered yes"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("line "), std::string::npos) << run.out;
}

TEST_F(QzhostProgram, HelpListsEveryCommandOnOneLine)
{
    ProgramRun run = Qzhost("run empty", "help\n");
    EXPECT_EQ(run.status, 0) << run.err;
    for (const char* usage : {"doc demo|test|empty", "select STAVES MEASURES", "staffset N", "press ID|\"Title\"",
                              "answer yes|no|ok|cancel", "expect row N", "expect no-alert", "expect distances N",
                              "show panel|doc|view|log", "wait MS", "quit"})
        EXPECT_NE(run.out.find(usage), std::string::npos) << usage;
#ifdef QZHOST_TEST_WINDOW_MODE
    /* A build with the window mode lists the window's own commands too, marked. */
    const size_t drag = run.out.find("drag ROW MEASURE ROW MEASURE");
    ASSERT_NE(drag, std::string::npos) << run.out;
    EXPECT_NE(run.out.substr(drag, run.out.find('\n', drag) - drag).find("(window)"), std::string::npos);
#endif
}

TEST_F(QzhostProgram, RunOfAMissingDocumentFails)
{
    ProgramRun run = Qzhost("run nowhere.json");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("cannot open 'nowhere.json'"), std::string::npos) << run.err;
}

/* The Cocoa variant without a display: one line and a usage status, before
   anything starts (no session, no window, no crash); the headless variant
   does not care. */
TEST_F(QzhostProgram, CocoaVariantWithoutADisplayFailsWithOneLine)
{
#ifdef QZHOST_HAS_COCOA
    const std::string kLine = "qzhost: no display: run under xvfb-run, or use the terminal mode\n";
#else
    const std::string kLine = "qzhost: this build has no cocoa variant of the plug-in (the Cocoa one needs GNUstep)\n";
#endif
    const fs::path file = Write("open.qzs", "doc demo\nload\ninvoke\nexpect open yes\n");
    for (const char* display : {"-u DISPLAY", "DISPLAY="}) {
        for (const std::string& command : {"script --ui cocoa " + file.string(), "script --ui=cocoa " + file.string(),
                                           std::string("run --ui cocoa")}) {
            ProgramRun run = Qzhost(command, "invoke\n", display);
            EXPECT_EQ(2, run.status) << display << command;
            EXPECT_EQ(kLine, run.err) << display << command;
            EXPECT_EQ("", run.out) << display << command;
        }
    }
    ProgramRun headless = Qzhost("script --ui headless " + file.string(), "", "-u DISPLAY");
    EXPECT_EQ(0, headless.status) << headless.err;
}

namespace
{

/* Sets an environment variable (or removes it, for null) for the programs a
   test starts, and puts the old value back. */
class EnvironmentScope
{
public:
    EnvironmentScope(const char* name, const char* value) : _name(name)
    {
        const char* old = std::getenv(name);
        _had = old != nullptr;
        _old = old ? old : "";
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvironmentScope()
    {
        if (_had)
            setenv(_name.c_str(), _old.c_str(), 1);
        else
            unsetenv(_name.c_str());
    }
    EnvironmentScope(const EnvironmentScope&) = delete;
    EnvironmentScope& operator=(const EnvironmentScope&) = delete;

private:
    std::string _name;
    std::string _old;
    bool _had = false;
};

/* A display name no X server answers to. */
const char* const kDeadDisplay = ":9917";

} // namespace

TEST_F(QzhostProgram, WindowModeWithoutADisplayFailsOnOneLine)
{
    for (const char* display : {static_cast<const char*>(nullptr), "", kDeadDisplay}) {
        EnvironmentScope scope("DISPLAY", display);
        ProgramRun run = Qzhost("run --window demo");
#ifdef QZHOST_TEST_WINDOW_MODE
        EXPECT_EQ(run.status, 1) << (display ? display : "unset");
        EXPECT_EQ(run.err, "qzhost: no display: run under xvfb-run, or use the terminal mode\n");
#else
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(run.err.find("the window mode is not in this build"), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
#endif
        EXPECT_EQ(run.out, "") << "nothing was loaded or shown";
    }
}

TEST_F(QzhostProgram, PipedRunKeepsToCommandsWhenADisplayIsSet)
{
    EnvironmentScope scope("DISPLAY", kDeadDisplay);
    ProgramRun run = Qzhost("run test", "select 2 3\nexpect region 2 3\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("terminated"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("line "), std::string::npos) << run.out;
}

TEST_F(QzhostProgram, WindowOptionsThatCannotGoTogetherAreUsageErrors)
{
    struct Case
    {
        const char* arguments;
        const char* message;
    } cases[] = {
        {"run --script s.qzs", "--script goes with --window"},
        {"run --window --script", "--script needs a file"},
        {"run --window --ui headless", "the window mode runs the Cocoa variant"},
        {"run --window test extra", "usage: qzhost run"},
    };
    EnvironmentScope scope("DISPLAY", kDeadDisplay);
    for (const Case& c : cases) {
        ProgramRun run = Qzhost(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}

TEST_F(QzhostProgram, ExpectRegionReadsTheSelectionInTheWordsOfSelect)
{
    ProgramRun run = Script("doc test\nexpect region none\nselect 2-4 3-5\nexpect region 2-4 3-5\n"
                            "select 6 8\nexpect region 6-6 8\nselect none\nexpect region none\n");
    EXPECT_EQ(run.status, 0) << run.err;
    run = Script("doc test\nselect 2-4 3-5\nexpect region 2-4 3-6\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(":3: expected \"2-4 3-6\", got \"2-4 3-5\""), std::string::npos) << run.err;
    run = Script("doc test\nexpect region 4-2 1\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("bad range '4-2'"), std::string::npos) << run.err;
}

TEST_F(QzhostProgram, ViewSwitchesLikeTheHostsViewMenu)
{
    ProgramRun run = Script("doc test\nstaffset 2 \"4,5\"\nview 2\nexpect view 2\nview all\nexpect view all\n"
                            "view 2\nexpect view 2\n");
    EXPECT_EQ(run.status, 0) << run.err;
    /* A staff set that does not exist leaves the view as it was. */
    run = Script("doc test\nstaffset 2 \"4,5\"\nview 2\nstaffset 3 \"\"\nview 3\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(":5: staff set 3 does not exist"), std::string::npos) << run.err;
    run = Script("doc test\nview 9\n");
    EXPECT_EQ(run.status, 2);
    run = Script("view all\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no document is open"), std::string::npos) << run.err;
}

namespace
{

/* qzhost run in a pseudo-terminal: keys are written to the master side and
   the screen read back from it. */
class Terminal
{
public:
    explicit Terminal(const std::string& document, const fs::path& home)
    {
        _child = forkpty(&_master, nullptr, nullptr, nullptr);
        if (_child == 0) {
            setenv("XDG_CONFIG_HOME", home.c_str(), 1);
            setenv("TERM", "xterm", 1);
            /* With a display a terminal run opens the window mode instead. */
            unsetenv("DISPLAY");
            execl(QZHOST_PROGRAM, QZHOST_PROGRAM, "run", document.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~Terminal()
    {
        if (_child > 0 && !_reaped) {
            kill(_child, SIGKILL);
            waitpid(_child, nullptr, 0);
        }
        if (_master >= 0)
            close(_master);
    }
    bool Started() const { return _child > 0; }

    void Keys(const std::string& keys) { ASSERT_EQ(write(_master, keys.data(), keys.size()), ssize_t(keys.size())); }

    /* Reads until the screen holds the text (after what was read before); false on timeout. */
    bool WaitFor(const std::string& text, int seconds = 20)
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        while (_screen.find(text, _seen) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            fd_set input;
            FD_ZERO(&input);
            FD_SET(_master, &input);
            timeval timeout{0, 100000};
            if (select(_master + 1, &input, nullptr, nullptr, &timeout) <= 0)
                continue;
            char buffer[4096];
            const ssize_t got = read(_master, buffer, sizeof buffer);
            if (got <= 0)
                return false;
            _screen.append(buffer, static_cast<size_t>(got));
        }
        _seen = _screen.find(text, _seen) + text.size();
        return true;
    }

    /* Types each command and its Return, waiting for the prompt after it;
       false when a prompt does not come. */
    bool Commands(std::initializer_list<const char*> lines)
    {
        for (const char* line : lines) {
            Keys(std::string(line) + "\r");
            if (!WaitFor("qzhost> "))
                return false;
        }
        return true;
    }

    /* Waits up to ten seconds for the program to end, keeping what it writes. */
    int ExitStatus()
    {
        for (int i = 0; i < 500; ++i) {
            fd_set input;
            FD_ZERO(&input);
            FD_SET(_master, &input);
            timeval timeout{0, 20000};
            char buffer[4096];
            ssize_t got = 0;
            if (select(_master + 1, &input, nullptr, nullptr, &timeout) > 0 &&
                (got = read(_master, buffer, sizeof buffer)) > 0)
                _screen.append(buffer, static_cast<size_t>(got));
            else
                usleep(20000);
            int status = 0;
            if (waitpid(_child, &status, WNOHANG) == _child) {
                _reaped = true;
                Drain();
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        }
        return -2;
    }
    const std::string& Screen() const { return _screen; }

private:
    /* Keeps what is left on the terminal after the program ended. */
    void Drain()
    {
        char buffer[4096];
        ssize_t got = 0;
        fd_set input;
        FD_ZERO(&input);
        FD_SET(_master, &input);
        timeval timeout{0, 0};
        while (select(_master + 1, &input, nullptr, nullptr, &timeout) > 0 &&
               (got = read(_master, buffer, sizeof buffer)) > 0)
            _screen.append(buffer, static_cast<size_t>(got));
    }

private:
    int _master = -1;
    pid_t _child = -1;
    bool _reaped = false;
    std::string _screen;
    size_t _seen = 0;
};

} // namespace

TEST_F(QzhostProgram, TerminalEditsLinesAndQuits)
{
    Terminal terminal("test", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* Typed without its first letter, then Ctrl-A to the start of the line and the letter added. */
    terminal.Keys("elect 2-4 1-3\x01s\r");
    ASSERT_TRUE(terminal.WaitFor("Selection: staves 2-4, measures 1-3")) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* A typing mistake erased with backspace. */
    terminal.Keys("staffset 1 \"1,x\x7f"
                  "3\"\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* Both command words completed with Tab. */
    terminal.Keys("exp\tstaffs\t1 \"1,3\"\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("exp\tstaffs\t1 \"1,2\"\r");
    ASSERT_TRUE(terminal.WaitFor("failed: expected \"1,2\", got \"1,3\"")) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* History: the last line recalled with the up arrow fails again. */
    terminal.Keys("\x1b[A\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    EXPECT_EQ(Occurrences(terminal.Screen(), "failed: expected \"1,2\""), 2u) << terminal.Screen();
    terminal.Keys("quit\r");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
    EXPECT_NE(terminal.Screen().find("terminated"), std::string::npos);
}

TEST_F(QzhostProgram, TerminalAsksAlertsAtThePrompt)
{
    Terminal terminal("test", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    ASSERT_TRUE(terminal.Commands({"staffset 1 \"1,2\"", "invoke", "row 1"})) << terminal.Screen();
    terminal.Keys("press 109\r");
    ASSERT_TRUE(terminal.WaitFor("Delete Staff Set?")) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("answer [YES/no]: ")) << terminal.Screen();
    terminal.Keys("no\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("expect staffset 1 \"1,2\"\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* An empty answer takes the default button. */
    terminal.Keys("press 109\r");
    ASSERT_TRUE(terminal.WaitFor("answer [YES/no]: ")) << terminal.Screen();
    terminal.Keys("\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("expect staffset 1 \"\"\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* After the alert about the missing category, the command that makes it. */
    ASSERT_TRUE(terminal.Commands({"staffset 2 \"3\"", "category remove \"QZ Plug-in Data\"", "row 2", "type \"X\""}))
        << terminal.Screen();
    terminal.Keys("press 103\r");
    ASSERT_TRUE(terminal.WaitFor("answer [OK]: ")) << terminal.Screen();
    terminal.Keys("\r");
    ASSERT_TRUE(terminal.WaitFor("category add \"QZ Plug-in Data\" creates the category")) << terminal.Screen();
    EXPECT_EQ(terminal.Screen().find("failed:"), std::string::npos) << terminal.Screen();
    terminal.Keys("quit\r");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
}

TEST_F(QzhostProgram, TerminalRunsThePanelsTimersWhileThePromptWaits)
{
    Terminal terminal("test", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("invoke\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("staffset 2 \"3,4\"\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* No wait command: real time passes and the panel's poll picks the change up. */
    usleep(600 * 1000);
    terminal.Keys("expect row 2 \"2|(No Name)|2|Horn|Violin I\"\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    EXPECT_EQ(terminal.Screen().find("failed:"), std::string::npos) << terminal.Screen();
    terminal.Keys("quit\r");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
}

TEST_F(QzhostProgram, TerminalWaitLetsRealTimePass)
{
    Terminal terminal("test", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    ASSERT_TRUE(terminal.Commands({"invoke"})) << terminal.Screen();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(terminal.Commands({"wait 700"})) << terminal.Screen();
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(700));
    terminal.Keys("quit\r");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
    EXPECT_EQ(terminal.Screen().find("error:"), std::string::npos) << terminal.Screen();
}

TEST_F(QzhostProgram, TerminalPrintsTheScreenAgainWhenATickChangesThePanelKeepingTheTypedLine)
{
    Terminal terminal("test", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    ASSERT_TRUE(terminal.Commands({"invoke", "select 1-2 1-4", "row 3"})) << terminal.Screen();
    /* The new set's staff count shows with the panel's next tick, printed
       above the prompt without a key pressed. */
    terminal.Keys("press 104\r");
    ASSERT_TRUE(terminal.WaitFor("> 3   (No Name)             -      Flute")) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("> 3   (No Name)             2      Flute", 5)) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    /* So does an undo; a line typed before the tick is kept. */
    terminal.Keys("undo\rexpect sel");
    ASSERT_TRUE(terminal.WaitFor("Redo: 1")) << terminal.Screen();
    ASSERT_TRUE(terminal.WaitFor("> 3   -                     -", 5)) << terminal.Screen();
    terminal.Keys("ected 3\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("quit\r");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
    EXPECT_EQ(terminal.Screen().find("error:"), std::string::npos) << terminal.Screen();
    EXPECT_EQ(terminal.Screen().find("failed:"), std::string::npos) << terminal.Screen();
}

TEST_F(QzhostProgram, TerminalInterruptEndsTheSessionCleanly)
{
    Terminal terminal("test", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("prefs " + (folder / "prefs").string() + "\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("invoke\r");
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("half a comm\x03");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
    EXPECT_NE(terminal.Screen().find("terminated"), std::string::npos) << terminal.Screen();
    EXPECT_TRUE(fs::exists(folder / "prefs" / "qzpluginprefs.txt")) << "terminate saved the preferences";
}

TEST_F(QzhostProgram, TerminalEndOfInputEndsTheSession)
{
    Terminal terminal("empty", folder);
    ASSERT_TRUE(terminal.Started());
    ASSERT_TRUE(terminal.WaitFor("qzhost> ")) << terminal.Screen();
    terminal.Keys("\x04");
    EXPECT_EQ(terminal.ExitStatus(), 0) << terminal.Screen();
}
