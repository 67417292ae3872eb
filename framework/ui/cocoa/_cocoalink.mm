#import "ui/cocoa/_cocoalink.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "core/FinaleVersion.h"

namespace
{
constexpr uint32_t kUnicodeFramework = 0x11000000;
constexpr NSUInteger kOldHostLimit = 5000;

bool UnicodeHost() { return GetFinaleFrameworkVersion() >= kUnicodeFramework; }

/* The non-lossy ASCII form: ASCII kept, a backslash doubled, every other
   unit written as \uXXXX. Written out here because the AppKits disagree on
   it (GNUstep writes Latin-1 characters in octal). */
std::string NonLossyAscii(NSString* pObject)
{
    NSUInteger length = [pObject length];
    std::vector<unichar> units(length + 1, 0);
    if (length) [pObject getCharacters:&units[0] range:NSMakeRange(0, length)];
    std::string out;
    for (NSUInteger i = 0; i < length; ++i) {
        unichar unit = units[i];
        if (unit == '\\')
            out += "\\\\";
        else if (unit < 0x80)
            out.push_back(static_cast<char>(unit));
        else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
            out += escape;
        }
    }
    return out;
}

void ReleasePlatformString(void* pObject) { [static_cast<id>(pObject) release]; }

/* Installs the release hook before the first platform string is made. */
void InstallReleaseHook() { FCString::_pReleasePlatformString = &ReleasePlatformString; }
} // namespace

NSString* _cocoalink_MakeNSString(FCString* pString)
{
    if (!pString) return nil;
    if (!UnicodeHost()) {
        NSString* text = [NSString stringWithUTF8String:pString->GetCString()];
        return text ? text : @"";
    }
    const uint16_t* units = pString->_GetBuffer();
    if (!units) return @"";
    return [NSString stringWithCharacters:reinterpret_cast<const unichar*>(units)
                                   length:static_cast<NSUInteger>(pString->GetLength())];
}

NSString* _cocoalink_GetNSString(FCString* pString)
{
    if (!pString) return nil;
    InstallReleaseHook();
    NSString* text = [_cocoalink_MakeNSString(pString) retain];
    pString->_SetPlatformString(text);
    return text;
}

void _cocoalink_SetNSString(FCString* pString, NSString* pObject)
{
    if (!pString) return;
    if (!pObject) {
        pString->SetCString("");
        return;
    }
    if (!UnicodeHost()) {
        std::string ascii = NonLossyAscii(pObject);
        if (ascii.size() > kOldHostLimit) ascii.resize(kOldHostLimit);
        pString->SetCString(ascii.c_str());
        return;
    }
    NSUInteger length = [pObject length];
    if (length == 0) {
        pString->SetCString("");
        return;
    }
    std::vector<unichar> units(length);
    [pObject getCharacters:&units[0] range:NSMakeRange(0, length)];
    for (NSUInteger i = 0; i < length; ++i)
        if (units[i] == 0x2028) units[i] = 13;
    pString->SetUnicodeString(reinterpret_cast<const uint16_t*>(&units[0]), static_cast<int>(length));
}

void _cocoalink_FromUTF8ToFCString(const char* text, FCString* pString)
{
    if (!pString || !text) return;
    NSString* object = [NSString stringWithUTF8String:text];
    _cocoalink_SetNSString(pString, object ? object : @"");
}

void _cocoalink_ToUTF8FromFCString(FCString* pString, char* buffer, int size)
{
    if (!buffer || size <= 0) return;
    buffer[0] = '\0';
    const char* text = pString ? [_cocoalink_MakeNSString(pString) UTF8String] : nullptr;
    if (!text) return;
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
    if (!url) return nil;
    CFStringRef path = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    if (!path) return nil;
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
    if (!ppBox) return;
    NSValue* box = [[NSValue valueWithPointer:pointer] retain];
    [*ppBox release];
    *ppBox = box;
}

void _cocoalink_DeallocateNSValue(NSValue** ppBox)
{
    if (!ppBox) return;
    [*ppBox release];
    *ppBox = nil;
}

void _cocoalink_DeallocateNSString(NSString** ppString)
{
    if (!ppString) return;
    [*ppString release];
    *ppString = nil;
}

/* ---- The Cocoa forms of FCString ---- */

NSString* FCString::GetNSString() { return _cocoalink_GetNSString(this); }

void FCString::SetNSString(NSString* pObject) { _cocoalink_SetNSString(this, pObject); }
