#ifndef FRAMEWORK_DOCUMENT_FCINDEPENDENTCELLDETAIL_H
#define FRAMEWORK_DOCUMENT_FCINDEPENDENTCELLDETAIL_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCNoInciCellDetail.h"

class FCKeySignature;
class FCTimeSignature;

/* A cell's own key and time signature (20 bytes, one record per cell; record
 * version 0x0F000000, or 0x12000000 from host 0x12000000, where the tag
 * changes too). The flags word says which of the two the cell overrides. */
class FCIndependentCellDetail : public __FCNoInciCellDetail
{
public:
    static constexpr uint16_t kIndependentKey = 0x0800;
    static constexpr uint16_t kIndependentTime = 0x0400;

    FCIndependentCellDetail();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE
    /* The measure record carries no flag for this detail: nothing to mark. */
    bool _SaveMeasureFlag() override;
    /* Creates the cell's record. */
    bool SaveNew() override;

    FCRECORD_FLAG(HasIndependentKey, uint16_t, 0, kIndependentKey)
    FCRECORD_FLAG(HasIndependentTime, uint16_t, 0, kIndependentTime)
    FCRECORD_FIELD(KeySignatureValue, uint16_t, 2)
    FCRECORD_FIELD(Beats, int16_t, 4)
    FCRECORD_FIELD(BeatDuration, int16_t, 6)

    void GetKeySignature(FCKeySignature* pKey) const;
    void SetKeySignature(const FCKeySignature* pKey);
    void GetTimeSignature(FCTimeSignature* pTime) const;
    void SetTimeSignature(const FCTimeSignature* pTime);

    /* Resets the record to that of a new detail (and marks it loaded). */
    void PrepareNew();

private:
    FCLayoutBuffers _layouts;
};

#endif
