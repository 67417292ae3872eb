#include "records/__FCInciOther.h"

#include "hostlink/fx_host_abi.h"

const char* __FCInciOther::ClassName() const { return "__FCInciOther"; }

bool __FCInciOther::Load(uint16_t item, int16_t incident)
{
    _SetKey(static_cast<int16_t>(item), incident, 0);
    return LoadDataBlock();
}

bool __FCInciOther::LoadFirst() { return false; }

bool __FCInciOther::Reload()
{
    if (!IsLoaded())
        return false;
    return Load(GetItemNo(), GetItemInci());
}

bool __FCInciOther::SaveNew(uint16_t item)
{
    if (!IsLoaded() || !_GetData())
        return false;
    const int16_t oldItem = _GetKeyPart(0);
    const int16_t oldInci = _GetKeyPart(1);
    _SetKeyPart(0, static_cast<int16_t>(item));
    _SetKeyPart(1, -1);
    if (FX_CreateEData(Tag(), _GetKey(), _GetData(), DataSizeSave(), EnigmaVersion()))
        return true;
    _SetKeyPart(0, oldItem);
    _SetKeyPart(1, oldInci);
    return false;
}
