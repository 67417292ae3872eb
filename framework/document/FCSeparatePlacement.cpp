#include "document/FCSeparatePlacement.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCSeparatePlacement, 82, 0x6F744249)

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
