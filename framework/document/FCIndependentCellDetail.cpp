#include "document/FCIndependentCellDetail.h"

#include <cstring>

#include "document/FCKeySignature.h"
#include "document/FCTimeSignature.h"
#include "core/FinaleVersion.h"

namespace
{
constexpr uint32_t kLayoutChangeHost = 0x12000000;
const FCRecordLayout kDetailLayouts[] = {
    {0, 20, 0x0F000000},
    {kLayoutChangeHost, 20, 0x12000000},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCIndependentCellDetail, 43, kDetailLayouts)

uint32_t FCIndependentCellDetail::Tag() const
{
    return GetFinaleFrameworkVersion() >= kLayoutChangeHost ? 0x5344464C : 0x4402464C;
}

bool FCIndependentCellDetail::_SaveMeasureFlag() { return true; }

bool FCIndependentCellDetail::SaveNew() { return __FCCellDetail::SaveNew(); }

void FCIndependentCellDetail::PrepareNew() { _PrepareNewRecord(_layouts.Size()); }

void FCIndependentCellDetail::GetKeySignature(FCKeySignature* pKey) const
{
    if (pKey)
        pKey->SetKeyValue(GetKeySignatureValue());
}

void FCIndependentCellDetail::SetKeySignature(const FCKeySignature* pKey)
{
    if (pKey)
        SetKeySignatureValue(pKey->GetKeyValue());
}

void FCIndependentCellDetail::GetTimeSignature(FCTimeSignature* pTime) const
{
    if (!pTime)
        return;
    pTime->SetBeats(GetBeats());
    pTime->SetBeatDuration(GetBeatDuration());
}

void FCIndependentCellDetail::SetTimeSignature(const FCTimeSignature* pTime)
{
    if (!pTime)
        return;
    SetBeats(pTime->GetBeats());
    SetBeatDuration(pTime->GetBeatDuration());
}
