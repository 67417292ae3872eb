#include <gtest/gtest.h>

#include <string>

#include "common/qz_utf.h"

namespace
{

struct Malformed
{
    const char* what;
    std::string bytes;
};

/* Sequences every decoder of the code base must refuse, each inside text. */
const Malformed kMalformed[] = {
    {"overlong slash", "a\xC0\xAF"
                       "b"},
    {"overlong three-byte NUL", "a\xE0\x80\x80"
                                "b"},
    {"overlong four-byte", "a\xF0\x8F\xBF\xBF"
                           "b"},
    {"encoded high surrogate", "a\xED\xA0\x80"
                               "b"},
    {"encoded low surrogate", "a\xED\xBF\xBF"
                              "b"},
    {"above U+10FFFF", "a\xF4\x90\x80\x80"
                       "b"},
    {"five-byte lead", "a\xF8\x88\x80\x80\x80"
                       "b"},
    {"stray continuation", "a\x80"
                           "b"},
    {"missing continuation", "a\xE2\x99"
                             "b"},
    {"truncated at the end", "ab\xF0\x9F\x8E"},
};

TEST(UtfCodec, RefusePolicyStopsAtTheFirstMalformedSequence)
{
    for (const Malformed& m : kMalformed) {
        std::u16string out;
        size_t at = 99;
        EXPECT_FALSE(qz::Utf8ToUtf16(m.bytes.data(), m.bytes.size(), out, qz::Malformed::Refuse, &at)) << m.what;
        const size_t expected = m.bytes[1] == 'b' ? 2 : 1;
        EXPECT_EQ(at, expected) << m.what;
        EXPECT_EQ(out.size(), expected) << m.what;
        EXPECT_EQ(qz::FindMalformedUtf8(m.bytes), expected) << m.what;
    }
}

TEST(UtfCodec, ReplacePolicyPutsOneReplacementPerBadSequenceAndKeepsTheRest)
{
    EXPECT_EQ(qz::Utf8ToUtf16(std::string("a\xC0\xAF"
                                          "b")),
              u"a\uFFFDb");
    EXPECT_EQ(qz::Utf8ToUtf16(std::string("a\xED\xA0\x80"
                                          "b")),
              u"a\uFFFDb");
    EXPECT_EQ(qz::Utf8ToUtf16(std::string("a\xF4\x90\x80\x80"
                                          "b")),
              u"a\uFFFDb");
    // A sequence cut short ends where the next lead byte starts.
    EXPECT_EQ(qz::Utf8ToUtf16(std::string("\xE2\x99"
                                          "b")),
              u"\uFFFDb");
    EXPECT_EQ(qz::Utf8ToUtf16(std::string("\x80\x80")), u"\uFFFD\uFFFD");
}

TEST(UtfCodec, WellFormedTextRoundTripsThroughUtf16)
{
    const std::string text = "A\xC3\xA9\xE2\x99\xAD\xF0\x9D\x84\x9E\xF4\x8F\xBF\xBF"; // A é ♭ 𝄞 U+10FFFF
    std::u16string units;
    ASSERT_TRUE(qz::Utf8ToUtf16(text.data(), text.size(), units, qz::Malformed::Refuse));
    EXPECT_EQ(units, u"A\u00E9\u266D\U0001D11E\U0010FFFF");
    std::string back;
    ASSERT_TRUE(qz::Utf16ToUtf8(units.data(), units.size(), back, qz::Malformed::Refuse));
    EXPECT_EQ(back, text);
}

TEST(UtfCodec, LoneSurrogatesAreMalformedUtf16)
{
    const std::u16string cases[] = {u"a\xD800", std::u16string(u"\xDC00") + u"b",
                                    std::u16string(u"\xD800") + u"\xD800\xDC00"};
    for (const std::u16string& units : cases) {
        std::string out;
        size_t at = 99;
        EXPECT_FALSE(qz::Utf16ToUtf8(units.data(), units.size(), out, qz::Malformed::Refuse, &at));
        EXPECT_NE(at, size_t(99));
    }
    EXPECT_EQ(qz::Utf16ToUtf8(cases[0]), "a\xEF\xBF\xBD");
    EXPECT_EQ(qz::Utf16ToUtf8(cases[2]), "\xEF\xBF\xBD\xF0\x90\x80\x80");
}

TEST(UtfCodec, EncodersNeverWriteWhatTheDecoderRefuses)
{
    for (char32_t value : {char32_t(0xD800), char32_t(0xDFFF), char32_t(0x110000)}) {
        std::string utf8;
        qz::AppendUtf8(utf8, value);
        EXPECT_EQ(utf8, "\xEF\xBF\xBD");
        std::u16string utf16;
        qz::AppendUtf16(utf16, value);
        EXPECT_EQ(utf16, u"\uFFFD");
    }
}

} // namespace
