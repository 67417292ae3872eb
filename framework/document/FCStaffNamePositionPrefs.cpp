#include "document/FCStaffNamePositionPrefs.h"

FCRECORD_CLASS_DEFINE(FCStaffNamePositionPrefs, 94, 0x70665370)
