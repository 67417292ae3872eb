#include "TestBundles.h"
#include "platform/qz_bundle_id.h"

QZ_DEFINE_BUNDLE_IDENTIFIER(QZTEST_LOADED_ID);

int qztest_shared_name(void) { return 3; }
int qztest_loaded_calls_linked(void) { return qztest_linked_only(); }
