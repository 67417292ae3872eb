#ifndef BUNDLEREGISTRY_H
#define BUNDLEREGISTRY_H

/* The process's bundles: one per loaded module that was asked for, made on
   the first request and kept (with its module pinned) for the life of the
   process. They live in static storage that is never torn down, so a bundle
   reference stays valid even while other objects are destroyed at exit. */

#include "platform/CFObjects.h"

#include <cstddef>
#include <mutex>
#include <string>
#include <vector>

class BundleRegistry
{
public:
    static BundleRegistry& Instance();

    /* The loaded module that itself exports the identifier symbol with this
       value; null when none does. */
    CFBundleRef FindByIdentifier(const char* identifier);
    /* The executable. */
    CFBundleRef MainBundle();

    /* The bundle module's own definition of name; null when the module does
       not define it (whatever its dependencies or other modules define). */
    static void* FindOwnSymbol(CFBundleRef bundle, const char* name);

private:
    BundleRegistry() = default;
    /* Takes an open module handle: returns the bundle already made for that
       module (closing the surplus handle) or a new one; null (handle closed)
       when every slot is taken. */
    CFBundleRef Adopt(void* handle);
    /* The identifier the module of handle exports itself, or null. */
    static const char* OwnIdentifier(void* handle);
    static std::vector<std::string> LoadedModuleNames();

    static constexpr size_t kMaxBundles = 64;

    std::mutex _mutex;
    QZCFBundle _bundles[kMaxBundles];
    size_t _count = 0;
};

#endif
