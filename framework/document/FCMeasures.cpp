#include "document/FCMeasures.h"

const char* FCMeasures::ClassName() const { return "FCMeasures"; }

__FCBaseData* FCMeasures::CreateElement() { return new FCMeasure(); }

FCMeasure* FCMeasures::GetItemAt(int index) const
{
    return dynamic_cast<FCMeasure*>(__FCCollectionNoInciOther::GetItemAt(index));
}

int FCMeasures::_LoadMeasureRange(int first, int last)
{
    ClearAll();
    if (first < 1 || last < first)
        return 0;
    FCMeasure scratch;
    for (int measure = first; measure <= last; ++measure)
        if (scratch.Load(static_cast<uint16_t>(measure)))
            Add(scratch.CreateClone());
    return GetCount();
}
