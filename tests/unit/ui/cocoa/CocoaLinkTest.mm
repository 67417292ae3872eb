/* String conversions between the framework and Cocoa, and the user-info side
 * table. They need no window (but run in the Cocoa test program). */
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_cocoalink.h"

#include <gtest/gtest.h>

#include <cstring>

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
