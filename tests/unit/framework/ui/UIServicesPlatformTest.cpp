/* FCUI's platform services and the folder and font listings on the headless
   bridge. */
#include <gtest/gtest.h>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "support/TempFolder.h"
#include "document/FCFontInfo.h"
#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "ui/FCUI.h"
#include "ui/_FCStrings_cocoa.h"
#include "ui/driver/qzui_driver.h"

namespace
{
namespace fs = std::filesystem;

std::string PasteboardText()
{
    const int length = qzui_pasteboard_text(nullptr, 0);
    if (length < 0)
        return "<none>";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    qzui_pasteboard_text(&text[0], length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

std::vector<std::string> Texts(FCStrings& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts.push_back(list.GetItemAt(i)->GetUTF8String());
    return texts;
}

/* ---- Clipboard ---- */

TEST(ClipboardTest, TextReplacesThePasteboardContents)
{
    FCUI ui(nullptr);
    const int changes = qzui_pasteboard_change_count();
    EXPECT_TRUE(ui.TextToClipboard("Staff Set 3"));
    EXPECT_EQ(PasteboardText(), "Staff Set 3");
    EXPECT_TRUE(ui.TextToClipboardUTF8("Gro\xC3\x9F"));
    EXPECT_EQ(PasteboardText(), "Gro\xC3\x9F");
    EXPECT_EQ(qzui_pasteboard_change_count() - changes, 2);
}

TEST(ClipboardTest, TextThatCannotBeConvertedLeavesThePasteboardEmpty)
{
    FCUI ui(nullptr);
    EXPECT_TRUE(ui.TextToClipboard("kept"));
    EXPECT_FALSE(ui.TextToClipboard("caf\xE9")); /* not ASCII */
    EXPECT_EQ(PasteboardText(), "<none>");
    EXPECT_TRUE(ui.TextToClipboard("kept"));
    EXPECT_FALSE(ui.TextToClipboardUTF8("\xC3"));
    EXPECT_EQ(PasteboardText(), "<none>");
    EXPECT_FALSE(ui.TextToClipboard(nullptr));
    EXPECT_FALSE(ui.TextToClipboardUTF8(nullptr));
    char small[4];
    EXPECT_TRUE(ui.TextToClipboard("abcdef"));
    EXPECT_EQ(qzui_pasteboard_text(small, sizeof small), 6);
    EXPECT_STREQ(small, "abc");
}

/* ---- Requests shown outside the plug-in ---- */

struct Request
{
    int what;
    std::string argument;
    int number;
};

struct RequestRecorder
{
    std::vector<Request> requests;
    static void Callback(void* context, int what, const char* argument, int number)
    {
        static_cast<RequestRecorder*>(context)->requests.push_back({what, argument, number});
    }
};

class RequestTest : public ::testing::Test
{
protected:
    RequestRecorder recorder;
    FCUI ui{nullptr};
    void SetUp() override { qzui_set_request_callback(&RequestRecorder::Callback, &recorder); }
    void TearDown() override { qzui_set_request_callback(nullptr, nullptr); }
};

TEST_F(RequestTest, WebAddressFolderAndFontPanelReachTheDriver)
{
    FCString url("https://example.org/help");
    FCString folder("/tmp/some folder");
    FCFontInfo font;
    FCString fontName("Sim Sans");
    font.SetNameString(&fontName);
    font.SetSize(14);
    EXPECT_TRUE(ui.DisplayWebURL(&url));
    EXPECT_TRUE(ui.DisplayShellFolder(&folder));
    EXPECT_TRUE(ui.DisplayFontDialog(&font));
    ASSERT_EQ(recorder.requests.size(), 3u);
    EXPECT_EQ(recorder.requests[0].what, QZUI_REQUEST_WEB_URL);
    EXPECT_EQ(recorder.requests[0].argument, "https://example.org/help");
    EXPECT_EQ(recorder.requests[1].what, QZUI_REQUEST_SHELL_FOLDER);
    EXPECT_EQ(recorder.requests[1].argument, "/tmp/some folder");
    EXPECT_EQ(recorder.requests[2].what, QZUI_REQUEST_FONT_DIALOG);
    EXPECT_EQ(recorder.requests[2].argument, "Sim Sans");
    EXPECT_EQ(recorder.requests[2].number, 14);
    /* The choice in the font panel is not written back. */
    FCString after;
    font.GetNameString(&after);
    EXPECT_TRUE(after.IsEqualCString("Sim Sans"));
}

TEST_F(RequestTest, MissingArgumentsShowNothingWhereTheyCannotBeMet)
{
    FCString empty;
    EXPECT_TRUE(ui.DisplayWebURL(nullptr));
    EXPECT_TRUE(ui.DisplayWebURL(&empty));
    EXPECT_FALSE(ui.DisplayShellFolder(nullptr));
    EXPECT_FALSE(ui.DisplayShellFolder(&empty));
    EXPECT_FALSE(ui.DisplayFontDialog(nullptr));
    EXPECT_TRUE(recorder.requests.empty());
}

/* ---- Choosing a file ---- */

/* Answers every file dialog with the same answer and path; records what was asked. */
struct FileChooser
{
    int answer = QZUI_FILE_CHOSEN;
    std::string path;
    std::vector<std::string> asked; /* what|title|name|extension */
    static int Callback(void* context, int what, const char* title, const char* name, const char* extension,
                        const char** path)
    {
        auto* chooser = static_cast<FileChooser*>(context);
        chooser->asked.push_back(std::to_string(what) + "|" + title + "|" + name + "|" + extension);
        *path = chooser->path.c_str();
        return chooser->answer;
    }
};

TEST(FileChoiceTest, TheDriverChoosesTheFileOrCancels)
{
    FileChooser chooser;
    qzui_set_file_callback(&FileChooser::Callback, &chooser);
    FCUI ui(nullptr);
    FCString title("Save Template"), name("Winds"), extension(".json"), result("kept");
    chooser.path = "/tmp/sets";
    ASSERT_TRUE(ui.DisplaySaveFileDialog(&title, &name, &extension, &result));
    EXPECT_STREQ(result.GetUTF8String(), "/tmp/sets.json");
    chooser.path = "/tmp/Sets.JSON";
    ASSERT_TRUE(ui.DisplaySaveFileDialog(&title, nullptr, &extension, &result));
    EXPECT_STREQ(result.GetUTF8String(), "/tmp/Sets.JSON");
    chooser.path = "sets"; /* relative: from the current directory, the extension kept off */
    ASSERT_TRUE(ui.DisplayOpenFileDialog(&title, &extension, &result));
    EXPECT_EQ(fs::path(result.GetUTF8String()), fs::current_path() / "sets");
    EXPECT_EQ(chooser.asked, (std::vector<std::string>{"0|Save Template|Winds|.json", "0|Save Template||.json",
                                                       "1|Save Template||.json"}));
    chooser.answer = QZUI_FILE_CANCEL;
    result.SetCString("kept");
    EXPECT_FALSE(ui.DisplayOpenFileDialog(&title, &extension, &result));
    EXPECT_STREQ(result.GetUTF8String(), "kept");
    chooser.answer = QZUI_FILE_CHOSEN;
    chooser.path.clear();
    EXPECT_FALSE(ui.DisplaySaveFileDialog(&title, &name, &extension, &result));
    qzui_set_file_callback(nullptr, nullptr);
    EXPECT_FALSE(ui.DisplaySaveFileDialog(&title, &name, &extension, &result));
    EXPECT_EQ(chooser.asked.size(), 5u);
}

/* ---- Fonts ---- */

/* The first family fontconfig lists, or "" when none is installed. */
std::string SomeInstalledFamily()
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (!config)
        return std::string();
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    FcFontSet* fonts = FcFontList(config, pattern, objects);
    std::string family;
    FcChar8* name = nullptr;
    if (fonts && fonts->nfont > 0 && FcPatternGetString(fonts->fonts[0], FC_FAMILY, 0, &name) == FcResultMatch)
        family = reinterpret_cast<const char*>(name);
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    FcConfigDestroy(config);
    return family;
}

TEST(FontTest, AvailabilityFollowsTheInstalledFonts)
{
    const std::string family = SomeInstalledFamily();
    if (family.empty())
        GTEST_SKIP() << "no font installed";
    FCUI ui(nullptr);
    FCString installed;
    installed.SetUTF8String(family.c_str());
    FCString missing("No Such Font QZ 4711");
    FCString empty;
    EXPECT_TRUE(ui.IsFontAvailable(&installed));
    EXPECT_FALSE(ui.IsFontAvailable(&missing));
    EXPECT_FALSE(ui.IsFontAvailable(&empty));
    EXPECT_FALSE(ui.IsFontAvailable(nullptr));
}

TEST(FontTest, SystemFontNamesAreAddedOnceAfterTheListsOwnEntries)
{
    const std::string family = SomeInstalledFamily();
    if (family.empty())
        GTEST_SKIP() << "no font installed";
    FCStrings list;
    FCString own("My Own Entry");
    FCString present;
    present.SetUTF8String(family.c_str());
    list.AddCopy(&own);
    list.AddCopy(&present);
    ASSERT_TRUE(list.LoadSystemFontNames()); /* through the bridge's lister */
    const std::vector<std::string> names = Texts(list);
    ASSERT_GT(names.size(), 2u);
    EXPECT_EQ(names[0], "My Own Entry");
    EXPECT_EQ(std::count(names.begin(), names.end(), family), 1);
    std::vector<std::string> sorted = names;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "no name twice";
    /* Asking again adds nothing. */
    ASSERT_TRUE(_FCStrings_cocoa::LoadSystemFontNames(&list));
    EXPECT_EQ(Texts(list), names);
    EXPECT_FALSE(_FCStrings_cocoa::LoadSystemFontNames(nullptr));
}

/* ---- Folder listings ---- */

class FolderListingTest : public ::testing::Test
{
protected:
    TempFolder scratch{"qz_listing"};
    fs::path folder;
    void SetUp() override
    {
        folder = scratch.path;
        fs::create_directories(folder / "Sub folder");
        std::ofstream(folder / "a.txt") << "a";
        std::ofstream(folder / "b \xC3\xA9.txt") << "b";
    }
};

TEST_F(FolderListingTest, FilesAndSubfoldersAreListedApart)
{
    FCString path;
    path.SetUTF8String(folder.c_str());
    FCStrings files, folders;
    EXPECT_TRUE(_FCStrings_cocoa::LoadFolderFiles(&files, &path));
    EXPECT_TRUE(_FCStrings_cocoa::LoadSubfolders(&folders, &path));
    std::vector<std::string> fileNames = Texts(files);
    std::sort(fileNames.begin(), fileNames.end());
    EXPECT_EQ(fileNames, (std::vector<std::string>{"a.txt", "b \xC3\xA9.txt"}));
    EXPECT_EQ(Texts(folders), (std::vector<std::string>{"Sub folder"}));
}

TEST_F(FolderListingTest, UnreadableFolderAddsNothing)
{
    FCString missing;
    missing.SetUTF8String((folder / "missing").c_str());
    FCStrings list;
    FCString kept("kept");
    list.AddCopy(&kept);
    EXPECT_TRUE(_FCStrings_cocoa::LoadFolderFiles(&list, &missing));
    EXPECT_TRUE(_FCStrings_cocoa::LoadSubfolders(&list, nullptr));
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"kept"}));
}

