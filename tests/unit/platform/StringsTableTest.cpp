/* The reader of localised string tables. */
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/StringsTable.h"

namespace
{

using Entries = std::map<std::string, std::string>;

Entries ParseOk(const std::string& bytes)
{
    Entries entries;
    StringsTable::Error error;
    EXPECT_TRUE(StringsTable::Parse(bytes, entries, error)) << "line " << error.line << ": " << error.reason;
    return entries;
}

StringsTable::Error ParseFault(const std::string& bytes)
{
    Entries entries{{"left", "alone"}};
    StringsTable::Error error;
    EXPECT_FALSE(StringsTable::Parse(bytes, entries, error));
    EXPECT_EQ(entries.size(), 1u) << "a refused table stores nothing";
    return error;
}

/* UTF-16 bytes of ASCII text, with or without a byte order mark. */
std::string Utf16(const std::string& ascii, bool bigEndian, bool bom)
{
    std::string out;
    if (bom)
        out += bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : ascii) {
        out += bigEndian ? '\0' : c;
        out += bigEndian ? c : '\0';
    }
    return out;
}

TEST(StringsTableTest, ReadsEntriesCommentsAndShortForms)
{
    const Entries entries = ParseOk("/* Menu */\n"
                                    "\"Open\" = \"\xC3\x96"
                                    "ffnen\";\n"
                                    "// a line comment\n"
                                    "\"Close\"=\"Schlie\xC3\x9F"
                                    "en\" ;\n"
                                    "plain_key = plain.value;\n"
                                    "\"Alone\";\n"
                                    "\"Open\" = \"replaced\";\n");
    EXPECT_EQ(entries, (Entries{{"Open", "replaced"},
                                {"Close", "Schlie\xC3\x9F"
                                          "en"},
                                {"plain_key", "plain.value"},
                                {"Alone", "Alone"}}));
}

TEST(StringsTableTest, EscapesInQuotedTexts)
{
    const Entries entries = ParseOk("\"a\" = \"say \\\"hi\\\"\\n\\tnow\\\\\";\n"
                                    "\"b\" = \"\\U00e9t\\u00E9\";\n"
                                    "\"c\" = \"\\UD834\\UDD1E\";\n"
                                    "\"d\" = \"\\101\\q\";\n");
    EXPECT_EQ(entries.at("a"), "say \"hi\"\n\tnow\\");
    EXPECT_EQ(entries.at("b"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(entries.at("c"), "\xF0\x9D\x84\x9E"); /* a pair joined into U+1D11E */
    EXPECT_EQ(entries.at("d"), "Aq");
}

TEST(StringsTableTest, ReadsEveryUnicodeEncoding)
{
    const std::string table = "\"key\" = \"value\";\n";
    const Entries expected{{"key", "value"}};
    EXPECT_EQ(ParseOk(table), expected);
    EXPECT_EQ(ParseOk("\xEF\xBB\xBF" + table), expected);
    EXPECT_EQ(ParseOk(Utf16(table, false, true)), expected);
    EXPECT_EQ(ParseOk(Utf16(table, true, true)), expected);
    EXPECT_EQ(ParseOk(Utf16(table, false, false)), expected);
    EXPECT_EQ(ParseOk(Utf16(table, true, false)), expected);
    EXPECT_TRUE(ParseOk("").empty());
    EXPECT_TRUE(ParseOk("  /* only a comment */\n").empty());
}

TEST(StringsTableTest, RefusesMalformedTablesNamingTheLine)
{
    struct Case
    {
        const char* text;
        int line;
    } cases[] = {
        {"\"a\" = \"b\";\n\"c\" = \"d\"\n", 3},  /* no ';' before the end */
        {"\"a\" = \"b\";\n\n\"c\" \"d\";\n", 3}, /* no '=' */
        {"\"a\" = ;\n", 1},                      /* no value */
        {"\"a\" = \"open\n\n", 3},               /* unterminated text */
        {"\n/* open comment\n", 2},              /* unterminated comment */
        {"\"a\" = \"\\UD834\";", 1},             /* unpaired surrogate */
        {"\"a\" = \"\\U12\";", 1},               /* short escape */
        {"= \"b\";", 1},                         /* no key */
        {"\"a\" = \"b\"; junk", 1},              /* word without ';' */
        {"\"a\" = \"\xC3\";", 1},                /* broken UTF-8 */
        {"\"a\" = \"\\000\";", 1},               /* escaped zero */
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const StringsTable::Error error = ParseFault(c.text);
        EXPECT_EQ(error.line, c.line);
        EXPECT_FALSE(error.reason.empty());
    }
    /* A zero character, escaped or not, has no place in a text. */
    ParseFault(std::string("\"a\" = \"\\") + '\0' + "\";");
    ParseFault(std::string("\"a\" = \"x") + '\0' + "\";");
    /* An odd byte count cannot be UTF-16. */
    ParseFault(Utf16("\"a\"=\"b\";", false, true) + "x");
}

} // namespace
