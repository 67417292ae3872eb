#include "document/FCTextRepeatDef.h"

FCRECORD_CLASS_DEFINE(FCTextRepeatDef, 107, 0x534F5253)
