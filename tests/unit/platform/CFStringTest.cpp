#include <CoreFoundation/CoreFoundation.h>

#include <gtest/gtest.h>

#include <string>

namespace
{

/* The text of a string in an encoding, or "<none>" when it has none. */
std::string TextOf(CFStringRef string, CFStringEncoding encoding, CFIndex bufferSize = 1024)
{
    std::string buffer(static_cast<size_t>(bufferSize), '\x7F');
    if (!CFStringGetCString(string, &buffer[0], bufferSize, encoding))
        return "<none>";
    return buffer.c_str();
}

std::string Converted(const char* text, CFStringEncoding from, CFStringEncoding to)
{
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, text, from);
    if (!string)
        return "<null>";
    std::string result = TextOf(string, to);
    CFRelease(string);
    return result;
}

} // namespace

TEST(StringFromMacRoman, ConvertsBytesAbove127ToTheirUnicodeCharacters)
{
    EXPECT_EQ(Converted("caf\x8E", kCFStringEncodingMacRoman, kCFStringEncodingUTF8), "caf\xC3\xA9");
    EXPECT_EQ(Converted("\xDB", kCFStringEncodingMacRoman, kCFStringEncodingUTF8), "\xE2\x82\xAC"); /* euro */
    EXPECT_EQ(Converted("\xA5", kCFStringEncodingMacRoman, kCFStringEncodingUTF8), "\xE2\x80\xA2"); /* bullet */
    EXPECT_EQ(Converted("\xF0", kCFStringEncodingMacRoman, kCFStringEncodingUTF8), "\xEF\xA3\xBF"); /* U+F8FF */
    EXPECT_EQ(Converted("\xFF", kCFStringEncodingMacRoman, kCFStringEncodingUTF8), "\xCB\x87");     /* caron */
    EXPECT_EQ(Converted("FX_LoadEData", kCFStringEncodingMacRoman, kCFStringEncodingUTF8), "FX_LoadEData");
}

TEST(StringFromMacRoman, EveryByteRoundTrips)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    EXPECT_EQ(Converted(all.c_str(), kCFStringEncodingMacRoman, kCFStringEncodingMacRoman), all);
}

TEST(StringFromUTF8, RefusesMalformedText)
{
    EXPECT_EQ(Converted("\xC3\xA9t\xC3\xA9", kCFStringEncodingUTF8, kCFStringEncodingUTF8), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(Converted("ab\xC3", kCFStringEncodingUTF8, kCFStringEncodingUTF8), "<null>");           /* truncated */
    EXPECT_EQ(Converted("\xC0\xAF", kCFStringEncodingUTF8, kCFStringEncodingUTF8), "<null>");         /* overlong */
    EXPECT_EQ(Converted("\xED\xA0\x80", kCFStringEncodingUTF8, kCFStringEncodingUTF8), "<null>");     /* surrogate */
    EXPECT_EQ(Converted("\xF4\x90\x80\x80", kCFStringEncodingUTF8, kCFStringEncodingUTF8), "<null>"); /* > U+10FFFF */
    EXPECT_EQ(Converted("\x80", kCFStringEncodingUTF8, kCFStringEncodingUTF8), "<null>");
}

TEST(StringCreation, NullTextOrUnknownEncodingGivesNull)
{
    EXPECT_EQ(CFStringCreateWithCString(kCFAllocatorDefault, nullptr, kCFStringEncodingUTF8), nullptr);
    EXPECT_EQ(CFStringCreateWithCString(kCFAllocatorDefault, "x", 0x7777), nullptr);
}

TEST(StringToCString, FailsWhenTheBufferIsTooSmallOrTheTextCannotBeRepresented)
{
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, "abc", kCFStringEncodingUTF8);
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(TextOf(string, kCFStringEncodingUTF8, 4), "abc");
    EXPECT_EQ(TextOf(string, kCFStringEncodingUTF8, 3), "<none>");
    EXPECT_FALSE(CFStringGetCString(string, nullptr, 10, kCFStringEncodingUTF8));
    CFRelease(string);

    EXPECT_EQ(Converted("\xE4\xB8\xAD", kCFStringEncodingUTF8, kCFStringEncodingMacRoman), "<none>");
    EXPECT_FALSE(CFStringGetCString(nullptr, nullptr, 0, kCFStringEncodingUTF8));
}

TEST(StringOwnership, RetainKeepsTheStringUntilTheLastRelease)
{
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, "kept", kCFStringEncodingUTF8);
    ASSERT_NE(string, nullptr);
    EXPECT_EQ(CFRetain(string), string);
    CFRelease(string);
    EXPECT_EQ(TextOf(string, kCFStringEncodingUTF8), "kept");
    CFRelease(string);
    CFRelease(nullptr);
    EXPECT_EQ(CFRetain(nullptr), nullptr);
}
