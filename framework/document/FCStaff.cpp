#include "FCStaff.h"

#include <cstring>

#include "FCFretInstrumentDef.h"
#include "FCInstrumentPlaybackData.h"
#include "FCPercussionStaff.h"

namespace
{
/* Fields without an address operation. */
constexpr uint32_t kPlaybackDataOffset = 84;
constexpr uint32_t kPercussionSuffixOffset = 90;
constexpr uint32_t kPercussionRecordOffset = 92;
/* Tags of records named by a two-character suffix. */
constexpr uint32_t kSuffixTagBase = 0x6F740000;

/* A new record object of class RECORD loaded from item (with a custom tag
   when one is given); null when it does not load. */
template <class RECORD>
RECORD* CreateLoaded(uint16_t item, uint32_t customTag = 0)
{
    RECORD* pRecord = new RECORD();
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

FCStaff::FCStaff() : _layouts(kStaffLayouts, 3)
{
    /* An empty record of the layout in use, not loaded. */
    _EnsureData();
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

FCFretInstrumentDef* FCStaff::CreateFretInstrumentDef() const
{
    return CreateLoaded<FCFretInstrumentDef>(_ReadWord(_GetFretInstIDPtr()));
}

FCInstrumentPlaybackData* FCStaff::CreateInstrumentPlaybackData() const
{
    return CreateLoaded<FCInstrumentPlaybackData>(_GetWordAt(kPlaybackDataOffset));
}

FCPercussionStaff* FCStaff::CreatePercussionStaff() const
{
    const uint16_t suffix = _GetWordAt(kPercussionSuffixOffset);
    const uint16_t record = _GetWordAt(kPercussionRecordOffset);
    if (GetNotationStyle() != 1 || suffix == 0 || record == 0)
        return nullptr;
    return CreateLoaded<FCPercussionStaff>(record, kSuffixTagBase | suffix);
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
