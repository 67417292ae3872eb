#include "records/__FCBrowserBaseData.h"

#include "core/FCIteratorHandler.h"
#include "records/__FCBaseData.h"

const char* __FCBrowserBaseData::ClassName() const { return "__FCBrowserBaseData"; }

int __FCBrowserBaseData::ForEach(FCIteratorHandler* pHandler)
{
    if (!pHandler || !pHandler->PreProcess())
        return 0;
    __FCBaseData* pElement = CreateElement();
    int visits = 0;
    if (pElement && pElement->LoadFirst() && pHandler->PreProcessIfExist()) {
        do {
            if (!pHandler->Iterate(pElement))
                break;
            ++visits;
        } while (pElement->LoadNext());
        pHandler->PostProcessIfExist();
    }
    pHandler->PostProcess();
    delete pElement;
    return visits;
}

__FCBase* __FCBrowserBaseData::FindFirst(FCIteratorHandler* pHandler)
{
    if (!pHandler || !pHandler->PreProcess())
        return nullptr;
    __FCBaseData* pElement = CreateElement();
    if (pElement && pElement->LoadFirst() && pHandler->PreProcessIfExist()) {
        do {
            if (pHandler->Match(pElement)) {
                pHandler->PostProcessIfExist();
                return pElement;
            }
        } while (pElement->LoadNext());
    }
    pHandler->PostProcess();
    delete pElement;
    return nullptr;
}
