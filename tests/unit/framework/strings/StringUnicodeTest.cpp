#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "StringTestUtil.h"
#include "common/qz_host_versions.h"

namespace
{

/* ---- UTF-8 in ---- */

TEST(StringUtf8, DecodesOneToFourByteSequences)
{
    FCString s;
    s.SetUTF8String("A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E");
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'A', 0xE9, 0x20AC, 0xD834, 0xDD1E}));
}

TEST(StringUtf8, LineSeparatorBecomesCarriageReturn)
{
    FCString s;
    s.SetUTF8String("a\xE2\x80\xA8"
                    "b");
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'a', 13, 'b'}));
}

TEST(StringUtf8, NullLeavesTheTextAlone)
{
    FCString s("keep");
    s.SetUTF8String(nullptr);
    EXPECT_EQ(Text(s), "keep");
}

TEST(StringUtf8, InvalidInputBecomesReplacementCharacters)
{
    FCString s;
    s.SetUTF8String("a\xFF"
                    "b"); /* impossible byte */
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'a', 0xFFFD, 'b'}));
    s.SetUTF8String("\xC3"); /* cut at the end */
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xFFFD}));
    s.SetUTF8String("\xC0\xAF"); /* overlong '/' */
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xFFFD}));
    s.SetUTF8String("\xED\xA0\x80"); /* encoded surrogate */
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xFFFD}));
    s.SetUTF8String("\xF4\x90\x80\x80"); /* beyond U+10FFFF */
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xFFFD}));
    s.SetUTF8String("\xE2\x82"
                    "x"); /* missing continuation */
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xFFFD, 'x'}));
}

TEST(StringUtf8, EightBitHostGetsTheEscapedAsciiForm)
{
    HostVersionScope old(qz::kHostVersion10);
    FCString s;
    s.SetUTF8String("a\\\xC3\xA9");
    EXPECT_EQ(Text(s), "a\\\\\\u00e9");
}

TEST(StringUtf8, EightBitHostFormIsBoundedWithoutCuttingAnEscape)
{
    HostVersionScope old(qz::kHostVersion10);
    std::string text(4997, 'a');
    text += "\xC3\xA9";
    FCString s;
    s.SetUTF8String(text.c_str());
    EXPECT_EQ(s.GetLength(), 4997u);
    EXPECT_EQ(s.GetItemAt(-1), 'a');
}

TEST(StringUtf8, EightBitHostFormNeverEndsInsideACharacterBeyondTheBasicPlane)
{
    HostVersionScope old(qz::kHostVersion10);
    /* 4990 + 6 bytes leave room for one escape but not for the pair. */
    std::string text(4990, 'a');
    text += "\xF0\x9F\x8E\xB5";
    FCString s;
    s.SetUTF8String(text.c_str());
    EXPECT_EQ(s.GetLength(), 4990u);
    text.resize(4980);
    text += "\xF0\x9F\x8E\xB5";
    s.SetUTF8String(text.c_str());
    EXPECT_EQ(Text(s).substr(4980), "\\ud83c\\udfb5");
}

/* ---- UTF-8 out ---- */

TEST(StringUtf8, EncodesUnitsAndSurrogatePairs)
{
    const uint16_t units[] = {'A', 0xE9, 0x20AC, 0xD834, 0xDD1E, 0};
    FCString s;
    s.SetUnicodeString(units);
    EXPECT_STREQ(s.GetUTF8String(), "A\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E");
}

TEST(StringUtf8, LoneSurrogatesBecomeReplacementCharacters)
{
    const uint16_t units[] = {0xD834, 'x', 0xDD1E, 0};
    FCString s;
    s.SetUnicodeString(units);
    EXPECT_STREQ(s.GetUTF8String(), "\xEF\xBF\xBDx\xEF\xBF\xBD");
}

TEST(StringUtf8, ManyMultiByteCharactersAreNeverCut)
{
    /* Three UTF-8 bytes per unit: more than twice the length. */
    std::string text;
    for (int i = 0; i < 50; ++i)
        text += "\xE2\x82\xAC";
    FCString s;
    s.SetUTF8String(text.c_str());
    EXPECT_EQ(s.GetLength(), 50u);
    EXPECT_EQ(std::string(s.GetUTF8String()), text);
}

TEST(StringUtf8, RoundTripThroughBothForms)
{
    const char* text = "Staff \xC3\x9C"
                       "ber \xE2\x99\xAF \xF0\x9F\x8E\xB5";
    FCString s;
    s.SetUTF8String(text);
    FCString back;
    back.SetUTF8String(s.GetUTF8String());
    EXPECT_TRUE(back.IsEqualString(&s));
    EXPECT_STREQ(back.GetUTF8String(), text);
}

TEST(StringUtf8, EightBitHostReadsTheEightBitFormAsUtf8)
{
    HostVersionScope old(qz::kHostVersion10);
    FCString s;
    s.SetCString("a\xC3\xA9");
    EXPECT_STREQ(s.GetUTF8String(), "a\xC3\xA9");
    s.SetCString("\xE9");
    EXPECT_STREQ(s.GetUTF8String(), "\xEF\xBF\xBD");
}

/* ---- Case and white space whatever the locale ---- */

class LocaleTest : public ::testing::TestWithParam<const char*>
{
protected:
    void SetUp() override
    {
        saved = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr);
    }
    void TearDown() override { std::setlocale(LC_ALL, saved.c_str()); }
    std::string saved;
};

TEST_P(LocaleTest, LowerCaseAboveAscii)
{
    const uint16_t units[] = {'A', 'z', 0xC9, 0xD7, 0xDE, 0x100, 0x178, 0x391, 0x3A3, 0x410, 0x401, 0x130, 0xFF21, 0};
    FCString s;
    s.SetUnicodeString(units);
    s.ToLowerCase();
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'a', 'z', 0xE9, 0xD7, 0xFE, 0x101, 0xFF, 0x3B1, 0x3C3, 0x430, 0x451, 'i',
                                               0xFF41}));
}

TEST_P(LocaleTest, LowerCaseLeavesSurrogatesAndSmallLettersAlone)
{
    const uint16_t units[] = {0xD834, 0xDD1E, 0xE9, 0x101, 0x3C3, 0};
    FCString s;
    s.SetUnicodeString(units);
    s.ToLowerCase();
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xD834, 0xDD1E, 0xE9, 0x101, 0x3C3}));
}

TEST_P(LocaleTest, CompareNoCaseFoldsLatinOne)
{
    FCString upper;
    upper.AppendCString("\xC9T\xC9");
    FCString lower;
    lower.AppendCString("\xE9t\xE9");
    EXPECT_EQ(upper.CompareNoCase(&lower), 0);
}

TEST_P(LocaleTest, WhitespaceAboveAscii)
{
    const uint16_t units[] = {' ', '\t', 0x85, 0x2003, 0x3000, 0x2028, 0xA0, 0x202F, 'a', 0xE9, 0};
    FCString s;
    s.SetUnicodeString(units);
    const bool expected[] = {true, true, true, true, true, true, false, false, false, false};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(s.IsWhitespace(i), expected[i]) << "index " << i;
    EXPECT_FALSE(s.IsWhitespace(-1));
    EXPECT_FALSE(s.IsWhitespace(10));
}

INSTANTIATE_TEST_SUITE_P(ProcessLocales, LocaleTest, ::testing::Values("C", "C.UTF-8"));

} // namespace
