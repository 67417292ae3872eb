#include "records/__FCCollectionData.h"

#include "records/__FCBaseData.h"

__FCCollectionData::__FCCollectionData() : _customtag(0) {}

const char* __FCCollectionData::ClassName() const { return "__FCCollectionData"; }

__FCBaseData* __FCCollectionData::GetDataItemAt(int index) const
{
    return dynamic_cast<__FCBaseData*>(GetItemAt(index));
}

__FCBaseData* __FCCollectionData::_CreateScratchElement()
{
    __FCBaseData* pScratch = CreateElement();
    if (pScratch)
        pScratch->SetCustomTag(_customtag);
    return pScratch;
}

__FCBaseData* __FCCollectionData::_AppendCopyOf(__FCBaseData* pScratch)
{
    __FCBaseData* pCopy = pScratch->CreateObject();
    if (!pCopy)
        return nullptr;
    pCopy->_CloneFrom(pScratch);
    Add(pCopy);
    return pCopy;
}

int __FCCollectionData::LoadAll()
{
    ClearAll();
    __FCBaseData* pScratch = _CreateScratchElement();
    if (!pScratch)
        return 0;
    if (pScratch->LoadFirst()) {
        do {
            _AppendCopyOf(pScratch);
        } while (pScratch->LoadNext());
    }
    delete pScratch;
    return GetCount();
}

bool __FCCollectionData::SaveAll()
{
    for (int i = 0; i < GetCount(); ++i) {
        __FCBaseData* pElement = GetDataItemAt(i);
        if (!pElement)
            continue;
        pElement->SetCustomTag(_customtag);
        if (!pElement->Save())
            return false;
    }
    return true;
}
