#include "document/FCMusicRegion.h"

#include <cstring>

#include "document/FCCell.h"
#include "document/FCCells.h"
#include "core/FCIteratorHandler.h"
#include "document/FCMeasure.h"
#include "document/FCStaff.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kInterfaceVersion = 0x19000000;
/* Modes of the host's copy/cut call. */
constexpr int16_t kModeCopy = 1;
constexpr int16_t kModeCut = 2;
constexpr int16_t kModeCutDelete = 3;
/* Highest measure and slot numbers the walks consider. */
constexpr int kMaxNumber = 32767;

static_assert(sizeof(EREGION) == 20, "host region record");
} // namespace

FCMusicRegion::FCMusicRegion(const EREGION* pRegion) : _documentID(0), _cliptoken(0)
{
    std::memset(_region, 0, sizeof _region);
    SetEnigmaRegion(pRegion);
}

const char* FCMusicRegion::ClassName() const { return "FCMusicRegion"; }

int16_t FCMusicRegion::_SlotToStaff(int slot, uint16_t staffList)
{
    return FX_SlotToInst(static_cast<int16_t>(slot), staffList, kInterfaceVersion);
}

int16_t FCMusicRegion::_StaffToSlot(int staff, uint16_t staffList)
{
    return FX_InstToSlot(static_cast<int16_t>(staff), staffList, kInterfaceVersion);
}

/* ---- Construction and assignment ------------------------------------------ */

void FCMusicRegion::SetEnigmaRegion(const EREGION* pRegion)
{
    if (!pRegion)
        return;
    std::memcpy(_region, pRegion, sizeof _region);
    _documentID = FX_GetCurrentEnigmaDocument(kInterfaceVersion);
}

void FCMusicRegion::GetEnigmaRegion(EREGION* pRegion) const
{
    if (pRegion)
        std::memcpy(pRegion, _region, sizeof _region);
}

void FCMusicRegion::SetRegion(const FCMusicRegion* pOther)
{
    if (!pOther || pOther == this)
        return;
    std::memcpy(_region, pOther->_region, sizeof _region);
    _documentID = pOther->_documentID;
}

bool FCMusicRegion::_ReadHostRegion(int which)
{
    /* The records are cleared first, and a refusal counts as "no region",
       whatever the host may have written into them. */
    EREGION regions[3];
    std::memset(regions, 0, sizeof regions);
    const bool answered = FX_GetCurERegions(&regions[0], &regions[1], &regions[2], kInterfaceVersion) != 0;
    if (!answered)
        std::memset(&regions[which], 0, sizeof regions[which]);
    SetEnigmaRegion(&regions[which]);
    return answered;
}

bool FCMusicRegion::SetCurrentSelection() { return _ReadHostRegion(1); }

bool FCMusicRegion::SetFullDocument() { return _ReadHostRegion(2); }

bool FCMusicRegion::SetInDocument()
{
    if (!IsCurrentDocument())
        return false;
    EREGION record;
    GetEnigmaRegion(&record);
    return FX_SetCurERegionMac(&record, kInterfaceVersion) != 0;
}

bool FCMusicRegion::SetFullMeasureStack()
{
    if (IsEmpty() || _SlotToStaff(1, GetStartStaffList()) <= 0)
        return false;
    int last = 1;
    while (last < kMaxNumber && _SlotToStaff(last + 1, GetStartStaffList()) > 0)
        ++last;
    SetStartSlot(1);
    SetEndSlot(static_cast<int16_t>(last));
    return true;
}

void FCMusicRegion::AssureSortedStaves()
{
    if (GetEndSlot() >= GetStartSlot())
        return;
    const int16_t start = GetStartSlot();
    SetStartSlot(GetEndSlot());
    SetEndSlot(start);
}

void FCMusicRegion::ConvertToGlobalInstrumentList()
{
    const int16_t startStaff = _SlotToStaff(GetStartSlot(), GetStartStaffList());
    const int16_t endStaff = _SlotToStaff(GetEndSlot(), GetEndStaffList());
    SetStartStaffList(0);
    SetEndStaffList(0);
    SetStartSlot(_StaffToSlot(startStaff, 0));
    SetEndSlot(_StaffToSlot(endStaff, 0));
}

int32_t FCMusicRegion::_MeasureDuration(int measure) const
{
    if (measure < 1 || measure > kMaxNumber)
        return 0;
    const int16_t staff = _SlotToStaff(GetStartSlot(), GetStartStaffList());
    return FX_GetMeasureDuration(staff, static_cast<int16_t>(measure), kInterfaceVersion);
}

bool FCMusicRegion::SetDurationOffsetLeft(int duration)
{
    if (duration <= 0 || IsEmpty())
        return false;
    int measure = GetEndMeasure();
    int64_t available = GetEndMeasurePos() == kEndOfMeasure ? _MeasureDuration(measure) : GetEndMeasurePos();
    int64_t remaining = duration;
    for (;;) {
        const int32_t whole = _MeasureDuration(measure);
        if (whole <= 0)
            return false;
        if (available <= 0)
            available = whole;
        if (remaining <= available) {
            SetStartMeasure(static_cast<int16_t>(measure));
            SetStartMeasurePos(static_cast<int32_t>(available - remaining));
            return true;
        }
        remaining -= available;
        --measure;
        available = _MeasureDuration(measure);
    }
}

