#ifndef FRAMEWORK_DOCUMENT_FCMEASURETEXT_H
#define FRAMEWORK_DOCUMENT_FCMEASURETEXT_H

#include <cstdint>

#include "__FCCollectionCellDetail.h"
#include "__FCCellDetail.h"
#include "__FCRecordClassMacros.h"

/* A text attached to a cell (10 bytes). */
class FCMeasureText : public __FCCellDetail
{
    FCRECORD_CLASS_MEMBERS(10)
    /* The measure record carries no flag for this detail. */
    bool _SaveMeasureFlag() override;
};

/* A list of FCMeasureText records. */
FCRECORD_COLLECTION_CLASS(FCMeasureTexts, __FCCollectionCellDetail, FCMeasureText)

#endif
