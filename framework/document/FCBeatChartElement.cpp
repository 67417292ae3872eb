#include "document/FCBeatChartElement.h"
#include "common/qz_fourcc.h"

FCRECORD_CLASS_DEFINE(FCBeatChartElement, 8, QZ_FOURCC("otBC"))
