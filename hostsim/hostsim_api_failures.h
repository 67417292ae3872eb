#ifndef HOSTSIM_API_FAILURES_H
#define HOSTSIM_API_FAILURES_H

/* Failures and odd answers the driver injects into the host's functions. */

#include "hostsim/hostsim_api_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Failure injection ----------------------------------------------------- */
/* count < 0: always; count > 0: the next `count` calls; mode OFF clears. */
HOSTSIM_API void hostsim_fail(const char* function, int mode, int32_t count);
HOSTSIM_API void hostsim_fail_record(const char* function, uint32_t tag, const int16_t* key, int32_t count);
HOSTSIM_API void hostsim_refuse_edit_start(int32_t count);
HOSTSIM_API void hostsim_auto_numbered_names(int on);
HOSTSIM_API void hostsim_selection_garbage(int on);
HOSTSIM_API void hostsim_set_macho(int on);
/* Answer of the host's selection and symbol dialogs. */
HOSTSIM_API void hostsim_set_dialog_answer(int32_t answer);

#ifdef __cplusplus
}
#endif

#endif
