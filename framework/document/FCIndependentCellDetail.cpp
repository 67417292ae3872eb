#include "document/FCIndependentCellDetail.h"

#include <cstring>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCKeySignature.h"
#include "document/FCTimeSignature.h"
#include "core/FinaleVersion.h"

namespace
{
constexpr uint32_t kLayoutChangeHost = qz::kHostVersion12;
const FCRecordLayout kDetailLayouts[] = {
    {0, 20, qz::kHostVersion0F},
    {kLayoutChangeHost, 20, qz::kHostVersion12},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCIndependentCellDetail, 43, kDetailLayouts)

uint32_t FCIndependentCellDetail::Tag() const
{
    return GetFinaleFrameworkVersion() >= kLayoutChangeHost ? QZ_FOURCC("SDFL") : QZ_FOURCC("D\002FL");
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
