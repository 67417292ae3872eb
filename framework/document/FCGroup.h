#ifndef FRAMEWORK_DOCUMENT_FCGROUP_H
#define FRAMEWORK_DOCUMENT_FCGROUP_H

#include <cstdint>

#include "FCLayoutBuffers.h"
#include "__FCRecordClassMacros.h"
#include "__FCNoInciDetail.h"

/* A staff group (bracket): 36 bytes, passed as record version 0x09000000 below
 * host 0x11000000. */
class FCGroup : public __FCNoInciDetail
{
public:
    FCGroup();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE
    /* Loads the first existing record. */
    bool LoadFirst() override;

private:
    FCLayoutBuffers _layouts;
};

#endif
