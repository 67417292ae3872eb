#include "document/FCExpression.h"

#include "document/FCCell.h"
#include "document/FCMusicRegion.h"

FCRECORD_CLASS_DEFINE(FCExpression, 30, 0x534F4459)

namespace
{
bool IsItemNumber(int value) { return value >= 1 && value <= INT16_MAX; }
} // namespace

bool FCExpression::SaveNewToCell(FCCell* pCell)
{
    if (!pCell || !IsItemNumber(pCell->GetMeasure()) || !IsItemNumber(pCell->GetStaff()))
        return false;
    SetStaff(static_cast<int16_t>(pCell->GetStaff()));
    return SaveNew(static_cast<uint16_t>(pCell->GetMeasure()));
}

bool FCExpression::IsVisibleOnStaff(int staff) const { return IsLoaded() && staff == GetStaff(); }

const char* FCExpressions::ClassName() const { return "FCExpressions"; }

__FCBaseData* FCExpressions::CreateElement() { return new FCExpression(); }

FCExpression* FCExpressions::GetItemAt(int index) const
{
    return dynamic_cast<FCExpression*>(__FCCollectionInciOther::GetItemAt(index));
}

template <class TEST>
void FCExpressions::_AppendFromMeasure(int measure, TEST keep)
{
    FCExpressions all;
    all.LoadAllForItem(static_cast<uint16_t>(measure));
    while (all.GetCount() > 0) {
        __FCBase* pElement = all.DetachItemAt(0);
        FCExpression* pExpression = dynamic_cast<FCExpression*>(pElement);
        if (pExpression && keep(*pExpression))
            Add(pExpression);
        else
            delete pElement;
    }
}

int FCExpressions::LoadAllInCell(FCCell* pCell)
{
    ClearAll();
    if (!pCell || !IsItemNumber(pCell->GetMeasure()))
        return 0;
    const int staff = pCell->GetStaff();
    _AppendFromMeasure(pCell->GetMeasure(), [staff](const FCExpression& e) { return e.IsVisibleOnStaff(staff); });
    return GetCount();
}

int FCExpressions::LoadAllForRegion(FCMusicRegion* pRegion)
{
    ClearAll();
    if (!pRegion || pRegion->IsEmpty())
        return 0;
    for (int measure = pRegion->GetStartMeasure(); measure <= pRegion->GetEndMeasure(); ++measure) {
        if (!IsItemNumber(measure))
            continue;
        _AppendFromMeasure(measure, [pRegion, measure](const FCExpression& e) {
            return pRegion->IsStaffIncluded(e.GetStaff()) && pRegion->IsMeasurePosWithin(measure, e.GetMeasurePos());
        });
    }
    return GetCount();
}
