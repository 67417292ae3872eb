#include "document/FCMidiExpression.h"

FCRECORD_CLASS_DEFINE(FCMidiExpression, 54, 0x64744D45)

bool FCMidiExpression::_SaveMeasureFlag() { return true; }
