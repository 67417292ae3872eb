#include "records/__FCBrowserNoInciOther.h"

#include "core/FCIteratorHandler.h"
#include "records/__FCNoInciOther.h"

namespace
{
/* Upper bound of a walk, so that a host that never ends the run of records
   cannot keep the walk going for ever. */
constexpr int kMaxRecords = 0x10000;
} // namespace

const char* __FCBrowserNoInciOther::ClassName() const { return "__FCBrowserNoInciOther"; }

__FCNoInciOther* __FCBrowserNoInciOther::LoadAnElement(uint16_t item)
{
    __FCBaseData* pElement = CreateElement();
    __FCNoInciOther* pRecord = dynamic_cast<__FCNoInciOther*>(pElement);
    if (pRecord && pRecord->Load(item))
        return pRecord;
    delete pElement;
    return nullptr;
}

int __FCBrowserNoInciOther::ToEndFrom(uint16_t item, FCIteratorHandler* pHandler)
{
    if (!pHandler)
        return 0;
    __FCNoInciOther* pRecord = LoadAnElement(item);
    if (!pRecord)
        return 0;
    int visits = 0;
    do {
        if (!pHandler->Iterate(pRecord))
            break;
        ++visits;
    } while (visits < kMaxRecords && pRecord->LoadNext());
    delete pRecord;
    return visits;
}

int __FCBrowserNoInciOther::GetCount()
{
    __FCNoInciOther* pRecord = LoadAnElement(1);
    if (!pRecord)
        return 0;
    int count = 1;
    while (count < kMaxRecords && pRecord->LoadNext())
        ++count;
    delete pRecord;
    return count;
}
