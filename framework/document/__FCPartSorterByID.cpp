#include "document/__FCPartSorterByID.h"

#include "document/FCPart.h"

const char* __FCPartSorterByID::ClassName() const { return "__FCPartSorterByID"; }

int __FCPartSorterByID::Compare(__FCBase* pA, __FCBase* pB)
{
    const FCPart* pFirst = dynamic_cast<const FCPart*>(pA);
    const FCPart* pSecond = dynamic_cast<const FCPart*>(pB);
    if (!pFirst || !pSecond)
        return 0;
    const uint16_t first = pFirst->GetOrderID();
    const uint16_t second = pSecond->GetOrderID();
    if (first < second)
        return -1;
    return first > second ? 1 : 0;
}
