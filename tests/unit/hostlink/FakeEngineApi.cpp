#include "FakeEngineApi.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace hostlinktest
{

EngineApi LoadEngineModule(const char* path, int dlopenMode)
{
    void* handle = dlopen(path, dlopenMode);
    if (handle == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", path, dlerror());
        std::abort();
    }
    EngineApi api{};
#define FAKE_ENGINE_FIND(name) api.name = reinterpret_cast<decltype(api.name)>(dlsym(handle, "fake_engine_" #name));
    FAKE_ENGINE_API(FAKE_ENGINE_FIND)
#undef FAKE_ENGINE_FIND
    return api;
}

} // namespace hostlinktest