bool FCMusicRegion::SetDurationOffsetRight(int duration)
{
    if (duration <= 0 || IsEmpty())
        return false;
    int measure = GetStartMeasure();
    int64_t offset = GetStartMeasurePos();
    int64_t remaining = duration;
    for (;;) {
        const int32_t whole = _MeasureDuration(measure);
        if (whole <= 0)
            return false;
        if (remaining <= whole - offset) {
            SetEndMeasure(static_cast<int16_t>(measure));
            SetEndMeasurePos(static_cast<int32_t>(remaining + offset));
            return true;
        }
        remaining -= whole - offset;
        ++measure;
        offset = 0;
    }
}

/* ---- Queries ---------------------------------------------------------------- */

bool FCMusicRegion::IsEmpty() const { return GetStartMeasure() == 0 && GetEndMeasure() == 0; }

bool FCMusicRegion::IsMeasureIncluded(short measure) const
{
    return measure >= GetStartMeasure() && measure <= GetEndMeasure();
}

bool FCMusicRegion::_PassesPositionTests(int measure, int position) const
{
    if (measure == GetStartMeasure() && position < GetStartMeasurePos())
        return false;
    if (measure == GetEndMeasure() && position > GetEndMeasurePos())
        return false;
    return true;
}

bool FCMusicRegion::IsMeasurePosWithin(int measure, int position) const
{
    return IsMeasureIncluded(static_cast<short>(measure)) && _PassesPositionTests(measure, position);
}

bool FCMusicRegion::IsFullMeasureIncluded(short measure) const
{
    return IsMeasurePosWithin(measure, 0) && IsMeasurePosWithin(measure, kEndOfMeasure);
}

bool FCMusicRegion::IsStartPos(int measure, int position) const
{
    return measure == GetStartMeasure() && position == GetStartMeasurePos();
}

bool FCMusicRegion::IsSlotIncluded(short slot) const
{
    return slot > 0 && slot >= GetStartSlot() && slot <= GetEndSlot();
}

bool FCMusicRegion::IsStaffIncluded(short staff) const
{
    const int16_t slot = _StaffToSlot(staff, GetStartStaffList());
    return slot > 0 && slot >= GetStartSlot() && slot <= GetEndSlot();
}

bool FCMusicRegion::IsPartial() const
{
    if (IsEmpty())
        return false;
    return GetStartMeasurePos() != 0 || GetEndMeasurePos() != kEndOfMeasure;
}

bool FCMusicRegion::IsMeasurePartial(short measure) const
{
    if (IsEmpty())
        return false;
    if (measure == GetStartMeasure() && GetStartMeasurePos() != 0)
        return true;
    return measure == GetEndMeasure() && GetEndMeasurePos() != kEndOfMeasure;
}

bool FCMusicRegion::IsAbsoluteEndMeasurePos() const { return GetEndMeasurePos() == kEndOfMeasure; }

bool FCMusicRegion::IsCellPosWithin(FCCell* pCell, int position) const
{
    if (!pCell || !IsMeasureIncluded(static_cast<short>(pCell->GetMeasure())) ||
        !IsStaffIncluded(static_cast<short>(pCell->GetStaff())))
        return false;
    return _PassesPositionTests(pCell->GetMeasure(), position);
}

bool FCMusicRegion::IsLastEndMeasure() const
{
    FCMeasure measure;
    if (!measure.Load(static_cast<uint16_t>(GetEndMeasure())))
        return false;
    FCMeasure next;
    return !next.Load(static_cast<uint16_t>(GetEndMeasure() + 1));
}

bool FCMusicRegion::IsFullDocumentSpan() const
{
    return !IsEmpty() && GetStartMeasure() == 1 && GetStartMeasurePos() == 0 && IsAbsoluteEndMeasurePos() &&
           IsLastEndMeasure();
}

bool FCMusicRegion::IsCurrentDocument() const
{
    return _documentID == FX_GetCurrentEnigmaDocument(kInterfaceVersion);
}

bool FCMusicRegion::IsIdentical(const FCMusicRegion* pOther) const
{
    if (!pOther)
        return false;
    return GetStartStaffList() == pOther->GetStartStaffList() &&
           _SlotToStaff(GetStartSlot(), GetStartStaffList()) ==
               _SlotToStaff(pOther->GetStartSlot(), pOther->GetStartStaffList()) &&
           _SlotToStaff(GetEndSlot(), GetEndStaffList()) ==
               _SlotToStaff(pOther->GetEndSlot(), pOther->GetEndStaffList()) &&
           GetStartMeasure() == pOther->GetStartMeasure() && GetEndMeasure() == pOther->GetEndMeasure() &&
           GetStartMeasurePos() == pOther->GetStartMeasurePos() && GetEndMeasurePos() == pOther->GetEndMeasurePos();
}

