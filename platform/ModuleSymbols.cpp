#include "platform/ModuleSymbols.h"

#include <dlfcn.h>
#include <link.h>

namespace ModuleSymbols
{

const link_map* MapOf(void* handle)
{
    link_map* map = nullptr;
    return handle && dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 ? map : nullptr;
}

bool LiesIn(const void* address, const link_map* map)
{
    Dl_info info;
    link_map* owner = nullptr;
    if (!address || !map || !dladdr1(address, &info, reinterpret_cast<void**>(&owner), RTLD_DL_LINKMAP))
        return false;
    return owner == map;
}

void* Own(void* handle, const link_map* map, const char* name)
{
    if (!handle || !name)
        return nullptr;
    void* address = dlsym(handle, name);
    if (!address) {
        dlerror();
        return nullptr;
    }
    return LiesIn(address, map) ? address : nullptr;
}

void* Own(void* handle, const char* name) { return Own(handle, MapOf(handle), name); }

} // namespace ModuleSymbols
