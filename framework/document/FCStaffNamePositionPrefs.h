#ifndef FRAMEWORK_DOCUMENT_FCSTAFFNAMEPOSITIONPREFS_H
#define FRAMEWORK_DOCUMENT_FCSTAFFNAMEPOSITIONPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's default positions of staff names (set 0: full names, set 1: abbreviated names). */
class FCStaffNamePositionPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(12)
    /* The word whose low byte and bit 15 a new name position takes over. */
    FCRECORD_FIELD(PositionFlags, uint16_t, 10)
};

#endif
