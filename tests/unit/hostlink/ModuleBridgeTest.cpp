// The built plug-in module: every host function is exported, and the
// module's own calls of host functions stay inside the module.
#include <dlfcn.h>
#include <link.h>

#include <string>
#include <vector>

#include "FakeEngineApi.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

using hostlinktest::EngineApi;
using hostlinktest::LoadEngineModule;
using hostlinktest::TagOf;

namespace
{

constexpr uint32_t kVersion = qz::kHostVersion19;

void* OpenModule() { return dlopen(QZ_PLUGIN_MODULE, RTLD_NOW | RTLD_LOCAL); }

// True when the module itself defines name (not one of its dependencies).
bool DefinedBy(void* module, const char* name)
{
    void* symbol = dlsym(module, name);
    link_map* map = nullptr;
    Dl_info info{};
    if (symbol == nullptr || dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || dladdr(symbol, &info) == 0)
        return false;
    return info.dli_fbase == reinterpret_cast<void*>(map->l_addr);
}

TEST(ModuleBridge, EveryHostFunctionAndBridgeDatumIsExported)
{
    void* module = OpenModule();
    ASSERT_NE(module, nullptr) << dlerror();
    std::vector<std::string> names;
#define FX_NAME_OF(result, name, params, args, confirmed) names.push_back(#name);
    FX_HOST_FUNCTIONS(FX_NAME_OF)
#undef FX_NAME_OF
    EXPECT_EQ(names.size(), 162u);
    for (const char* datum :
         {"gFinaleBundle", "LoadedTGFCounter", "CanAddNoteRecordToRests", "FinaleEditDepth", "MassEditDepth"})
        names.push_back(datum);
    std::string missing;
    for (const std::string& name : names) {
        if (!DefinedBy(module, name.c_str()))
            missing += " " + name;
    }
    EXPECT_TRUE(missing.empty()) << "not exported:" << missing;
    EXPECT_EQ(*static_cast<uint8_t*>(dlsym(module, "CanAddNoteRecordToRests")), 1);
}

// A second engine loaded with global symbols exports the same FX_ names. If
// the module's own calls bound to the first definition in the process, they
// would reach that engine and skip the bridge.
TEST(ModuleBridge, InternalCallsGoThroughTheModulesOwnBridge)
{
    EXPECT_IN_FRESH_PROCESS(([] {
        const EngineApi intruder = LoadEngineModule(HOSTLINK_FAKE_INTRUDER, RTLD_NOW | RTLD_GLOBAL);
        const EngineApi engine = LoadEngineModule(HOSTLINK_FAKE_ENGINE, RTLD_NOW | RTLD_LOCAL);
        void* module = OpenModule();
        if (module == nullptr)
            return false;
        auto moduleMain = reinterpret_cast<int (*)(int, char**)>(dlsym(module, "main"));
        auto load = reinterpret_cast<decltype(&FX_LoadEData)>(dlsym(module, "FX_LoadEData"));
        auto end = reinterpret_cast<decltype(&FX_EndFinaleEdit)>(dlsym(module, "FX_EndFinaleEdit"));
        char host[] = "host";
        char* argv[] = {host, nullptr};
        if (moduleMain == nullptr || load == nullptr || end == nullptr || moduleMain(1, argv) != 1)
            return false;

        const uint16_t words[6] = {1, 0x4242, 3, 4, 5, 6};
        engine.put_record(TagOf("ot13"), -2, 0, words);
        intruder.put_record(TagOf("ot13"), -2, 0, words);
        const int16_t key[3] = {0, 0, 0};
        uint16_t playback[7] = {};
        uint32_t size = sizeof playback;
        const bool loaded = load(TagOf("pfPL"), key, playback, &size, kVersion) == 1 && playback[0] == 0x4242;
        const bool endWithoutStart = end(kVersion) == 1;

        return loaded && endWithoutStart && engine.calls("FX_LoadEData") == 4 && intruder.calls("FX_LoadEData") == 0 &&
               engine.calls("FX_EndFinaleEdit") == 0 && intruder.calls("FX_EndFinaleEdit") == 0;
    }()));
}

} // namespace
