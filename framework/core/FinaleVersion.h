#ifndef FRAMEWORK_CORE_FINALEVERSION_H
#define FRAMEWORK_CORE_FINALEVERSION_H

/* The running host version: the version the host announced through the
   plug-in's version entry point (qz::kDefaultHostVersion until then). Every
   layer reads it through GetFinaleFrameworkVersion; the plug-in sets it at
   start-up. */

#include <stdint.h>

extern uint32_t RunningFinaleVersion;

uint32_t GetFinaleFrameworkVersion();
void SetFinaleFrameworkVersion(uint32_t version);

#endif
