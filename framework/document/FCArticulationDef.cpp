#include "document/FCArticulationDef.h"

#include <cstring>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCFontInfo.h"
#include "core/FinaleVersion.h"

namespace
{
constexpr uint32_t kLayoutChangeHost = qz::kHostVersionUnicode;
const FCRecordLayout kArticulationLayouts[] = {
    {0, 48, qz::kHostVersion0F},
    {kLayoutChangeHost, 60, qz::kHostVersionUnicode},
};

/* Byte offsets of the fields in the older and the 2012 layout; symbol
   characters are 16-bit in the older layout and 32-bit in the 2012 one. */
struct ArticulationOffsets
{
    uint32_t flag1, flag2, mainSymbol, flippedSymbol, mainFont, flippedFont, mainShape, flippedShape, mainSymbolFlags,
        flippedSymbolFlags;
};
const ArticulationOffsets kOlder = {0, 2, 4, 6, 8, 14, 20, 22, 24, 25};
const ArticulationOffsets k2012 = {0, 2, 4, 8, 12, 18, 24, 26, 28, 29};

const ArticulationOffsets& Offsets() { return FCArticulationDef::Use2012Version() ? k2012 : kOlder; }

constexpr uint8_t kSymbolIsShape = 0x02;
constexpr uint16_t kAutoPosOn = 0x0008;
constexpr uint16_t kAutoPosLowBits = 0x0007;
constexpr uint16_t kAutoPosMask = 0x000F;

/* Low four bits of the first flag word written for sides 1 to 5, and the
   side read back from low bits 0 to 4. */
const uint16_t kSideBits[] = {12, 8, 9, 11, 10};
const FCArticulationDef::ARTPOSITIONING_SIDES kBitsSide[] = {
    FCArticulationDef::ARTPOS_ALWAYS_STEM_SIDE, FCArticulationDef::ARTPOS_ABOVE_ENTRY,
    FCArticulationDef::ARTPOS_ALWAYS_STEM_SIDE_OUTSIDE, FCArticulationDef::ARTPOS_BELOW_ENTRY,
    FCArticulationDef::ARTPOS_ALWAYS_NOTE_SIDE};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCArticulationDef, 4, kArticulationLayouts)

uint32_t FCArticulationDef::Tag() const { return QZ_FOURCC("O\004IX"); }

bool FCArticulationDef::Use2012Version() { return GetFinaleFrameworkVersion() >= kLayoutChangeHost; }

uint32_t FCArticulationDef::_GetFlag1Ptr() const { return Offsets().flag1; }
uint32_t FCArticulationDef::_GetFlag2Ptr() const { return Offsets().flag2; }
uint32_t FCArticulationDef::_GetMainSymbolPtr() const { return Offsets().mainSymbol; }
uint32_t FCArticulationDef::_GetFlippedSymbolPtr() const { return Offsets().flippedSymbol; }
uint32_t FCArticulationDef::_GetMainFontPtr() const { return Offsets().mainFont; }
uint32_t FCArticulationDef::_GetFlippedFontPtr() const { return Offsets().flippedFont; }
uint32_t FCArticulationDef::_GetMainShapePtr() const { return Offsets().mainShape; }
uint32_t FCArticulationDef::_GetFlippedShapePtr() const { return Offsets().flippedShape; }
uint32_t FCArticulationDef::_GetSymbolFlagsPtr(bool flipped) const
{
    return flipped ? Offsets().flippedSymbolFlags : Offsets().mainSymbolFlags;
}

void FCArticulationDef::SetAutoPosSide(ARTPOSITIONING_SIDES side)
{
    const FCRecordField<uint16_t> flag1(_GetFlag1Ptr());
    uint16_t word = _GetField(flag1);
    if (side == ARTPOS_MANUAL)
        word = static_cast<uint16_t>(word & ~kAutoPosOn);
    else if (side >= ARTPOS_ALWAYS_NOTE_SIDE && side <= ARTPOS_ALWAYS_STEM_SIDE_OUTSIDE)
        word = static_cast<uint16_t>((word & ~kAutoPosMask) | kSideBits[side - 1]);
    else
        return;
    _SetField(flag1, word);
}

FCArticulationDef::ARTPOSITIONING_SIDES FCArticulationDef::GetAutoPosSide() const
{
    const uint16_t word = _GetField(FCRecordField<uint16_t>(_GetFlag1Ptr()));
    const uint16_t low = word & kAutoPosLowBits;
    if (!(word & kAutoPosOn) || low > 4)
        return ARTPOS_MANUAL;
    return kBitsSide[low];
}

bool FCArticulationDef::_IsShape(bool flipped) const
{
    return (_GetField(FCRecordField<uint8_t>(_GetSymbolFlagsPtr(flipped))) & kSymbolIsShape) != 0;
}

uint32_t FCArticulationDef::_GetSymbol(uint32_t offset) const
{
    if (Use2012Version())
        return _GetField(FCRecordField<uint32_t>(offset));
    return _GetField(FCRecordField<uint16_t>(offset));
}

void FCArticulationDef::_SetSymbol(uint32_t offset, uint32_t character)
{
    if (Use2012Version())
        _SetField(FCRecordField<uint32_t>(offset), character);
    else
        _SetField(FCRecordField<uint16_t>(offset), static_cast<uint16_t>(character));
}

