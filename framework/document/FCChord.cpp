#include "FCChord.h"

FCRECORD_CLASS_DEFINE(FCChord, 14, 0x53444368)

bool FCChord::_SaveMeasureFlag() { return true; }
