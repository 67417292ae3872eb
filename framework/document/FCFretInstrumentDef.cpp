#include "document/FCFretInstrumentDef.h"

FCRECORD_CLASS_DEFINE(FCFretInstrumentDef, 37, 0x4F096649)