uint32_t FCArticulationDef::GetMainSymbolChar() const { return _IsShape(false) ? 0 : _GetSymbol(_GetMainSymbolPtr()); }
void FCArticulationDef::SetMainSymbolChar(uint32_t character) { _SetSymbol(_GetMainSymbolPtr(), character); }
uint32_t FCArticulationDef::GetFlippedSymbolChar() const
{
    return _IsShape(true) ? 0 : _GetSymbol(_GetFlippedSymbolPtr());
}
void FCArticulationDef::SetFlippedSymbolChar(uint32_t character) { _SetSymbol(_GetFlippedSymbolPtr(), character); }

bool FCArticulationDef::GetMainIsShape() const { return _IsShape(false); }
void FCArticulationDef::SetMainIsShape(bool shape)
{
    _SetFlag(FCRecordFlag<uint8_t>(_GetSymbolFlagsPtr(false), kSymbolIsShape), shape);
}
bool FCArticulationDef::GetFlippedIsShape() const { return _IsShape(true); }
void FCArticulationDef::SetFlippedIsShape(bool shape)
{
    _SetFlag(FCRecordFlag<uint8_t>(_GetSymbolFlagsPtr(true), kSymbolIsShape), shape);
}

int16_t FCArticulationDef::GetMainShapeID() const { return _GetField(FCRecordField<int16_t>(_GetMainShapePtr())); }
void FCArticulationDef::SetMainShapeID(int16_t id) { _SetField(FCRecordField<int16_t>(_GetMainShapePtr()), id); }
int16_t FCArticulationDef::GetFlippedShapeID() const
{
    return _GetField(FCRecordField<int16_t>(_GetFlippedShapePtr()));
}
void FCArticulationDef::SetFlippedShapeID(int16_t id) { _SetField(FCRecordField<int16_t>(_GetFlippedShapePtr()), id); }

bool FCArticulationDef::_GetFont(uint32_t offset, bool flipped, FCFontInfo* pFont) const
{
    if (!pFont || _IsShape(flipped))
        return false;
    pFont->SetNameByID(_GetField(FCRecordField<int16_t>(offset)));
    pFont->SetSize(_GetField(FCRecordField<int16_t>(offset + 2)));
    pFont->SetEffects(_GetField(FCRecordField<uint16_t>(offset + 4)));
    return true;
}

void FCArticulationDef::_SetFont(uint32_t offset, FCFontInfo* pFont)
{
    if (!pFont)
        return;
    _SetField(FCRecordField<int16_t>(offset), pFont->GetNameByID());
    _SetField(FCRecordField<int16_t>(offset + 2), pFont->GetSize());
    _SetField(FCRecordField<uint16_t>(offset + 4), pFont->GetEffects());
}

bool FCArticulationDef::GetMainSymbolFontInfo(FCFontInfo* pFont) const
{
    return _GetFont(_GetMainFontPtr(), false, pFont);
}
void FCArticulationDef::SetMainSymbolFontInfo(FCFontInfo* pFont) { _SetFont(_GetMainFontPtr(), pFont); }
bool FCArticulationDef::GetFlippedSymbolFontInfo(FCFontInfo* pFont) const
{
    return _GetFont(_GetFlippedFontPtr(), true, pFont);
}
void FCArticulationDef::SetFlippedSymbolFontInfo(FCFontInfo* pFont) { _SetFont(_GetFlippedFontPtr(), pFont); }

FCFontInfo* FCArticulationDef::CreateMainSymbolFontInfo() const
{
    FCFontInfo* pFont = new FCFontInfo();
    if (GetMainSymbolFontInfo(pFont))
        return pFont;
    delete pFont;
    return nullptr;
}

FCFontInfo* FCArticulationDef::CreateFlippedSymbolFontInfo() const
{
    FCFontInfo* pFont = new FCFontInfo();
    if (GetFlippedSymbolFontInfo(pFont))
        return pFont;
    delete pFont;
    return nullptr;
}

bool FCArticulationDef::IsIdenticalTo(const FCArticulationDef* pOther, int compareFlags) const
{
    if (!pOther)
        return false;
    auto sameWord = [&](uint32_t offset, uint32_t bytes) {
        for (uint32_t i = 0; i < bytes; i += 2)
            if (_GetField(FCRecordField<uint16_t>(offset + i)) !=
                pOther->_GetField(FCRecordField<uint16_t>(offset + i)))
                return false;
        return true;
    };
    if ((compareFlags & ARTCOMPARE_FLAGS) && !(sameWord(_GetFlag1Ptr(), 2) && sameWord(_GetFlag2Ptr(), 2)))
        return false;
    if ((compareFlags & ARTCOMPARE_MAINSYMBOL) &&
        !(GetMainIsShape() == pOther->GetMainIsShape() && GetMainSymbolChar() == pOther->GetMainSymbolChar() &&
          GetMainShapeID() == pOther->GetMainShapeID() && sameWord(_GetMainFontPtr(), 6)))
        return false;
    if ((compareFlags & ARTCOMPARE_FLIPPEDSYMBOL) &&
        !(GetFlippedIsShape() == pOther->GetFlippedIsShape() &&
          GetFlippedSymbolChar() == pOther->GetFlippedSymbolChar() &&
          GetFlippedShapeID() == pOther->GetFlippedShapeID() && sameWord(_GetFlippedFontPtr(), 6)))
        return false;
    return true;
}
