#ifndef FRAMEWORK_DOCUMENT_FCMEASURENUMBERREGION_H
#define FRAMEWORK_DOCUMENT_FCMEASURENUMBERREGION_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCNoInciOther.h"

class FCEnclosure;
class FCFontInfo;
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

    /* ---- Display of the numbers, kept separately for the score and for the
       parts (parts = true). Each is a 24-byte block after the suffix: font
       number, size and effects, horizontal and vertical position, a flags
       word (bit 0: enclosed), then the 12-byte enclosure. Records of hosts
       below 0x0F000000 have one block, shared by score and parts. */
#define FCMEASURENUMBERREGION_DISPLAY_FIELDS(X) \
    X(FontID, int16_t, 0)                       \
    X(FontSize, int16_t, 2)                     \
    X(FontEffects, uint16_t, 4)                 \
    X(HorizontalPosition, int16_t, 6)           \
    X(VerticalPosition, int16_t, 8)             \
    X(DisplayFlags, uint16_t, 10)
#define FCMEASURENUMBERREGION_DISPLAY_ACCESSORS(NAME, TYPE, OFFSET)                                               \
    TYPE Get##NAME(bool parts) const { return _GetField(FCRecordField<TYPE>(_DisplayOffset(parts) + (OFFSET))); } \
    void Set##NAME(TYPE value, bool parts) { _SetField(FCRecordField<TYPE>(_DisplayOffset(parts) + (OFFSET)), value); }
    FCMEASURENUMBERREGION_DISPLAY_FIELDS(FCMEASURENUMBERREGION_DISPLAY_ACCESSORS)
#undef FCMEASURENUMBERREGION_DISPLAY_ACCESSORS

    bool GetUseEnclosure(bool parts) const;
    void SetUseEnclosure(bool on, bool parts);
    /* The font of the numbers; false for null. */
    bool GetFontInfo(FCFontInfo* pFont, bool parts) const;
    /* Stores the font; nothing for null. */
    void SetFontInfo(FCFontInfo* pFont, bool parts);
    /* The font in a new object that the caller owns. */
    FCFontInfo* CreateFontInfo(bool parts) const;
    /* The enclosure of the numbers in a new object that the caller owns
       (a copy of the 12 bytes; not a record of its own); null unless the
       numbers are enclosed. */
    FCEnclosure* CreateEnclosure(bool parts) const;
    /* Copies the enclosure's 12 bytes into the block and marks the numbers
       enclosed; false for null or an enclosure holding no record. */
    bool SetEnclosure(const FCEnclosure* pEnclosure, bool parts);

private:
    uint32_t _GetPrefixOffset() const;
    uint32_t _GetSuffixOffset() const;
    uint32_t _GetAffixBytes() const;
    /* Offset of the display block of the score or the parts. */
    uint32_t _DisplayOffset(bool parts) const;
    bool _UseUnicodeAffixes() const;
    void _GetText(uint32_t offset, FCString* pText) const;
    void _SetText(uint32_t offset, const FCString* pText);

    FCLayoutBuffers _layouts;
};

#endif
