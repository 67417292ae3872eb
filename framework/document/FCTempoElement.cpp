#include "document/FCTempoElement.h"

#include "records/__FCTempoElementSorter.h"

FCRECORD_CLASS_DEFINE(FCTempoElement, 103, 0x6F744143)

const char* FCTempoElements::ClassName() const { return "FCTempoElements"; }

__FCBaseData* FCTempoElements::CreateElement() { return new FCTempoElement(); }

FCTempoElement* FCTempoElements::GetItemAt(int index) const
{
    return dynamic_cast<FCTempoElement*>(__FCCollectionInciOther::GetItemAt(index));
}

bool FCTempoElements::AssureSorted()
{
    __FCTempoElementSorter sorter;
    return Sort(&sorter);
}
