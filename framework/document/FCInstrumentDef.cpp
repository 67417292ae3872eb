#include "document/FCInstrumentDef.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCInstrumentDef, 44, QZ_FOURCC("otOC"))
