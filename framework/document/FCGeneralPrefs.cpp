#include "document/FCGeneralPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCGeneralPrefs, 38, QZ_FOURCC("pfgp"))

uint32_t FCGeneralPrefs::EnigmaVersion() const { return 0x0D000000; }
