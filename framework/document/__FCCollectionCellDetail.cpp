#include "document/__FCCollectionCellDetail.h"

#include <vector>

#include "common/qz_host_versions.h"
#include "document/FCCell.h"
#include "document/FCMeasures.h"
#include "document/FCStaves.h"
#include "records/__FCCellDetail.h"
#include "records/__FCNoInciOther.h"
#include "hostlink/fx_host_abi.h"

namespace
{

/* The item numbers of the elements of a loaded list, in list order. */
std::vector<int16_t> ItemNumbers(const __FCCollectionData& list)
{
    std::vector<int16_t> items;
    for (int i = 0; i < list.GetCount(); ++i)
        if (const __FCNoInciOther* pRecord = dynamic_cast<const __FCNoInciOther*>(list.GetItemAt(i)))
            items.push_back(static_cast<int16_t>(pRecord->GetItemNo()));
    return items;
}
} // namespace

const char* __FCCollectionCellDetail::ClassName() const { return "__FCCollectionCellDetail"; }

__FCCellDetail* __FCCollectionCellDetail::_CreateScratchCellDetail() { return _CreateScratchAs<__FCCellDetail>(); }

int __FCCollectionCellDetail::_AppendCellDetails(__FCCellDetail* pScratch, __FCBase* pCell, int16_t staff,
                                                 int16_t measure, bool firstOnly)
{
    int appended = 0;
    pScratch->_AttachCell(pCell, staff, measure);
    if (!pScratch->LoadFirst())
        return 0;
    do {
        __FCCellDetail* pCopy = dynamic_cast<__FCCellDetail*>(_AppendCopyOf(pScratch));
        pScratch->_CopyCellTo(pCopy);
        ++appended;
    } while (!firstOnly && pScratch->LoadNext());
    return appended;
}

int __FCCollectionCellDetail::_LoadAllForEnigmaRegion(const EREGION* pRegion, bool firstOnly)
{
    ClearAll();
    /* A region whose start and end measure are both 0 has no cells. */
    if (!pRegion || (pRegion->startMeasure == 0 && pRegion->endMeasure == 0))
        return 0;
    __FCCellDetail* pScratch = _CreateScratchCellDetail();
    if (!pScratch)
        return 0;
    for (int slot = pRegion->startSlot; slot <= pRegion->endSlot; ++slot) {
        const int16_t staff = FX_SlotToInst(static_cast<int16_t>(slot), pRegion->startStaffList, qz::kInterfaceVersion);
        for (int measure = pRegion->startMeasure; measure <= pRegion->endMeasure; ++measure)
            _AppendCellDetails(pScratch, nullptr, staff, static_cast<int16_t>(measure), firstOnly);
    }
    delete pScratch;
    return GetCount();
}

int __FCCollectionCellDetail::LoadAll()
{
    ClearAll();
    __FCCellDetail* pScratch = _CreateScratchCellDetail();
    if (!pScratch)
        return 0;
    FCMeasures measureList;
    measureList.LoadAll();
    FCStaves staffList;
    staffList.LoadAll();
    const std::vector<int16_t> measures = ItemNumbers(measureList);
    const std::vector<int16_t> staves = ItemNumbers(staffList);
    for (int16_t measure : measures)
        for (int16_t staff : staves)
            _AppendCellDetails(pScratch, nullptr, staff, measure, false);
    delete pScratch;
    return GetCount();
}

int __FCCollectionCellDetail::LoadAllInCell(FCCell* pCell)
{
    ClearAll();
    if (!pCell)
        return 0;
    __FCCellDetail* pScratch = _CreateScratchCellDetail();
    if (!pScratch)
        return 0;
    _AppendCellDetails(pScratch, pCell, static_cast<int16_t>(pCell->GetStaff()),
                       static_cast<int16_t>(pCell->GetMeasure()), false);
    delete pScratch;
    return GetCount();
}
