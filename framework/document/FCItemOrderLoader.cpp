#include "document/FCItemOrderLoader.h"

#include "records/__FCCollectionData.h"
#include "records/__FCNoInciOther.h"

int FCItemOrderLoader::LoadAll(__FCCollectionData* pList)
{
    if (!pList)
        return 0;
    pList->ClearAll();
    __FCBaseData* pElement = pList->CreateElement();
    __FCNoInciOther* pScratch = dynamic_cast<__FCNoInciOther*>(pElement);
    if (!pScratch) {
        delete pElement;
        return 0;
    }
    pScratch->SetCustomTag(pList->GetCustomTag());

    bool loaded = pScratch->Load(1);
    if (!loaded) {
        pScratch->_SetKey(0, 0);
        loaded = pScratch->LoadNext();
    }
    while (loaded) {
        __FCBaseData* pCopy = pScratch->CreateClone();
        if (pCopy)
            pList->Add(pCopy);
        loaded = pScratch->LoadNext();
    }
    delete pScratch;
    return pList->GetCount();
}
