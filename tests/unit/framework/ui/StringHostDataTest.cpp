/* FCString and FCStrings operations on host data: the document's unit, the
   category fonts, the host's folders and the bundle's localised texts. */
#include <gtest/gtest.h>

#include <CoreFoundation/CoreFoundation.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "document/FCCategoryDef.h"
#include "document/FCFontInfo.h"
#include "document/FCGeneralPrefs.h"
#include "strings/FCString.h"
#include "strings/FCStrings.h"
#include "core/FinaleVersion.h"
#include "support/HostsimFixture.h"
#include "hostlink/fx_types.h"
#include "platform/qz_bundle_id.h"
#include "platform/qz_bundle_resources.h"
#include "ui/driver/qzui_driver.h"

/* The test program is a bundle of its own, for the localised texts. */
QZ_DEFINE_BUNDLE_IDENTIFIER("org.qzstaffset.tests.stringhostdata");

namespace
{
namespace fs = std::filesystem;

const char* const kTestBundle = "org.qzstaffset.tests.stringhostdata";

std::string Text(FCString& text) { return text.GetUTF8String(); }

std::vector<std::string> Texts(FCStrings& list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list.GetCount(); ++i)
        texts.push_back(list.GetItemAt(i)->GetUTF8String());
    return texts;
}

class HostDataTest : public HostsimFixture
{
protected:
    void SetUp() override
    {
        if (!Host())
            GTEST_SKIP() << LoadError();
        HostsimFixture::SetUp();
        qzui_set_decimal_separator(".");
    }
    void TearDown() override
    {
        qzui_set_decimal_separator(nullptr);
        HostsimFixture::TearDown();
    }
};

/* ---- The document's measurement unit ---- */

TEST_F(HostDataTest, DefaultUnitIsTheDocumentsUnit)
{
    /* General preferences, record 1: the unit word first. */
    std::vector<uint8_t> prefs(66, 0);
    const int16_t inches = __FCBase::MEASUREMENTUNIT_INCHES;
    std::memcpy(prefs.data(), &inches, 2);
    const int16_t key[4] = {1, 0, 0, 0};
    ASSERT_TRUE(Host()->hostsim_put_other(0x70666770, key, prefs.data(), 66));
    FCString text;
    PluginCall("format", [&] { text.SetMeasurement(144, __FCBase::MEASUREMENTUNIT_DEFAULT); });
    EXPECT_EQ(Text(text), "0.5");
    text.SetCString("2");
    double evpus = 0;
    PluginCall("parse", [&] { evpus = text.GetMeasurement(__FCBase::MEASUREMENTUNIT_DEFAULT); });
    EXPECT_FLOAT_EQ(evpus, 576.0);
}

TEST_F(HostDataTest, DefaultUnitWithoutPreferencesGivesNothing)
{
    Host()->hostsim_fail("FX_LoadEData", HOSTSIM_FAIL_REFUSE, -1);
    FCString text("old");
    PluginCall("format", [&] {
        text.SetMeasurement(144, __FCBase::MEASUREMENTUNIT_DEFAULT);
        EXPECT_TRUE(text.IsEmpty());
        text.SetCString("2 in");
        /* A suffix still names the unit. */
        EXPECT_FLOAT_EQ(text.GetMeasurement(__FCBase::MEASUREMENTUNIT_DEFAULT), 576.0);
        text.SetCString("2");
        EXPECT_EQ(text.GetMeasurement(__FCBase::MEASUREMENTUNIT_DEFAULT), 0.0);
    });
}

/* ---- Font commands and categories ---- */

TEST(FontCommandTest, LastFontInfoTakesEveryCommandInOrder)
{
    FCString text("^font(Arial)^size(10)Hello^nfx(1)^font(Courier)^size(14) there");
    std::unique_ptr<FCFontInfo> font(text.CreateLastFontInfo());
    ASSERT_TRUE(font);
    FCString name;
    font->GetNameString(&name);
    EXPECT_EQ(Text(name), "Courier");
    EXPECT_EQ(font->GetSize(), 14);
    EXPECT_EQ(font->GetEffects(), 1);

    FCString plain("no commands");
    std::unique_ptr<FCFontInfo> fresh(plain.CreateLastFontInfo());
    fresh->GetNameString(&name);
    EXPECT_EQ(Text(name), "Times New Roman");
    EXPECT_EQ(fresh->GetSize(), 12);
}

