#ifndef TESTS_UNIT_REGION_REGIONRECORD_H
#define TESTS_UNIT_REGION_REGIONRECORD_H

#include <cstdint>

#include "hostlink/fx_types.h"

/* A host region record in one staff list. */
inline EREGION MakeRegion(uint16_t list, int16_t startSlot, int16_t endSlot, int16_t startMeasure, int32_t startPos,
                          int16_t endMeasure, int32_t endPos)
{
    return EREGION{list, startSlot, startMeasure, startPos, list, endSlot, endMeasure, endPos};
}

#endif
