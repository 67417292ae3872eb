#include <gtest/gtest.h>

#include <memory>

#include "StringTestUtil.h"

namespace
{

using Strings = std::vector<std::string>;

Strings Components(const char* text)
{
    std::unique_ptr<FCStrings> pParts(FCString(text).CreateEnigmaComponents());
    return pParts ? Texts(pParts.get()) : Strings{"<none>"};
}

Strings Pieces(const char* text, bool withText)
{
    std::unique_ptr<FCStrings> pPieces(FCString(text).CreateEnigmaStrings(withText));
    return Texts(pPieces.get());
}

TEST(CaretCommand, CommandStartsWithASingleCaret)
{
    EXPECT_TRUE(FCString("^font(x)").IsEnigmaCommand());
    EXPECT_FALSE(FCString("^^x").IsEnigmaCommand());
    EXPECT_FALSE(FCString("font").IsEnigmaCommand());
    EXPECT_FALSE(FCString("").IsEnigmaCommand());
}

TEST(CaretCommand, ComponentsOfOneCommand)
{
    EXPECT_EQ(Components("^font(Times,12)"), (Strings{"font", "Times", "12"}));
    EXPECT_EQ(Components("^size(12)"), (Strings{"size", "12"}));
    EXPECT_EQ(Components("^title()"), (Strings{"title"}));
    EXPECT_EQ(Components("^font((x))"), (Strings{"<none>"}));
    EXPECT_EQ(Components("^"), (Strings{"<none>"}));
    EXPECT_EQ(Components(""), (Strings{"<none>"}));
    EXPECT_EQ(Components("size(12)"), (Strings{"<none>"}));
}

TEST(CaretCommand, FontCommandNames)
{
    for (const char* yes : {"^font(A,1)", "^Font(A)", "^fontMus(B,2)", "^fontTxt(C)", "^fontNum(D)"})
        EXPECT_TRUE(FCString(yes).IsEnigmaFont()) << yes;
    for (const char* no : {"^size(12)", "font(A)", "^fonts(A)", "^^font(A)"})
        EXPECT_FALSE(FCString(no).IsEnigmaFont()) << no;
}

TEST(CaretCommand, TextInsertsByKind)
{
    EXPECT_FALSE(FCString("^page()").IsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("^page()").IsEnigmaTextInsert(false));
    EXPECT_TRUE(FCString("^subtitle()").IsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("^subtitle()").IsEnigmaTextInsert(false));
    EXPECT_FALSE(FCString("^size(10)").IsEnigmaTextInsert(false));
}

TEST(CaretCommand, ContainsTextInsertAnywhere)
{
    FCString s("Page ^page() of ^totpages()");
    EXPECT_TRUE(s.ContainsEnigmaTextInsert(false));
    EXPECT_FALSE(s.ContainsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("by ^composer()").ContainsEnigmaTextInsert(true));
    EXPECT_FALSE(FCString("plain ^^title()").ContainsEnigmaTextInsert(false));
}

TEST(CaretCommand, FileInfoTests)
{
    EXPECT_TRUE(FCString("^title() and more").IsEnigmaFileInfoTitle());
    EXPECT_FALSE(FCString("^title(").IsEnigmaFileInfoTitle());
    EXPECT_TRUE(FCString("^subtitle()").IsEnigmaFileInfoSubtitle());
    EXPECT_TRUE(FCString("^composer()").IsEnigmaFileInfoComposer());
    EXPECT_TRUE(FCString("^arranger()").IsEnigmaFileInfoArranger());
    EXPECT_TRUE(FCString("^lyricist()").IsEnigmaFileInfoLyricist());
    EXPECT_TRUE(FCString("^copyright()").IsEnigmaFileInfoCopyright());
    EXPECT_FALSE(FCString("^composer()").IsEnigmaFileInfoCopyright());
}

TEST(CaretSplit, CommandsAndTextRuns)
{
    EXPECT_EQ(Pieces("A^font(x,1)BC^size(12)", true), (Strings{"A", "^font(x,1)", "BC", "^size(12)"}));
    EXPECT_EQ(Pieces("A^font(x,1)BC^size(12)", false), (Strings{"^font(x,1)", "^size(12)"}));
}

TEST(CaretSplit, EscapedCaretEndsTheTextRun)
{
    EXPECT_EQ(Pieces("a^^b", true), (Strings{"a", "^^", "b"}));
    EXPECT_EQ(Pieces("a^^b", false), (Strings{}));
}

TEST(CaretSplit, NestedParenthesesStayInOnePiece)
{
    EXPECT_EQ(Pieces("^value(f(x))y", true), (Strings{"^value(f(x))", "y"}));
}

TEST(CaretSplit, OpenCommandAtTheEndIsKept)
{
    EXPECT_EQ(Pieces("x^font(Times", true), (Strings{"x", "^font(Times"}));
    EXPECT_EQ(Pieces("x^", true), (Strings{"x", "^"}));
}

struct TrimCase
{
    const char* text;
    bool dropped;
    const char* result;
};

void ExpectTrims(bool (FCString::*trim)(), std::initializer_list<TrimCase> cases)
{
    for (const TrimCase& c : cases) {
        FCString s(c.text);
        EXPECT_EQ((s.*trim)(), c.dropped) << c.text;
        EXPECT_EQ(Text(s), c.result) << c.text;
    }
}

TEST(CaretTrim, AllCommandsRemoved)
{
    ExpectTrims(&FCString::TrimEnigmaTags, {
                                               {"A^^B^font(x)C", true, "A^BC"},
                                               {"A^^B", false, "A^B"},     /* an escaped caret is no command */
                                               {"ab^size(12", true, "ab"}, /* open command runs to the end */
                                               {"^a(b(c))d", true, ")d"},  /* parentheses are not counted */
                                           });
}

TEST(CaretTrim, OnlyFontSizeAndStyleCommandsRemoved)
{
    ExpectTrims(&FCString::TrimEnigmaFontTags,
                {
                    {"^fontTxt(Times,4096)^size(12)^nfx(0)Name ^page()^^", true, "Name ^page()^"},
                    {"^page() of ^totpages()", false, "^page() of ^totpages()"},
                    {"^Font(A)^fontNum(B)x", true, "x"},
                    {"Name^title(", true, "Name"}, /* open command at the end is dropped */
                });
}

} // namespace
