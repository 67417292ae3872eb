#ifndef FRAMEWORK_DOCUMENT_FCCHORD_H
#define FRAMEWORK_DOCUMENT_FCCHORD_H

#include <cstdint>

#include "document/__FCCollectionCellDetail.h"
#include "records/__FCCellDetail.h"
#include "document/__FCRecordClassMacros.h"

class FCChordSuffixElements;

/* A chord symbol in a cell (30 bytes). */
class FCChord : public __FCCellDetail
{
    FCRECORD_CLASS_MEMBERS(30)
    /* The measure record carries no flag for this detail. */
    bool _SaveMeasureFlag() override;

    /* The chord suffix the symbol shows (0 = none): the item number of the
       suffix's elements. */
    FCRECORD_FIELD(SuffixID, uint16_t, 2)
    /* Position of the symbol within its measure. */
    FCRECORD_FIELD(MeasurePos, int32_t, 4)
    /* The elements of the chord's suffix in a new list that the caller
       owns; null when the chord has no suffix or its suffix no elements. */
    FCChordSuffixElements* CreateChordSuffixElements() const;
};

/* A list of FCChord records. */
FCRECORD_COLLECTION_CLASS(FCChords, __FCCollectionCellDetail, FCChord)

#endif
