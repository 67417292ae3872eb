#ifndef PLUGIN_DRIVERCOUNTERS_H
#define PLUGIN_DRIVERCOUNTERS_H

/* Counters the module exports for drivers (the host program, its validator,
   tests), next to the bridge's exported data. Not part of the host's plug-in
   interface: a host never calls them. */

#include <stdint.h>

#include "common/qz_export.h"

/* The framework objects alive in the module right now (FCLiveObjects). After
   the panel's terminate the count is back where it was before its invoke. */
QZ_EXTERN_C QZ_EXPORT int64_t QZLiveObjectCount(void);

#endif
