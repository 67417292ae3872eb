#ifndef FRAMEWORK_DOCUMENT_FCTEXTEXPRESSIONDEF_H
#define FRAMEWORK_DOCUMENT_FCTEXTEXPRESSIONDEF_H

#include <cstdint>
#include <vector>

#include "records/__FCNoInciOther.h"

class FCString;
class FCCategoryDef;
class FCEnclosure;

/* A text expression definition: a 34-byte fixed part followed by the
 * zero-terminated description (UTF-16 from host 0x11000000 on, 8-bit
 * before). The expression's text lives in a text block and its raw text.
 * A new object holds a zeroed record of the minimum size and counts as
 * loaded, so that it can be created with SaveNew. */
class FCTextExpressionDef : public __FCNoInciOther
{
public:
    static constexpr uint32_t kFixedSize = 34;

    FCTextExpressionDef();

    int GetClassID() const override;
    const char* ClassName() const override;
    void* Allocate() override;
    void Deallocate() override;
    bool IsDynamicSize() const override;
    __FCBaseData* CreateObject() override;
    uint32_t Tag() const override;
    uint32_t EnigmaVersion() const override;
    /* The stored size, at least the minimum size. */
    uint32_t DataSizeLoad() const override;
    /* The minimum size for an empty description, else the record's size. */
    uint32_t DataSizeSave() const override;
    /* Removes the record together with its enclosure; see the source. */
    bool DeepDeleteData() override;
    /* Loads the next existing expression after the current item. */
    bool LoadNext() override;
    /* Saves the text in a new text block, the enclosure and the record
       under item. */
    bool DeepSaveAs(uint16_t item) override;

    /* 36 bytes on hosts below 0x11000000, 38 from it on. */
    static uint32_t _GetMinimumSize();
    static bool _UseUnicode();

    int16_t GetTextBlockID() const;
    void SetTextBlockID(int16_t id);
    /* Category ID: bits 0 to 13 of the category word. */
    int16_t GetCategoryID() const;
    bool GetHasEnclosure() const;
    void SetHasEnclosure(bool on);
    /* The link value while it is in force, else 0. */
    int16_t GetLinkValue() const;
    /* Sets the value; in force when non-zero. */
    void SetLinkValue(int16_t value);
    /* Marker value when the type bits mark a marker, else 0. */
    int16_t GetMarkerValue() const;
    /* Writes the marker value and marks the expression as a marker. */
    void SetMarkerValue(int16_t value);

    void GetDescription(FCString* pDescription) const;
    void SetDescription(const FCString* pDescription);
    FCString* CreateDescription() const;

    bool SaveNewTextBlock(const FCString* pText);
    FCString* CreateTextString() const;
    bool SaveTextString(const FCString* pText);
    bool DeleteTextBlock();
    /* The enclosure record of this expression (the caller owns it), or null. */
    FCEnclosure* CreateEnclosure() const;

    bool AssignToCategory(const FCCategoryDef* pCategory);
    void SetUseCategoryFont(bool on);
    void SetUseCategoryPos(bool on);
    bool GetUseCategoryFont() const;
    bool GetUseCategoryPos() const;

private:
    void _ReplaceBuffer(std::vector<unsigned char>& bytes);
    bool _RestoreLink(int16_t value, bool inForce);

    std::vector<unsigned char> _buffer; /* the buffer handed out by Allocate */
};

#endif
