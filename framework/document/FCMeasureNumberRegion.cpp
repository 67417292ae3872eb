#include "document/FCMeasureNumberRegion.h"

#include <cstring>
#include <vector>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCEnclosure.h"
#include "document/FCFontInfo.h"
#include "document/FCRecordText.h"
#include "strings/FCString.h"

namespace
{
const FCRecordLayout kRegionLayouts[] = {
    {0, 88, 0x0A000000},
    {qz::kHostVersion0F, 196, 0x0F000200},
    {qz::kHostVersionUnicode, 350, qz::kHostVersionUnicode},
};
constexpr int kUnicodeLayout = 2;

constexpr FCRecordField<int16_t> kEndMeasurePlusOne{2};
constexpr FCRecordField<int16_t> kStartNumberMinusOne{4};

/* Prefix and suffix: offset of each and bytes per text, by layout. */
constexpr uint32_t kPrefixOffset[] = {24, 24, 24};
constexpr uint32_t kSuffixOffset[] = {40, 40, 56};
constexpr uint32_t kAffixBytes[] = {16, 16, 32};

/* Display blocks (score, parts) by layout: after the suffix text. */
constexpr uint32_t kScoreDisplayOffset[] = {56, 56, 88};
constexpr uint32_t kPartsDisplayOffset[] = {56, 80, 112};
constexpr uint32_t kEnclosureInBlock = 12;
constexpr uint16_t kEnclosedFlag = 0x0001;

struct StyleRow
{
    int16_t base;
    int16_t startChar;
    bool countFromOne;
    bool noZero;
    bool doubleUp;
};
const StyleRow kStyles[] = {
    {10, '0', true, false, false}, {26, 'a', false, false, true}, {26, 'A', false, false, true},
    {26, 'a', false, true, false}, {26, 'A', false, true, false},
};
} // namespace

FCLAYOUT_RECORD_DEFINE(FCMeasureNumberRegion, 51, kRegionLayouts)

uint32_t FCMeasureNumberRegion::Tag() const { return QZ_FOURCC("SOMN"); }

void FCMeasureNumberRegion::PrepareNew() { _PrepareNewRecord(_layouts.Size()); }

int16_t FCMeasureNumberRegion::GetEndMeasure() const { return static_cast<int16_t>(_GetField(kEndMeasurePlusOne) - 1); }

void FCMeasureNumberRegion::SetEndMeasure(int16_t measure)
{
    _SetField(kEndMeasurePlusOne, static_cast<int16_t>(measure + 1));
}

int16_t FCMeasureNumberRegion::GetStartNumber() const
{
    return static_cast<int16_t>(_GetField(kStartNumberMinusOne) + 1);
}

void FCMeasureNumberRegion::SetStartNumber(int16_t number)
{
    _SetField(kStartNumberMinusOne, static_cast<int16_t>(number - 1));
}

bool FCMeasureNumberRegion::_UseUnicodeAffixes() const { return _layouts.Index() == kUnicodeLayout; }

uint32_t FCMeasureNumberRegion::_GetPrefixOffset() const { return kPrefixOffset[_layouts.Index()]; }

uint32_t FCMeasureNumberRegion::_GetSuffixOffset() const { return kSuffixOffset[_layouts.Index()]; }

uint32_t FCMeasureNumberRegion::_GetAffixBytes() const { return kAffixBytes[_layouts.Index()]; }

void FCMeasureNumberRegion::_GetText(uint32_t offset, FCString* pText) const
{
    const unsigned char* pBytes = static_cast<const unsigned char*>(_GetData());
    if (pBytes && _GetDataCapacity() >= offset + _GetAffixBytes())
        FCRecordText::Read(pBytes + offset, _GetAffixBytes(), _UseUnicodeAffixes(), pText);
}

void FCMeasureNumberRegion::_SetText(uint32_t offset, const FCString* pText)
{
    unsigned char* pBytes = static_cast<unsigned char*>(_GetData());
    if (pBytes && _GetDataCapacity() >= offset + _GetAffixBytes())
        FCRecordText::Write(pBytes + offset, _GetAffixBytes(), _UseUnicodeAffixes(), pText);
}

void FCMeasureNumberRegion::GetPrefix(FCString* pText) const { _GetText(_GetPrefixOffset(), pText); }

void FCMeasureNumberRegion::SetPrefix(const FCString* pText) { _SetText(_GetPrefixOffset(), pText); }

void FCMeasureNumberRegion::GetSuffix(FCString* pText) const { _GetText(_GetSuffixOffset(), pText); }

void FCMeasureNumberRegion::SetSuffix(const FCString* pText) { _SetText(_GetSuffixOffset(), pText); }

