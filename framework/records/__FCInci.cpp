#include "records/__FCInci.h"

const char* __FCInci::ClassName() const { return "__FCInci"; }

bool __FCInci::Load(uint16_t item, int16_t incident)
{
    _SetKey(static_cast<int16_t>(item), incident, 0);
    return LoadDataBlock();
}
