#include "records/__FCGlobals.h"

const char* __FCGlobals::ClassName() const { return "__FCGlobals"; }

bool __FCGlobals::Load(uint16_t item)
{
    _SetKey(static_cast<int16_t>(item), 0, 0);
    return LoadDataBlock();
}

bool __FCGlobals::LoadFirst() { return Load(0); }

bool __FCGlobals::LoadNext() { return Load(static_cast<uint16_t>(GetItemNo() + 1)); }
