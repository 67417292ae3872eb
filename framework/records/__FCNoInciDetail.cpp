#include "records/__FCNoInciDetail.h"

#include "hostlink/fx_host_abi.h"

const char* __FCNoInciDetail::ClassName() const { return "__FCNoInciDetail"; }

bool __FCNoInciDetail::Load(uint16_t item1, uint16_t item2)
{
    _SetKey(static_cast<int16_t>(item1), static_cast<int16_t>(item2), 0);
    return LoadDataBlock();
}

bool __FCNoInciDetail::SaveNew(uint16_t item1)
{
    if (!IsLoaded() || !_GetData())
        return false;
    const int16_t old[3] = {_GetKeyPart(0), _GetKeyPart(1), _GetKeyPart(2)};
    _SetKey(static_cast<int16_t>(item1), -1, 0);
    if (FX_CreateEData(Tag(), _GetKey(), _GetData(), DataSizeSave(), EnigmaVersion()))
        return true;
    _SetKey(old[0], old[1], old[2]);
    return false;
}
