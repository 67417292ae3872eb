#ifndef QZ_HOSTLINK_HOSTBUNDLE_H
#define QZ_HOSTLINK_HOSTBUNDLE_H

/* The host engine bundle in which host functions are looked up by name;
   null until the plug-in's start-up (InitializeGlobals) has found one.
   Exported for drivers. */

#include <CoreFoundation/CoreFoundation.h>

#include "common/qz_export.h"

QZ_EXTERN_C QZ_EXPORT CFBundleRef gFinaleBundle;

#endif
