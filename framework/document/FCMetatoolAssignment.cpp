#include "document/FCMetatoolAssignment.h"

FCMetatoolAssignment::FCMetatoolAssignment(int kind) : _kind(kind) {}

int FCMetatoolAssignment::GetClassID() const { return 53; }

const char* FCMetatoolAssignment::ClassName() const { return "FCMetatoolAssignment"; }

__FCBaseData* FCMetatoolAssignment::CreateObject() { return new FCMetatoolAssignment(_kind); }

uint32_t FCMetatoolAssignment::_TagForKind(int kind)
{
    switch (kind) {
    case 1: return 0x6F742664;
    case 2: return 0x6F742661;
    case 3: return 0x6F742672;
    case 4: return 0x6F742666;
    case 6: return 0x6F742673;
    default: return 0;
    }
}

uint32_t FCMetatoolAssignment::Tag() const { return _TagForKind(_kind); }

bool FCMetatoolAssignment::Load(uint16_t item) { return Tag() != 0 && __FCNoInciOther::Load(item); }

bool FCMetatoolAssignment::Save() { return Tag() != 0 && __FCNoInciOther::Save(); }

bool FCMetatoolAssignment::DeleteData() { return Tag() != 0 && __FCNoInciOther::DeleteData(); }

bool FCMetatoolAssignment::SaveNew() { return Tag() != 0 && __FCNoInciOther::SaveNew(); }

const char* FCMetatoolAssignments::ClassName() const { return "FCMetatoolAssignments"; }

__FCBaseData* FCMetatoolAssignments::CreateElement() { return new FCMetatoolAssignment(_kind); }

FCMetatoolAssignment* FCMetatoolAssignments::GetItemAt(int index) const
{
    return dynamic_cast<FCMetatoolAssignment*>(__FCCollectionNoInciOther::GetItemAt(index));
}
