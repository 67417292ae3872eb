/* The two preference files: where they are, what is read from them and how
   they are rewritten. */

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "strings/FCSettingsPair.h"
#include "staffsetpanel/FCStaffSetPanelWindow.h"
#include "PanelFixture.h"
#include "plugin/PanelInvocation.h"
#include "staffsetpanel/QZOptionsFiles.h"

namespace
{

std::string Value(const char* key, bool prefsFile)
{
    FCString keyString(key);
    std::unique_ptr<FCSettingsPair> pPair(LoadQZOptionsPair(&keyString, prefsFile));
    return pPair ? pPair->GetValue()->GetCString() : "<none>";
}

bool Save(const char* key, const char* value)
{
    FCString keyString(key);
    FCString valueString(value);
    FCSettingsPair pair(&keyString, &valueString);
    return SaveQZOptionsPair(&pair, true);
}

} // namespace

class PanelPrefs : public PanelFixture
{
protected:
    /* The frame of a panel opened without any preference file. */
    qzui_rect DefaultFrame()
    {
        Invoke();
        qzui_rect frame = Frame(Window());
        CloseBox();
        Terminate();
        std::remove(PrefsFile().c_str());
        return frame;
    }
};

TEST_F(PanelPrefs, KeysAreFoundInAnyLetterCaseAndKeepItWhenSaved)
{
    WriteFile(PrefsFile(),
              "qzstaffsetp_windowx=120\r\nno pair here\r\nQZSTAFFSETP_WINDOWY  =  80 \r\nOTHER=a=b\r\n=x\r\n");
    Invoke();
    qzui_rect frame = Frame(Window());
    EXPECT_EQ(120, frame.left);
    EXPECT_EQ(80, frame.top);
    MoveWindow(130, 90);
    Terminate();
    EXPECT_EQ("qzstaffsetp_windowx=130\nQZSTAFFSETP_WINDOWY=90\nOTHER=a=b\n", ReadFile(PrefsFile()));
}

TEST_F(PanelPrefs, ANewKeyGoesLastAndValuesKeepTheirEqualsSigns)
{
    WriteFile(PrefsFile(), "A=1\nB = x=y= \n");
    EXPECT_EQ("x=y=", Value("b", true));
    EXPECT_TRUE(Save("New", "v"));
    EXPECT_EQ("A=1\nB=x=y=\nNew=v\n", ReadFile(PrefsFile()));
    EXPECT_TRUE(Save("a", "2"));
    EXPECT_EQ("A=2\nB=x=y=\nNew=v\n", ReadFile(PrefsFile()));
    /* A missing file is created with the pair alone. */
    std::remove(PrefsFile().c_str());
    EXPECT_EQ("<none>", Value("A", true));
    EXPECT_TRUE(Save("A", "3"));
    EXPECT_EQ("A=3\n", ReadFile(PrefsFile()));
}

TEST_F(PanelPrefs, OnlyBothCoordinatesTogetherPlaceThePanel)
{
    const qzui_rect standard = DefaultFrame();
    WriteFile(PrefsFile(), "QZSTAFFSETP_WINDOWX=300\n");
    Invoke();
    qzui_rect frame = Frame(Window());
    EXPECT_EQ(standard.left, frame.left);
    EXPECT_EQ(standard.top, frame.top);
}

TEST_F(PanelPrefs, ShadingFollowsTheOptionsFile)
{
    WriteFile(OptionsFile(), "redaredavizodir_windowshade =  1 \n");
    Invoke();
    Activate(true);
    Activate(false);
    EXPECT_EQ(1, qzui_window_shaded(Window()));
    Activate(true);
    EXPECT_EQ(0, qzui_window_shaded(Window()));
    CloseBox();

    /* Read anew each time the panel opens: a word is not "1". */
    WriteFile(OptionsFile(), "REDAREDAVIZODIR_WINDOWSHADE=on\n");
    Invoke();
    Activate(true);
    Activate(false);
    EXPECT_EQ(0, qzui_window_shaded(Window()));
    Terminate();
    /* The options file is never written. */
    EXPECT_EQ("REDAREDAVIZODIR_WINDOWSHADE=on\n", ReadFile(OptionsFile()));
}

TEST_F(PanelPrefs, StoredCoordinatesAreWrittenTruncatedTowardZero)
{
    PluginCall("save", [] {
        FCStaffSetPanelWindow window(nullptr);
        window.SetRestorePositionOnlyData(99.7f, -0.5f);
        window.SaveUserPrefs();
    });
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=99\nQZSTAFFSETP_WINDOWY=0\n", ReadFile(PrefsFile()));
}

TEST_F(PanelPrefs, BothCoordinatesAreSavedAsIfOneAfterTheOther)
{
    WriteFile(PrefsFile(), "OTHER=1\nqzstaffsetp_windowy=7\n");
    PluginCall("save", [] {
        FCStaffSetPanelWindow window(nullptr);
        window.SetRestorePositionOnlyData(5.0f, 6.0f);
        window.SaveUserPrefs();
    });
    EXPECT_EQ("OTHER=1\nqzstaffsetp_windowy=6\nQZSTAFFSETP_WINDOWX=5\n", ReadFile(PrefsFile()));
}

