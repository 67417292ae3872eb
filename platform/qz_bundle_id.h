#ifndef QZ_BUNDLE_ID_H
#define QZ_BUNDLE_ID_H

/* A module declares itself the bundle with identifier `id` by exporting the
   symbol below; the bundle stand-in recognises a loaded module by it.
   Use once, at namespace scope, in one source file of the module:
       QZ_DEFINE_BUNDLE_IDENTIFIER("org.example.engine");                   */

#include "qz_export.h"

#define QZ_BUNDLE_IDENTIFIER_SYMBOL "QZCFBundleIdentifier"

#if defined(__GNUC__) || defined(__clang__)
#define QZ_BUNDLE_ID_USED __attribute__((used))
#else
#define QZ_BUNDLE_ID_USED
#endif

#define QZ_DEFINE_BUNDLE_IDENTIFIER(id) \
    QZ_EXTERN_C QZ_EXPORT QZ_BUNDLE_ID_USED const char QZCFBundleIdentifier[] = id

#endif
