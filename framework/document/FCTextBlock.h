#ifndef FRAMEWORK_DOCUMENT_FCTEXTBLOCK_H
#define FRAMEWORK_DOCUMENT_FCTEXTBLOCK_H

#include <cstdint>

#include "records/__FCNoInciOther.h"
#include "document/__FCRecordClassMacros.h"

class FCString;
class FCRawText;

/* A text block: the 26-byte record that names the raw text holding the text
 * of an expression, a staff name, a part name and so on. The item number is
 * the text block number.
 *
 * A new object holds the record of a new block (raw text kind 'bl') and
 * counts as loaded, so that it can be created with SaveNew at once. */
class FCTextBlock : public __FCNoInciOther
{
    FCRECORD_CLASS_MEMBERS(26)

    static constexpr uint16_t kDefaultTextKind = 0x626C;    /* raw text 'txbl' */
    static constexpr uint16_t kExpressionTextKind = 0x7870; /* raw text 'txxp' */

    FCTextBlock();

    /* Deletes the block's raw text (when it loads), then the block. */
    bool DeepDeleteData() override;

    /* Number of the raw text holding the block's text. */
    int16_t GetRawTextNumber() const;
    void SetRawTextNumber(int16_t number);
    /* Two-character kind of the raw text ('bl', 'xp', ...). */
    uint16_t GetTextKind() const;
    void SetTextKind(uint16_t kind);
    /* The raw text's record tag: 0x74780000 combined with the kind. */
    uint32_t GetRawTextTag() const;

    /* Resets the record to that of a new block (and marks it loaded). */
    void SetDefaults();

    /* A new raw text object loaded from the block's raw text (the caller
       owns it), or null when it does not load. */
    FCRawText* CreateRawText() const;
    /* A new string with the block's text (the caller owns it), or null. */
    FCString* CreateRawTextString() const;
    /* Replaces the text of the block's raw text. */
    bool SaveRawTextString(const FCString* pText);
    /* Creates a new raw text of the block's kind holding the text and makes
       the block refer to it; the block record itself is not saved. */
    bool SaveNewRawTextString(const FCString* pText);
};

#endif
