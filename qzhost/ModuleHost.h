#ifndef MODULEHOST_H
#define MODULEHOST_H

/* Loads modules the way the host does: the engine module first (as the host's
   engine is present before any plug-in), both with RTLD_LOCAL so that no
   module's symbols become visible to another, then the plug-in module with
   its entry points resolved. Closes both (plug-in first) when destroyed. */

#include "plugin/FinaleExtensionTypes.h"

#include <iosfwd>
#include <string>

/* The plug-in's entry points; the optional ones may be null. */
struct PluginEntryPoints
{
    FX_MainProc main = nullptr;
    FX_VersionProc version = nullptr;
    FX_InitProc init = nullptr;
    FX_EnumerateProc enumerate = nullptr;
    FX_EnumerateUTF16Proc enumerateUTF16 = nullptr;
    FX_GetMenuStatusProc getMenuStatus = nullptr;
    FX_InvokeProc invoke = nullptr;       /* optional */
    FX_TerminateProc terminate = nullptr; /* optional */
};

class ModuleHost
{
public:
    /* Environment variable naming the engine module, overriding the one
       found next to this program's build. */
    static const char* const kEngineVariable;

    ModuleHost() = default;
    ~ModuleHost();
    ModuleHost(const ModuleHost&) = delete;
    ModuleHost& operator=(const ModuleHost&) = delete;

    /* The engine module to load: $QZ_HOSTSIM when set and not empty, else the
       one built with this program, else "" (none known). */
    static std::string EnginePath();

    /* Loads the engine module if one is known and loadable. Without it the
       plug-in runs on its own; the reason is written to diag. */
    bool LoadEngine(std::ostream& diag);
    /* Loads the plug-in module and resolves its entry points (the module's
       own definitions only). False, with the reason in error, when it cannot
       be loaded or lacks a required entry point; nothing stays loaded then. */
    bool LoadPlugin(const std::string& path, std::string& error);

    bool HasEngine() const { return _engine != nullptr; }
    const std::string& EngineFile() const { return _engineFile; }
    const PluginEntryPoints& Entries() const { return _entries; }

    /* A symbol the module itself defines (data the plug-in exports for
       drivers, the engine's driver functions); null when it has none. */
    void* PluginSymbol(const char* name) const;
    void* EngineSymbol(const char* name) const;

private:
    bool ResolveEntries(std::string& error);
    void ClosePlugin();

    void* _engine = nullptr;
    void* _plugin = nullptr;
    std::string _engineFile;
    PluginEntryPoints _entries;
};

#endif
