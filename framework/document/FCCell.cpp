#include "document/FCCell.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "common/qz_host_versions.h"
#include "document/FCCurrentStaffSpec.h"
#include "document/FCIndependentCellDetail.h"
#include "document/FCKeySignature.h"
#include "document/FCMeasure.h"
#include "document/FCTimeSignature.h"
#include "hostlink/fx_host_abi.h"

namespace
{} // namespace

FCCell::FCCell(int measure, int staff) : _measure(measure), _staff(staff), _pkeysig(nullptr), _ptimesig(nullptr) {}

FCCell::~FCCell()
{
    delete _pkeysig;
    delete _ptimesig;
}

const char* FCCell::ClassName() const { return "FCCell"; }

bool FCCell::_StaffHasOwnKey()
{
    FCCurrentStaffSpec staffSettings;
    if (!staffSettings.LoadForCell(this, 0))
        return false;
    int16_t flags = 0;
    if (const void* pWord = staffSettings._GetInstFlagPtr())
        std::memcpy(&flags, pWord, sizeof flags);
    return flags < 0;
}

FCIndependentCellDetail* FCCell::CreateIndependentCellDetail()
{
    FCIndependentCellDetail* pDetail = new FCIndependentCellDetail();
    pDetail->ConnectCell(this);
    if (pDetail->LoadFirst())
        return pDetail;
    delete pDetail;
    return nullptr;
}

std::unique_ptr<FCIndependentCellDetail> FCCell::_CreateOwnDetail()
{
    return std::unique_ptr<FCIndependentCellDetail>(_StaffHasOwnKey() ? CreateIndependentCellDetail() : nullptr);
}

FCKeySignature* FCCell::GetKeySignature()
{
    if (_pkeysig)
        return _pkeysig;
    _pkeysig = new FCKeySignature();
    FCMeasure measure;
    if (std::unique_ptr<FCIndependentCellDetail> pDetail = _CreateOwnDetail())
        pDetail->GetKeySignature(_pkeysig);
    else if (measure.Load(static_cast<uint16_t>(_measure)))
        _pkeysig->SetKeyValue(measure.GetKeySignatureValue());
    return _pkeysig;
}

FCTimeSignature* FCCell::GetTimeSignature()
{
    if (_ptimesig)
        return _ptimesig;
    _ptimesig = new FCTimeSignature();
    FCMeasure measure;
    if (std::unique_ptr<FCIndependentCellDetail> pDetail = _CreateOwnDetail())
        pDetail->GetTimeSignature(_ptimesig);
    else if (measure.Load(static_cast<uint16_t>(_measure)))
        _ptimesig->CloneMemoryFrom(measure.GetTimeSignature());
    return _ptimesig;
}

bool FCCell::HasIndependentKeySig()
{
    if (!_StaffHasOwnKey())
        return false;
    FCIndependentCellDetail* pDetail = CreateIndependentCellDetail();
    const bool exists = pDetail != nullptr;
    delete pDetail;
    return exists;
}

bool FCCell::HasIndependentTimeSig() { return HasIndependentKeySig(); }

bool FCCell::Save()
{
    FCIndependentCellDetail* pDetail = CreateIndependentCellDetail();
    if (!pDetail)
        return true;
    if (pDetail->GetHasIndependentKey() && _pkeysig)
        pDetail->SetKeySignature(_pkeysig);
    if (pDetail->GetHasIndependentTime() && _ptimesig)
        pDetail->SetTimeSignature(_ptimesig);
    const bool result = pDetail->Save();
    delete pDetail;
    return result;
}

bool FCCell::_AssureSavedIndependent(bool key)
{
    FCIndependentCellDetail* pDetail = CreateIndependentCellDetail();
    const bool exists = pDetail != nullptr;
    if (!exists) {
        pDetail = new FCIndependentCellDetail();
        pDetail->ConnectCell(this);
        pDetail->PrepareNew();
    }
    if (key) {
        pDetail->SetKeySignature(GetKeySignature());
        pDetail->SetHasIndependentKey(true);
    }
    else {
        pDetail->SetTimeSignature(GetTimeSignature());
        pDetail->SetHasIndependentTime(true);
    }
    const bool result = exists ? pDetail->Save() : pDetail->SaveNew();
    delete pDetail;
    return result;
}

bool FCCell::AssureSavedIndependentKeySig() { return _AssureSavedIndependent(true); }

bool FCCell::AssureSavedIndependentTimeSig() { return _AssureSavedIndependent(false); }

int FCCell::CalcEntryDuration(int layer)
{
    const int layers = FX_GetMaxLayers(qz::kInterfaceVersion);
    if (layer > layers || layer < -1)
        return 0;
    const int first = layer > 0 ? layer : 1;
    const int last = layer > 0 ? layer : layers;
    int longest = 0;
    for (int current = first; current <= last; ++current) {
        EXTGF2005a frame;
        std::memset(&frame, 0, sizeof frame);
        if (FX_LoadTGF(&frame, static_cast<int16_t>(_staff), static_cast<int16_t>(_measure),
                       static_cast<int16_t>(current - 1), qz::kInterfaceVersion))
            longest = std::max<int>(longest, FX_GetTGFDuration(&frame, qz::kInterfaceVersion));
        FX_FreeTGF(&frame, qz::kInterfaceVersion);
    }
    return longest;
}
