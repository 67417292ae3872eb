#include "records/__FCTempoElementSorter.h"

#include "records/__FCBaseData.h"

namespace
{
int16_t FirstWord(__FCBase* pObject)
{
    const __FCBaseData* pRecord = dynamic_cast<const __FCBaseData*>(pObject);
    return pRecord ? pRecord->_GetField(FCRecordField<int16_t>(0)) : 0;
}
} // namespace

const char* __FCTempoElementSorter::ClassName() const { return "__FCTempoElementSorter"; }

int __FCTempoElementSorter::Compare(__FCBase* pA, __FCBase* pB)
{
    const int16_t a = FirstWord(pA);
    const int16_t b = FirstWord(pB);
    return a < b ? -1 : (a > b ? 1 : 0);
}
