#include "platform/CFObjects.h"

#include <cstdlib>
#include <cstring>

extern "C" CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef, CFStringRef filePath, CFURLPathStyle, Boolean)
{
    const char* path = QZCFStringUTF8(filePath);
    if (!path || !*path)
        return nullptr;
    size_t length = std::strlen(path);
    while (length > 1 && path[length - 1] == '/')
        --length;
    auto* url = static_cast<SimURL*>(std::malloc(sizeof(SimURL)));
    char* copy = strndup(path, length);
    if (!url || !copy) {
        std::free(url);
        std::free(copy);
        return nullptr;
    }
    url->magic = SIMURL_MAGIC;
    url->refcount = 1;
    url->path = copy;
    url->base = nullptr;
    return url;
}

extern "C" Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean, UInt8* buffer, CFIndex maxBufLen)
{
    if (QZCFMagicOf(url) != SIMURL_MAGIC || !url->path || !buffer || maxBufLen <= 0)
        return false;
    size_t size = std::strlen(url->path) + 1;
    if (size > static_cast<size_t>(maxBufLen))
        return false;
    std::memcpy(buffer, url->path, size);
    return true;
}

extern "C" CFStringRef CFURLCopyFileSystemPath(CFURLRef url, CFURLPathStyle)
{
    if (QZCFMagicOf(url) != SIMURL_MAGIC)
        return nullptr;
    return QZCFStringCreateUTF8(url->path);
}
