#include "core/FinaleVersion.h"

#include "common/qz_host_versions.h"

uint32_t RunningFinaleVersion = qz::kDefaultHostVersion;

uint32_t GetFinaleFrameworkVersion() { return RunningFinaleVersion; }

void SetFinaleFrameworkVersion(uint32_t version) { RunningFinaleVersion = version; }
