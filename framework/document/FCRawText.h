#ifndef FRAMEWORK_DOCUMENT_FCRAWTEXT_H
#define FRAMEWORK_DOCUMENT_FCRAWTEXT_H

#include <cstdint>
#include <vector>

#include "records/__FCBaseData.h"

class FCString;

/* A raw text record: the zero-terminated text of a text block, an expression
 * or another text kind, keyed by a 16-bit text number. The text is UTF-16 on
 * hosts with Unicode support, 8-bit text on older hosts.
 *
 * The tag is the custom tag when one is set (SetCustomTag), else 'txbl';
 * expression texts use 'txxp'.
 *
 * Virtual operations after those of __FCBaseData, in slot order:
 *   SetRawTextNumber, HasUnicodeSupport, GetItemNo. */
class FCRawText : public __FCBaseData
{
public:
    static constexpr uint32_t kDefaultTag = 0x7478626C;    /* 'txbl' */
    static constexpr uint32_t kExpressionTag = 0x74787870; /* 'txxp' */

    FCRawText();

    int GetClassID() const override;
    const char* ClassName() const override;
    void* Allocate() override;
    void Deallocate() override;
    bool IsDynamicSize() const override;
    /* Raw texts are not cloned through the collections. */
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    /* The running host version itself. */
    uint32_t EnigmaVersion() const override;
    /* The size the host has stored for the current key. */
    uint32_t DataSizeLoad() const override;
    /* Loads the first existing text after text number 0. */
    bool LoadFirst() override;

    virtual void SetRawTextNumber(int16_t number);
    /* True on hosts that store texts as UTF-16. */
    virtual bool HasUnicodeSupport() const;
    virtual int16_t GetItemNo() const;

    /* Replaces the text (the object then counts as loaded); null is ignored. */
    void SetText(const FCString* pText);
    /* Sets the string from the loaded text; leaves it alone without text. */
    void GetText(FCString* pText) const;
    /* A new string holding the text; the caller owns it. */
    FCString* CreateString() const;

    bool Load(int16_t number);
    bool SaveAs(int16_t number);
    /* Creates the record under a text number the host chooses; false when
       there is no text. */
    bool SaveNew();

private:
    std::vector<unsigned char> _buffer; /* the buffer handed out by Allocate */
};

#endif
