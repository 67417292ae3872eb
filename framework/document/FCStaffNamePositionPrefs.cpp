#include "document/FCStaffNamePositionPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCStaffNamePositionPrefs, 94, QZ_FOURCC("pfSp"))
