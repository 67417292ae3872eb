#include "document/FCMultiMeasureRestPrefs.h"

FCRECORD_CLASS_DEFINE(FCMultiMeasureRestPrefs, 57, 0x70666D6D)
