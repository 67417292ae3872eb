/* Declares itself the host engine bundle and offers one function. */
#include "qz_bundle_id.h"

#include <stdint.h>

QZ_DEFINE_BUNDLE_IDENTIFIER(QZ_ENGINE_BUNDLE_ID);

QZ_EXTERN_C QZ_EXPORT int qztest_engine_function(void)
{
    return 25;
}

/* A host function, answering what no real host would. */
QZ_EXTERN_C QZ_EXPORT int16_t FX_GetMaxLayers(uint32_t)
{
    return 25;
}
