#include "platform/CFObjects.h"
#include "platform/MacRoman.h"
#include "platform/UTF8.h"

#include <cstdlib>
#include <cstring>
#include <string>

CFStringRef QZCFStringCreateUTF8(const char* utf8)
{
    if (!utf8)
        return nullptr;
    auto* string = static_cast<QZCFString*>(std::malloc(sizeof(QZCFString)));
    char* copy = strdup(utf8);
    if (!string || !copy) {
        std::free(string);
        std::free(copy);
        return nullptr;
    }
    string->magic = kQZCFStringMagic;
    string->refcount = 1;
    string->utf8 = copy;
    return string;
}

const char* QZCFStringUTF8(CFStringRef string)
{
    return QZCFMagicOf(string) == kQZCFStringMagic ? string->utf8 : nullptr;
}

extern "C" CFStringRef CFStringCreateWithCString(CFAllocatorRef, const char* cStr, CFStringEncoding encoding)
{
    if (!cStr)
        return nullptr;
    switch (encoding) {
    case kCFStringEncodingMacRoman: return QZCFStringCreateUTF8(MacRoman::ToUTF8(cStr).c_str());
    case kCFStringEncodingUTF8: return UTF8::IsWellFormed(cStr) ? QZCFStringCreateUTF8(cStr) : nullptr;
    default: return nullptr;
    }
}

extern "C" Boolean CFStringGetCString(CFStringRef string, char* buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    const char* utf8 = QZCFStringUTF8(string);
    if (!utf8 || !buffer || bufferSize <= 0)
        return false;
    std::string converted;
    if (encoding == kCFStringEncodingUTF8)
        converted = utf8;
    else if (encoding != kCFStringEncodingMacRoman || !MacRoman::FromUTF8(utf8, converted))
        return false;
    if (converted.size() >= static_cast<size_t>(bufferSize))
        return false;
    std::memcpy(buffer, converted.c_str(), converted.size() + 1);
    return true;
}

extern "C" CFIndex CFStringGetLength(CFStringRef string)
{
    const char* utf8 = QZCFStringUTF8(string);
    if (!utf8)
        return 0;
    const std::string text(utf8);
    CFIndex units = 0;
    size_t pos = 0;
    uint32_t codePoint = 0;
    while (pos < text.size() && UTF8::Next(text, pos, codePoint))
        units += codePoint > 0xFFFF ? 2 : 1;
    return units;
}

extern "C" CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding)
{
    if (length < 0)
        return 0;
    return encoding == kCFStringEncodingUTF8 ? length * 3 : length;
}
