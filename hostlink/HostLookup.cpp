#include "hostlink/HostLookup.h"

#include <CoreFoundation/CoreFoundation.h>

#include "hostlink/HostBundle.h"

namespace fxhost
{

void* ResolveHostFunction(const char* name)
{
    CFStringRef cfName = CFStringCreateWithCString(kCFAllocatorDefault, name, kCFStringEncodingMacRoman);
    void* found = nullptr;
    CFBundleRef bundle = gFinaleBundle;
    if (bundle != nullptr && cfName != nullptr) {
        (void)CFBundleIsExecutableLoaded(bundle);
        found = CFBundleGetFunctionPointerForName(bundle, cfName);
    }
    if (cfName != nullptr)
        CFRelease(cfName);
    return found;
}

namespace
{

// A lookup that lands on this module's own forwarder would call itself for
// ever; it counts as not found.
template <typename Fn>
Fn ResolveAs(const char* name, Fn ownForwarder)
{
    Fn fn = reinterpret_cast<Fn>(ResolveHostFunction(name));
    return fn == ownForwarder ? nullptr : fn;
}

} // namespace

#define FXHOST_DEFINE_LOOKUP(result, name, params, args, confirmed)               \
    name##_Ptr Lookup_##name()                                                    \
    {                                                                             \
        static const name##_Ptr resolved = ResolveAs<name##_Ptr>(#name, &::name); \
        return resolved;                                                          \
    }
FX_HOST_FUNCTIONS(FXHOST_DEFINE_LOOKUP)
#undef FXHOST_DEFINE_LOOKUP

} // namespace fxhost

// The members without logic of their own: each forwards to the host's
// function of the same name.
#define FXHOST_DEFINE_FORWARDER(result, name, params, args, confirmed) \
    extern "C" QZ_EXPORT result name params                            \
    {                                                                  \
        const fxhost::name##_Ptr host = fxhost::Lookup_##name();       \
        if (host == nullptr)                                           \
            return result();                                           \
        return host args;                                              \
    }
FX_HOST_PLAIN_FUNCTIONS(FXHOST_DEFINE_FORWARDER)
#undef FXHOST_DEFINE_FORWARDER
