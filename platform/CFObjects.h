#ifndef CFOBJECTS_H
#define CFOBJECTS_H

/* Layouts of the stand-in's objects. Every object starts with a magic word
   and a reference count, like SimURL, so CFRetain/CFRelease can tell them
   apart. */

#include <CoreFoundation/CoreFoundation.h>

#include <cstdint>

struct link_map;

constexpr uint32_t kQZCFStringMagic = 0x43465354u; /* 'CFST' */
constexpr uint32_t kQZCFBundleMagic = 0x4346424Eu; /* 'CFBN' */

struct QZCFString
{
    uint32_t magic; /* kQZCFStringMagic */
    int32_t refcount;
    char* utf8; /* malloc'd, zero-terminated */
};

/* Bundles belong to the process: they pin their module (the handle stays
   open) and are freed with the registry at exit. */
struct QZCFBundle
{
    uint32_t magic;   /* kQZCFBundleMagic */
    int32_t refcount; /* unused */
    void* handle;     /* dlopen handle of the module */
    const struct link_map* map;
};

/* Magic word of any stand-in object; 0 for null. */
uint32_t QZCFMagicOf(CFTypeRef object);

/* A new string (refcount 1) holding a copy of the UTF-8 text; null for null. */
CFStringRef QZCFStringCreateUTF8(const char* utf8);
/* The UTF-8 text of a string; null for null or a non-string object. */
const char* QZCFStringUTF8(CFStringRef string);

#endif
