#include "qzhost/session/HostEngine.h"

#include "qzhost/ModuleHost.h"

#include <ostream>
#include <string>

bool HostEngine::Resolve(const ModuleHost& host, std::string& missing)
{
    missing.clear();
#define QZHOST_ENGINE_RESOLVE(name)                                      \
    name = reinterpret_cast<HOSTSIM_FN(name)>(host.EngineSymbol(#name)); \
    if (!name && missing.empty())                                        \
        missing = #name;
    HOSTSIM_API_NAMES(QZHOST_ENGINE_RESOLVE)
#undef QZHOST_ENGINE_RESOLVE
    return missing.empty();
}

bool HostEngine::StartAlone(ModuleHost& host, std::ostream& err)
{
    std::string missing;
    if (!host.LoadEngine(err) || !Resolve(host, missing)) {
        err << "qzhost: the host engine is not available\n";
        return false;
    }
    hostsim_reset();
    return true;
}
