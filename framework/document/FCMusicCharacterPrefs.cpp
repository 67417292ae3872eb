#include "document/FCMusicCharacterPrefs.h"

FCRECORD_CLASS_DEFINE(FCMusicCharacterPrefs, 60, 0x70666D63)
