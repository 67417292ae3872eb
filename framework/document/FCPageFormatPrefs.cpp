#include "document/FCPageFormatPrefs.h"

FCRECORD_CLASS_DEFINE(FCPageFormatPrefs, 68, 0x70665046)
