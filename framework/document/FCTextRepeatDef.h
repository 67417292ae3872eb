#ifndef FRAMEWORK_DOCUMENT_FCTEXTREPEATDEF_H
#define FRAMEWORK_DOCUMENT_FCTEXTREPEATDEF_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* A text repeat definition (16 bytes). */
class FCTextRepeatDef : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(16)
};

#endif
