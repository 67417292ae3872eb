#include "document/FCPageFormatPrefs.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCPageFormatPrefs, 68, QZ_FOURCC("pfPF"))
