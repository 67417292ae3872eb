#ifndef FRAMEWORK_DOCUMENT_FCENCLOSURE_H
#define FRAMEWORK_DOCUMENT_FCENCLOSURE_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

/* The enclosure (frame) of a text item, 12 bytes, keyed by the item it
   belongs to. Its tag is set by the owner (custom tag); 'otDe' otherwise. */
class FCEnclosure : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(12)

    static constexpr uint32_t kExpressionEnclosureTag = 0x6F744465;
    /* Makes the object hold a fresh zeroed record, ready to be saved as new. */
    void PrepareNew() { _PrepareNewRecord(kRecordSize); }
};

#endif
