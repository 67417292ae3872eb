#include "document/FCGridsGuidesPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCGridsGuidesPrefs, 39, QZ_FOURCC("pfGG"))
