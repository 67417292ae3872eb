#ifndef FRAMEWORK_DOCUMENT_FCTIMESIGNATURE_H
#define FRAMEWORK_DOCUMENT_FCTIMESIGNATURE_H

#include <cstdint>

#include "records/__FCBaseData.h"
#include "document/__FCRecordClassMacros.h"

/* A time signature value (8 bytes), filled by cells and measures (never
 * loaded by tag): the number of beats and the beat duration in the host's
 * duration units (1024 to the quarter note). */
class FCTimeSignature : public __FCBaseData
{
    FCRECORD_CLASS_MEMBERS(8)

    FCTimeSignature();

    bool LoadFirst() override;

    FCRECORD_FIELD(Beats, int16_t, 0)
    FCRECORD_FIELD(BeatDuration, int16_t, 2)

    /* True when the beat is a dotted value (three of the next smaller
       binary value), as in 6/8. */
    bool IsCompoundBeatDuration() const;
};

#endif
