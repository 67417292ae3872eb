#include "document/FCSystemStaves.h"

#include "document/FCMusicRegion.h"
#include "document/FCSystemStaff.h"

const char* FCSystemStaves::ClassName() const { return "FCSystemStaves"; }

__FCBaseData* FCSystemStaves::CreateElement() { return new FCSystemStaff(); }

FCSystemStaff* FCSystemStaves::GetItemAt(int index) const
{
    return dynamic_cast<FCSystemStaff*>(__FCCollectionInciOther::GetItemAt(index));
}

int FCSystemStaves::LoadAllForRegion(const FCMusicRegion* pRegion)
{
    if (!pRegion) {
        ClearAll();
        return 0;
    }
    LoadAllForItem(pRegion->GetStartStaffList());
    for (int index = GetCount() - 1; index >= 0; --index) {
        const FCSystemStaff* pEntry = GetItemAt(index);
        if (!pEntry || !pRegion->IsStaffIncluded(pEntry->GetStaff()))
            ClearItemAt(index);
    }
    return GetCount();
}

FCSystemStaff* FCSystemStaves::FindStaff(short staff) const
{
    for (int index = 0; index < GetCount(); ++index) {
        FCSystemStaff* pEntry = GetItemAt(index);
        if (pEntry && pEntry->GetStaff() == static_cast<int16_t>(staff))
            return pEntry;
    }
    return nullptr;
}
