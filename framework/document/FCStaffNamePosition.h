#ifndef FRAMEWORK_DOCUMENT_FCSTAFFNAMEPOSITION_H
#define FRAMEWORK_DOCUMENT_FCSTAFFNAMEPOSITION_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* The position of a staff's full or abbreviated name (12 bytes; which of the
 * two is chosen at construction). Its tag is set by the owner (custom tag) or
 * the class default. A new object holds a zero record whose flags word takes
 * its low byte and bit 15 from the document's name position preference of
 * the same kind, and counts as loaded. */
class FCStaffNamePosition : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(12)

    explicit FCStaffNamePosition(bool abbreviated = false);

    bool IsAbbreviated() const { return _abbreviated; }

    FCRECORD_FIELD(PositionFlags, uint16_t, 10)

private:
    bool _abbreviated;
};

#endif
