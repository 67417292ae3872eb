#ifndef FRAMEWORK_DOCUMENT_FCPERCUSSIONSTAFF_H
#define FRAMEWORK_DOCUMENT_FCPERCUSSIONSTAFF_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

class FCPercussionLayoutNotes;

/* The percussion staff data of a staff (12 bytes). Its tag is set by the owner (custom tag) or the class default. */
class FCPercussionStaff : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
    /* The percussion layout. */
    FCRECORD_FIELD(LayoutID, int16_t, 0)
    /* The notes of the staff's percussion layout in a new list (the caller
       owns it). */
    FCPercussionLayoutNotes* CreateLayoutNotes() const;
    /* Makes the object hold a fresh zeroed record, ready to be saved as new. */
    void PrepareNew() { _PrepareNewRecord(kRecordSize); }
};

#endif
