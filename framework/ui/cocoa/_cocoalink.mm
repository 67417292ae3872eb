#import "ui/cocoa/_cocoalink.h"

#include <vector>

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "strings/FCString.h"
#include "ui/PlatformText.h"
#include "ui/bridge/BridgeRuntime.h"

namespace
{
void ReleasePlatformString(void* pObject) { [static_cast<id>(pObject) release]; }

/* Releases the old object of *pp and keeps the new one. */
template <class T>
void Replace(T** pp, T* retained)
{
    [*pp release];
    *pp = retained;
}
} // namespace

NSString* _cocoalink_MakeNSString(FCString* pString)
{
    if (!pString)
        return nil;
    if (!qz::IsUnicodeHost(GetFinaleFrameworkVersion())) {
        NSString* text = [NSString stringWithUTF8String:pString->GetCString()];
        return text ? text : @"";
    }
    const uint16_t* units = pString->_GetBuffer();
    return units ? [NSString stringWithCharacters:reinterpret_cast<const unichar*>(units)
                                           length:static_cast<NSUInteger>(pString->GetLength())]
                 : @"";
}

NSString* _cocoalink_GetNSString(FCString* pString)
{
    if (!pString)
        return nil;
    FCString::_pReleasePlatformString = &ReleasePlatformString;
    NSString* text = [_cocoalink_MakeNSString(pString) retain];
    pString->_SetPlatformString(text);
    return text;
}

void _cocoalink_SetNSString(FCString* pString, NSString* pObject)
{
    if (!pString)
        return;
    const NSUInteger length = [pObject length];
    std::vector<unichar> units(length + 1, 0);
    [pObject getCharacters:&units[0] range:NSMakeRange(0, length)];
    qzui::SetFromViewText(pString, reinterpret_cast<const char16_t*>(&units[0]), length);
}

void _cocoalink_FromUTF8ToFCString(const char* text, FCString* pString)
{
    if (text)
        _cocoalink_SetNSString(pString, [NSString stringWithUTF8String:text]);
}

void _cocoalink_ToUTF8FromFCString(FCString* pString, char* buffer, int size)
{
    const char* text = [_cocoalink_MakeNSString(pString) UTF8String];
    qzui::CopyOut(text ? text : "", buffer, size);
}

NSString* _cocoalink_CFURLRefToPath(CFURLRef url)
{
    CFStringRef path = url ? CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle) : nullptr;
    if (!path)
        return nil;
    std::vector<char> utf8(CFStringGetMaximumSizeForEncoding(CFStringGetLength(path), kCFStringEncodingUTF8) + 1);
    const bool converted = CFStringGetCString(path, &utf8[0], static_cast<CFIndex>(utf8.size()), kCFStringEncodingUTF8);
    CFRelease(path);
    return converted ? [NSString stringWithUTF8String:&utf8[0]] : nil;
}

void _cocoalink_ChangeNSPointerValue(NSValue** ppBox, void* pointer)
{
    if (ppBox)
        Replace<NSValue>(ppBox, [[NSValue valueWithPointer:pointer] retain]);
}

void _cocoalink_DeallocateNSValue(NSValue** ppBox)
{
    if (ppBox)
        Replace<NSValue>(ppBox, nil);
}

void _cocoalink_DeallocateNSString(NSString** ppString)
{
    if (ppString)
        Replace<NSString>(ppString, nil);
}

NSString* FCString::GetNSString() { return _cocoalink_GetNSString(this); }

void FCString::SetNSString(NSString* pObject) { _cocoalink_SetNSString(this, pObject); }
