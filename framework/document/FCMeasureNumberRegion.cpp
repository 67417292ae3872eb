#include "FCMeasureNumberRegion.h"

#include <cstring>
#include <vector>

#include "FCRecordText.h"
#include "FCString.h"

namespace
{
const FCRecordLayout kRegionLayouts[] = {
    {0, 88, 0x0A000000},
    {0x0F000000, 196, 0x0F000200},
    {0x11000000, 350, 0x11000000},
};
constexpr int kUnicodeLayout = 2;

constexpr FCRecordField<int16_t> kEndMeasurePlusOne{2};
constexpr FCRecordField<int16_t> kStartNumberMinusOne{4};

/* Prefix and suffix: offset of each and bytes per text, by layout. */
constexpr uint32_t kPrefixOffset[] = {24, 24, 24};
constexpr uint32_t kSuffixOffset[] = {40, 40, 56};
constexpr uint32_t kAffixBytes[] = {16, 16, 32};

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

uint32_t FCMeasureNumberRegion::Tag() const { return 0x534F4D4E; }

void FCMeasureNumberRegion::PrepareNew() { _PrepareNewRecord(_layouts.Size()); }

int16_t FCMeasureNumberRegion::GetEndMeasure() const { return static_cast<int16_t>(_GetField(kEndMeasurePlusOne) - 1); }

void FCMeasureNumberRegion::SetEndMeasure(int16_t measure) { _SetField(kEndMeasurePlusOne, static_cast<int16_t>(measure + 1)); }

int16_t FCMeasureNumberRegion::GetStartNumber() const { return static_cast<int16_t>(_GetField(kStartNumberMinusOne) + 1); }

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
