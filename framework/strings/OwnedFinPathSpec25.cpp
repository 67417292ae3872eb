#include "strings/OwnedFinPathSpec25.h"

#include <CoreFoundation/CoreFoundation.h>

namespace
{

/* A new URL for the same location as url (the caller releases it); null for
   a null URL or when none can be made. */
FXURLRef DuplicateURL(FXURLRef url)
{
    if (!url)
        return nullptr;
    CFStringRef path = CFURLCopyFileSystemPath(url, kCFURLPOSIXPathStyle);
    if (!path)
        return nullptr;
    CFURLRef made = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, path, kCFURLPOSIXPathStyle, true);
    CFRelease(path);
    return made;
}

} // namespace

OwnedFinPathSpec25::OwnedFinPathSpec25() : _field0(0), _url(nullptr) {}

OwnedFinPathSpec25::OwnedFinPathSpec25(const FinPathSpec25* pSpec) : _field0(0), _url(nullptr)
{
    if (pSpec)
        _Assign(pSpec->field0, pSpec->url);
}

OwnedFinPathSpec25::OwnedFinPathSpec25(const OwnedFinPathSpec25& other) : _field0(0), _url(nullptr)
{
    _Assign(other._field0, other._url);
}

OwnedFinPathSpec25& OwnedFinPathSpec25::operator=(const OwnedFinPathSpec25& other)
{
    _Assign(other._field0, other._url);
    return *this;
}

OwnedFinPathSpec25::~OwnedFinPathSpec25()
{
    if (_url)
        CFRelease(_url);
}

void OwnedFinPathSpec25::_Assign(int16_t field0, FXURLRef url)
{
    /* The new URL is made first: url may be the one held here. */
    FXURLRef made = DuplicateURL(url);
    if (_url)
        CFRelease(_url);
    _url = made;
    _field0 = field0;
}

bool OwnedFinPathSpec25::GetFileSystemPath(char* buffer, int size) const
{
    if (!_url || !buffer || size <= 0)
        return false;
    return CFURLGetFileSystemRepresentation(_url, true, reinterpret_cast<UInt8*>(buffer), size) != 0;
}
