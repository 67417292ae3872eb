#include "document/FCSeparatePlacement.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCSeparatePlacement, 82, QZ_FOURCC("otBI"))

const char* FCSeparatePlacements::ClassName() const { return "FCSeparatePlacements"; }

__FCBaseData* FCSeparatePlacements::CreateElement() { return new FCSeparatePlacement(); }

FCSeparatePlacement* FCSeparatePlacements::GetItemAt(int index) const
{
    return dynamic_cast<FCSeparatePlacement*>(__FCCollectionInciOther::GetItemAt(index));
}

int FCSeparatePlacements::KeepOnlyMeasure(int measure)
{
    for (int i = GetCount() - 1; i >= 0; --i) {
        const FCSeparatePlacement* pPlacement = GetItemAt(i);
        if (!pPlacement || pPlacement->GetItemNo() != measure)
            ClearItemAt(i);
    }
    return GetCount();
}
