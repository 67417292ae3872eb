#include "document/FCInstrumentDef.h"

FCRECORD_CLASS_DEFINE(FCInstrumentDef, 44, 0x6F744F43)
