#ifndef HOSTSIM_API_ENGINE_H
#define HOSTSIM_API_ENGINE_H

/* The engine itself: starting a host session, the host profile, strict
   mode, allocation policies, and the brackets around each plug-in call. */

#include "hostsim/hostsim_api_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Lifecycle ------------------------------------------------------------ */
HOSTSIM_API void hostsim_reset(void);
HOSTSIM_API void hostsim_set_profile(uint32_t hostVersion);
HOSTSIM_API uint32_t hostsim_profile(void);
HOSTSIM_API void hostsim_set_strict(int on);
HOSTSIM_API void hostsim_set_allocation_policy(int policy);
HOSTSIM_API void hostsim_set_incident_compaction(int on);
HOSTSIM_API void hostsim_set_part_scoped(uint32_t tag, int on);
HOSTSIM_API void hostsim_set_main_thread(void);
/* Brackets one plug-in entry call or UI event. The end checks that no edit is
   left open, that the current part is back to its value at the start and
   (pluginEditDepth >= 0) that the plug-in's edit depth equals the host's. */
HOSTSIM_API void hostsim_begin_plugin_call(const char* what);
HOSTSIM_API void hostsim_end_plugin_call(int32_t pluginEditDepth);

#ifdef __cplusplus
}
#endif

#endif
