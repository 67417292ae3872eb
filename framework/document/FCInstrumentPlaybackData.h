#ifndef FRAMEWORK_DOCUMENT_FCINSTRUMENTPLAYBACKDATA_H
#define FRAMEWORK_DOCUMENT_FCINSTRUMENTPLAYBACKDATA_H

#include <cstdint>

#include "__FCNoInciOther.h"
#include "__FCRecordClassMacros.h"

/* The playback data of a staff (48 bytes). */
class FCInstrumentPlaybackData : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(48)
};

#endif
