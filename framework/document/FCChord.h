#ifndef FRAMEWORK_DOCUMENT_FCCHORD_H
#define FRAMEWORK_DOCUMENT_FCCHORD_H

#include <cstdint>

#include "__FCCollectionCellDetail.h"
#include "__FCCellDetail.h"
#include "__FCRecordClassMacros.h"

/* A chord symbol in a cell (30 bytes). */
class FCChord : public __FCCellDetail
{
    FCRECORD_CLASS_MEMBERS(30)
    /* The measure record carries no flag for this detail. */
    bool _SaveMeasureFlag() override;
};

/* A list of FCChord records. */
FCRECORD_COLLECTION_CLASS(FCChords, __FCCollectionCellDetail, FCChord)

#endif
