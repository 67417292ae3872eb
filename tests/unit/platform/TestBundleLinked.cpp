#include "TestBundles.h"
#include "platform/qz_bundle_id.h"

QZ_DEFINE_BUNDLE_IDENTIFIER(QZTEST_LINKED_ID);

int qztest_shared_name(void) { return 2; }
int qztest_linked_only(void) { return 11; }
