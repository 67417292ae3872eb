#include "records/__FCCollectionInciOther.h"

#include "records/__FCInciOther.h"

namespace
{
constexpr int kMaxIncident = 0x7FFF;
}

const char* __FCCollectionInciOther::ClassName() const { return "__FCCollectionInciOther"; }

__FCInciOther* __FCCollectionInciOther::_CreateScratchInci() { return _CreateScratchAs<__FCInciOther>(); }

int __FCCollectionInciOther::_CountIncidents(__FCInciOther* pScratch, uint16_t item, int from)
{
    int inci = from;
    while (inci <= kMaxIncident && pScratch->Load(item, static_cast<int16_t>(inci)))
        ++inci;
    return inci;
}

int __FCCollectionInciOther::LoadAllForItem(uint16_t item)
{
    ClearAll();
    __FCInciOther* pScratch = _CreateScratchInci();
    if (!pScratch)
        return 0;
    for (int inci = 0; inci <= kMaxIncident && pScratch->Load(item, static_cast<int16_t>(inci)); ++inci)
        _AppendCopyOf(pScratch);
    delete pScratch;
    return GetCount();
}

bool __FCCollectionInciOther::DeleteDataForItem(uint16_t item)
{
    __FCInciOther* pScratch = _CreateScratchInci();
    if (!pScratch)
        return false;
    bool ok = true;
    for (int inci = _CountIncidents(pScratch, item) - 1; inci >= 0 && ok; --inci)
        ok = pScratch->Load(item, static_cast<int16_t>(inci)) && pScratch->DeleteData();
    delete pScratch;
    return ok;
}

bool __FCCollectionInciOther::SaveAllForItem(uint16_t item)
{
    if (!DeleteDataForItem(item))
        return false;
    for (int i = 0; i < GetCount(); ++i) {
        __FCInciOther* pElement = dynamic_cast<__FCInciOther*>(GetItemAt(i));
        if (!pElement)
            continue;
        pElement->SetCustomTag(GetCustomTag());
        if (!pElement->SaveNew(item))
            return false;
    }
    return true;
}
int __FCCollectionInciOther::CountForItem(uint16_t item)
{
    __FCInciOther* pScratch = _CreateScratchInci();
    if (!pScratch)
        return 0;
    const int count = CountIncidentsOf(pScratch, item);
    delete pScratch;
    return count;
}

int __FCCollectionInciOther::CountIncidentsOf(__FCInciOther* pScratch, uint16_t item)
{
    /* Only the records themselves: no attached records, no document tag. */
    int count = 0;
    for (; pScratch && count <= kMaxIncident; ++count) {
        pScratch->_SetKey(static_cast<int16_t>(item), static_cast<int16_t>(count), 0);
        if (!pScratch->_FetchDataBlock())
            break;
    }
    return count;
}

bool __FCCollectionInciOther::SaveDataAs(uint16_t fromItem, uint16_t toItem)
{
    __FCInciOther* pScratch = _CreateScratchInci();
    if (!pScratch)
        return false;
    bool ok = pScratch->Load(fromItem, 0);
    int copied = 0;
    while (ok) {
        pScratch->_SetKey(static_cast<int16_t>(toItem), static_cast<int16_t>(copied));
        if (!pScratch->Save()) {
            ok = false;
            break;
        }
        ++copied;
        if (copied > kMaxIncident || !pScratch->Load(fromItem, static_cast<int16_t>(copied)))
            break;
    }
    if (ok) {
        for (int inci = _CountIncidents(pScratch, toItem, copied) - 1; inci >= copied && ok; --inci)
            ok = pScratch->Load(toItem, static_cast<int16_t>(inci)) && pScratch->DeleteData();
    }
    delete pScratch;
    return ok;
}

__FCInciOther* __FCCollectionInciOther::FindItemNo(uint16_t item, int16_t incident) const
{
    for (int i = 0; i < GetCount(); ++i) {
        __FCInciOther* pElement = dynamic_cast<__FCInciOther*>(GetItemAt(i));
        if (pElement && pElement->GetItemNo() == item && pElement->GetItemInci() == incident)
            return pElement;
    }
    return nullptr;
}
