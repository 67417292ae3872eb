#ifndef QZ_BUNDLE_ID_H
#define QZ_BUNDLE_ID_H

/* A module declares itself the bundle with identifier `id` by exporting the
   symbol below; the bundle stand-in recognises a loaded module by it.
   Use once, at namespace scope, in one source file of the module:
       QZ_DEFINE_BUNDLE_IDENTIFIER("org.example.engine");                   */

#include "common/qz_export.h"

#define QZ_BUNDLE_IDENTIFIER_SYMBOL "QZCFBundleIdentifier"

/* Every bundle module exports the same name, by design. The symbol sits in a
   section of its own, which keeps the address sanitizer from treating the
   copies in different modules as one global defined twice. */
#if defined(__GNUC__) || defined(__clang__)
#define QZ_BUNDLE_ID_ATTRIBUTES __attribute__((used, section("qz_bundle_id")))
#else
#define QZ_BUNDLE_ID_ATTRIBUTES
#endif

#define QZ_DEFINE_BUNDLE_IDENTIFIER(id) \
    QZ_EXTERN_C QZ_EXPORT QZ_BUNDLE_ID_ATTRIBUTES const char QZCFBundleIdentifier[] = id

#endif
