#include "document/FCFontPrefs.h"

FCRECORD_CLASS_DEFINE(FCFontPrefs, 31, 0x70666466)
