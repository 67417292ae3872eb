#import "ui/cocoa/_cocoalink.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "strings/FCString.h"
#include "ui/PlatformText.h"

namespace
{
bool UnicodeHost() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }

void ReleasePlatformString(void* pObject) { [static_cast<id>(pObject) release]; }

/* Installs the release hook before the first platform string is made. */
void InstallReleaseHook() { FCString::_pReleasePlatformString = &ReleasePlatformString; }
} // namespace

NSString* _cocoalink_MakeNSString(FCString* pString)
{
    if (!pString)
        return nil;
    if (!UnicodeHost()) {
        NSString* text = [NSString stringWithUTF8String:pString->GetCString()];
        return text ? text : @"";
    }
    const uint16_t* units = pString->_GetBuffer();
    if (!units)
        return @"";
    return [NSString stringWithCharacters:reinterpret_cast<const unichar*>(units)
                                   length:static_cast<NSUInteger>(pString->GetLength())];
}

NSString* _cocoalink_GetNSString(FCString* pString)
{
    if (!pString)
        return nil;
    InstallReleaseHook();
    NSString* text = [_cocoalink_MakeNSString(pString) retain];
    pString->_SetPlatformString(text);
    return text;
}

void _cocoalink_SetNSString(FCString* pString, NSString* pObject)
{
    if (!pString)
        return;
    if (!pObject) {
        pString->SetCString("");
        return;
    }
    const NSUInteger length = [pObject length];
    std::vector<unichar> units(length + 1, 0);
    if (length)
        [pObject getCharacters:&units[0] range:NSMakeRange(0, length)];
    qzui::SetFromViewText(pString, reinterpret_cast<const char16_t*>(&units[0]), length);
}

void _cocoalink_FromUTF8ToFCString(const char* text, FCString* pString)
{
    if (!pString || !text)
        return;
    NSString* object = [NSString stringWithUTF8String:text];
    _cocoalink_SetNSString(pString, object ? object : @"");
}

void _cocoalink_ToUTF8FromFCString(FCString* pString, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    buffer[0] = '\0';
    const char* text = pString ? [_cocoalink_MakeNSString(pString) UTF8String] : nullptr;
    if (!text)
        return;
    size_t n = std::strlen(text);
    size_t room = static_cast<size_t>(size) - 1;
    if (n > room) {
        n = room;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
    }
    std::memcpy(buffer, text, n);
    buffer[n] = '\0';
}

NSString* _cocoalink_CFURLRefToPath(CFURLRef url)
{
    if (!url)
        return nil;
    CFStringRef path = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    if (!path)
        return nil;
    const CFIndex size = CFStringGetMaximumSizeForEncoding(CFStringGetLength(path), kCFStringEncodingUTF8) + 1;
    std::vector<char> utf8(static_cast<size_t>(size), '\0');
    NSString* text = nil;
    if (CFStringGetCString(path, &utf8[0], size, kCFStringEncodingUTF8))
        text = [NSString stringWithUTF8String:&utf8[0]];
    CFRelease(path);
    return text;
}

void _cocoalink_ChangeNSPointerValue(NSValue** ppBox, void* pointer)
{
    if (!ppBox)
        return;
    NSValue* box = [[NSValue valueWithPointer:pointer] retain];
    [*ppBox release];
    *ppBox = box;
}

void _cocoalink_DeallocateNSValue(NSValue** ppBox)
{
    if (!ppBox)
        return;
    [*ppBox release];
    *ppBox = nil;
}

void _cocoalink_DeallocateNSString(NSString** ppString)
{
    if (!ppString)
        return;
    [*ppString release];
    *ppString = nil;
}

/* ---- The Cocoa forms of FCString ---- */

NSString* FCString::GetNSString() { return _cocoalink_GetNSString(this); }

void FCString::SetNSString(NSString* pObject) { _cocoalink_SetNSString(this, pObject); }
