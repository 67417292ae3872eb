#include "document/FCMiscDocPrefs.h"

/* No class number of its own. */
FCRECORD_CLASS_DEFINE(FCMiscDocPrefs, 0, 0x70664D53)
