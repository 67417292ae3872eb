#include "document/FCCellFrameHold.h"

FCRECORD_CLASS_DEFINE(FCCellFrameHold, 12, 0x53444746)

bool FCCellFrameHold::_SaveMeasureFlag() { return true; }
