#include "document/FCEndingRepeat.h"

#include <vector>

#include "common/qz_fourcc.h"
#include "document/FCEndingRepeatText.h"
#include "strings/FCNumbers.h"
#include "document/FCSeparatePlacement.h"

FCRECORD_CLASS_DEFINE(FCEndingRepeat, 27, QZ_FOURCC("SOES"))

namespace
{
FCRecordField<int16_t> PassField(uint32_t index)
{
    return FCRecordField<int16_t>(FCEndingRepeat::kPassesOffset + index * 2);
}
} // namespace

FCEndingRepeat::FCEndingRepeat() : __FCDynamicNoInciOther(kMinimumSize, 2) {}

int FCEndingRepeat::GetPassNumbers(FCNumbers* pNumbers) const
{
    if (!pNumbers)
        return 0;
    pNumbers->ClearAll();
    const uint64_t size = GetLoadedSize();
    for (uint32_t i = 0; kPassesOffset + i * 2 + 2 <= size; ++i) {
        const int16_t pass = _GetField(PassField(i));
        if (pass == 0)
            break;
        pNumbers->AddInt(pass);
    }
    return pNumbers->GetCount();
}

bool FCEndingRepeat::SetPassNumbers(const FCNumbers* pNumbers)
{
    if (!pNumbers)
        return false;
    std::vector<int16_t> passes;
    for (int i = 0; i < pNumbers->GetCount(); ++i) {
        const FCNumber* pNumber = pNumbers->GetItemAt(i);
        if (pNumber && pNumber->GetInt() >= 1 && pNumber->GetInt() <= INT16_MAX)
            passes.push_back(static_cast<int16_t>(pNumber->GetInt()));
    }
    if (!IsLoaded())
        PrepareNew();
    /* The head is kept; the pass run is rewritten, zeros after the last. */
    _Resize(kPassesOffset + static_cast<uint32_t>(passes.size()) * 2);
    const uint32_t slots = static_cast<uint32_t>((GetLoadedSize() - kPassesOffset) / 2);
    for (uint32_t i = 0; i < slots; ++i)
        _SetField(PassField(i), i < passes.size() ? passes[i] : int16_t(0));
    return true;
}

FCString* FCEndingRepeat::CreateTextString() const
{
    return __FCOtherText::CreateItemString<FCEndingRepeatText>(static_cast<int16_t>(GetItemNo()));
}

bool FCEndingRepeat::SaveTextString(const FCString* pString)
{
    return __FCOtherText::SaveItemString<FCEndingRepeatText>(static_cast<int16_t>(GetItemNo()), pString);
}

FCSeparatePlacements* FCEndingRepeat::CreateSeparatePlacements() const
{
    FCSeparatePlacements* pPlacements = new FCSeparatePlacements();
    pPlacements->LoadAllForItem(GetItemNo());
    return pPlacements;
}
