#include <CoreFoundation/CoreFoundation.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

CFURLRef URLFromPath(const char* path)
{
    CFStringRef string = CFStringCreateWithCString(kCFAllocatorDefault, path, kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, string, kCFURLPOSIXPathStyle, true);
    CFRelease(string);
    return url;
}

std::string Representation(CFURLRef url, CFIndex size = 3000)
{
    std::string buffer(static_cast<size_t>(size), '\x7F');
    if (!CFURLGetFileSystemRepresentation(url, true, reinterpret_cast<UInt8*>(&buffer[0]), size))
        return "<none>";
    return buffer.c_str();
}

} // namespace

TEST(URLFromPath, KeepsThePathWithoutTrailingSeparators)
{
    CFURLRef url = URLFromPath("/home/user/Music/");
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(url->magic, SIMURL_MAGIC);
    EXPECT_EQ(url->refcount, 1);
    EXPECT_EQ(url->base, nullptr);
    EXPECT_EQ(Representation(url), "/home/user/Music");
    CFRelease(url);

    CFURLRef root = URLFromPath("///");
    EXPECT_EQ(Representation(root), "/");
    CFRelease(root);

    EXPECT_EQ(URLFromPath(""), nullptr);
    EXPECT_EQ(CFURLCreateWithFileSystemPath(kCFAllocatorDefault, nullptr, kCFURLPOSIXPathStyle, false), nullptr);
}

TEST(URLRepresentation, FailsWhenTheBufferCannotHoldThePathAndItsTerminator)
{
    CFURLRef url = URLFromPath("/abc");
    EXPECT_EQ(Representation(url, 5), "/abc");
    EXPECT_EQ(Representation(url, 4), "<none>");
    EXPECT_EQ(Representation(nullptr), "<none>");
    CFRelease(url);
}

TEST(URLPath, CopyGivesAStringTheCallerOwns)
{
    CFURLRef url = URLFromPath("/tmp/Caf\xC3\xA9/");
    CFStringRef path = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    ASSERT_NE(path, nullptr);
    char text[64] = {};
    ASSERT_TRUE(CFStringGetCString(path, text, sizeof text, kCFStringEncodingMacRoman));
    EXPECT_STREQ(text, "/tmp/Caf\x8E");
    CFRelease(path);
    CFRelease(url);
    EXPECT_EQ(CFURLCopyFileSystemPath(nullptr, kCFURLPOSIXPathStyle), nullptr);
}

/* The engine hands out URLs it made with malloc; the caller releases them. */
TEST(URLOwnership, AURLMadeElsewhereIsFreedAtItsLastRelease)
{
    auto* url = static_cast<SimURL*>(std::malloc(sizeof(SimURL)));
    ASSERT_NE(url, nullptr);
    *url = SimURL{SIMURL_MAGIC, 1, strdup("/prefs"), nullptr};
    CFRetain(url);
    EXPECT_EQ(url->refcount, 2);
    CFRelease(url);
    EXPECT_EQ(Representation(url), "/prefs");
    CFRelease(url); /* frees path and struct: the leak checker would see either one left */
}
