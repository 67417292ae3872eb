#ifndef FRAMEWORK_DOCUMENT_FCARTICULATIONDEF_H
#define FRAMEWORK_DOCUMENT_FCARTICULATIONDEF_H

#include <cstdint>

#include "document/FCLayoutBuffers.h"
#include "document/__FCRecordClassMacros.h"
#include "records/__FCNoInciOther.h"

class FCFontInfo;

/* An articulation definition: 48 bytes with record version 0x0F000000 on
 * hosts below 0x11000000, else 60 bytes with 0x11000000. Fields that move
 * between the layouts are reached through one address operation each. */
class FCArticulationDef : public __FCNoInciOther
{
public:
    enum ARTPOSITIONING_SIDES
    {
        ARTPOS_MANUAL = 0,
        ARTPOS_ALWAYS_NOTE_SIDE = 1,
        ARTPOS_ALWAYS_STEM_SIDE = 2,
        ARTPOS_ABOVE_ENTRY = 3,
        ARTPOS_BELOW_ENTRY = 4,
        ARTPOS_ALWAYS_STEM_SIDE_OUTSIDE = 5
    };

    /* Parts compared by IsIdenticalTo. */
    enum ARTCOMPARE
    {
        ARTCOMPARE_MAINSYMBOL = 0x01,
        ARTCOMPARE_FLIPPEDSYMBOL = 0x02,
        ARTCOMPARE_FLAGS = 0x04,
        ARTCOMPARE_ALL = 0x07
    };

    FCArticulationDef();

    FCRECORD_IDENTITY_DECLARE
    FCLAYOUT_RECORD_DECLARE

    /* True from host 0x11000000 on. */
    static bool Use2012Version();

    void SetAutoPosSide(ARTPOSITIONING_SIDES side);
    ARTPOSITIONING_SIDES GetAutoPosSide() const;

    /* Symbol characters; 0 when the symbol is a shape. */
    uint32_t GetMainSymbolChar() const;
    void SetMainSymbolChar(uint32_t character);
    uint32_t GetFlippedSymbolChar() const;
    void SetFlippedSymbolChar(uint32_t character);
    bool GetMainIsShape() const;
    void SetMainIsShape(bool shape);
    bool GetFlippedIsShape() const;
    void SetFlippedIsShape(bool shape);
    int16_t GetMainShapeID() const;
    void SetMainShapeID(int16_t id);
    int16_t GetFlippedShapeID() const;
    void SetFlippedShapeID(int16_t id);

    /* Fonts of the symbols; the getters give false (and leave the font
       alone) for a shape. The caller owns the created font. */
    bool GetMainSymbolFontInfo(FCFontInfo* pFont) const;
    void SetMainSymbolFontInfo(FCFontInfo* pFont);
    FCFontInfo* CreateMainSymbolFontInfo() const;
    bool GetFlippedSymbolFontInfo(FCFontInfo* pFont) const;
    void SetFlippedSymbolFontInfo(FCFontInfo* pFont);
    FCFontInfo* CreateFlippedSymbolFontInfo() const;

    /* Compares the parts chosen by the ARTCOMPARE flags. */
    bool IsIdenticalTo(const FCArticulationDef* pOther, int compareFlags = ARTCOMPARE_ALL) const;

private:
    uint32_t _GetFlag1Ptr() const;
    uint32_t _GetFlag2Ptr() const;
    uint32_t _GetMainSymbolPtr() const;
    uint32_t _GetFlippedSymbolPtr() const;
    uint32_t _GetMainFontPtr() const;
    uint32_t _GetFlippedFontPtr() const;
    uint32_t _GetMainShapePtr() const;
    uint32_t _GetFlippedShapePtr() const;
    uint32_t _GetSymbolFlagsPtr(bool flipped) const;

    uint32_t _GetSymbol(uint32_t offset) const;
    void _SetSymbol(uint32_t offset, uint32_t character);
    bool _IsShape(bool flipped) const;
    bool _GetFont(uint32_t offset, bool flipped, FCFontInfo* pFont) const;
    void _SetFont(uint32_t offset, FCFontInfo* pFont);

    FCLayoutBuffers _layouts;
};

#endif
