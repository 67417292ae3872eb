#ifndef FRAMEWORK_DOCUMENT_FCSTAFFLIST_H
#define FRAMEWORK_DOCUMENT_FCSTAFFLIST_H

#include <cstdint>

#include "document/__FCDynamicNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

class FCString;

/* A staff list (of a category or of a part): staff numbers kept in 12-byte
 * pieces of six signed 16-bit entries each, in order from the start of the
 * record; the first 0 ends the list. Its tag is set by the owner (custom tag)
 * or the class default. The list's name is the staff list text stored under
 * the same item number. */
class FCStaffList : public __FCDynamicNoInciOther
{
public:
    static constexpr uint32_t kPieceSize = 12;
    static constexpr int kEntriesPerPiece = 6;

    FCStaffList();
    FCRECORD_IDENTITY_DECLARE

    /* Number of staves in the list. */
    int GetCount() const;
    /* The staff at index, 0 when out of range. */
    int GetElement(int index) const;
    bool IncludesStaff(int staff) const;
    /* Appends the staff, growing the record by a piece when it is full.
       False for staff numbers outside 1 .. 32767 and for a staff already in
       the list. */
    bool AddElement(int staff);
    /* Removes the staff, closing the gap; a piece left empty is dropped
       (one piece always stays). False when the staff is not in the list. */
    bool RemoveElement(int staff);

    /* The list's name, in a new string (the caller owns it); null when the
       list has no name text. */
    FCString* CreateTextString() const;
    /* Stores the name text under the list's item number. */
    bool SaveTextString(const FCString* pString);

private:
    int _Capacity() const;
    int16_t _Entry(int index) const;
    void _SetEntry(int index, int16_t staff);
};

#endif
