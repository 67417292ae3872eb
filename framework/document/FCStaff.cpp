#include "document/FCStaff.h"

#include <cstring>

#include "common/qz_host_versions.h"
#include "document/FCFretInstrumentDef.h"
#include "document/FCInstrumentDef.h"
#include "document/FCInstrumentPlaybackData.h"
#include "document/FCPercussionStaff.h"
#include "document/FCStaffNamePosition.h"
#include "hostlink/fx_host_abi.h"

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
/* The suffix of new percussion records ('otDS') and the staff flags that
   choose the notation style. */
constexpr uint16_t kNewPercussionSuffix = 0x4453;
constexpr uint16_t kPercussionStyleBit = 0x2000;
constexpr uint16_t kAltStyleBit = 0x0200;

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
    {0, 114, qz::kHostVersion0F},
    {qz::kHostVersionUnicode, 132, qz::kHostVersionUnicode},
    {qz::kHostVersion12, 136, qz::kHostVersion12},
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

FCInstrumentDef* FCStaff::CreateLayerInstrumentDef(int layer) const
{
    if (layer < 1 || layer > FCInstrumentPlaybackData::kLayerCount)
        return nullptr;
    FCInstrumentPlaybackData* pPlayback = CreateInstrumentPlaybackData();
    if (!pPlayback)
        return nullptr;
    const FCLayerPlaybackData* pLayer = pPlayback->GetNoteLayerData(layer);
    const int number = pLayer ? pLayer->GetInstrumentDefNumber() : 0;
    delete pPlayback;
    if (number < 1 || number > UINT16_MAX)
        return nullptr;
    return LoadedOrNull(new FCInstrumentDef(), static_cast<uint16_t>(number));
}

bool FCStaff::SavePercussionLayout(int layoutID, int noteType)
{
    if (layoutID < 1 || layoutID > INT16_MAX || noteType < 0 || noteType > INT16_MAX)
        return false;
    FCPercussionStaff* pPercussion = CreatePercussionStaff();
    if (pPercussion) {
        pPercussion->SetLayoutID(static_cast<int16_t>(layoutID));
    }
    else {
        pPercussion = _CreateNewPercussionStaff(static_cast<int16_t>(layoutID));
        if (!pPercussion)
            return false;
    }
    const bool saved = pPercussion->Save();
    delete pPercussion;
    if (!saved)
        return false;
    const int layers = FX_GetMaxLayers(kDefaultEnigmaVersion);
    for (int layer = 1; layer <= layers; ++layer) {
        FCInstrumentDef* pDef = CreateLayerInstrumentDef(layer);
        if (!pDef)
            continue;
        pDef->SetNoteType(static_cast<int16_t>(noteType));
        pDef->Save();
        delete pDef;
    }
    return true;
}

FCPercussionStaff* FCStaff::_CreateNewPercussionStaff(int16_t layoutID)
{
    uint16_t flags = _ReadWord(_GetFlagPtr());
    flags = static_cast<uint16_t>((flags | kPercussionStyleBit) & ~kAltStyleBit);
    _WriteWord(_GetFlagPtr(), flags);
    FCPercussionStaff* pPercussion = new FCPercussionStaff();
    pPercussion->SetCustomTag(kSuffixTagBase | kNewPercussionSuffix);
    pPercussion->PrepareNew();
    pPercussion->SetLayoutID(layoutID);
    if (!pPercussion->SaveNew()) {
        delete pPercussion;
        return nullptr;
    }
    _SetWordAt(kPercussionSuffixOffset, kNewPercussionSuffix);
    _SetWordAt(kPercussionRecordOffset, pPercussion->GetItemNo());
    return pPercussion;
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
