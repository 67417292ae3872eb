/* The running host version for string tests that link only the framework:
   the plug-in's start-up code, which normally holds it, is not linked here. */
#include "FinaleExtension.h"

uint32_t RunningFinaleVersion = 0x19000000;

uint32_t GetFinaleFrameworkVersion()
{
    return RunningFinaleVersion;
}

void SetFinaleFrameworkVersion(uint32_t version)
{
    RunningFinaleVersion = version;
}
