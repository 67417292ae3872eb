#include "document/FCMeasureNumberRegions.h"

#include "strings/FCString.h"

const char* FCMeasureNumberRegions::ClassName() const { return "FCMeasureNumberRegions"; }

__FCBaseData* FCMeasureNumberRegions::CreateElement() { return new FCMeasureNumberRegion(); }

FCMeasureNumberRegion* FCMeasureNumberRegions::GetItemAt(int index) const
{
    return dynamic_cast<FCMeasureNumberRegion*>(__FCCollectionNoInciOther::GetItemAt(index));
}

FCMeasureNumberRegion* FCMeasureNumberRegions::FindMeasure(int measure) const
{
    for (int i = 0; i < GetCount(); ++i) {
        FCMeasureNumberRegion* pRegion = GetItemAt(i);
        if (pRegion && pRegion->IsMeasureIncluded(measure))
            return pRegion;
    }
    return nullptr;
}

int FCMeasureNumberRegions::CalcStringFromNumber(int measure, FCString* pOut) const
{
    if (!pOut)
        return -1;
    for (int i = 0; i < GetCount(); ++i) {
        FCMeasureNumberRegion* pRegion = GetItemAt(i);
        if (pRegion && pRegion->IsMeasureIncluded(measure) && pRegion->GetDisplayedNumber(measure, pOut))
            return i;
    }
    pOut->SetCString(GetCount() == 0 ? "" : "#");
    pOut->AppendInteger(measure);
    return -1;
}

int FCMeasureNumberRegions::CalcNumberFromString(const FCString* pText) const
{
    if (!pText)
        return -1;
    if (pText->StartsWith("#"))
        return pText->GetInteger(1);
    for (int i = 0; i < GetCount(); ++i) {
        const FCMeasureNumberRegion* pRegion = GetItemAt(i);
        if (!pRegion)
            continue;
        for (int measure = pRegion->GetStartMeasure(); measure <= pRegion->GetEndMeasure(); ++measure) {
            FCString* pShown = pRegion->CreateDisplayedString(measure);
            const bool same = pShown && pShown->IsEqualString(pText);
            delete pShown;
            if (same)
                return measure;
        }
    }
    const int value = pText->GetInteger(0);
    return value >= 1 ? value : -1;
}
