#ifndef QZHOST_HOSTENGINE_H
#define QZHOST_HOSTENGINE_H

/* The simulated host engine's driver functions, resolved by name in the
   loaded engine module (one pointer per function, same names). */

#include "hostsim/hostsim_api.h"
#include "hostsim/hostsim_api_names.h"

#include <iosfwd>
#include <string>

class ModuleHost;

struct HostEngine
{
#define QZHOST_ENGINE_MEMBER(name) HOSTSIM_FN(name) name = nullptr;
    HOSTSIM_API_NAMES(QZHOST_ENGINE_MEMBER)
#undef QZHOST_ENGINE_MEMBER

    /* False, with the first missing name in missing, when the engine lacks one. */
    bool Resolve(const ModuleHost& host, std::string& missing);
    /* Loads the engine module into host, resolves it and resets the engine,
       for a program command that works on documents alone; false, with
       "qzhost: the host engine is not available" in err, when it cannot. */
    bool StartAlone(ModuleHost& host, std::ostream& err);
};

#endif
