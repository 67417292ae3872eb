#include "records/__FCCollectionNoInciDetail.h"

#include "records/__FCNoInciDetail.h"

const char* __FCCollectionNoInciDetail::ClassName() const { return "__FCCollectionNoInciDetail"; }

int __FCCollectionNoInciDetail::LoadAllForItem(uint16_t item1, uint16_t item2)
{
    ClearAll();
    __FCNoInciDetail* pScratch = _CreateScratchAs<__FCNoInciDetail>();
    if (!pScratch)
        return 0;
    for (uint32_t second = item2; second <= 0xFFFF; ++second) {
        if (!pScratch->Load(item1, static_cast<uint16_t>(second)))
            break;
        _AppendCopyOf(pScratch);
    }
    delete pScratch;
    return GetCount();
}
