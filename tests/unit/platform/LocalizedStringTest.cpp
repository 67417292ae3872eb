/* Localised strings of a bundle through the Core Foundation stand-in. */
#include <gtest/gtest.h>

#include <CoreFoundation/CoreFoundation.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/TempFolder.h"
#include "platform/qz_bundle_resources.h"

namespace
{

namespace fs = std::filesystem;

std::vector<std::string> gLogLines;
void CollectLog(const char* line) { gLogLines.push_back(line); }

class LocalizedStringTest : public ::testing::Test
{
protected:
    TempFolder scratch{"qz_strings"};
    fs::path folder;
    CFBundleRef bundle = nullptr;

    void SetUp() override
    {
        folder = scratch.path;
        fs::create_directories(folder);
        bundle = CFBundleGetMainBundle();
        QZCFBundleSetResourceFolder(bundle, folder.c_str());
        gLogLines.clear();
        QZCFSetSystemLogHandler(&CollectLog);
        setenv("LANGUAGE", "de_AT.UTF-8", 1);
    }

    void TearDown() override
    {
        QZCFSetSystemLogHandler(nullptr);
        QZCFBundleSetResourceFolder(bundle, nullptr);
        unsetenv("LANGUAGE");
    }

    void Write(const std::string& relative, const std::string& bytes)
    {
        fs::create_directories((folder / relative).parent_path());
        std::ofstream(folder / relative, std::ios::binary) << bytes;
    }

    std::string Lookup(const char* key, const char* value = nullptr, const char* table = nullptr)
    {
        CFStringRef k = key ? CFStringCreateWithCString(nullptr, key, kCFStringEncodingUTF8) : nullptr;
        CFStringRef v = value ? CFStringCreateWithCString(nullptr, value, kCFStringEncodingUTF8) : nullptr;
        CFStringRef t = table ? CFStringCreateWithCString(nullptr, table, kCFStringEncodingUTF8) : nullptr;
        CFStringRef text = CFBundleCopyLocalizedString(bundle, k, v, t);
        std::string result = "<null>";
        char buffer[512];
        if (text && CFStringGetCString(text, buffer, sizeof buffer, kCFStringEncodingUTF8))
            result = buffer;
        for (CFStringRef owned : {k, v, t, text})
            CFRelease(owned);
        return result;
    }
};

TEST_F(LocalizedStringTest, FindsTheKeyInTheTableOfTheBestLanguage)
{
    Write("en.lproj/Localizable.strings", "\"Close\" = \"Close it\"; \"Open\" = \"Open it\";");
    Write("de.lproj/Localizable.strings", "\"Close\" = \"Schlie\xC3\x9F"
                                          "en\";");
    Write("en.lproj/Panel.strings", "\"Close\" = \"Close the panel\";");
    EXPECT_EQ(Lookup("Close"), "Schlie\xC3\x9F"
                               "en");
    /* Only the first table found is read: no mixing of languages. */
    EXPECT_EQ(Lookup("Open"), "Open");
    EXPECT_EQ(Lookup("Close", nullptr, "Panel"), "Close the panel");
    char buffer[1024];
    ASSERT_TRUE(QZCFBundleGetResourceFolder(bundle, buffer, sizeof buffer));
    EXPECT_EQ(std::string(buffer), folder.string());
}

TEST_F(LocalizedStringTest, MissingKeyGivesTheValueOrElseTheKey)
{
    Write("en.lproj/Localizable.strings", "\"a\" = \"b\";");
    EXPECT_EQ(Lookup("missing"), "missing");
    EXPECT_EQ(Lookup("missing", "fallback"), "fallback");
    EXPECT_EQ(Lookup("missing", ""), "missing");
    EXPECT_EQ(Lookup("missing", nullptr, "NoSuchTable"), "missing");
    EXPECT_EQ(Lookup(nullptr, "v"), "v");
    EXPECT_EQ(Lookup(nullptr), "<null>");
}

TEST_F(LocalizedStringTest, UTF16TableIsRead)
{
    const std::string ascii = "\"Yes\" = \"Ja\";\n";
    std::string bytes = "\xFF\xFE";
    for (char c : ascii)
        bytes += std::string{c, '\0'};
    Write("de.lproj/Localizable.strings", bytes);
    EXPECT_EQ(Lookup("Yes"), "Ja");
}

TEST_F(LocalizedStringTest, MalformedTableIsRefusedWholeWithOneLogLine)
{
    Write("de.lproj/Localizable.strings", "\"Yes\" = \"Ja\";\n\"No\" = \"Nein\"\n\"Cancel\" = \"Abbrechen\";\n");
    EXPECT_EQ(Lookup("Yes"), "Yes");
    EXPECT_EQ(Lookup("No"), "No");
    ASSERT_EQ(gLogLines.size(), 1u);
    EXPECT_NE(gLogLines[0].find((folder / "de.lproj/Localizable.strings").string()), std::string::npos);
    EXPECT_NE(gLogLines[0].find("line 3"), std::string::npos);
}

TEST(LocalizedStringNoBundleTest, InvalidBundleFallsBackToTheKey)
{
    CFStringRef key = CFStringCreateWithCString(nullptr, "Key", kCFStringEncodingUTF8);
    CFStringRef text = CFBundleCopyLocalizedString(nullptr, key, nullptr, nullptr);
    char buffer[16];
    ASSERT_TRUE(CFStringGetCString(text, buffer, sizeof buffer, kCFStringEncodingUTF8));
    EXPECT_STREQ(buffer, "Key");
    EXPECT_EQ(CFStringGetLength(text), 3);
    CFRelease(text);
    CFRelease(key);
}

} // namespace
