#include "document/FCMidiExpression.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCMidiExpression, 54, QZ_FOURCC("dtME"))

bool FCMidiExpression::_SaveMeasureFlag() { return true; }
