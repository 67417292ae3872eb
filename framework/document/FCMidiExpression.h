#ifndef FRAMEWORK_DOCUMENT_FCMIDIEXPRESSION_H
#define FRAMEWORK_DOCUMENT_FCMIDIEXPRESSION_H

#include <cstdint>

#include "document/__FCCollectionCellDetail.h"
#include "records/__FCCellDetail.h"
#include "document/__FCRecordClassMacros.h"

/* A MIDI expression in a cell (10 bytes). */
class FCMidiExpression : public __FCCellDetail
{
    FCRECORD_CLASS_MEMBERS(10)
    /* The measure record carries no flag for this detail. */
    bool _SaveMeasureFlag() override;

    /* Position of the expression within its measure. */
    FCRECORD_FIELD(MeasurePos, int32_t, 0)
};

/* A list of FCMidiExpression records. */
FCRECORD_COLLECTION_CLASS(FCMidiExpressions, __FCCollectionCellDetail, FCMidiExpression)

#endif
