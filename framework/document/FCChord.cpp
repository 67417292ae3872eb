#include "document/FCChord.h"

#include "document/FCChordSuffixElement.h"

FCRECORD_CLASS_DEFINE(FCChord, 14, 0x53444368)

bool FCChord::_SaveMeasureFlag() { return true; }

FCChordSuffixElements* FCChord::CreateChordSuffixElements() const
{
    const uint16_t suffix = GetSuffixID();
    if (suffix == 0)
        return nullptr;
    FCChordSuffixElements* pElements = new FCChordSuffixElements();
    if (pElements->LoadAllForItem(suffix) > 0)
        return pElements;
    delete pElements;
    return nullptr;
}
