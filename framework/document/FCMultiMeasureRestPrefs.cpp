#include "document/FCMultiMeasureRestPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCMultiMeasureRestPrefs, 57, QZ_FOURCC("pfmm"))
