#ifndef FRAMEWORK_DOCUMENT_FCENDINGREPEAT_H
#define FRAMEWORK_DOCUMENT_FCENDINGREPEAT_H

#include <cstdint>

#include "document/__FCDynamicNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

class FCNumbers;
class FCSeparatePlacements;
class FCString;

/* The ending bracket of a measure (keyed by the measure number). The record
 * is at least 24 bytes: a 12-byte head whose first word is the show mode,
 * then the pass numbers as signed 16-bit words up to the first 0 or the end
 * of the record. Its text is the ending text stored under the same item
 * number; its per-staff placements are the separate placements of the
 * measure. */
class FCEndingRepeat : public __FCDynamicNoInciOther
{
public:
    static constexpr uint32_t kMinimumSize = 24;
    static constexpr uint32_t kPassesOffset = 12;

    FCEndingRepeat();
    FCRECORD_IDENTITY_DECLARE

    FCRECORD_FIELD(ShowMode, int16_t, 0)

    /* Fills the list with the pass numbers (emptied first); the count of
       passes, 0 for a null list. */
    int GetPassNumbers(FCNumbers* pNumbers) const;
    /* Replaces the pass numbers by those of the list, growing the record as
       needed. Numbers outside 1 .. 32767 would end or corrupt the run and
       are skipped. False for a null list. */
    bool SetPassNumbers(const FCNumbers* pNumbers);

    /* The ending's text in a new string (the caller owns it), or null. */
    FCString* CreateTextString() const;
    bool SaveTextString(const FCString* pString);
    /* The separate placements of the ending's measure in a new list (the
       caller owns it). */
    FCSeparatePlacements* CreateSeparatePlacements() const;
};

#endif
