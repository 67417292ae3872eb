#ifndef FRAMEWORK_DOCUMENT_FCFRETINSTRUMENTDEF_H
#define FRAMEWORK_DOCUMENT_FCFRETINSTRUMENTDEF_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A fretted instrument definition (108 bytes). */
class FCFretInstrumentDef : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(108)
};

#endif
