#include "document/FCGridsGuidesPrefs.h"

FCRECORD_CLASS_DEFINE(FCGridsGuidesPrefs, 39, 0x70664747)
