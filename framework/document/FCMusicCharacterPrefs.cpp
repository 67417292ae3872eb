#include "document/FCMusicCharacterPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCMusicCharacterPrefs, 60, QZ_FOURCC("pfmc"))
