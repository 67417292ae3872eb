#include "records/__FCCollectionNoInciOther.h"

#include "records/__FCNoInciOther.h"

const char* __FCCollectionNoInciOther::ClassName() const { return "__FCCollectionNoInciOther"; }

__FCNoInciOther* __FCCollectionNoInciOther::FindItemNo(uint16_t item) const
{
    for (int i = 0; i < GetCount(); ++i) {
        __FCNoInciOther* pElement = dynamic_cast<__FCNoInciOther*>(GetItemAt(i));
        if (pElement && pElement->GetItemNo() == item)
            return pElement;
    }
    return nullptr;
}