TEST(FontCommandTest, ParseEnigmaFontInfoAppliesTheFirstCommands)
{
    FCString text("^font(Arial)x^size(10)y^size(20)");
    std::unique_ptr<FCStrings> pieces(text.CreateEnigmaStrings(true));
    ASSERT_TRUE(pieces);
    FCFontInfo font;
    EXPECT_TRUE(pieces->ParseEnigmaFontInfo(2, &font));
    FCString name;
    font.GetNameString(&name);
    EXPECT_EQ(Text(name), "Arial");
    EXPECT_EQ(font.GetSize(), 10);
    EXPECT_FALSE(pieces->ParseEnigmaFontInfo(2, nullptr));
}

/* A category with a text font (host font 2, 14 points, effects 1) and a
   music font (host font 1, 24 points), no number font. */
class CategoryFontTest : public HostDataTest
{
protected:
    FCCategoryDef category;

    void SetUp() override
    {
        HostDataTest::SetUp();
        if (IsSkipped())
            return;
        std::vector<uint8_t> bytes(296, 0);
        const int16_t text[] = {2, 14, 1};
        const int16_t music[] = {1, 24, 0};
        const int16_t flags = 0x3;
        std::memcpy(bytes.data() + 260, text, sizeof text);
        std::memcpy(bytes.data() + 266, music, sizeof music);
        std::memcpy(bytes.data() + 294, &flags, 2);
        const int16_t key[4] = {21, 0, 0, 0};
        ASSERT_TRUE(Host()->hostsim_put_other(0x534F4D43, key, bytes.data(), 296));
        PluginCall("load", [&] { ASSERT_TRUE(category.Load(21)); });
    }

    std::string Replace(const char* text, int mode, bool retag, bool* pResult = nullptr)
    {
        FCString string(text);
        bool result = false;
        PluginCall("replace", [&] { result = string.ReplaceCategoryFonts(&category, mode, retag); });
        if (pResult)
            *pResult = result;
        return Text(string);
    }
};

TEST_F(CategoryFontTest, MixedCommandsTakeTheCategorysFontOfTheirKind)
{
    bool rewritten = false;
    EXPECT_EQ(Replace("^font(Arial)^size(10)^nfx(0)Hello^fontMus(Maestro,8192)^size(20)^nfx(0)^fontNum(X)abc", 1, true,
                      &rewritten),
              "^fontTxt(Sim Sans)^size(14)^nfx(1)Hello^fontMus(Sim Music)^size(24)^nfx(0)^fontNum(X)abc");
    EXPECT_TRUE(rewritten);
}

TEST_F(CategoryFontTest, PlainFontCommandsFollowTheModeAndRetagFlag)
{
    EXPECT_EQ(Replace("^font(Arial)^size(10)A", 1, false), "^font(Sim Sans)^size(14)^nfx(1)A");
    EXPECT_EQ(Replace("^font(Arial)^size(10)A", 2, true), "^fontMus(Sim Music)^size(24)^nfx(0)A");
    /* The default music font command counts as a music font. */
    EXPECT_EQ(Replace("^font(Font0,0)^size(9)x", 1, true), "^fontMus(Sim Music)^size(24)^nfx(0)x");
    /* A size or style command before any font command stays. */
    EXPECT_EQ(Replace("^size(9)^fontTxt(A)z", 0, true), "^size(9)^fontTxt(Sim Sans)^size(14)^nfx(1)z");
}

TEST_F(CategoryFontTest, NothingToRewriteLeavesTheTextAlone)
{
    bool rewritten = true;
    EXPECT_EQ(Replace("^font(Arial)^size(10)A", 0, true, &rewritten), "^font(Arial)^size(10)A");
    EXPECT_FALSE(rewritten);
    EXPECT_EQ(Replace("^fontNum(Arial)^size(10)A", 1, true, &rewritten), "^fontNum(Arial)^size(10)A");
    EXPECT_FALSE(rewritten);
    EXPECT_EQ(Replace("plain text", 1, true, &rewritten), "plain text");
    EXPECT_FALSE(rewritten);
    FCString text("^font(Arial)A");
    EXPECT_FALSE(text.ReplaceCategoryFonts(nullptr, 1, true));
    EXPECT_EQ(Text(text), "^font(Arial)A");
}

/* ---- Host folders ---- */

