#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <string>

#include "StringTestUtil.h"

namespace
{

TEST(StringNumbers, IntegerTextRoundTrip)
{
    FCString s;
    for (int value : {0, 7, -42, INT_MAX, INT_MIN}) {
        s.SetInteger(value);
        EXPECT_EQ(s.GetInteger(), value) << Text(s);
    }
    s.SetCString("n=");
    s.AppendInteger(-15);
    EXPECT_EQ(Text(s), "n=-15");
    EXPECT_EQ(s.GetInteger(2), -15);
}

TEST(StringNumbers, IntegerParseStopsAtTheFirstNonDigit)
{
    EXPECT_EQ(FCString("  12abc").GetInteger(), 12);
    EXPECT_EQ(FCString("+8").GetInteger(), 8);
    EXPECT_EQ(FCString("abc").GetInteger(), 0);
    EXPECT_EQ(FCString("").GetInteger(), 0);
    /* A character beyond ASCII ends the number, whatever its low byte:
       U+0435's is '5', U+012D's is '-'. */
    FCString wide;
    wide.SetUTF8String("1\xD0\xB5"
                       "2");
    EXPECT_EQ(wide.GetInteger(), 1);
    wide.SetUTF8String("\xC4\xAD"
                       "7");
    EXPECT_EQ(wide.GetInteger(), 0);
}

TEST(StringNumbers, IntegerStartBeyondTheTextGivesZero)
{
    FCString s("123");
    EXPECT_EQ(s.GetInteger(1), 23);
    EXPECT_EQ(s.GetInteger(3), 0);
    EXPECT_EQ(s.GetInteger(4), 0);
    EXPECT_EQ(s.GetInteger(-1), 0);
}

TEST(StringNumbers, IntegerOutOfRangeIsHeldAtTheEnds)
{
    EXPECT_EQ(FCString("99999999999").GetInteger(), INT_MAX);
    EXPECT_EQ(FCString("-99999999999").GetInteger(), INT_MIN);
    EXPECT_EQ(FCString("999999999999999999999999").GetInteger(), INT_MAX);
}

TEST(StringNumbers, FloatTextHasSixDecimals)
{
    FCString s;
    s.SetFloat(1.5);
    EXPECT_EQ(Text(s), "1.500000");
    s.SetFloat(-0.25f);
    EXPECT_EQ(Text(s), "-0.250000");
    s.AppendFloat(2);
    EXPECT_EQ(Text(s), "-0.2500002.000000");
}

TEST(StringNumbers, FloatParseAcceptsCommaAndStopsAtText)
{
    EXPECT_FLOAT_EQ(FCString("2,5 pt").GetFloat(), 2.5f);
    EXPECT_FLOAT_EQ(FCString("-.75").GetFloat(), -0.75f);
    EXPECT_FLOAT_EQ(FCString("x3.25").GetFloat(1), 3.25f);
    EXPECT_FLOAT_EQ(FCString("x3.25").GetFloat(), 0.0f);
    EXPECT_FLOAT_EQ(FCString("1.5").GetFloat(9), 0.0f);
    FCString wide;
    wide.SetUTF8String("\xD0\xB5-");
    EXPECT_FLOAT_EQ(wide.GetFloat(), 0.0f) << "U+0435 is no '5'";
    wide.SetUTF8String("2\xD0\xAE"
                       "5");
    EXPECT_FLOAT_EQ(wide.GetFloat(), 2.0f) << "U+042E is no '.'";
}

TEST(StringNumbers, NumbersIgnoreTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
    FCString s;
    s.SetFloat(0.5);
    EXPECT_EQ(Text(s), "0.500000");
    EXPECT_FLOAT_EQ(FCString("4.75").GetFloat(), 4.75f);
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(StringHex, FormatsByWidth)
{
    FCString s;
    s.SetHex(255, 16);
    EXPECT_EQ(Text(s), "00ff");
    s.SetHex(255, 8);
    EXPECT_EQ(Text(s), "ff");
    s.SetHex(0xAB, 32);
    EXPECT_EQ(Text(s), "000000ab");
    s.SetHex(-1, 64);
    EXPECT_EQ(Text(s), "00000000ffffffff");
    s.SetHex(0x1F, 12);
    EXPECT_EQ(Text(s), "1f");
}

TEST(StringHex, ParsesDigitsOfBothCases)
{
    EXPECT_EQ(FCString("ff").GetHex(), 255u);
    EXPECT_EQ(FCString("FF").GetHex(), 255u);
    EXPECT_EQ(FCString("1aB2").GetHex(), 0x1AB2u);
    EXPECT_EQ(FCString("").GetHex(), 0u);
}

TEST(StringHex, AnyOtherUnitGivesAllOnes)
{
    EXPECT_EQ(FCString("0x1").GetHex(), 0xFFFFFFFF);
    EXPECT_EQ(FCString("1 ").GetHex(), 0xFFFFFFFF);
    EXPECT_EQ(FCString("g").GetHex(), 0xFFFFFFFF);
}

TEST(StringHex, FormatThenParseRoundTrips)
{
    FCString s;
    for (int value : {0, 1, 0x7FFF, -2}) {
        s.SetHex(value, 32);
        EXPECT_EQ(s.GetHex(), static_cast<uint32_t>(value)) << Text(s);
    }
}

} // namespace
