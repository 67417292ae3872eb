#include "document/FCEnclosure.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCEnclosure, 26, kExpressionEnclosureTag)
