#ifndef TESTBUNDLES_H
#define TESTBUNDLES_H

/* The identifiers and functions of the test bundles. qztest_shared_name is
   defined by the test program (1), the linked module (2) and the loaded
   module (3); each bundle must give its own. */

#include "common/qz_export.h"

#define QZTEST_LINKED_ID "org.qzstaffset.test.linked"
#define QZTEST_LOADED_ID "org.qzstaffset.test.loaded"

QZ_EXTERN_C QZ_EXPORT int qztest_shared_name(void);
QZ_EXTERN_C QZ_EXPORT int qztest_linked_only(void);
QZ_EXTERN_C QZ_EXPORT int qztest_loaded_calls_linked(void);
QZ_EXTERN_C QZ_EXPORT int qztest_program_only(void);

#endif
