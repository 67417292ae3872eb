#include "FCSeparatePlacement.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCSeparatePlacement, 82, 0x6F744249)
