#include "document/FCStaffStyleDef.h"

#include <cstring>

#include "records/FCOtherInci.h"

namespace
{
const FCRecordLayout kStyleLayouts[] = {
    {0, 144, 0x0F000000},
    {0x11000000, 292, 0x11000000},
    {0x12000000, 296, 0x12000000},
};
} // namespace

FCStaffStyleDef::FCStaffStyleDef() : _layouts(kStyleLayouts, 3) { _EnsureData(); }

int FCStaffStyleDef::GetClassID() const { return 96; }

const char* FCStaffStyleDef::ClassName() const { return "FCStaffStyleDef"; }

__FCBaseData* FCStaffStyleDef::CreateObject() { return new FCStaffStyleDef(); }

uint32_t FCStaffStyleDef::Tag() const { return kTag; }

FCLAYOUT_RECORD_MEMBERS(FCStaffStyleDef, _layouts)

bool FCStaffStyleDef::Load(uint16_t style)
{
    FCOtherInci companion;
    companion.SetCustomTag(kCompanionTag);
    if (!companion.Load(style, 0))
        return false;
    return __FCStaffBase::Load(style);
}

bool FCStaffStyleDef::LoadFirst() { return Load(1); }

bool FCStaffStyleDef::LoadNext() { return Load(static_cast<uint16_t>(GetItemNo() + 1)); }

#define FCSTAFFSTYLEDEF_DEFINE_PTR(NAME, STAFFOFFSET, STYLEOFFSET, MINVERSION) \
    void* FCStaffStyleDef::_Get##NAME##Ptr() const { return _FieldPtr(STYLEOFFSET, MINVERSION); }
FCSTAFFBASE_FIELDS(FCSTAFFSTYLEDEF_DEFINE_PTR)
#undef FCSTAFFSTYLEDEF_DEFINE_PTR