TEST_F(HostDataTest, FinalePathIsTheHostsFolder)
{
    FCString path;
    bool found = false;
    PluginCall("path", [&] { found = path._SetFinalePath(16); });
    ASSERT_TRUE(found);
    EXPECT_EQ(Text(path), Host()->hostsim_folder(16));
    Host()->hostsim_fail("FX_GetFinalePathMac", HOSTSIM_FAIL_REFUSE, 1);
    PluginCall("path", [&] { EXPECT_FALSE(path._SetFinalePath(16)); });
}

TEST(FinPathVersionTest, FollowsTheRunningHost)
{
    const uint32_t saved = GetFinaleFrameworkVersion();
    const struct
    {
        uint32_t running, expected;
    } cases[] = {{0x1A000000, 0x19000000}, {0x19000000, 0x19000000}, {0x18000000, 0x11000000},
                 {0x11000000, 0x11000000}, {0x10FFFFFF, 0x0E000000}, {0x0E000000, 0x0E000000}};
    for (const auto& c : cases) {
        SetFinaleFrameworkVersion(c.running);
        EXPECT_EQ(FCString::_GetFinPathVersion(), c.expected) << std::hex << c.running;
    }
    SetFinaleFrameworkVersion(saved);
}

TEST(PathTest, SimplePathOperations)
{
    FCString text("x");
    text.SetUserOptionsPath();
    EXPECT_EQ(Text(text), "~/Library/Preferences");
    text.SetRunningScriptFolderPath();
    EXPECT_TRUE(text.IsEmpty());
    text.SetCString("x");
    text.SetRunningScriptFilePath();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(text.MakeFullFilePath(nullptr, 0x19000000));
    FinPathSpec25 pathRecord{};
    EXPECT_FALSE(text.MakeFullFilePath(&pathRecord, 0x11000000));
    text.SetCString("/tmp/folder/file.txt");
    EXPECT_FALSE(text.MakeSpecFromFilePath(&pathRecord, 0x19000000));
    CFStringRef path = CFStringCreateWithCString(nullptr, "/tmp/a b", kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(nullptr, path, kCFURLPOSIXPathStyle, true);
    EXPECT_TRUE(text._SetCFURLRefPath(url));
    EXPECT_EQ(Text(text), "/tmp/a b");
    EXPECT_FALSE(text._SetCFURLRefPath(nullptr));
    CFRelease(url);
    CFRelease(path);
}

TEST_F(HostDataTest, SymbolFontsAreTheTrimmedLinesOfTheHostsList)
{
    const fs::path folder = fs::path(Host()->hostsim_folder(16)) / "Configuration Files";
    fs::create_directories(folder);
    std::ofstream(folder / "macsymbolfonts.txt") << "  Sim Music \r\n\n\tSymbol\n   \nZapf Dingbats";
    FCStrings list;
    FCString old("old entry");
    list.AddCopy(&old);
    bool loaded = false;
    PluginCall("symbol fonts", [&] { loaded = list.LoadSymbolFonts(); });
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Sim Music", "Symbol", "Zapf Dingbats"}));
}

TEST_F(HostDataTest, SymbolFontsWithoutTheFileLeaveTheListAlone)
{
    FCStrings list;
    FCString old("old entry");
    list.AddCopy(&old);
    PluginCall("symbol fonts", [&] { EXPECT_FALSE(list.LoadSymbolFonts()); });
    Host()->hostsim_fail("FX_GetFinalePathMac", HOSTSIM_FAIL_REFUSE, 1);
    PluginCall("symbol fonts", [&] { EXPECT_FALSE(list.LoadSymbolFonts()); });
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"old entry"}));
}

class OldHostDataTest : public HostDataTest
{
protected:
    uint32_t Profile() const override { return 0x10000000u; }
    size_t Calls(const char* function) const { return Host()->hostsim_call_count(function); }
};

TEST_F(OldHostDataTest, SymbolFontsNeedAUnicodeHost)
{
    FCStrings list;
    PluginCall("symbol fonts", [&] { EXPECT_FALSE(list.LoadSymbolFonts()); });
    EXPECT_EQ(Calls("FX_GetFinalePathMac"), 0u);
}

/* ---- Localised resources ---- */

class ResourceTest : public ::testing::Test
{
protected:
    TempFolder scratch{"qz_resources"};
    fs::path folder;
    CFBundleRef bundle = nullptr;
    uint32_t savedVersion = 0;

