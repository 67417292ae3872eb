// Edit-bracket members: they keep the nesting depths, so that an end or a
// cancel without a matching start never reaches the host.
#include "hostlink/BridgeData.h"
#include "hostlink/HostLookup.h"

using fxhost::CallHost;

extern "C" QZ_EXPORT fxbool FX_StartFinaleEdit(const char* name, uint32_t version)
{
    ++FinaleEditDepth;
    return CallHost(fxhost::Lookup_FX_StartFinaleEdit(), name, version);
}

extern "C" QZ_EXPORT fxbool FX_StartFinaleEdit_UTF16(const uint16_t* name, uint32_t version)
{
    ++FinaleEditDepth;
    return CallHost(fxhost::Lookup_FX_StartFinaleEdit_UTF16(), name, version);
}

extern "C" QZ_EXPORT fxbool FX_EndFinaleEdit(uint32_t version)
{
    if (FinaleEditDepth < 1)
        return 1;
    --FinaleEditDepth;
    return CallHost(fxhost::Lookup_FX_EndFinaleEdit(), version);
}

extern "C" QZ_EXPORT fxbool FX_CancelFinaleEdit(uint32_t version)
{
    if (FinaleEditDepth <= 0)
        return 0;
    --FinaleEditDepth;
    return CallHost(fxhost::Lookup_FX_CancelFinaleEdit(), version);
}

extern "C" QZ_EXPORT fxbool FX_StartMassEdit(uint32_t version)
{
    ++MassEditDepth;
    return CallHost(fxhost::Lookup_FX_StartMassEdit(), version);
}

extern "C" QZ_EXPORT fxbool FX_EndMassEdit(uint32_t version)
{
    --MassEditDepth;
    return CallHost(fxhost::Lookup_FX_EndMassEdit(), version);
}
