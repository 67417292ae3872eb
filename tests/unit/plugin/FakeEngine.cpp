/* Declares itself the host engine bundle and offers one function. */
#include "qz_bundle_id.h"

QZ_DEFINE_BUNDLE_IDENTIFIER(QZ_ENGINE_BUNDLE_ID);

QZ_EXTERN_C QZ_EXPORT int qztest_engine_function(void)
{
    return 25;
}
