#ifndef FRAMEWORK_DOCUMENT_FCMEASURE_H
#define FRAMEWORK_DOCUMENT_FCMEASURE_H

#include <cstdint>

#include "document/FCKeySignature.h"
#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "document/FCTimeSignature.h"
#include "records/__FCNoInciOther.h"

class FCExpressions;
class FCTempoElements;
class FCBeatChartElements;

/* A measure of the document (item number = measure number): 26 bytes with
 * record version 0x0A000000 below host 0x12000000, else 30 bytes with
 * 0x12000000. It carries the measure's key and time signature. */
class FCMeasure : public __FCNoInciOther
{
public:
    FCMeasure();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

    FCRECORD_FIELD(KeySignatureValue, uint16_t, 2)
    FCRECORD_FIELD(Beats, int16_t, 4)
    FCRECORD_FIELD(BeatDuration, int16_t, 6)

    /* The measure's key and time signature, refreshed from the record on
       every call (the objects belong to the measure). */
    FCKeySignature* GetKeySignature();
    FCTimeSignature* GetTimeSignature();
    /* Writes a key or time signature into the record (not saved). */
    void SetKeySignature(const FCKeySignature* pKey);
    void SetTimeSignature(const FCTimeSignature* pTime);

    /* The measure's expression assignments, tempo changes and beat chart
       entries in new lists (the caller owns them). */
    FCExpressions* CreateExpressions() const;
    FCTempoElements* CreateTempoElements() const;
    FCBeatChartElements* CreateBeatChartElements() const;

private:
    FCLayoutBuffers _layouts;
    FCKeySignature _key;
    FCTimeSignature _time;
};

#endif
