#ifndef FRAMEWORK_DOCUMENT_FCCLEFDEF_H
#define FRAMEWORK_DOCUMENT_FCCLEFDEF_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCGlobals.h"

/* A clef definition (a global record counted from 0): 18 bytes below host
 * 0x11000000, 20 bytes from it. */
class FCClefDef : public __FCGlobals
{
public:
    FCClefDef();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

private:
    FCLayoutBuffers _layouts;
};

#endif
