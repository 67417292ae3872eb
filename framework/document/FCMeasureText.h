#ifndef FRAMEWORK_DOCUMENT_FCMEASURETEXT_H
#define FRAMEWORK_DOCUMENT_FCMEASURETEXT_H

#include <cstdint>

#include "document/__FCCollectionCellDetail.h"
#include "records/__FCCellDetail.h"
#include "document/__FCRecordClassMacros.h"

class FCTextBlock;

/* A text attached to a cell (10 bytes). */
class FCMeasureText : public __FCCellDetail
{
    FCRECORD_CLASS_MEMBERS(10)
    /* The measure record carries no flag for this detail. */
    bool _SaveMeasureFlag() override;

    /* The text block that holds the text (its first word). */
    FCRECORD_FIELD(TextBlockID, int16_t, 0)
    /* The text block in a new object that the caller owns; null when the
       text has none or it does not load. */
    FCTextBlock* CreateTextBlock() const;
};

/* A list of FCMeasureText records. */
FCRECORD_COLLECTION_CLASS(FCMeasureTexts, __FCCollectionCellDetail, FCMeasureText)

#endif
