#include "plugin/FinaleExtensionTypes.h"
#include "common/qz_host_versions.h"
#include "platform/ModuleSymbols.h"
#include "plugin/qzstaffset_exports.h"
#include "support/RunProgram.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>
#include <string>

namespace
{

/* What the host must find in the module. */
const char* const kRequiredExports[] = {
    "main",
    "InitializeGlobals",
    "gFinaleBundle",
    "FinaleExtensionVersion",
    "FinaleExtensionInit",
    "FinaleExtensionEnumerate",
    "FinaleExtensionEnumerate_UTF16",
    "FinaleExtensionGetMenuStatus",
    "Ext_getversion",
    "Ext_init",
    "Ext_enumerate",
    "Ext_enumerate_UTF16",
    "Ext_getmenustatus",
    "NewFF_DialogHandlerProc",
    "DisposeFF_DialogHandlerProc",
};

/* Everything the module may export: the names and prefixes of the module's
   export list (plugin/module/exports.cmake, which makes the linker's version
   script too), and what the linker defines in every shared object. */
#define QZTEST_EXPORT_ROW(name) name,
const char* const kAllowedNames[] = {
    QZ_MODULE_EXPORT_NAMES(QZTEST_EXPORT_ROW) "_init", "_fini", "__bss_start", "_edata", "_end",
};
const char* const kAllowedPrefixes[] = {QZ_MODULE_EXPORT_PREFIXES(QZTEST_EXPORT_ROW)};
#undef QZTEST_EXPORT_ROW

bool IsAllowed(const std::string& name)
{
    for (const char* allowed : kAllowedNames)
        if (name == allowed)
            return true;
    for (const char* prefix : kAllowedPrefixes)
        if (name.compare(0, std::char_traits<char>::length(prefix), prefix) == 0)
            return true;
    return false;
}

/* The defined dynamic symbols of the module, as the dynamic symbol table
   lists them (version suffixes removed). */
std::set<std::string> DynamicSymbols(const char* module)
{
    std::set<std::string> names;
    const std::string command = std::string(NM_PROGRAM) + " -D --defined-only '" + module + "'";
    const ProgramRun run = RunProgram(command);
    EXPECT_EQ(run.status, 0) << command << ": " << run.err;
    std::istringstream lines(run.out);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string field, name;
        while (fields >> field)
            name = field;
        names.insert(name.substr(0, name.find('@')));
    }
    return names;
}

/* Loads the module as the host does and starts it; the exit status tells
   which step failed. */
[[noreturn]] void LoadAndStartModule()
{
    void* module = dlopen(QZTEST_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) {
        fprintf(stderr, "%s\n", dlerror());
        std::exit(2);
    }
    for (const char* name : kRequiredExports) {
        if (!ModuleSymbols::Own(module, name)) {
            fprintf(stderr, "%s not found in the module\n", name);
            std::exit(3);
        }
    }
    auto bundle = static_cast<void**>(ModuleSymbols::Own(module, "gFinaleBundle"));
    auto moduleMain = reinterpret_cast<FX_MainProc>(ModuleSymbols::Own(module, "main"));
    auto version = reinterpret_cast<FX_VersionProc>(ModuleSymbols::Own(module, "FinaleExtensionVersion"));
    if (*bundle != nullptr)
        std::exit(4);
    char name[] = "host";
    char* argv[] = {name, nullptr};
    if (moduleMain(1, argv) != 1 || *bundle == nullptr)
        std::exit(5);
    std::exit(version(qz::kHostVersion19) == FX_EXTENSION_VERSION_ANSWER ? 0 : 6);
}

/* Starts the module (loaded with loadMode) with or without the engine and
   calls one host function through it; exits 0 when it answered expected. */
[[noreturn]] void CallHostFunctionThroughModule(bool withEngine, int loadMode, int expected)
{
    if (withEngine && !dlopen(QZTEST_FAKE_ENGINE, RTLD_NOW | RTLD_LOCAL))
        std::exit(2);
    void* module = dlopen(QZTEST_MODULE, RTLD_NOW | loadMode);
    if (!module)
        std::exit(3);
    auto moduleMain = reinterpret_cast<FX_MainProc>(ModuleSymbols::Own(module, "main"));
    using MaxLayersProc = int16_t (*)(uint32_t);
    auto maxLayers = reinterpret_cast<MaxLayersProc>(ModuleSymbols::Own(module, "FX_GetMaxLayers"));
    char name[] = "host";
    char* argv[] = {name, nullptr};
    if (!moduleMain || !maxLayers || moduleMain(1, argv) != 1)
        std::exit(4);
    const int answer = maxLayers(qz::kHostVersion19);
    fprintf(stderr, "answer %d\n", answer);
    std::exit(answer == expected ? 0 : 5);
}

} // namespace

TEST(ModuleExports, TheHostInterfaceIsExported)
{
    const std::set<std::string> symbols = DynamicSymbols(QZTEST_MODULE);
    ASSERT_FALSE(symbols.empty());
    for (const char* name : kRequiredExports)
        EXPECT_EQ(symbols.count(name), 1u) << name << " is not exported";
}

TEST(ModuleExports, NothingElseLeaksOut)
{
    for (const std::string& name : DynamicSymbols(QZTEST_MODULE))
        EXPECT_TRUE(IsAllowed(name)) << name << " is exported but not part of the host interface";
}

TEST(ModuleExports, AHostCanLoadTheModuleAndStartItInAFreshProcess)
{
    EXPECT_EXIT(LoadAndStartModule(), ::testing::ExitedWithCode(0), "");
}

TEST(ModuleHostLookup, HostFunctionsAreFoundInTheEngineBundle)
{
    EXPECT_EXIT(CallHostFunctionThroughModule(true, RTLD_LOCAL, 25), ::testing::ExitedWithCode(0), "");
}

/* Without an engine the main bundle is used; even with the module's own
   forwarders visible to the whole process, a lookup must not find them (it
   would call itself for ever). */
TEST(ModuleHostLookup, TheMainBundleFallbackNeverFindsTheModulesOwnForwarders)
{
    EXPECT_EXIT(CallHostFunctionThroughModule(false, RTLD_GLOBAL, 0), ::testing::ExitedWithCode(0), "");
}
