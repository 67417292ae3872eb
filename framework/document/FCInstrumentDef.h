#ifndef FRAMEWORK_DOCUMENT_FCINSTRUMENTDEF_H
#define FRAMEWORK_DOCUMENT_FCINSTRUMENTDEF_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* An instrument (percussion map) definition (12 bytes). */
class FCInstrumentDef : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(12)
    /* The note type in the fourth word. */
    FCRECORD_FIELD(NoteType, int16_t, 6)
};

#endif
