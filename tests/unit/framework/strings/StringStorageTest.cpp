#include <gtest/gtest.h>

#include <string>

#include "StringTestUtil.h"

namespace
{

/* ---- Buffer growth ---- */

TEST(StringGrowth, FreshStringHoldsOneEmptyStep)
{
    FCString s;
    EXPECT_EQ(s.GetLength(), 0u);
    EXPECT_EQ(s._GetCapacity(), 10u);
    ASSERT_NE(s._GetBuffer(), nullptr);
    EXPECT_EQ(s._GetBuffer()[0], 0);
}

TEST(StringGrowth, StepsOfTenUpToAThousandUnits)
{
    FCString s;
    s.SetCString("123456789");
    EXPECT_EQ(s._GetCapacity(), 10u);
    s.AppendCharacter('0'); /* ten units need eleven with the terminator */
    EXPECT_EQ(s._GetCapacity(), 20u);
    EXPECT_EQ(s._GetBuffer()[10], 0);
}

TEST(StringGrowth, StepsOfHundredAndThousandForLongTexts)
{
    FCString s;
    while (s.GetLength() < 1010)
        s.AppendCharacter('x');
    EXPECT_EQ(s._GetCapacity(), 1100u);
    while (s.GetLength() < 10100)
        s.AppendCharacter('y');
    EXPECT_EQ(s._GetCapacity(), 11000u);
    EXPECT_EQ(s.GetItemAt(1009), 'x');
    EXPECT_EQ(s.GetItemAt(10099), 'y');
    EXPECT_EQ(s._GetBuffer()[10100], 0);
}

TEST(StringGrowth, StepFollowsTheCurrentCapacity)
{
    FCString s;
    s.SetCString(std::string(2000, 'a').c_str());
    EXPECT_EQ(s._GetCapacity(), 2010u); /* grown from 10 units: step 10 */
    EXPECT_EQ(s.GetLength(), 2000u);
}

TEST(StringGrowth, AStringAppendedToItselfKeepsItsText)
{
    FCString s("abcdefgh"); /* grows out of its first buffer while reading it */
    s.AppendString(&s);
    EXPECT_EQ(Text(s), "abcdefghabcdefgh");
    s.AppendString(&s);
    EXPECT_EQ(Text(s), "abcdefghabcdefghabcdefghabcdefgh");
    EXPECT_EQ(s._GetCapacity(), 40u);
}

/* ---- Setting from bytes and units ---- */

TEST(StringSet, ByteCountVariants)
{
    FCString s;
    s.SetCString("abcdef", 3);
    EXPECT_EQ(Text(s), "abc");
    s.SetCString("ab", 10);
    EXPECT_EQ(Text(s), "ab");
    s.SetCString("abcdef", 0);
    EXPECT_EQ(s.GetLength(), 0u);
    s.SetCString("abcdef", -1);
    EXPECT_EQ(Text(s), "abcdef");
}

TEST(StringSet, NullTextFreesTheBufferButStaysUsable)
{
    FCString s("abc");
    s.SetCString(nullptr, -1);
    EXPECT_EQ(s.GetLength(), 0u);
    EXPECT_EQ(s._GetCapacity(), 0u);
    EXPECT_EQ(s._GetBuffer(), nullptr);
    EXPECT_STREQ(s.GetCString(), "");
    EXPECT_STREQ(s.GetUTF8String(), "");
    EXPECT_EQ(s.GetItemAt(0), 0);
    s.AppendCString("x");
    EXPECT_EQ(Text(s), "x");
}

TEST(StringSet, SignedAndUnsignedWideningBothRoundTrip)
{
    FCString set;
    set.SetCString("\xE9");
    EXPECT_EQ(set.GetItemAt(0), 0xFFE9);
    FCString appended;
    appended.AppendCString("\xE9");
    EXPECT_EQ(appended.GetItemAt(0), 0x00E9);
    EXPECT_STREQ(set.GetCString(), "\xE9");
    EXPECT_STREQ(appended.GetCString(), "\xE9");
    set.SetCString("\x80\xFF\x7F");
    EXPECT_EQ(Units(set), (std::vector<uint16_t>{0xFF80, 0xFFFF, 0x7F}));
}

TEST(StringSet, UnicodeUnitsStopAtZeroOrCount)
{
    const uint16_t units[] = {'a', 0xD834, 0xDD1E, 'b', 0, 'c'};
    FCString s;
    s.SetUnicodeString(units, -1);
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'a', 0xD834, 0xDD1E, 'b'}));
    s.SetUnicodeString(units, 2);
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'a', 0xD834}));
    s.SetUnicodeString(units, 0);
    EXPECT_EQ(s.GetLength(), 0u);
    s.SetUnicodeString(nullptr, 5);
    EXPECT_EQ(s.GetLength(), 0u);
}

