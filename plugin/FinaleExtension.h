#ifndef FINALEEXTENSION_H
#define FINALEEXTENSION_H

/* The surface of the plug-in that the host sees before the panel exists:
   the exported entry points, their Ext_ aliases, start-up and the running
   host version. */

#include <stdint.h>

#include <CoreFoundation/CoreFoundation.h>

#include "plugin/FinaleExtensionTypes.h"
#include "common/qz_export.h"
#include "core/FinaleVersion.h"
#include "hostlink/HostBundle.h"

/* The running host version (RunningFinaleVersion, Get/SetFinaleFrameworkVersion)
   lives in the framework's core and the engine bundle (gFinaleBundle) in the
   host function bridge; start-up sets both. */
CFBundleRef GetFinaleBundleRef();

/* Finds the host engine bundle: the bundle already held, else the bundle
   with the engine identifier, else the main bundle. 0 when gFinaleBundle
   holds a bundle afterwards, -1 when it holds none. */
QZ_EXTERN_C QZ_EXPORT int16_t InitializeGlobals(void);

/* What the module's exported `main` does: with argc 0 or a null argv it does
   nothing and returns 0; otherwise it runs InitializeGlobals and returns 1
   when that succeeded, else 0. The exported `main` itself is defined only in
   the module (plugin/module/), so that programs which link the plug-in's
   objects keep their own main. */
int PluginMain(int argc, char** argv);

/* Entry points, C linkage. The first pointer argument of Init and of both
   Enumerate functions belongs to the host and is ignored. */
QZ_EXTERN_C QZ_EXPORT uint32_t FinaleExtensionVersion(uint32_t hostVersion);
QZ_EXTERN_C QZ_EXPORT int32_t FinaleExtensionInit(void* host, uint8_t* flags);
QZ_EXTERN_C QZ_EXPORT int16_t FinaleExtensionEnumerate(void* host, int16_t index, void* record);
QZ_EXTERN_C QZ_EXPORT int16_t FinaleExtensionEnumerate_UTF16(void* host, int16_t index, void* record);
QZ_EXTERN_C QZ_EXPORT int32_t FinaleExtensionGetMenuStatus(void);
QZ_EXTERN_C QZ_EXPORT void* FinaleExtensionInvoke(void* hostWindow);
QZ_EXTERN_C QZ_EXPORT void FinaleExtensionTerminate(void);

/* Exported aliases that pass their arguments unchanged to an entry point:
   X(alias, entry point, result type, (typed parameters), (argument names)). */
#define FX_EXTENSION_ALIASES(X)                                                                                \
    X(Ext_getversion, FinaleExtensionVersion, uint32_t, (uint32_t hostVersion), (hostVersion))                 \
    X(Ext_init, FinaleExtensionInit, int32_t, (void* host, uint8_t* flags), (host, flags))                     \
    X(Ext_enumerate, FinaleExtensionEnumerate, int16_t, (void* host, int16_t index, void* record),             \
      (host, index, record))                                                                                   \
    X(Ext_enumerate_UTF16, FinaleExtensionEnumerate_UTF16, int16_t, (void* host, int16_t index, void* record), \
      (host, index, record))                                                                                   \
    X(Ext_getmenustatus, FinaleExtensionGetMenuStatus, int32_t, (void), ())

#define FX_DECLARE_EXTENSION_ALIAS(alias, target, result, params, args) QZ_EXTERN_C QZ_EXPORT result alias params;
FX_EXTENSION_ALIASES(FX_DECLARE_EXTENSION_ALIAS)
#undef FX_DECLARE_EXTENSION_ALIAS

/* Aliases of the invocation entry points. */
QZ_EXTERN_C QZ_EXPORT void* Ext_invoke(void* hostWindow);
QZ_EXTERN_C QZ_EXPORT void Ext_terminate(void);

#endif
