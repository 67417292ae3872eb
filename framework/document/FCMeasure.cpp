#include "document/FCMeasure.h"

#include "document/FCBeatChartElement.h"
#include "document/FCExpression.h"
#include "document/FCTempoElement.h"

#include <cstring>

namespace
{
const FCRecordLayout kMeasureLayouts[] = {
    {0, 26, 0x0A000000},
    {0x12000000, 30, 0x12000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCMeasure, 49, kMeasureLayouts)

uint32_t FCMeasure::Tag() const { return 0x534F4D53; }

FCKeySignature* FCMeasure::GetKeySignature()
{
    _key.SetKeyValue(GetKeySignatureValue());
    return &_key;
}

FCTimeSignature* FCMeasure::GetTimeSignature()
{
    _time.SetBeats(GetBeats());
    _time.SetBeatDuration(GetBeatDuration());
    return &_time;
}

void FCMeasure::SetKeySignature(const FCKeySignature* pKey)
{
    if (pKey)
        SetKeySignatureValue(pKey->GetKeyValue());
}

void FCMeasure::SetTimeSignature(const FCTimeSignature* pTime)
{
    if (!pTime)
        return;
    SetBeats(pTime->GetBeats());
    SetBeatDuration(pTime->GetBeatDuration());
}

namespace
{
/* A new list of the incidents of item. */
template <class LIST>
LIST* CreateListForItem(uint16_t item)
{
    LIST* pList = new LIST();
    pList->LoadAllForItem(item);
    return pList;
}
} // namespace

FCExpressions* FCMeasure::CreateExpressions() const { return CreateListForItem<FCExpressions>(GetItemNo()); }

FCTempoElements* FCMeasure::CreateTempoElements() const { return CreateListForItem<FCTempoElements>(GetItemNo()); }

FCBeatChartElements* FCMeasure::CreateBeatChartElements() const
{
    return CreateListForItem<FCBeatChartElements>(GetItemNo());
}
