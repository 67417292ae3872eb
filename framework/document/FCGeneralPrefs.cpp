#include "document/FCGeneralPrefs.h"

FCRECORD_CLASS_DEFINE(FCGeneralPrefs, 38, 0x70666770)

uint32_t FCGeneralPrefs::EnigmaVersion() const { return 0x0D000000; }