    void SetUp() override
    {
        savedVersion = GetFinaleFrameworkVersion();
        SetFinaleFrameworkVersion(0x19000000);
        CFStringRef id = CFStringCreateWithCString(nullptr, kTestBundle, kCFStringEncodingUTF8);
        bundle = CFBundleGetBundleWithIdentifier(id);
        CFRelease(id);
        ASSERT_NE(bundle, nullptr);
        folder = scratch.path;
        fs::create_directories(folder / "en.lproj");
        std::ofstream(folder / "en.lproj" / "Localizable.strings")
            << "\"Hello\" = \"Hello there\";\n\"Caf\" = \"Caf\xC3\xA9\";";
        std::ofstream(folder / "en.lproj" / "Panel.strings") << "\"Hello\" = \"Hello panel\";";
        QZCFBundleSetResourceFolder(bundle, folder.c_str());
        /* Forget any bundle and table remembered by earlier tests. */
        FCString reset;
        reset.LoadResource("x", "org.qzstaffset.no.such.bundle", "Localizable");
    }
    void TearDown() override
    {
        QZCFBundleSetResourceFolder(bundle, nullptr);
        SetFinaleFrameworkVersion(savedVersion);
    }
};

TEST_F(ResourceTest, WithoutARememberedBundleTheTextIsAnError)
{
    FCString text;
    EXPECT_FALSE(text.LoadResource("Hello", nullptr, nullptr));
    EXPECT_EQ(Text(text), "Resource String Error");
}

TEST_F(ResourceTest, BundleAndTableAreRememberedForLaterCalls)
{
    FCString text;
    EXPECT_TRUE(text.LoadResource("Hello", kTestBundle, nullptr));
    EXPECT_EQ(Text(text), "Hello there");
    EXPECT_TRUE(text.LoadResource("Caf", nullptr, nullptr));
    EXPECT_EQ(Text(text), "Caf\xC3\xA9");
    EXPECT_TRUE(text.LoadResource("Hello", nullptr, "Panel"));
    EXPECT_EQ(Text(text), "Hello panel");
    EXPECT_TRUE(text.LoadResource("Hello", nullptr, nullptr));
    EXPECT_EQ(Text(text), "Hello panel");
    /* A key without a text is its own text. */
    EXPECT_TRUE(text.LoadResource("Not in the table", nullptr, nullptr));
    EXPECT_EQ(Text(text), "Not in the table");
    EXPECT_FALSE(text.LoadResource(nullptr, nullptr, nullptr));
    EXPECT_EQ(Text(text), "Resource String Error");
}

TEST_F(ResourceTest, EightBitHostTakesMacRomanText)
{
    SetFinaleFrameworkVersion(0x10000000);
    FCString text;
    EXPECT_TRUE(text.LoadResource("Caf", kTestBundle, "Localizable"));
    EXPECT_STREQ(text.GetCString(), "Caf\x8E");
}

TEST_F(ResourceTest, ShippedEnglishTableIsWellFormed)
{
    std::vector<std::string> log;
    qzui_set_log_callback(
        [](void* context, const char* line) { static_cast<std::vector<std::string>*>(context)->push_back(line); },
        &log);
    QZCFBundleSetResourceFolder(bundle, QZ_RESOURCES_DIR);
    FCString text;
    for (const char* key : {"No Region Selected", "Replace Current Staff Set?", "Delete Staff Set?",
                            "Category doesn't exist", "QZ Staff Set Panel..."}) {
        EXPECT_TRUE(text.LoadResource(key, kTestBundle, "Localizable"));
        EXPECT_EQ(Text(text), key);
    }
    qzui_set_log_callback(nullptr, nullptr);
    EXPECT_TRUE(log.empty()) << log.front();
}

TEST_F(ResourceTest, MalformedTableIsLoggedAndKeysFallBackToThemselves)
{
    std::vector<std::string> log;
    qzui_set_log_callback(
        [](void* context, const char* line) { static_cast<std::vector<std::string>*>(context)->push_back(line); },
        &log);
    std::ofstream(folder / "en.lproj" / "Broken.strings") << "\"Hello\" = \"Hi\";\n\"Open\" = ;\n";
    FCString text;
    EXPECT_TRUE(text.LoadResource("Hello", kTestBundle, "Broken"));
    EXPECT_EQ(Text(text), "Hello");
    EXPECT_TRUE(text.LoadResource("Hello", nullptr, nullptr));
    qzui_set_log_callback(nullptr, nullptr);
    ASSERT_EQ(log.size(), 1u);
    EXPECT_NE(log[0].find("Broken.strings"), std::string::npos);
    EXPECT_NE(log[0].find("line 2"), std::string::npos);
}
} // namespace
