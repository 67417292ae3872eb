#ifndef FRAMEWORK_DOCUMENT_FCCELLFRAMEHOLD_H
#define FRAMEWORK_DOCUMENT_FCCELLFRAMEHOLD_H

#include <cstdint>

#include "records/__FCNoInciCellDetail.h"
#include "document/__FCRecordClassMacros.h"

/* The frames of a cell per layer (14 bytes). */
class FCCellFrameHold : public __FCNoInciCellDetail
{
    FCRECORD_CLASS_MEMBERS(14)
    /* The measure record carries no flag for this detail. */
    bool _SaveMeasureFlag() override;
};

#endif
