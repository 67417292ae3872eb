#include "document/FCCells.h"

#include "core/FCIteratorHandler.h"

const char* FCCells::ClassName() const { return "FCCells"; }

FCCell* FCCells::GetItemAt(int index) const { return dynamic_cast<FCCell*>(__FCCollection::GetItemAt(index)); }

int FCCells::_ApplyEnigmaRegion(const EREGION& region)
{
    ClearAll();
    __FCBrowserRegionBase::_WalkRegionCells(region, [this](int16_t measure, int16_t staff) {
        Add(new FCCell(measure, staff));
        return true;
    });
    return GetCount();
}

template <class MATCH>
int FCCells::_ForEachMatching(FCIteratorHandler* pHandler, MATCH match)
{
    if (!pHandler)
        return 0;
    int count = 0;
    for (int i = 0; i < GetCount(); ++i) {
        FCCell* pCell = GetItemAt(i);
        if (!pCell || !match(*pCell))
            continue;
        if (!pHandler->Iterate(pCell))
            break;
        ++count;
    }
    return count;
}

int FCCells::ForEachAtMeasure(int measure, FCIteratorHandler* pHandler)
{
    return _ForEachMatching(pHandler, [measure](const FCCell& cell) { return cell.GetMeasure() == measure; });
}

int FCCells::ForEachAtStaff(int staff, FCIteratorHandler* pHandler)
{
    return _ForEachMatching(pHandler, [staff](const FCCell& cell) { return cell.GetStaff() == staff; });
}

FCCell* FCCells::Find(int measure, int staff) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCCell* pCell = GetItemAt(i);
        if (pCell && pCell->GetMeasure() == measure && pCell->GetStaff() == staff)
            return pCell;
    }
    return nullptr;
}
