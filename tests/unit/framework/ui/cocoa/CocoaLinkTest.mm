/* String conversions between the framework and Cocoa, and the user-info side
 * table. They need no window (but run in the Cocoa test program). */
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_cocoalink.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "core/FinaleVersion.h"
#include "strings/FCString.h"

namespace
{
class OlderHost
{
    uint32_t _saved;

public:
    OlderHost() : _saved(GetFinaleFrameworkVersion()) { SetFinaleFrameworkVersion(0x10000000); }
    ~OlderHost() { SetFinaleFrameworkVersion(_saved); }
    OlderHost(const OlderHost&) = delete;
    OlderHost& operator=(const OlderHost&) = delete;
};

class CocoaLink : public ::testing::Test
{
    NSAutoreleasePool* _pool = nil;

protected:
    void SetUp() override { _pool = [[NSAutoreleasePool alloc] init]; }
    void TearDown() override { [_pool release]; }
};
} // namespace

TEST_F(CocoaLink, UnicodeTextsCrossBothWaysAndLineSeparatorsBecomeReturns)
{
    FCString text;
    text.SetUTF8String("Fl\xC3\xB6te \xF0\x9D\x84\x9E");
    NSString* object = _cocoalink_GetNSString(&text);
    EXPECT_STREQ("Fl\xC3\xB6te \xF0\x9D\x84\x9E", [object UTF8String]);
    /* The string keeps the object until its next conversion. */
    EXPECT_EQ(static_cast<void*>(object), text._GetPlatformString());

    FCString back;
    _cocoalink_SetNSString(&back, [NSString stringWithUTF8String:"a\xE2\x80\xA8"
                                                                 "b"]);
    ASSERT_EQ(3u, back.GetLength());
    EXPECT_EQ(13, back.GetItemAt(1));
    _cocoalink_SetNSString(&back, nil);
    EXPECT_TRUE(back.IsEmpty());
}

TEST_F(CocoaLink, OlderHostsGoThroughNonLossyAsciiOfAtMost5000Bytes)
{
    OlderHost older;
    FCString text;
    _cocoalink_SetNSString(&text, [NSString stringWithUTF8String:"\xC3\xA9t\xC3\xA9 \\ \xE2\x82\xAC"]);
    EXPECT_STREQ("\\u00e9t\\u00e9 \\\\ \\u20ac", text.GetCString());
    NSMutableString* longText = [NSMutableString string];
    for (int i = 0; i < 2000; ++i)
        [longText appendString:@"\u00e9"];
    _cocoalink_SetNSString(&text, longText);
    EXPECT_EQ(5000u, std::strlen(text.GetCString()));
    /* Going out, the 8-bit text is read as UTF-8. */
    FCString cafe("caf\xC3\xA9");
    EXPECT_STREQ("caf\xC3\xA9", [_cocoalink_MakeNSString(&cafe) UTF8String]);
}

TEST_F(CocoaLink, Utf8CopyIsCutWholeAndAlwaysTerminated)
{
    FCString text;
    text.SetUTF8String("ab\xE2\x82\xAC");
    char buffer[6];
    std::memset(buffer, 'x', sizeof buffer);
    /* Five bytes of room: "ab" and two of the euro sign's three bytes. */
    _cocoalink_ToUTF8FromFCString(&text, buffer, 5);
    EXPECT_STREQ("ab", buffer);
    _cocoalink_ToUTF8FromFCString(&text, buffer, 6);
    EXPECT_STREQ("ab\xE2\x82\xAC", buffer);
    _cocoalink_ToUTF8FromFCString(nullptr, buffer, 6);
    EXPECT_STREQ("", buffer);
    _cocoalink_FromUTF8ToFCString("\xC3\xA9", &text);
    EXPECT_EQ(1u, text.GetLength());
}

TEST_F(CocoaLink, PointerBoxesAreReplacedAndReleased)
{
    int a = 0, b = 0;
    NSValue* box = nil;
    _cocoalink_ChangeNSPointerValue(&box, &a);
    EXPECT_EQ(&a, [box pointerValue]);
    _cocoalink_ChangeNSPointerValue(&box, &b);
    EXPECT_EQ(&b, [box pointerValue]);
    _cocoalink_DeallocateNSValue(&box);
    EXPECT_EQ(nil, box);
    NSString* string = [@"x" retain];
    _cocoalink_DeallocateNSString(&string);
    EXPECT_EQ(nil, string);
}

namespace
{
/* A file address made the way the host hands them over. */
CFURLRef FileURL(const std::string& path, bool directory)
{
    CFStringRef text = CFStringCreateWithCString(kCFAllocatorDefault, path.c_str(), kCFStringEncodingUTF8);
    CFURLRef url = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, text, kCFURLPOSIXPathStyle, directory);
    CFRelease(text);
    return url;
}

std::string Utf8Of(NSString* text) { return text ? [text UTF8String] : "<nil>"; }
} // namespace

TEST_F(CocoaLink, FileAddressesGiveTheirPathWholeAndUnicode)
{
    const std::string kPieces = "/tmp/St\xC3\xBC"
                                "cke f\xC3\xBC"
                                "r Fl\xC3\xB6te/Satz 1 \xE2\x99\xAD.musx";
    CFURLRef file = FileURL(kPieces, false);
    ASSERT_NE(nullptr, file);
    NSString* path = _cocoalink_CFURLRefToPath(file);
    EXPECT_EQ(kPieces, Utf8Of(path));
    /* Into the framework's string unchanged: the flat sign is one unit. */
    FCString text;
    _cocoalink_SetNSString(&text, path);
    EXPECT_EQ([path length], static_cast<NSUInteger>(text.GetLength()));
    CFRelease(file);

    /* A folder's address ends in a slash; its path does not. */
    CFURLRef folder = FileURL("/tmp/Ordner/", true);
    EXPECT_EQ("/tmp/Ordner", Utf8Of(_cocoalink_CFURLRefToPath(folder)));
    CFRelease(folder);

    /* No fixed buffer: a path far longer than the system's limit comes whole. */
    std::string deep;
    while (deep.size() < 6000)
        deep += "/Ebene";
    CFURLRef longOne = FileURL(deep, false);
    EXPECT_EQ(deep, Utf8Of(_cocoalink_CFURLRefToPath(longOne)));
    CFRelease(longOne);

    EXPECT_EQ(nil, _cocoalink_CFURLRefToPath(nullptr));
}

TEST_F(CocoaLink, UserInfoIsOneDictionaryPerObjectUntilRemoved)
{
    NSObject* first = [[NSObject alloc] init];
    NSObject* second = [[NSObject alloc] init];
    EXPECT_EQ(nil, [first existingObjectUserInfo]);
    NSMutableDictionary* info = [first objectUserInfo];
    EXPECT_EQ(info, [first objectUserInfo]);
    EXPECT_NE(info, [second objectUserInfo]);
    int list = 0;
    QZSetUserInfoPointer(first, @"DataList", &list);
    EXPECT_EQ(&list, QZUserInfoPointer(first, @"DataList"));
    EXPECT_EQ(nullptr, QZUserInfoPointer(second, @"DataList"));
    [first removeObjectUserInfo];
    EXPECT_EQ(nil, [first existingObjectUserInfo]);
    EXPECT_EQ(nullptr, QZUserInfoPointer(first, @"DataList"));
    [second removeObjectUserInfo];
    [first release];
    [second release];
}
