#include "document/FCStaves.h"

#include "document/FCStaff.h"
#include "hostlink/fx_host_abi.h"

const char* FCStaves::ClassName() const { return "FCStaves"; }

__FCBaseData* FCStaves::CreateElement() { return new FCStaff(); }

FCStaff* FCStaves::GetItemAt(int index) const
{
    return dynamic_cast<FCStaff*>(__FCCollectionNoInciOther::GetItemAt(index));
}

uint16_t FCStaves::Append()
{
    int16_t key[3] = {-1, -1, 0};
    if (!FX_CreateEData(FCStaff::kTag, key, nullptr, 0, FCStaff::_VersionToUse()))
        return 0;
    return key[0] > 0 ? static_cast<uint16_t>(key[0]) : 0;
}

bool FCStaves::Delete(uint16_t staff)
{
    FCStaff record;
    if (!record.Load(staff))
        return false;
    return record.DeleteData();
}