TEST(StringSet, SetStringCopiesAndToleratesNullAndSelf)
{
    FCString a("hello");
    FCString b("x");
    b.SetString(&a);
    EXPECT_TRUE(b.IsEqualString(&a));
    b.SetString(&b);
    EXPECT_EQ(Text(b), "hello");
    b.SetString(nullptr);
    EXPECT_EQ(b.GetLength(), 0u);
}

TEST(StringSet, CopiesAreIndependent)
{
    FCString a("one");
    FCString b(a);
    FCString c;
    c = a;
    FCString* pCopy = a.CreateCopy();
    a.AppendCString("!");
    EXPECT_EQ(Text(b), "one");
    EXPECT_EQ(Text(c), "one");
    EXPECT_EQ(Text(*pCopy), "one");
    EXPECT_STREQ(pCopy->ClassName(), "FCString");
    delete pCopy;
}

/* ---- Converting out ---- */

TEST(StringConvert, UnicodeBufferBoundedAndTerminated)
{
    FCString s("abcd");
    uint16_t buffer[4] = {9, 9, 9, 9};
    s.CopyToUnicodeBuffer(buffer, 0);
    EXPECT_EQ(buffer[0], 9);
    s.CopyToUnicodeBuffer(nullptr, 4);
    s.CopyToUnicodeBuffer(buffer, 1);
    EXPECT_EQ(buffer[0], 0);
    EXPECT_EQ(buffer[1], 9);
    s.CopyToUnicodeBuffer(buffer, 3);
    EXPECT_EQ(buffer[0], 'a');
    EXPECT_EQ(buffer[1], 'b');
    EXPECT_EQ(buffer[2], 0);
    EXPECT_EQ(buffer[3], 9);
}

TEST(StringConvert, PascalFormCapsAt255)
{
    unsigned char buffer[256] = {};
    FCString s(std::string(300, 'q').c_str());
    s.ConvertToPascal(buffer);
    EXPECT_EQ(buffer[0], 255);
    EXPECT_EQ(buffer[255], 'q');
    s.SetCString("ab");
    s.AppendCString("\xE9");
    s.ConvertToPascal(buffer);
    EXPECT_EQ(buffer[0], 3);
    EXPECT_EQ(buffer[1], 'a');
    EXPECT_EQ(buffer[3], 0xE9);
}

TEST(StringConvert, EightBitFormShowsTheTextAtTheTimeOfTheCall)
{
    FCString s("before");
    const char* p = s.GetCString();
    s.SetCString("after!");
    EXPECT_STREQ(p, "before");
    EXPECT_STREQ(s.GetCString(), "after!");
}

TEST(StringConvert, LineEnd)
{
    FCString s;
    EXPECT_STREQ(s.GetEOL(), "\n");
}

/* ---- Single units ---- */

TEST(StringUnits, SetItemAtFoldsHighUnitsAboveFEB0)
{
    FCString s("abc");
    s.SetItemAt(0, 0xFEB0);
    s.SetItemAt(1, 0xFEB1);
    s.SetItemAt(2, 0xFFE9);
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{0xFEB0, 0xB1, 0xE9}));
    s.SetItemAt(3, 'z');
    s.SetItemAt(-1, 'z');
    EXPECT_EQ(s.GetLength(), 3u);
}

TEST(StringUnits, GetItemAtMinusOneIsTheLast)
{
    FCString s("xyz");
    EXPECT_EQ(s.GetItemAt(-1), 'z');
    EXPECT_EQ(s.GetItemAt(3), 0);
    EXPECT_EQ(s.GetItemAt(-2), 0);
    FCString empty;
    EXPECT_EQ(empty.GetItemAt(-1), 0);
}

} // namespace