void FCMeasureNumberRegion::SetNumberingStyle(NUMBERINGSTYLE style)
{
    if (style < NUMBERING_DIGITS || style > NUMBERING_UPPERCASEAFTERZ)
        return;
    const StyleRow& row = kStyles[style];
    SetBase(row.base);
    SetStartChar(row.startChar);
    SetCountFromOne(row.countFromOne);
    SetNoZero(row.noZero);
    SetDoubleUp(row.doubleUp);
}

bool FCMeasureNumberRegion::IsMeasureIncluded(int measure) const
{
    return measure >= GetStartMeasure() && measure <= GetEndMeasure();
}

/* A base below 1 (or below 2 for positional numbering, which would never
   end) and counts below 0 have no displayed form. */
bool FCMeasureNumberRegion::GetDisplayedNumber(int measure, FCString* pOut) const
{
    if (!pOut || !IsMeasureIncluded(measure))
        return false;
    const int base = GetBase();
    int count = measure - GetStartMeasure() + GetStartNumber() - (GetCountFromOne() ? 0 : 1);
    if (count < 0 || base < 1 || (!GetDoubleUp() && base < 2))
        return false;
    const uint16_t startChar = static_cast<uint16_t>(GetStartChar());
    pOut->SetCString("", 0);
    if (GetDoubleUp()) {
        const uint16_t unit = static_cast<uint16_t>(startChar + count % base);
        for (int i = 0; i <= count / base; ++i)
            pOut->AppendCharacter(unit);
        return true;
    }
    std::vector<uint16_t> digits;
    do {
        digits.push_back(static_cast<uint16_t>(startChar + count % base));
        count /= base;
    } while (count > 0);
    for (auto it = digits.rbegin(); it != digits.rend(); ++it)
        pOut->AppendCharacter(*it);
    return true;
}

FCString* FCMeasureNumberRegion::CreateDisplayedString(int measure) const
{
    FCString number;
    if (!GetDisplayedNumber(measure, &number))
        return nullptr;
    FCString* pString = new FCString();
    GetPrefix(pString);
    pString->AppendString(&number);
    FCString suffix;
    GetSuffix(&suffix);
    pString->AppendString(&suffix);
    return pString;
}

uint32_t FCMeasureNumberRegion::_DisplayOffset(bool parts) const
{
    return (parts ? kPartsDisplayOffset : kScoreDisplayOffset)[_layouts.Index()];
}

bool FCMeasureNumberRegion::GetUseEnclosure(bool parts) const { return (GetDisplayFlags(parts) & kEnclosedFlag) != 0; }

void FCMeasureNumberRegion::SetUseEnclosure(bool on, bool parts)
{
    const uint16_t flags = GetDisplayFlags(parts);
    SetDisplayFlags(on ? uint16_t(flags | kEnclosedFlag) : uint16_t(flags & ~kEnclosedFlag), parts);
}

bool FCMeasureNumberRegion::GetFontInfo(FCFontInfo* pFont, bool parts) const
{
    if (!pFont)
        return false;
    pFont->SetNameByID(GetFontID(parts));
    pFont->SetSize(GetFontSize(parts));
    pFont->SetEffects(GetFontEffects(parts));
    return true;
}

void FCMeasureNumberRegion::SetFontInfo(FCFontInfo* pFont, bool parts)
{
    if (!pFont)
        return;
    SetFontID(pFont->GetNameByID(), parts);
    SetFontSize(pFont->GetSize(), parts);
    SetFontEffects(pFont->GetEffects(), parts);
}

FCFontInfo* FCMeasureNumberRegion::CreateFontInfo(bool parts) const
{
    FCFontInfo* pFont = new FCFontInfo();
    GetFontInfo(pFont, parts);
    return pFont;
}

FCEnclosure* FCMeasureNumberRegion::CreateEnclosure(bool parts) const
{
    const uint32_t offset = _DisplayOffset(parts) + kEnclosureInBlock;
    if (!GetUseEnclosure(parts) || !_GetData() || offset + FCEnclosure::kRecordSize > GetLoadedSize())
        return nullptr;
    FCEnclosure* pEnclosure = new FCEnclosure();
    pEnclosure->PrepareNew();
    std::memcpy(pEnclosure->_GetData(), static_cast<const unsigned char*>(_GetData()) + offset,
                FCEnclosure::kRecordSize);
    return pEnclosure;
}

bool FCMeasureNumberRegion::SetEnclosure(const FCEnclosure* pEnclosure, bool parts)
{
    const uint32_t offset = _DisplayOffset(parts) + kEnclosureInBlock;
    if (!pEnclosure || !pEnclosure->IsLoaded() || !pEnclosure->_GetData() || !_GetData() ||
        offset + FCEnclosure::kRecordSize > GetLoadedSize())
        return false;
    std::memcpy(static_cast<unsigned char*>(_GetData()) + offset, pEnclosure->_GetData(), FCEnclosure::kRecordSize);
    SetUseEnclosure(true, parts);
    return true;
}
