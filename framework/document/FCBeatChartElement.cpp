#include "document/FCBeatChartElement.h"

FCRECORD_CLASS_DEFINE(FCBeatChartElement, 8, 0x6F744243)
