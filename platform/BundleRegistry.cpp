#include "platform/BundleRegistry.h"

#include "platform/ModuleSymbols.h"
#include "platform/qz_bundle_id.h"

#include <dlfcn.h>
#include <link.h>

#include <cstring>
#include <type_traits>

namespace
{

int CollectName(dl_phdr_info* info, size_t, void* data)
{
    static_cast<std::vector<std::string>*>(data)->push_back(info->dlpi_name ? info->dlpi_name : "");
    return 0;
}

} // namespace

BundleRegistry& BundleRegistry::Instance()
{
    /* Nothing to tear down at exit: no destructor ever invalidates a bundle. */
    static_assert(std::is_trivially_destructible<BundleRegistry>::value, "bundles outlive static destruction");
    static BundleRegistry registry;
    return registry;
}

std::vector<std::string> BundleRegistry::LoadedModuleNames()
{
    std::vector<std::string> names;
    dl_iterate_phdr(CollectName, &names);
    return names;
}

const char* BundleRegistry::OwnIdentifier(void* handle)
{
    return static_cast<const char*>(ModuleSymbols::Own(handle, QZ_BUNDLE_IDENTIFIER_SYMBOL));
}

CFBundleRef BundleRegistry::Adopt(void* handle)
{
    const link_map* map = ModuleSymbols::MapOf(handle);
    for (size_t i = 0; i < _count; ++i) {
        if (_bundles[i].map == map) {
            dlclose(handle);
            return &_bundles[i];
        }
    }
    if (_count == kMaxBundles) {
        dlclose(handle);
        return nullptr;
    }
    _bundles[_count] = QZCFBundle{kQZCFBundleMagic, 1, handle, map};
    return &_bundles[_count++];
}

CFBundleRef BundleRegistry::FindByIdentifier(const char* identifier)
{
    if (!identifier)
        return nullptr;
    std::lock_guard<std::mutex> lock(_mutex);
    for (const std::string& name : LoadedModuleNames()) {
        /* The executable is listed with an empty name; dlopen(NULL) opens it. */
        void* handle = dlopen(name.empty() ? nullptr : name.c_str(), RTLD_LAZY | RTLD_NOLOAD);
        if (!handle) {
            dlerror();
            continue;
        }
        const char* own = OwnIdentifier(handle);
        if (own && std::strcmp(own, identifier) == 0)
            return Adopt(handle);
        dlclose(handle);
    }
    return nullptr;
}

CFBundleRef BundleRegistry::MainBundle()
{
    std::lock_guard<std::mutex> lock(_mutex);
    void* handle = dlopen(nullptr, RTLD_LAZY);
    return handle ? Adopt(handle) : nullptr;
}

void* BundleRegistry::FindOwnSymbol(CFBundleRef bundle, const char* name)
{
    if (QZCFMagicOf(bundle) != kQZCFBundleMagic || !name)
        return nullptr;
    return ModuleSymbols::Own(bundle->handle, bundle->map, name);
}
