#ifndef HOSTSIM_API_LOGS_H
#define HOSTSIM_API_LOGS_H

/* What the engine saw: the call, edit and menu logs, redraws, alerts, the
   frames and URLs handed out, and strict-mode violations. */

#include "hostsim/hostsim_api_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Logs ------------------------------------------------------------------ */
HOSTSIM_API size_t hostsim_call_log_count(void);
HOSTSIM_API int hostsim_call_log_entry(size_t index, hostsim_call* out);
HOSTSIM_API size_t hostsim_call_count(const char* function);
HOSTSIM_API const char* hostsim_call_log_text(void);
HOSTSIM_API void hostsim_clear_call_log(void);
/* 0: calls are no longer kept in the call log (a long run that never reads
   it); 1, and after every reset: they are. */
HOSTSIM_API void hostsim_keep_call_log(int keep);
/* Finished edits in order, then the edits still open (outcome OPEN). */
HOSTSIM_API size_t hostsim_edit_log_count(void);
HOSTSIM_API int hostsim_edit_log_entry(size_t index, hostsim_edit* out);
HOSTSIM_API void hostsim_clear_edit_log(void);
HOSTSIM_API size_t hostsim_menu_log_count(void);
HOSTSIM_API int hostsim_menu_log_entry(size_t index, hostsim_menu* out);
HOSTSIM_API void hostsim_clear_menu_log(void);
HOSTSIM_API size_t hostsim_redraw_count(void);
HOSTSIM_API int hostsim_last_redraw(hostsim_region* out);
HOSTSIM_API size_t hostsim_alert_count(void);
HOSTSIM_API const char* hostsim_alert_text(size_t index);
HOSTSIM_API size_t hostsim_urls_handed_out(void);
/* Entries of the last frame the plug-in saved (146 bytes each); returns the size. */
HOSTSIM_API size_t hostsim_saved_frame(void* bytes, size_t capacity);

/* Strict-mode violations (severity >= minSeverity are counted). */
HOSTSIM_API size_t hostsim_violation_count(int minSeverity);
HOSTSIM_API int hostsim_violation_at(size_t index, hostsim_violation* out);
HOSTSIM_API const char* hostsim_violations_text(int minSeverity);
HOSTSIM_API void hostsim_clear_violations(void);

#ifdef __cplusplus
}
#endif

#endif
