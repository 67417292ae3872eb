#ifndef QZ_HOSTLINK_HOSTLOOKUP_H
#define QZ_HOSTLINK_HOSTLOOKUP_H

#include "hostlink/fx_host_abi.h"

namespace fxhost
{

// Looks a host function up by name in the host engine bundle: null when no
// bundle is set or the bundle has no such function.
void* ResolveHostFunction(const char* name);

// One accessor per host function: the host's own implementation, resolved on
// the first call and kept for the life of the process (null when missing).
// Members with logic call the host through these, never through their own
// exported names.
#define FXHOST_DECLARE_LOOKUP(result, name, params, args, confirmed) \
    using name##_Ptr = result(*) params;                             \
    name##_Ptr Lookup_##name();
FX_HOST_FUNCTIONS(FXHOST_DECLARE_LOOKUP)
#undef FXHOST_DECLARE_LOOKUP

// Calls a resolved host function, or gives the zero of its result type when
// the host has none (no argument is touched then).
template <typename R, typename... P, typename... A>
R CallHost(R (*fn)(P...), A... args)
{
    return fn != nullptr ? fn(args...) : R();
}

} // namespace fxhost

#endif
