#include <gtest/gtest.h>

#include "StringTestUtil.h"

namespace
{

/* ---- Inserting and replacing ---- */

TEST(StringEdit, InsertAtStartMiddleAndEnd)
{
    FCString s("ace");
    s.Insert("b", 1);
    s.Insert("d", 3);
    s.Insert(">", 0);
    s.Insert("<", 6);
    EXPECT_EQ(Text(s), ">abcde<");
    s.Insert(nullptr, 0);
    EXPECT_EQ(s.GetLength(), 7u);
}

TEST(StringEdit, InsertBeyondTheEndPadsWithZeroUnits)
{
    FCString s("ab");
    FCString tail("z");
    s.InsertString(&tail, 4);
    EXPECT_EQ(Units(s), (std::vector<uint16_t>{'a', 'b', 0, 0, 'z'}));
}

TEST(StringEdit, InsertStringOfItself)
{
    FCString s("ab");
    s.InsertString(&s, 1);
    EXPECT_EQ(Text(s), "aabb");
}

struct ReplaceCase
{
    const char* text;
    const char* search;
    const char* replacement;
    bool replaced;
    const char* result;
};

TEST(StringEdit, ReplaceEveryOccurrenceLeftToRight)
{
    const ReplaceCase cases[] = {
        {"a,,b", ",", ".", true, "a..b"},    {"a..b", ",", ".", false, "a..b"},
        {"aa", "a", "aa", true, "aaaa"},                                     /* resumes after the replacement */
        {"aaaa", "aa", "", true, ""},        {"abc", "", "x", false, "abc"}, /* an empty search never matches */
        {"abc", nullptr, "x", false, "abc"}, {"abc", "b", nullptr, true, "ac"},
        {"ab", "abc", "x", false, "ab"},
    };
    for (const ReplaceCase& c : cases) {
        FCString s(c.text);
        EXPECT_EQ(s.Replace(c.search, c.replacement), c.replaced) << c.text;
        EXPECT_EQ(Text(s), c.result) << c.text;
    }
}

/* ---- Deleting and cutting ---- */

TEST(StringEdit, DeleteCharacterAtIndexOrLast)
{
    FCString s("abcd");
    EXPECT_TRUE(s.DeleteCharacterAt(1));
    EXPECT_TRUE(s.DeleteCharacterAt(-1));
    EXPECT_EQ(Text(s), "ac");
    EXPECT_FALSE(s.DeleteCharacterAt(2));
    EXPECT_FALSE(s.DeleteCharacterAt(-2));
}

TEST(StringEdit, DeleteRunPastTheEndRemovesOnlyWhatExists)
{
    FCString s("abcdef");
    EXPECT_TRUE(s.DeleteCharactersAt(4, 4));
    EXPECT_EQ(Text(s), "abcd");
    EXPECT_TRUE(s.DeleteCharactersAt(1, 2));
    EXPECT_EQ(Text(s), "ad");
}

TEST(StringEdit, DeleteRunRefusals)
{
    FCString s("abc");
    EXPECT_FALSE(s.DeleteCharactersAt(3, 1));
    EXPECT_FALSE(s.DeleteCharactersAt(0, 0));
    EXPECT_FALSE(s.DeleteCharactersAt(0, 4));
    EXPECT_EQ(Text(s), "abc");
    EXPECT_TRUE(s.DeleteCharactersAt(0, 3));
    EXPECT_EQ(s.GetLength(), 0u);
}

TEST(StringEdit, SubStringIsCutAtTheEnd)
{
    FCString s("abcdef");
    FCString out("old");
    EXPECT_TRUE(s.MakeSubString(2, 3, &out));
    EXPECT_EQ(Text(out), "cde");
    EXPECT_TRUE(s.MakeSubString(4, 10, &out));
    EXPECT_EQ(Text(out), "ef");
    EXPECT_FALSE(s.MakeSubString(6, 1, &out));
    EXPECT_FALSE(s.MakeSubString(0, 1, nullptr));
    EXPECT_TRUE(s.MakeSubString(1, 2, &s));
    EXPECT_EQ(Text(s), "bc");
}

TEST(StringEdit, SplitAtTheLastSlash)
{
    FCString s("/a/b/file.txt");
    FCString path, file;
    EXPECT_TRUE(s.SplitToPathAndFile(&path, &file));
    EXPECT_EQ(Text(path), "/a/b/");
    EXPECT_EQ(Text(file), "file.txt");
    EXPECT_TRUE(s.SplitToPathAndFile(nullptr, &s));
    EXPECT_EQ(Text(s), "file.txt");
    EXPECT_FALSE(s.SplitToPathAndFile(&path, &file));
}

TEST(StringEdit, EndingPathDelimiterAddedOnce)
{
    FCString s("/tmp");
    s.AssureEndingPathDelimiter();
    s.AssureEndingPathDelimiter();
    EXPECT_EQ(Text(s), "/tmp/");
}

TEST(StringEdit, TrimWhitespaceAndLinefeeds)
{
    FCString s(" \t\r\nname \r\n");
    s.TrimWhitespace();
    EXPECT_EQ(Text(s), "name");
    FCString t("\r\n two \n");
    t.TrimLinefeed();
    EXPECT_EQ(Text(t), " two ");
    FCString blank(" \t ");
    blank.TrimWhitespace();
    EXPECT_EQ(blank.GetLength(), 0u);
}

/* ---- Comparing and searching ---- */

TEST(StringCompare, EqualityOfUnitsAndOfEightBitForms)
{
    FCString a("abc");
    FCString b("abc");
    FCString c("abd");
    EXPECT_TRUE(a.IsEqualString(&b));
    EXPECT_FALSE(a.IsEqualString(&c));
    EXPECT_FALSE(a.IsEqualString(nullptr));
    EXPECT_TRUE(a.IsEqualCString("abc"));
    EXPECT_FALSE(a.IsEqualCString("ab"));
    EXPECT_FALSE(a.IsEqualCString(nullptr));
    /* signed and unsigned widenings differ as units, agree as bytes */
    FCString set("\xE9");
    FCString appended;
    appended.AppendCString("\xE9");
    EXPECT_FALSE(set.IsEqualString(&appended));
    EXPECT_TRUE(set.IsEqualCString("\xE9"));
    EXPECT_TRUE(appended.IsEqualCString("\xE9"));
}

TEST(StringCompare, CompareNoCase)
{
    FCString a("Staff");
    FCString b("sTAFF");
    FCString c("staffs");
    EXPECT_EQ(a.CompareNoCase(&b), 0);
    EXPECT_LT(a.CompareNoCase(&c), 0);
    EXPECT_GT(c.CompareNoCase(&a), 0);
    EXPECT_EQ(a.CompareNoCase(nullptr), 1);
    EXPECT_EQ(Text(a), "Staff"); /* the string itself is not lowered */
}

TEST(StringCompare, StartsAndEnds)
{
    FCString s("^title()");
    EXPECT_TRUE(s.StartsWith("^ti"));
    EXPECT_TRUE(s.StartsWith(""));
    EXPECT_FALSE(s.StartsWith("^title()x"));
    EXPECT_TRUE(s.EndsWith("()"));
    EXPECT_FALSE(s.EndsWith("x^title()"));
    EXPECT_FALSE(s.EndsWith(nullptr));
    FCString head("^ti");
    FCString longer("^title()!");
    EXPECT_TRUE(s.StartsWithString(&head));
    EXPECT_FALSE(s.StartsWithString(&longer));
    EXPECT_FALSE(s.StartsWithString(nullptr));
}

TEST(StringSearch, FirstAndLastOccurrence)
{
    FCString s("abcabc");
    EXPECT_EQ(s.FindFirst("bc"), 1);
    EXPECT_EQ(s.FindLast("bc"), 4);
    EXPECT_EQ(s.FindLast("abcabc"), 0);
    EXPECT_EQ(s.FindFirst("x"), -1);
    EXPECT_EQ(s.FindFirst(""), -1);
    EXPECT_EQ(s.FindLast(""), -1);
    EXPECT_EQ(s.FindLast("abcabcabc"), -1);
    EXPECT_EQ(s.FindFirst(nullptr), -1);
}

TEST(StringSearch, PositionFromStart)
{
    FCString s("a-b-c");
    FCString dash("-");
    FCString empty("");
    EXPECT_EQ(s.CalcStringPosFrom(&dash, 0), 1);
    EXPECT_EQ(s.CalcStringPosFrom(&dash, 2), 3);
    EXPECT_EQ(s.CalcStringPosFrom(&dash, 4), -1);
    EXPECT_EQ(s.CalcCStringPosFrom("c", 1), 4);
    EXPECT_EQ(s.CalcStringPosFrom(&empty, 5), 5);
    EXPECT_EQ(s.CalcStringPosFrom(&empty, 6), -1);
    EXPECT_TRUE(s.ContainsString(&dash));
    EXPECT_FALSE(s.ContainsStringFrom(&dash, 4));
    EXPECT_TRUE(s.ContainsStringFrom(&empty, 5));
    EXPECT_TRUE(s.ContainsCString("b-c"));
    EXPECT_FALSE(s.ContainsCString("c-"));
    EXPECT_FALSE(s.ContainsString(nullptr));
}

TEST(StringClasses, CharactersAndDigits)
{
    FCString s("a1,");
    EXPECT_TRUE(s.IsCharacter(0, 'a'));
    EXPECT_FALSE(s.IsCharacter(3, 0));
    EXPECT_TRUE(s.IsCharacters(2, ";,"));
    EXPECT_FALSE(s.IsCharacters(2, ""));
    EXPECT_FALSE(s.IsCharacters(2, nullptr));
    EXPECT_FALSE(s.IsCharacters(5, ","));
    EXPECT_TRUE(s.IsDigit(1));
    EXPECT_FALSE(s.IsDigit(-1));
    EXPECT_FALSE(s.IsAllDigits());
    FCString digits("0129");
    EXPECT_TRUE(digits.IsDigit(-1));
    EXPECT_TRUE(digits.IsAllDigits());
    FCString empty;
    EXPECT_TRUE(empty.IsAllDigits());
}

TEST(StringClasses, NumberShape)
{
    for (const char* yes : {"-1.5", ".5", "12", "-3", "7."})
        EXPECT_TRUE(FCString(yes).IsNumber()) << yes;
    for (const char* no : {"", "1.2.3", "1-2", "-", ".", "-.", "1e5", " 1"})
        EXPECT_FALSE(FCString(no).IsNumber()) << no;
}

} // namespace
