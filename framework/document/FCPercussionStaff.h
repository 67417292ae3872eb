#ifndef FRAMEWORK_DOCUMENT_FCPERCUSSIONSTAFF_H
#define FRAMEWORK_DOCUMENT_FCPERCUSSIONSTAFF_H

#include <cstdint>

#include "__FCNoInciOther.h"
#include "__FCRecordClassMacros.h"

/* A percussion staff data of a staff (12 bytes). Its tag is set by the owner (custom tag) or the class default. */
class FCPercussionStaff : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
    /* The percussion layout. */
    FCRECORD_FIELD(LayoutID, int16_t, 0)
};

#endif
