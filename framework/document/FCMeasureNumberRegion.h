#ifndef FRAMEWORK_DOCUMENT_FCMEASURENUMBERREGION_H
#define FRAMEWORK_DOCUMENT_FCMEASURENUMBERREGION_H

#include <cstdint>

#include "FCLayoutBuffers.h"
#include "__FCRecordClassMacros.h"
#include "__FCNoInciOther.h"

class FCString;

/* A measure number region: the numbering of a range of measures. The record
 * keeps the end measure plus one and the start number minus one; the
 * accessors hide both. Layouts: 88 bytes (record version 0x0A000000) below
 * host 0x0F000000, 196 bytes (0x0F000200) up to 0x10FFFFFF, 350 bytes
 * (0x11000000, UTF-16 prefix and suffix) from 0x11000000. */
class FCMeasureNumberRegion : public __FCNoInciOther
{
public:
    enum NUMBERINGSTYLE
    {
        NUMBERING_DIGITS = 0,
        NUMBERING_LOWERCASEDOUBLEUP = 1,
        NUMBERING_UPPERCASEDOUBLEUP = 2,
        NUMBERING_LOWERCASEAFTERZ = 3,
        NUMBERING_UPPERCASEAFTERZ = 4
    };

    FCMeasureNumberRegion();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

    FCRECORD_FIELD(StartMeasure, int16_t, 0)
    FCRECORD_FIELD(Base, int16_t, 6)
    FCRECORD_FIELD(StartChar, int16_t, 8)
    FCRECORD_FLAG(CountFromOne, uint16_t, 10, 0x0080)
    FCRECORD_FLAG(NoZero, uint16_t, 10, 0x0040)
    FCRECORD_FLAG(DoubleUp, uint16_t, 10, 0x0020)

    int16_t GetEndMeasure() const;
    void SetEndMeasure(int16_t measure);
    int16_t GetStartNumber() const;
    void SetStartNumber(int16_t number);
    void GetPrefix(FCString* pText) const;
    void SetPrefix(const FCString* pText);
    void GetSuffix(FCString* pText) const;
    void SetSuffix(const FCString* pText);

    /* Base, start character and flags of a numbering style; other values
       change nothing. */
    void SetNumberingStyle(NUMBERINGSTYLE style);
    bool IsMeasureIncluded(int measure) const;
    /* The number shown for the measure (without prefix and suffix); false
       when the region does not include it. */
    bool GetDisplayedNumber(int measure, FCString* pOut) const;
    /* Prefix, displayed number and suffix in a new string (the caller owns
       it); null when the measure is outside the region. */
    FCString* CreateDisplayedString(int measure) const;

    /* Resets the record to that of a new region (and marks it loaded). */
    void PrepareNew();

private:
    uint32_t _GetPrefixOffset() const;
    uint32_t _GetSuffixOffset() const;
    uint32_t _GetAffixBytes() const;
    bool _UseUnicodeAffixes() const;
    void _GetText(uint32_t offset, FCString* pText) const;
    void _SetText(uint32_t offset, const FCString* pText);

    FCLayoutBuffers _layouts;
};

#endif
