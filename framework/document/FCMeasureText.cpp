#include "FCMeasureText.h"

FCRECORD_CLASS_DEFINE(FCMeasureText, 52, 0x64746D74)

bool FCMeasureText::_SaveMeasureFlag() { return true; }
