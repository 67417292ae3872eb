#include "plugin/DriverCounters.h"

#include "core/FCLiveObjects.h"

int64_t QZLiveObjectCount(void) { return FCLiveObjects::Count(); }
