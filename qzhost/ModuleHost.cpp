#include "qzhost/ModuleHost.h"

#include "platform/ModuleSymbols.h"

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <map>
#include <ostream>
#include <unordered_map>

const char* const ModuleHost::kEngineVariable = "QZ_HOSTSIM";

/* The plug-in's entry points: X(member, exported name, required). */
#define QZHOST_ENTRY_POINTS(X)                                \
    X(main, "main", true)                                     \
    X(version, "FinaleExtensionVersion", true)                \
    X(init, "FinaleExtensionInit", true)                      \
    X(enumerate, "FinaleExtensionEnumerate", true)            \
    X(enumerateUTF16, "FinaleExtensionEnumerate_UTF16", true) \
    X(getMenuStatus, "FinaleExtensionGetMenuStatus", true)    \
    X(invoke, "FinaleExtensionInvoke", false)                 \
    X(terminate, "FinaleExtensionTerminate", false)

namespace
{

std::string LoaderError()
{
    const char* message = dlerror();
    return message ? message : "unknown loader error";
}

/* Converts a symbol address to the function pointer type of member. */
template <typename Function>
void AssignEntry(Function& member, void* address)
{
    member = reinterpret_cast<Function>(address);
}

/* The module's own definitions by name, looked up once per loaded module:
   the driver tables resolve a hundred names for every session, and a child
   process finds those its parent looked up already. */
using SymbolCache = std::map<void*, std::unordered_map<std::string, void*>>;

SymbolCache& Symbols()
{
    static SymbolCache cache;
    return cache;
}

void* OwnSymbol(void* handle, const char* name)
{
    if (!handle || !name)
        return nullptr;
    auto& names = Symbols()[handle];
    const auto found = names.find(name);
    if (found != names.end())
        return found->second;
    return names[name] = ModuleSymbols::Own(handle, name);
}

/* Closes a module. A module that stays loaded (opened elsewhere in the
   process too, as the validator's parent opens both for its children) keeps
   its looked-up names, so that the next session of a process does not look
   them up again; an unloaded module's handle may come back for another. */
void CloseModule(void* handle)
{
    const link_map* map = ModuleSymbols::MapOf(handle);
    const std::string path = map && map->l_name ? map->l_name : "";
    dlclose(handle);
    void* still = path.empty() ? nullptr : dlopen(path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (still == handle) {
        dlclose(still);
        return;
    }
    if (still)
        dlclose(still);
    Symbols().erase(handle);
}

} // namespace

ModuleHost::~ModuleHost()
{
    ClosePlugin();
    if (_engine)
        CloseModule(_engine);
}

std::string ModuleHost::EnginePath()
{
    const char* fromEnvironment = std::getenv(kEngineVariable);
    if (fromEnvironment && *fromEnvironment)
        return fromEnvironment;
#ifdef QZHOST_ENGINE_MODULE
    return QZHOST_ENGINE_MODULE;
#else
    return "";
#endif
}

bool ModuleHost::LoadEngine(std::ostream& diag)
{
    if (_engine)
        return true;
    const std::string path = EnginePath();
    if (path.empty()) {
        diag << "qzhost: no host engine module known; running the plug-in without it\n";
        return false;
    }
    _engine = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!_engine) {
        diag << "qzhost: host engine not loaded (" << LoaderError() << "); running the plug-in without it\n";
        return false;
    }
    _engineFile = path;
    return true;
}

bool ModuleHost::LoadPlugin(const std::string& path, std::string& error)
{
    ClosePlugin();
    _plugin = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!_plugin) {
        error = "cannot load plug-in module '" + path + "': " + LoaderError();
        return false;
    }
    if (!ResolveEntries(error)) {
        error = "'" + path + "' is not a usable plug-in module: " + error;
        ClosePlugin();
        return false;
    }
    return true;
}

bool ModuleHost::ResolveEntries(std::string& error)
{
    std::string missing;
#define QZHOST_RESOLVE_ENTRY(member, name, required)        \
    AssignEntry(_entries.member, OwnSymbol(_plugin, name)); \
    if (required && !_entries.member)                       \
        missing += std::string(missing.empty() ? "" : ", ") + name;
    QZHOST_ENTRY_POINTS(QZHOST_RESOLVE_ENTRY)
#undef QZHOST_RESOLVE_ENTRY
    if (missing.empty())
        return true;
    error = "missing entry point(s) " + missing;
    return false;
}

void ModuleHost::ClosePlugin()
{
    _entries = PluginEntryPoints();
    if (_plugin)
        CloseModule(_plugin);
    _plugin = nullptr;
}

void* ModuleHost::PluginSymbol(const char* name) const { return OwnSymbol(_plugin, name); }

void* ModuleHost::EngineSymbol(const char* name) const { return OwnSymbol(_engine, name); }