/* ---- Locale and clock ---- */

TEST(DecimalSeparatorTest, ComesFromTheUsersLocaleUnlessTheDriverSetsIt)
{
    FCUI ui(nullptr);
    FCString separator("x");
    setenv("LC_ALL", "C", 1);
    ui.GetDecimalSeparator(&separator);
    EXPECT_TRUE(separator.IsEqualCString("."));
    /* A locale that does not exist falls back to ".". */
    setenv("LC_ALL", "xx_NOPE.UTF-8", 1);
    ui.GetDecimalSeparator(&separator);
    EXPECT_TRUE(separator.IsEqualCString("."));
    unsetenv("LC_ALL");
    qzui_set_decimal_separator(",");
    ui.GetDecimalSeparator(&separator);
    EXPECT_TRUE(separator.IsEqualCString(","));
    qzui_set_decimal_separator(nullptr);
    ui.GetDecimalSeparator(nullptr); /* nothing to fill */
}

TEST(PerformanceTimerTest, MeasuresTheTimeBetweenStartAndStop)
{
    FCUI ui(nullptr);
    EXPECT_EQ(ui.ReturnPerformanceTiming(), 0.0);
    const double before = ui.GetHiResTimer();
    ui.StartPerformanceTimer();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ui.StopPerformanceTimer();
    const double after = ui.GetHiResTimer();
    EXPECT_GE(ui.ReturnPerformanceTiming(), 0.019);
    EXPECT_LE(ui.ReturnPerformanceTiming(), after - before);
    /* A new start clears the last timing. */
    ui.StartPerformanceTimer();
    EXPECT_EQ(ui.ReturnPerformanceTiming(), 0.0);
}
} // namespace
