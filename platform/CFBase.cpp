#include "platform/CFObjects.h"

#include <cstdlib>
#include <cstring>

uint32_t QZCFMagicOf(CFTypeRef object)
{
    uint32_t magic = 0;
    if (object)
        std::memcpy(&magic, object, sizeof magic);
    return magic;
}

namespace
{

void FreeURL(SimURL* url)
{
    SimURL* base = url->base;
    std::free(url->path);
    std::free(url);
    CFRelease(base);
}

void FreeString(QZCFString* string)
{
    std::free(string->utf8);
    std::free(string);
}

/* The reference count of a counted object, or null for an object the caller
   never owns (bundles) or does not come from the stand-in. */
int32_t* RefcountOf(CFTypeRef object)
{
    switch (QZCFMagicOf(object)) {
    case SIMURL_MAGIC: return &static_cast<SimURL*>(const_cast<void*>(object))->refcount;
    case kQZCFStringMagic: return &static_cast<QZCFString*>(const_cast<void*>(object))->refcount;
    default: return nullptr;
    }
}

} // namespace

extern "C" CFTypeRef CFRetain(CFTypeRef object)
{
    if (int32_t* count = RefcountOf(object))
        ++*count;
    return object;
}

extern "C" void CFRelease(CFTypeRef object)
{
    int32_t* count = RefcountOf(object);
    if (!count || --*count > 0)
        return;
    void* mutableObject = const_cast<void*>(object);
    if (QZCFMagicOf(object) == SIMURL_MAGIC)
        FreeURL(static_cast<SimURL*>(mutableObject));
    else
        FreeString(static_cast<QZCFString*>(mutableObject));
}
