#ifndef QZ_BUNDLE_RESOURCES_H
#define QZ_BUNDLE_RESOURCES_H

/* Additions of the Core Foundation stand-in for drivers and tests (they do
   not exist in Core Foundation itself).

   Resource folder. A bundle's resources (the localised string tables,
   "<folder>/<language>.lproj/<table>.strings") are looked for in the folder
   "Resources" next to the bundle's module file, unless a folder has been set
   for the bundle here.

   System log. Lines the stand-in writes to the system log (a refused string
   table) go to the handler set here, else to standard error. */

#include <CoreFoundation/CoreFoundation.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Sets (null or "": clears) the resource folder of a bundle; forgets the
   tables read so far. */
void QZCFBundleSetResourceFolder(CFBundleRef bundle, const char* folder);
/* The bundle's resource folder into buffer (UTF-8); false when it does not
   fit or the bundle is not valid. */
Boolean QZCFBundleGetResourceFolder(CFBundleRef bundle, char* buffer, CFIndex size);

typedef void (*QZCFSystemLogHandler)(const char* line);
void QZCFSetSystemLogHandler(QZCFSystemLogHandler handler);
/* Writes one line to the system log. */
void QZCFSystemLog(const char* line);

#ifdef __cplusplus
}
#endif

#endif
