#include "document/FCCellClefChange.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCCellClefChange, 11, QZ_FOURCC("otCE"))
