#include "qzhost/script/ScriptParser.h"

#include <gtest/gtest.h>

using qzscript::Error;
using qzscript::Line;

namespace
{

std::vector<std::string> Texts(const Line& line)
{
    std::vector<std::string> texts;
    for (const auto& word : line.words)
        texts.push_back(word.text);
    return texts;
}

Line Parse(const std::string& text)
{
    Line line;
    Error error;
    EXPECT_TRUE(qzscript::ParseLine(text, 7, line, error)) << error.message;
    return line;
}

std::string ParseError(const std::string& text)
{
    Line line;
    Error error;
    EXPECT_FALSE(qzscript::ParseLine(text, 4, line, error)) << text;
    EXPECT_EQ(error.line, 4);
    return error.message;
}

} // namespace

TEST(ScriptLine, SplitsWordsAtBlanksAndTabs)
{
    Line line = Parse("  select\t2-5   1-8  ");
    EXPECT_EQ(Texts(line), (std::vector<std::string>{"select", "2-5", "1-8"}));
    EXPECT_EQ(line.number, 7);
    EXPECT_FALSE(line.words[1].quoted);
}

TEST(ScriptLine, QuotedTextKeepsBlanksHashesAndEscapes)
{
    Line line = Parse(R"(type "Winds # and \"brass\"\\ \n\r\t" # a comment)");
    ASSERT_EQ(line.words.size(), 2u);
    EXPECT_TRUE(line.words[1].quoted);
    EXPECT_EQ(line.words[1].text, "Winds # and \"brass\"\\ \n\r\t");
}

TEST(ScriptLine, EmptyQuotedTextIsAWord)
{
    Line line = Parse(R"(staffset 3 "")");
    ASSERT_EQ(line.words.size(), 3u);
    EXPECT_EQ(line.words[2].text, "");
    EXPECT_TRUE(line.words[2].quoted);
}

TEST(ScriptLine, CommentsAndBlankLinesHaveNoWords)
{
    EXPECT_TRUE(Parse("# only a comment \"unterminated").words.empty());
    EXPECT_TRUE(Parse("   \t ").words.empty());
    EXPECT_EQ(Texts(Parse("undo# no blank needed")), std::vector<std::string>{"undo"});
}

TEST(ScriptLine, MalformedTextsAreErrors)
{
    EXPECT_NE(ParseError(R"(type "no end)").find("unterminated"), std::string::npos);
    EXPECT_NE(ParseError(R"(type "ends in a backslash\)").find("unterminated"), std::string::npos);
    EXPECT_NE(ParseError(R"(type "bad \q escape")").find("\\q"), std::string::npos);
    EXPECT_NE(ParseError(R"(type "glued"word)").find("apart"), std::string::npos);
    EXPECT_NE(ParseError(R"(type word"glued")").find("apart"), std::string::npos);
}

TEST(Script, KeepsLineNumbersAndSkipsCommentLines)
{
    std::vector<Line> lines;
    Error error;
    ASSERT_TRUE(qzscript::ParseScript("# header\n\ndoc test\r\n  # indented comment\nrow 3\n", lines, error));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 3);
    EXPECT_EQ(Texts(lines[0]), (std::vector<std::string>{"doc", "test"}));
    EXPECT_EQ(lines[1].number, 5);
}

TEST(Script, ReportsTheLineOfTheFirstMalformedLine)
{
    std::vector<Line> lines;
    Error error;
    EXPECT_FALSE(qzscript::ParseScript("doc test\nrow 1\ntype \"open\nrow 2 \"x\n", lines, error));
    EXPECT_EQ(error.line, 3);
}

TEST(Ranges, SingleNumbersAndInclusiveRanges)
{
    qzscript::Range range;
    std::string error;
    ASSERT_TRUE(qzscript::ParseRange("2-5", 1, 12, range, error)) << error;
    EXPECT_EQ(range.first, 2);
    EXPECT_EQ(range.last, 5);
    ASSERT_TRUE(qzscript::ParseRange("7", 1, 12, range, error)) << error;
    EXPECT_EQ(range.first, 7);
    EXPECT_EQ(range.last, 7);
}

TEST(Ranges, RejectsReversedOutOfBoundsAndMalformedRanges)
{
    qzscript::Range range{3, 4};
    std::string error;
    for (const char* bad : {"5-2", "0-3", "1-13", "a-3", "2-", "-2", "2--3", "2-3-4", "", " 2-3", "+2", "2-0x3"}) {
        EXPECT_FALSE(qzscript::ParseRange(bad, 1, 12, range, error)) << bad;
        EXPECT_NE(error.find("bad range"), std::string::npos) << bad;
    }
    EXPECT_EQ(range.first, 3) << "a failed parse leaves the range alone";
}

TEST(Numbers, DecimalNegativeAndHex)
{
    long long value = 0;
    std::string error;
    ASSERT_TRUE(qzscript::ParseInteger("-1", -1, 8, value, error));
    EXPECT_EQ(value, -1);
    ASSERT_TRUE(qzscript::ParseInteger("0x19000000", 0, 0xFFFFFFFFLL, value, error, true));
    EXPECT_EQ(value, 0x19000000);
    EXPECT_FALSE(qzscript::ParseInteger("0x19000000", 0, 0xFFFFFFFFLL, value, error)) << "hex only when asked";
    EXPECT_FALSE(qzscript::ParseInteger("9", -1, 8, value, error));
    EXPECT_NE(error.find("out of range"), std::string::npos);
    EXPECT_FALSE(qzscript::ParseInteger("99999999999999999999", 0, 10, value, error));
    EXPECT_FALSE(qzscript::ParseInteger("0x-5", -10, 10, value, error, true));
}

TEST(Lists, CommaSeparatedWithBlanksAndTheEmptyList)
{
    std::vector<long long> values;
    std::string error;
    ASSERT_TRUE(qzscript::ParseIntegerList(" 1, 2 ,5", 1, 99, values, error)) << error;
    EXPECT_EQ(values, (std::vector<long long>{1, 2, 5}));
    ASSERT_TRUE(qzscript::ParseIntegerList("", 1, 99, values, error));
    EXPECT_TRUE(values.empty());
    EXPECT_FALSE(qzscript::ParseIntegerList("1,,2", 1, 99, values, error));
    EXPECT_NE(error.find("empty entry"), std::string::npos);
    EXPECT_FALSE(qzscript::ParseIntegerList("1,0", 1, 99, values, error));
}

TEST(Quote, RoundTripsThroughTheParser)
{
    const std::string text = "a \"b\" \\ c\nd\te\r";
    Line line = Parse("type " + qzscript::Quote(text));
    ASSERT_EQ(line.words.size(), 2u);
    EXPECT_EQ(line.words[1].text, text);
}
