#include "document/FCItemOrderLoader.h"

#include "records/__FCCollectionData.h"
#include "records/__FCNoInciOther.h"

namespace
{
bool AppendClone(__FCNoInciOther* pRecord, void* pContext)
{
    if (__FCBaseData* pCopy = pRecord->CreateClone())
        static_cast<__FCCollectionData*>(pContext)->Add(pCopy);
    return true;
}
} // namespace

int FCItemOrderLoader::Visit(__FCNoInciOther* pScratch, bool (*visit)(__FCNoInciOther* pRecord, void* pContext),
                             void* pContext)
{
    if (!pScratch || !visit)
        return 0;
    bool loaded = pScratch->Load(1);
    if (!loaded) {
        pScratch->_SetKey(0, 0);
        loaded = pScratch->LoadNext();
    }
    int visited = 0;
    while (loaded) {
        ++visited;
        if (!visit(pScratch, pContext))
            break;
        loaded = pScratch->LoadNext();
    }
    return visited;
}

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
    Visit(pScratch, &AppendClone, pList);
    delete pScratch;
    return pList->GetCount();
}
