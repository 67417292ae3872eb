#include "FCInstrumentPlaybackData.h"

FCRECORD_CLASS_DEFINE(FCInstrumentPlaybackData, 45, 0x4F04504C)
