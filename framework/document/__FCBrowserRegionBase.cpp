#include "document/__FCBrowserRegionBase.h"

#include "document/FCCell.h"
#include "document/FCMusicRegion.h"
#include "hostlink/fx_host_abi.h"

const char* __FCBrowserRegionBase::ClassName() const { return "__FCBrowserRegionBase"; }

int16_t __FCBrowserRegionBase::_SlotToStaff(int slot, uint16_t staffList)
{
    return FX_SlotToInst(static_cast<int16_t>(slot), staffList, 0x19000000);
}

int __FCBrowserRegionBase::ForEach(FCIteratorHandler* pHandler)
{
    EREGION first{};
    EREGION selection{};
    EREGION whole{};
    if (!FX_GetCurERegions(&first, &selection, &whole, 0x19000000))
        return 0;
    FCMusicRegion region(&selection);
    return ForEachInRegion(pHandler, &region);
}
