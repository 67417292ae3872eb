#include "document/FCFretInstrumentDef.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCFretInstrumentDef, 37, QZ_FOURCC("O\tfI"))
