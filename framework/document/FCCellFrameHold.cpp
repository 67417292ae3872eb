#include "document/FCCellFrameHold.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCCellFrameHold, 12, QZ_FOURCC("SDGF"))

bool FCCellFrameHold::_SaveMeasureFlag() { return true; }