bool FCMusicRegion::IsOverlapping(const FCMusicRegion* pOther) const
{
    if (!pOther)
        return false;
    if (GetEndMeasure() < pOther->GetStartMeasure() || GetStartMeasure() > pOther->GetEndMeasure())
        return false;
    if (GetEndMeasure() == pOther->GetStartMeasure() && GetEndMeasurePos() < pOther->GetStartMeasurePos())
        return false;
    if (GetStartMeasure() == pOther->GetEndMeasure() && GetStartMeasurePos() > pOther->GetEndMeasurePos())
        return false;
    if (GetEndSlot() < GetStartSlot())
        return false;
    for (int slot = GetStartSlot(); slot <= GetEndSlot(); ++slot) {
        const int16_t staff = _SlotToStaff(slot, GetStartStaffList());
        /* A slot without a staff shares nothing with anything. */
        if (staff <= 0)
            continue;
        for (int otherSlot = pOther->GetStartSlot(); otherSlot <= pOther->GetEndSlot(); ++otherSlot)
            if (_SlotToStaff(otherSlot, pOther->GetStartStaffList()) == staff)
                return true;
    }
    return false;
}

int FCMusicRegion::CalcDuration() const
{
    if (IsEmpty() || GetStartMeasure() > GetEndMeasure())
        return 0;
    int64_t total = 0;
    for (int measure = GetStartMeasure(); measure <= GetEndMeasure(); ++measure) {
        const int64_t whole = _MeasureDuration(measure);
        const int64_t last =
            (measure == GetEndMeasure() && GetEndMeasurePos() != kEndOfMeasure) ? GetEndMeasurePos() : whole - 1;
        const int64_t first = measure == GetStartMeasure() ? GetStartMeasurePos() : 0;
        total += last - first + 1;
    }
    return static_cast<int>(total);
}

/* ---- Staves and cells --------------------------------------------------------- */

int FCMusicRegion::ForEachStaff(FCIteratorHandler* pHandler) const
{
    if (!pHandler || GetEndSlot() < GetStartSlot())
        return 0;
    int count = 0;
    for (int slot = GetStartSlot(); slot <= GetEndSlot(); ++slot) {
        FCStaff staff;
        staff.Load(static_cast<uint16_t>(_SlotToStaff(slot, GetStartStaffList())));
        ++count;
        if (!pHandler->Iterate(&staff))
            break;
    }
    return count;
}

FCCells* FCMusicRegion::CreateCells() const
{
    FCCells* pCells = new FCCells();
    pCells->ApplyRegion(this);
    return pCells;
}

/* ---- Music operations ------------------------------------------------------------ */

void FCMusicRegion::_MakeClipRecord(EREGIONCLIP* pClip) const
{
    GetEnigmaRegion(&pClip->region);
    pClip->value1 = 1;
    pClip->value2 = 1;
}

bool FCMusicRegion::_CopyCut(int16_t mode)
{
    if (_cliptoken != 0 || IsEmpty())
        return false;
    EREGIONCLIP clip;
    _MakeClipRecord(&clip);
    _cliptoken = FX_CopyCutMusic(&clip, mode, kInterfaceVersion);
    return _cliptoken != 0;
}

bool FCMusicRegion::CopyMusic() { return _CopyCut(kModeCopy); }

bool FCMusicRegion::CutMusic() { return _CopyCut(kModeCut); }

bool FCMusicRegion::CutDeleteMusic() { return _CopyCut(kModeCutDelete); }

bool FCMusicRegion::PasteMusic()
{
    if (_cliptoken == 0 || IsEmpty())
        return false;
    EREGIONCLIP clip;
    _MakeClipRecord(&clip);
    return FX_InsertMergeMusic(_cliptoken, &clip, kModeCopy, kInterfaceVersion) != 0;
}

bool FCMusicRegion::ReleaseMusic()
{
    if (_cliptoken == 0)
        return false;
    if (!FX_DisposeFinClipFileToken(_cliptoken, kInterfaceVersion))
        return false;
    _cliptoken = 0;
    return true;
}

bool FCMusicRegion::Redraw() const
{
    EREGION record;
    GetEnigmaRegion(&record);
    return FX_RedrawMusic(&record, kInterfaceVersion) != 0;
}

bool FCMusicRegion::RebeamMusic() const
{
    EREGION record;
    GetEnigmaRegion(&record);
    return FX_RebeamRegion(&record, 0, kInterfaceVersion) != 0;
}

bool FCMusicRegion::RebarMusic(int option, bool flag1, bool flag2) const
{
    EREGION record;
    GetEnigmaRegion(&record);
    return FX_RebarRegion(&record, static_cast<int16_t>(option), flag1 ? 1 : 0, flag2 ? 1 : 0, 1,
                          kInterfaceVersion) != 0;
}
