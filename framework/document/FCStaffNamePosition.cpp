#include "document/FCStaffNamePosition.h"

#include "document/FCStaffNamePositionPrefs.h"

namespace
{
constexpr uint16_t kInheritedFlags = 0x80FF;
} // namespace

int FCStaffNamePosition::GetClassID() const { return 93; }

const char* FCStaffNamePosition::ClassName() const { return "FCStaffNamePosition"; }

__FCBaseData* FCStaffNamePosition::CreateObject() { return new FCStaffNamePosition(_abbreviated); }

uint32_t FCStaffNamePosition::Tag() const { return GetCustomTag() ? GetCustomTag() : 0x6F744E53; }

FCStaffNamePosition::FCStaffNamePosition(bool abbreviated) : _abbreviated(abbreviated)
{
    _PrepareNewRecord(kRecordSize);
    FCStaffNamePositionPrefs prefs;
    if (prefs.Load(abbreviated ? 1 : 0))
        SetPositionFlags(static_cast<uint16_t>(prefs.GetPositionFlags() & kInheritedFlags));
}
