#ifndef QZ_COREFOUNDATION_STANDIN_H
#define QZ_COREFOUNDATION_STANDIN_H

/* The part of Core Foundation the plug-in uses, for systems that do not have
   it: bundles of loaded modules and their functions, strings and file URLs.
   Ownership follows Core Foundation: objects from Create/Copy calls belong to
   the caller (CFRelease), objects from Get calls do not. */

#include <stddef.h>
#include <stdint.h>

#include "../simurl.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef unsigned char Boolean;
typedef uint8_t UInt8;
typedef long CFIndex;
typedef uint32_t CFStringEncoding;
typedef const void* CFTypeRef;
typedef const struct QZCFAllocator* CFAllocatorRef;
typedef const struct QZCFString* CFStringRef;
typedef struct QZCFBundle* CFBundleRef;
typedef struct SimURL* CFURLRef;

enum
{
    kCFStringEncodingMacRoman = 0,
    kCFStringEncodingUTF8 = 0x08000100
};

typedef enum
{
    kCFURLPOSIXPathStyle = 0
} CFURLPathStyle;

#define kCFAllocatorDefault ((CFAllocatorRef)0)

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

/* ---- Objects ---- */
/* Both accept null (no-op). Releasing a bundle does nothing: bundles belong
   to the process. */
CFTypeRef CFRetain(CFTypeRef object);
void CFRelease(CFTypeRef object);

/* ---- Bundles ---- */
/* The loaded module that itself exports QZCFBundleIdentifier with this
   value; null when none is loaded. Not owned by the caller. */
CFBundleRef CFBundleGetBundleWithIdentifier(CFStringRef bundleID);
/* The executable of the process. Not owned by the caller. */
CFBundleRef CFBundleGetMainBundle(void);
Boolean CFBundleIsExecutableLoaded(CFBundleRef bundle);
/* The bundle module's own definition of functionName; never a symbol that
   another module defines. Null when the module defines none. */
void* CFBundleGetFunctionPointerForName(CFBundleRef bundle, CFStringRef functionName);

/* The localised text of key in the table ("Localizable" when tableName is
   null) of the bundle's resources: the user's language first
   (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), then "en", "English", "Base", then
   the resource folder itself; the first table file found is the one read.
   A table that is malformed is refused as a whole, with one system-log line
   naming the file and the line. Without the key in the table: value when it
   is not null or empty, else key. Owned by the caller; null only for a null
   key and value. */
CFStringRef CFBundleCopyLocalizedString(CFBundleRef bundle, CFStringRef key, CFStringRef value, CFStringRef tableName);

/* ---- Strings ---- */
/* Mac Roman text is converted to UTF-8; UTF-8 text must be well formed.
   Null for a null text, an unknown encoding or malformed UTF-8. */
CFStringRef CFStringCreateWithCString(CFAllocatorRef allocator, const char* cStr, CFStringEncoding encoding);
/* Copies the text with its terminator; false when it does not fit or cannot
   be represented in the encoding. */
Boolean CFStringGetCString(CFStringRef string, char* buffer, CFIndex bufferSize, CFStringEncoding encoding);

/* Length in UTF-16 units; 0 for null. */
CFIndex CFStringGetLength(CFStringRef string);
/* The most bytes length UTF-16 units take in the encoding (terminator not
   counted). */
CFIndex CFStringGetMaximumSizeForEncoding(CFIndex length, CFStringEncoding encoding);

/* ---- URLs ---- */
CFURLRef CFURLCreateWithFileSystemPath(CFAllocatorRef allocator, CFStringRef filePath, CFURLPathStyle pathStyle,
                                       Boolean isDirectory);
Boolean CFURLGetFileSystemRepresentation(CFURLRef url, Boolean resolveAgainstBase, UInt8* buffer, CFIndex maxBufLen);
CFStringRef CFURLCopyFileSystemPath(CFURLRef url, CFURLPathStyle pathStyle);

#ifdef __cplusplus
}
#endif

#endif
