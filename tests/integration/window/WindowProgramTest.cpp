/* qzhost run --window as a process, on a display (the test program runs
   under scripts/run-gnustep): how a run ends (the Quit menu item, a
   termination signal) and where GNUstep's per-user files go. */

#include "support/ReadFile.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace
{

/* One run of the window mode on a document (the test document unless
   named), playing a script. */
class WindowRun
{
public:
    WindowRun(const TempFolder& folder, const std::string& script, const std::vector<std::string>& environment = {},
              const char* document = "test")
        : _err(folder.File("stderr.txt"))
    {
        const std::string file = folder.File("window.qzs");
        std::ofstream(file, std::ios::binary) << script;
        _pid = fork();
        if (_pid == 0) {
            for (const std::string& setting : environment) {
                const size_t equals = setting.find('=');
                if (equals == std::string::npos)
                    unsetenv(setting.c_str());
                else
                    setenv(setting.substr(0, equals).c_str(), setting.substr(equals + 1).c_str(), 1);
            }
            const int err = open(_err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
            const int none = open("/dev/null", O_RDWR);
            dup2(none, STDIN_FILENO);
            dup2(none, STDOUT_FILENO);
            dup2(err, STDERR_FILENO);
            execl(QZHOST_PROGRAM, QZHOST_PROGRAM, "run", "--window", "--script", file.c_str(), document,
                  static_cast<char*>(nullptr));
            _exit(127);
        }
    }
    ~WindowRun()
    {
        if (_pid > 0 && !_ended) {
            kill(_pid, SIGKILL);
            waitpid(_pid, nullptr, 0);
        }
    }
    WindowRun(const WindowRun&) = delete;
    WindowRun& operator=(const WindowRun&) = delete;

    bool Started() const { return _pid > 0; }
    void Signal(int number) const { kill(_pid, number); }

    /* The exit status, -1 when the run did not end by itself in time. */
    int Wait(std::chrono::seconds limit = std::chrono::seconds(60))
    {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            int status = 0;
            if (waitpid(_pid, &status, WNOHANG) == _pid) {
                _ended = true;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }
    std::string Errors() const { return ReadFile(_err); }

private:
    std::string _err;
    pid_t _pid = -1;
    bool _ended = false;
};

bool WaitForFile(const std::string& path)
{
    for (int i = 0; i < 1200 && !fs::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return fs::exists(path);
}

/* Processes whose environment mentions the text. */
size_t ProcessesMentioning(const std::string& text)
{
    size_t count = 0;
    std::error_code failure;
    for (fs::directory_iterator it("/proc", failure), end; !failure && it != end; it.increment(failure))
        if (ReadFile((it->path() / "environ").string()).find(text) != std::string::npos)
            ++count;
    return count;
}

/* The panel opened at a known place, then a mark that the script got
   there. */
std::string OpenPanelScript(const TempFolder& folder)
{
    return "prefs " + folder.File("prefs") + "\ninvoke\nmove 123 145\nwrite " + folder.File("ready.txt") +
           " \"open\"\n";
}

void ExpectPanelPositionSaved(const TempFolder& folder)
{
    const std::string prefs = ReadFile(folder.File("prefs/qzpluginprefs.txt"));
    EXPECT_NE(prefs.find("QZSTAFFSETP_WINDOWX=123"), std::string::npos) << prefs;
    EXPECT_NE(prefs.find("QZSTAFFSETP_WINDOWY=145"), std::string::npos) << prefs;
}

} // namespace

TEST(WindowProgram, QuitInTheMenuEndsTheRunAndTerminatesThePlugin)
{
    TempFolder folder("qzwindow");
    WindowRun run(folder, OpenPanelScript(folder) + "menu \"qzhost\" \"Quit\"\nwrite " + folder.File("after.txt") +
                              " \"ran on\"\n");
    ASSERT_TRUE(run.Started());
    EXPECT_EQ(run.Wait(), 0) << run.Errors();
    /* GNUstep's own log lines may come; no problem of the host's. */
    EXPECT_EQ(run.Errors().find("qzhost: "), std::string::npos) << run.Errors();
    EXPECT_EQ(run.Errors().find("window.qzs:"), std::string::npos) << run.Errors();
    EXPECT_FALSE(fs::exists(folder.File("after.txt"))) << "the run ended at Quit";
    ExpectPanelPositionSaved(folder);
}

TEST(WindowProgram, TheDemoWithThePanelOpenLeavesStandardErrorEmpty)
{
    TempFolder folder("qzwindow");
    WindowRun run(folder,
                  "prefs " + folder.File("prefs") +
                      "\nwait 300\nmenu \"Plug-ins\" \"QZ Staff Set Panel...\"\nrow 2\nwait 300\nclose\nwait 300\n",
                  {}, "demo");
    ASSERT_TRUE(run.Started());
    EXPECT_EQ(run.Wait(), 0);
    EXPECT_EQ(run.Errors(), "");
}

TEST(WindowProgram, TerminationSignalsEndTheRunCleanly)
{
    for (int number : {SIGTERM, SIGINT, SIGHUP}) {
        TempFolder folder("qzwindow");
        WindowRun run(folder, OpenPanelScript(folder) + "wait 600000\n");
        ASSERT_TRUE(run.Started());
        ASSERT_TRUE(WaitForFile(folder.File("ready.txt"))) << run.Errors();
        run.Signal(number);
        EXPECT_EQ(run.Wait(), 0) << "signal " << number << ": " << run.Errors();
        ExpectPanelPositionSaved(folder);
    }
}

TEST(WindowProgram, GnustepFilesStayOutOfTheHomeFolder)
{
    TempFolder folder("qzwindow");
    const std::string home = folder.File("home");
    const std::string temporary = folder.File("tmp");
    fs::create_directories(home);
    fs::create_directories(temporary);
    /* As a person's run: no configuration named in the environment. */
    WindowRun run(folder, "menu \"View\" \"All Staves\"\nexpect view all\n",
                  {"GNUSTEP_CONFIG_FILE", "GNUSTEP_USER_ROOT", "HOME=" + home, "TMPDIR=" + temporary});
    ASSERT_TRUE(run.Started());
    EXPECT_EQ(run.Wait(), 0) << run.Errors();
    EXPECT_TRUE(fs::is_empty(home)) << "GNUstep wrote into the home folder";
    EXPECT_TRUE(fs::is_empty(temporary)) << "the run's GNUstep folder was left behind";
    /* Daemons that served the run go with its configuration. */
    for (int i = 0; i < 100 && ProcessesMentioning(temporary) > 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(ProcessesMentioning(temporary), 0u);
}

TEST(WindowProgram, ScriptFailuresNameTheLineAndStopThePlay)
{
    struct Case
    {
        const char* script;
        int status;
        const char* message;
    } cases[] = {
        {"expect names \"Flute\"\n", 1,
         "window.qzs:1: expected \"Flute\", got \"Flute|Clarinet in B\u266D|Horn|Violin I|Viola|Staff #6\""},
        {"wait 10\nexpect menu \"Edit\" \"Undo\" \"Undo\" enabled\n", 1,
         "window.qzs:2: expected \"Undo\" enabled, got \"Undo\" disabled"},
        {"menu \"Edit\" \"Undo\"\n", 2, "window.qzs:1: the menu item Undo is disabled"},
        {"menu \"Edit\" \"Cut\"\n", 2, "window.qzs:1: the menu Edit has no item Cut"},
        {"menu \"Window\" \"Undo\"\n", 2, "window.qzs:1: the menu Window has no item Undo"},
        {"drag 7 1 1 1\n", 2, "window.qzs:1: "},
        {"drag 1 1 1 9\n", 2, "window.qzs:1: "},
        {"drag 1 1\n", 2, "window.qzs:1: "},
        {"wait soon\n", 2, "window.qzs:1: "},
        {"expect cells 3-1 1\n", 2, "window.qzs:1: bad range '3-1'"},
        {"frobnicate\n", 2, "window.qzs:1: unknown command 'frobnicate'"},
        {"expect view 3\n", 1, "window.qzs:1: expected view 3, got view all"},
        {"wait 10\n\"unterminated\n", 2, "window.qzs:2: "},
    };
    for (const Case& c : cases) {
        TempFolder folder("qzwindow");
        WindowRun run(folder, c.script + std::string("write ") + folder.File("after.txt") + " \"ran on\"\n");
        ASSERT_TRUE(run.Started());
        EXPECT_EQ(run.Wait(), c.status) << c.script << run.Errors();
        EXPECT_NE(run.Errors().find(c.message), std::string::npos) << c.script << run.Errors();
        EXPECT_FALSE(fs::exists(folder.File("after.txt"))) << c.script;
    }
}

TEST(WindowProgram, FindingsPendingWhenTheSessionEndsFailTheScript)
{
    TempFolder folder("qzwindow");
    WindowRun run(folder, "wait 10\n", {std::string("QZ_PLUGIN=") + QZTEST_UNBALANCED_END_MODULE});
    ASSERT_TRUE(run.Started());
    EXPECT_EQ(run.Wait(), 1) << run.Errors();
    EXPECT_NE(run.Errors().find("window.qzs:1: at the end the host reported: plug-in edit depth 1"), std::string::npos)
        << run.Errors();
}
