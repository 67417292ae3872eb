// Frame members: the loaded-frame counter, and frame cleaning before a frame
// goes back to the host.
#include "hostlink/BridgeData.h"
#include "hostlink/CleanTGF.h"
#include "hostlink/HostLookup.h"

using fxhost::CallHost;

extern "C" QZ_EXPORT intptr_t FX_LoadTGF(EXTGF2005a* frame, int16_t staff, int16_t measure, int16_t layer,
                                         uint32_t version)
{
    ++LoadedTGFCounter;
    return CallHost(fxhost::Lookup_FX_LoadTGF(), frame, staff, measure, layer, version);
}

extern "C" QZ_EXPORT intptr_t FX_FreeTGF(EXTGF2005a* frame, uint32_t version)
{
    --LoadedTGFCounter;
    return CallHost(fxhost::Lookup_FX_FreeTGF(), frame, version);
}

extern "C" QZ_EXPORT fxbool FX_SaveTGF(EXTGF2005a* frame, uint32_t version)
{
    fxhost::CleanTGF(frame);
    return CallHost(fxhost::Lookup_FX_SaveTGF(), frame, version);
}

extern "C" QZ_EXPORT fxbool FX_InsertEXENTRY(EXTGF2005a* frame, int16_t entryIndex, int16_t count, uint32_t version)
{
    fxhost::CleanTGF(frame);
    return CallHost(fxhost::Lookup_FX_InsertEXENTRY(), frame, entryIndex, count, version);
}

extern "C" QZ_EXPORT fxbool FX_DeleteEXENTRY(EXTGF2005a* frame, int16_t entryIndex, int16_t count, uint32_t version)
{
    fxhost::CleanTGF(frame);
    return CallHost(fxhost::Lookup_FX_DeleteEXENTRY(), frame, entryIndex, count, version);
}
