#include "document/FCTextRepeatDef.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCTextRepeatDef, 107, QZ_FOURCC("SORS"))