/* 2147483647 read as a float is 2^31, one beyond the integer range. */
TEST_F(PanelPrefs, PositionsAtTheEndsOfTheIntegerRangeAreWrittenBackUnchanged)
{
    const std::string ends = "QZSTAFFSETP_WINDOWX=2147483647\nQZSTAFFSETP_WINDOWY=-2147483648\n";
    WriteFile(PrefsFile(), ends);
    Invoke();
    Terminate();
    EXPECT_EQ(ends, ReadFile(PrefsFile()));
}

TEST_F(PanelPrefs, APositionNeverStoredIsWrittenAsMinusOneAndUsedSo)
{
    PluginCall("save", [] {
        FCStaffSetPanelWindow window(nullptr);
        window.SaveUserPrefs();
    });
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=-1\nQZSTAFFSETP_WINDOWY=-1\n", ReadFile(PrefsFile()));
    Invoke();
    qzui_rect frame = Frame(Window());
    EXPECT_EQ(-1, frame.left);
    EXPECT_EQ(-1, frame.top);
}

TEST_F(PanelPrefs, ASaveThatCannotWriteKeepsTheOldFileWhole)
{
    const std::string old = "QZSTAFFSETP_WINDOWX=10\nQZSTAFFSETP_WINDOWY=20\nOTHER=keep\n";
    WriteFile(PrefsFile(), old);
    Invoke();
    MoveWindow(400, 300);
    chmod(PrefsFile().c_str(), 0644);
    chmod(folder.c_str(), 0555);
    /* The super-user may write anywhere: act as another user meanwhile. */
    const bool dropped = geteuid() == 0;
    if (dropped && seteuid(65534) != 0)
        GTEST_SKIP() << "cannot give up the super-user's rights";
    Terminate();
    if (dropped) {
        ASSERT_EQ(0, seteuid(0));
    }
    EXPECT_EQ(old, ReadFile(PrefsFile()));
    EXPECT_EQ(nullptr, pMainWindow);
}

TEST_F(PanelPrefs, ASaveCutShortKeepsTheOldFileWhole)
{
    std::string old;
    for (int i = 0; i < 20; ++i)
        old += "KEY" + std::to_string(i) + "=value " + std::to_string(i) + "\n";
    WriteFile(PrefsFile(), old);
    Invoke();
    MoveWindow(400, 300);
    /* Writes stop after 32 bytes, as on a full disk. */
    struct rlimit saved;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &saved));
    struct rlimit small = saved;
    small.rlim_cur = 32;
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &small));
    Terminate();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(old, ReadFile(PrefsFile()));
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        entries += entry.path().filename() == "qzpluginprefs.txt" ? 1 : 100;
    EXPECT_EQ(1u, entries) << "a temporary file was left behind";
}

TEST_F(PanelPrefs, AnUnknownFolderGivesDefaultsAndTheShutDownGoesOn)
{
    const qzui_rect standard = DefaultFrame();
    WriteFile(PrefsFile(), "QZSTAFFSETP_WINDOWX=500\nQZSTAFFSETP_WINDOWY=500\n");
    Host()->hostsim_fail("FX_GetFinalePathMac", HOSTSIM_FAIL_REFUSE, -1);
    Invoke();
    EXPECT_EQ(standard.left, Frame(Window()).left);
    MoveWindow(10, 10);
    Terminate();
    Host()->hostsim_fail("FX_GetFinalePathMac", HOSTSIM_FAIL_OFF, 0);
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=500\nQZSTAFFSETP_WINDOWY=500\n", ReadFile(PrefsFile()));
}

/* Hosts before 0x19000000 use no preference file. */
class PanelPrefsOlderHost : public PanelFixture
{
protected:
    uint32_t Profile() const override { return 0x11000000u; }
};

TEST_F(PanelPrefsOlderHost, NoFileIsReadOrWritten)
{
    WriteFile(PrefsFile(), "QZSTAFFSETP_WINDOWX=500\nQZSTAFFSETP_WINDOWY=500\n");
    EXPECT_EQ("<none>", Value("QZSTAFFSETP_WINDOWX", true));
    EXPECT_FALSE(Save("QZSTAFFSETP_WINDOWX", "1"));
    EXPECT_EQ(0u, Host()->hostsim_call_count("FX_GetFinalePathMac"));
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=500\nQZSTAFFSETP_WINDOWY=500\n", ReadFile(PrefsFile()));
}

/* The host program's interactive sessions keep the files in the user's
   configuration folder. */
TEST_F(PanelPrefs, TheUsersConfigurationFolderHoldsTheFilesOfInteractiveSessions)
{
    const char* savedConfig = std::getenv("XDG_CONFIG_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string config = savedConfig ? savedConfig : "";
    const std::string home = savedHome ? savedHome : "";
    setenv("XDG_CONFIG_HOME", (folder + "/config").c_str(), 1);
    const std::string chosen = Host()->hostsim_use_user_preferences();
    EXPECT_EQ(folder + "/config/qzhost", chosen);
    Invoke();
    MoveWindow(70, 80);
    Terminate();
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=70\nQZSTAFFSETP_WINDOWY=80\n", ReadFile(chosen + "/qzpluginprefs.txt"));

    /* Without XDG_CONFIG_HOME: ~/.config/qzhost. */
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", (folder + "/home").c_str(), 1);
    EXPECT_EQ(folder + "/home/.config/qzhost", std::string(Host()->hostsim_use_user_preferences()));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/home/.config/qzhost"));

    if (savedConfig)
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", home.c_str(), 1);
    Host()->hostsim_set_folder(16, folder.c_str());
}
