#ifndef FRAMEWORK_DOCUMENT_FCTIMESIGNATURE_H
#define FRAMEWORK_DOCUMENT_FCTIMESIGNATURE_H

#include <cstdint>

#include "__FCBaseData.h"

/* A time signature value (8 bytes), filled by cells and measures (never
 * loaded by tag): the number of beats and the beat duration in the host's
 * duration units (1024 to the quarter note). */
class FCTimeSignature : public __FCBaseData
{
public:
    static constexpr uint32_t kRecordSize = 8;

    FCTimeSignature();

    int GetClassID() const override;
    const char* ClassName() const override;
    void* Allocate() override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t DataSizeLoad() const override;
    bool LoadFirst() override;

    FCRECORD_FIELD(Beats, int16_t, 0)
    FCRECORD_FIELD(BeatDuration, int16_t, 2)

    /* True when the beat is a dotted value (three of the next smaller
       binary value), as in 6/8. */
    bool IsCompoundBeatDuration() const;

private:
    alignas(8) unsigned char _record[kRecordSize];
};

#endif
