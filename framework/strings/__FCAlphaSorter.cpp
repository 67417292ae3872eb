#include "strings/__FCAlphaSorter.h"

#include <cstring>

#include "strings/FCString.h"

const char* __FCAlphaSorter::ClassName() const { return "__FCAlphaSorter"; }

int __FCAlphaSorter::Compare(__FCBase* pA, __FCBase* pB)
{
    auto* pStringA = dynamic_cast<FCString*>(pA);
    auto* pStringB = dynamic_cast<FCString*>(pB);
    if (!pStringA || !pStringB)
        return (pStringA ? 1 : 0) - (pStringB ? 1 : 0);
    if (pStringA == pStringB)
        return 0; /* one 8-bit form cache: its second build would free the first */
    return std::strcmp(pStringA->GetCString(), pStringB->GetCString());
}
