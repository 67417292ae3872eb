#include "document/FCFontPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCFontPrefs, 31, QZ_FOURCC("pfdf"))
