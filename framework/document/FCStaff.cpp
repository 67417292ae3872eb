#include "FCStaff.h"

#include <cstring>

#include "FCFretInstrumentDef.h"
#include "FCInstrumentPlaybackData.h"
#include "FCPercussionStaff.h"
#include "FCStaffNamePosition.h"

namespace
{
/* Fields without an address operation. */
constexpr uint32_t kPlaybackDataOffset = 84;
constexpr uint32_t kPercussionSuffixOffset = 90;
constexpr uint32_t kPercussionRecordOffset = 92;
/* Suffix and record number of the name positions (full, abbreviated). */
constexpr uint32_t kFullPositionSuffixOffset = 94;
constexpr uint32_t kFullPositionRecordOffset = 96;
constexpr uint32_t kAbbrvPositionSuffixOffset = 98;
constexpr uint32_t kAbbrvPositionRecordOffset = 100;
/* Tags of records named by a two-character suffix. */
constexpr uint32_t kSuffixTagBase = 0x6F740000;

/* A new record object loaded from item (with a custom tag when one is
   given); null (and the object deleted) when it does not load. */
template <class RECORD>
RECORD* LoadedOrNull(RECORD* pRecord, uint16_t item, uint32_t customTag = 0)
{
    if (customTag)
        pRecord->SetCustomTag(customTag);
    if (pRecord->Load(item))
        return pRecord;
    delete pRecord;
    return nullptr;
}

const FCRecordLayout kStaffLayouts[] = {
    {0, 114, 0x0F000000},
    {0x11000000, 132, 0x11000000},
    {0x12000000, 136, 0x12000000},
};
} // namespace

FCStaff::FCStaff() : _layouts(kStaffLayouts, 3), _pfullnamepos(nullptr), _pabbrvnamepos(nullptr)
{
    /* An empty record of the layout in use, not loaded. */
    _EnsureData();
}

FCStaff::~FCStaff()
{
    delete _pfullnamepos;
    delete _pabbrvnamepos;
}

int FCStaff::GetClassID() const { return 91; }

const char* FCStaff::ClassName() const { return "FCStaff"; }

__FCBaseData* FCStaff::CreateObject() { return new FCStaff(); }

uint32_t FCStaff::Tag() const { return kTag; }

FCLAYOUT_RECORD_MEMBERS(FCStaff, _layouts)

bool FCStaff::LoadFirst()
{
    _SetKey(0, 0, 0);
    return LoadNext();
}

/* ---- Name positions ---------------------------------------------------------- */

FCStaffNamePosition* FCStaff::_GetNamePosition(FCStaffNamePosition** ppPosition, bool abbreviated)
{
    if (*ppPosition)
        return *ppPosition;
    const uint16_t suffix = _GetWordAt(abbreviated ? kAbbrvPositionSuffixOffset : kFullPositionSuffixOffset);
    const uint16_t record = _GetWordAt(abbreviated ? kAbbrvPositionRecordOffset : kFullPositionRecordOffset);
    /* Without a suffix the record keeps the class's own tag. */
    const uint32_t tag = suffix ? (kSuffixTagBase | suffix) : 0;
    FCStaffNamePosition* pPosition = record ? LoadedOrNull(new FCStaffNamePosition(abbreviated), record, tag) : nullptr;
    if (!pPosition) {
        /* No record (or none that loads): the document's defaults, ready to
           be saved as a new record. */
        pPosition = new FCStaffNamePosition(abbreviated);
        pPosition->SetCustomTag(tag);
    }
    *ppPosition = pPosition;
    return pPosition;
}

FCStaffNamePosition* FCStaff::GetFullNamePosition() { return _GetNamePosition(&_pfullnamepos, false); }

FCStaffNamePosition* FCStaff::GetAbbreviatedNamePosition() { return _GetNamePosition(&_pabbrvnamepos, true); }

bool FCStaff::_SaveNamePosition(FCStaffNamePosition* pPosition, uint32_t recordOffset)
{
    if (!pPosition)
        return true;
    if (pPosition->GetItemNo() != 0)
        return pPosition->Save();
    if (!pPosition->SaveNew())
        return false;
    _SetWordAt(recordOffset, pPosition->GetItemNo());
    return true;
}

bool FCStaff::Save()
{
    /* A name position that cannot be written stops the save before the
       staff record is written. */
    if (!_SaveNamePosition(_pfullnamepos, kFullPositionRecordOffset) ||
        !_SaveNamePosition(_pabbrvnamepos, kAbbrvPositionRecordOffset))
        return false;
    return __FCStaffBase::Save();
}

FCFretInstrumentDef* FCStaff::CreateFretInstrumentDef() const
{
    return LoadedOrNull(new FCFretInstrumentDef(), _ReadWord(_GetFretInstIDPtr()));
}

FCInstrumentPlaybackData* FCStaff::CreateInstrumentPlaybackData() const
{
    return LoadedOrNull(new FCInstrumentPlaybackData(), _GetWordAt(kPlaybackDataOffset));
}

FCPercussionStaff* FCStaff::CreatePercussionStaff() const
{
    const uint16_t suffix = _GetWordAt(kPercussionSuffixOffset);
    const uint16_t record = _GetWordAt(kPercussionRecordOffset);
    if (GetNotationStyle() != 1 || suffix == 0 || record == 0)
        return nullptr;
    return LoadedOrNull(new FCPercussionStaff(), record, kSuffixTagBase | suffix);
}

int FCStaff::CalcPercussionLayoutID() const
{
    FCPercussionStaff* pPercussion = CreatePercussionStaff();
    if (!pPercussion)
        return -1;
    const int layout = pPercussion->GetLayoutID();
    delete pPercussion;
    return layout;
}

#define FCSTAFF_DEFINE_PTR(NAME, STAFFOFFSET, STYLEOFFSET, MINVERSION) \
    void* FCStaff::_Get##NAME##Ptr() const { return _FieldPtr(STAFFOFFSET, MINVERSION); }
FCSTAFFBASE_FIELDS(FCSTAFF_DEFINE_PTR)
#undef FCSTAFF_DEFINE_PTR
