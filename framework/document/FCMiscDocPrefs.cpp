#include "document/FCMiscDocPrefs.h"
#include "common/qz_fourcc.h"

/* No class number of its own. */
FCRECORD_CLASS_DEFINE(FCMiscDocPrefs, 0, QZ_FOURCC("pfMS"))
