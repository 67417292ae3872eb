#include "document/__FCStaffBase.h"

#include "strings/FCString.h"
#include "document/FCTextBlock.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kInterfaceVersion = 0x19000000;
/* UTF-16 units of the buffer the host fills with an auto-numbered name. */
constexpr int kAutoNameUnits = 1000;

/* Bits of the staff layout's words. */
constexpr uint16_t kNoHideBit = 0x0001;          /* staff flags */
constexpr uint16_t kStyleAltBit = 0x0200;        /* staff flags */
constexpr uint16_t kStylePercussionBit = 0x2000; /* staff flags */
constexpr uint16_t kLinesBit = 0x0004;           /* instrument flags */
constexpr uint16_t kLineMaskFormBit = 0x0001;    /* top staff-line word */
constexpr uint16_t kTransposeAltEncoding = 0x2000;
constexpr uint16_t kTransposeIgnoredBit = 0x4000;

/* Bit runs of the more-flags and transposition words. */
constexpr FCRecordBits<uint16_t> kHideModeBits{0, 14, 2};
constexpr FCRecordBits<uint16_t> kIntervalBits{0, 6, 6};
constexpr FCRecordBits<uint16_t> kAlterationBits{0, 0, 6};
constexpr FCRecordBits<uint16_t> kIntervalByteBits{0, 0, 8};
constexpr FCRecordBits<uint16_t> kAlterationNibbleBits{0, 8, 4};
constexpr FCRecordField<uint16_t> kWord{0};

short SignExtend(uint32_t value, unsigned bits)
{
    const uint32_t sign = 1u << (bits - 1);
    value &= (1u << bits) - 1;
    return static_cast<short>(static_cast<int32_t>(value ^ sign) - static_cast<int32_t>(sign));
}

int CountBits(uint16_t word)
{
    int count = 0;
    for (; word; word = static_cast<uint16_t>(word & (word - 1)))
        ++count;
    return count;
}

bool HostFrom(uint32_t version) { return GetFinaleFrameworkVersion() >= version; }

/* Bit runs read and written through a field address (null: reads 0, writes
   nothing). */
uint32_t ReadBits(const FCRecordBits<uint16_t>& bits, const void* pField)
{
    return bits.Read(pField, pField ? kWord.Width() : 0);
}

void WriteBits(const FCRecordBits<uint16_t>& bits, void* pField, uint32_t value)
{
    bits.Write(pField, pField ? kWord.Width() : 0, value);
}

/* Sets or clears the mask bits of the word at a field address. */
void SetMask(void* pField, uint16_t mask, bool on)
{
    FCRecordFlag<uint16_t>(0, mask).Write(pField, pField ? kWord.Width() : 0, on);
}
} // namespace

const char* __FCStaffBase::ClassName() const { return "__FCStaffBase"; }

uint32_t __FCStaffBase::_VersionToUse()
{
    const uint32_t host = GetFinaleFrameworkVersion();
    if (host < 0x11000000)
        return 0x0F000000;
    if (host < 0x12000000)
        return 0x11000000;
    return 0x12000000;
}

void* __FCStaffBase::_FieldPtr(uint32_t offset, uint32_t minVersion) const
{
    if (_VersionToUse() < minVersion)
        return nullptr;
    const void* pData = _GetData();
    if (!pData || static_cast<uint64_t>(offset) + kWord.Width() > _GetDataCapacity())
        return nullptr;
    return const_cast<unsigned char*>(static_cast<const unsigned char*>(pData)) + offset;
}

uint16_t __FCStaffBase::_ReadWord(const void* pField) { return kWord.Read(pField, pField ? kWord.Width() : 0); }

void __FCStaffBase::_WriteWord(void* pField, uint16_t value) { kWord.Write(pField, pField ? kWord.Width() : 0, value); }

uint16_t __FCStaffBase::_GetWordAt(uint32_t offset) const { return _GetField(FCRecordField<uint16_t>(offset)); }

void __FCStaffBase::_SetWordAt(uint32_t offset, uint16_t value) { _SetField(FCRecordField<uint16_t>(offset), value); }

/* ---- Names ---------------------------------------------------------------- */

FCString* __FCStaffBase::_CreateNameString(const void* pBlockField) const
{
    const int16_t block = static_cast<int16_t>(_ReadWord(pBlockField));
    FCString* pString = nullptr;
    if (block != 0) {
        FCTextBlock textBlock;
        if (textBlock.Load(static_cast<uint16_t>(block)))
            pString = textBlock.CreateRawTextString();
    }
    return pString ? pString : new FCString();
}

FCString* __FCStaffBase::CreateFullNameString() const { return _CreateNameString(_GetFullNamePtr()); }

FCString* __FCStaffBase::CreateAbbreviatedNameString() const { return _CreateNameString(_GetAbbrvNamePtr()); }

FCString* __FCStaffBase::CreateTrimmedFullNameString() const
{
    FCString* pString = CreateFullNameString();
    pString->TrimEnigmaFontTags();
    return pString;
}

FCString* __FCStaffBase::CreateTrimmedAbbreviatedNameString() const
{
    FCString* pString = CreateAbbreviatedNameString();
    pString->TrimEnigmaFontTags();
    return pString;
}

FCString* __FCStaffBase::CreateDisplayFullNameString() const
{
    if (GetFinaleFrameworkVersion() > 0x10FFFFFF) {
        uint16_t buffer[kAutoNameUnits] = {};
        const int16_t block = static_cast<int16_t>(_ReadWord(_GetFullNamePtr()));
        if (FX_AutoNumberedName_UTF16(block, static_cast<int16_t>(GetItemNo()), buffer, 0, kInterfaceVersion)) {
            buffer[kAutoNameUnits - 1] = 0;
            FCString* pString = new FCString();
            pString->SetUnicodeString(buffer, kAutoNameUnits);
            return pString;
        }
    }
    FCString* pString = CreateTrimmedFullNameString();
    pString->Replace("^flat()", "b");
    pString->Replace("^sharp()", "#");
    return pString;
}

bool __FCStaffBase::_SaveNameString(const void* pBlockField, const FCString* pString)
{
    const int16_t block = static_cast<int16_t>(_ReadWord(pBlockField));
    if (block == 0 || !pString)
        return false;
    FCTextBlock textBlock;
    if (!textBlock.Load(static_cast<uint16_t>(block)))
        return false;
    return textBlock.SaveRawTextString(pString);
}

bool __FCStaffBase::_SaveNewNameString(void* pBlockField, const FCString* pString)
{
    if (!pBlockField || !pString)
        return false;
    FCTextBlock textBlock;
    if (!textBlock.SaveNewRawTextString(pString) || !textBlock.SaveNew())
        return false;
    _WriteWord(pBlockField, textBlock.GetItemNo());
    return true;
}

bool __FCStaffBase::SaveFullNameString(const FCString* pString) { return _SaveNameString(_GetFullNamePtr(), pString); }

bool __FCStaffBase::SaveAbbreviatedNameString(const FCString* pString)
{
    return _SaveNameString(_GetAbbrvNamePtr(), pString);
}

bool __FCStaffBase::SaveNewFullNameString(const FCString* pString)
{
    return _SaveNewNameString(_GetFullNamePtr(), pString);
}

bool __FCStaffBase::SaveNewAbbreviatedNameString(const FCString* pString)
{
    return _SaveNewNameString(_GetAbbrvNamePtr(), pString);
}

/* ---- Lines and hiding ----------------------------------------------------- */

short __FCStaffBase::GetLineCount() const
{
    const uint16_t top = _ReadWord(_GetTopLinesPtr());
    const uint16_t bottom = _ReadWord(_GetBotLinesPtr());
    if (top == 0)
        return static_cast<short>(bottom);
    return static_cast<short>(CountBits(bottom) + CountBits(static_cast<uint16_t>(top & ~kLineMaskFormBit)));
}

void __FCStaffBase::SetLineCount(short count)
{
    if (static_cast<unsigned short>(count) > 12)
        return;
    if (count == 1) {
        _WriteWord(_GetTopLinesPtr(), kLineMaskFormBit);
        _WriteWord(_GetBotLinesPtr(), 4);
        return;
    }
    _WriteWord(_GetTopLinesPtr(), 0);
    _WriteWord(_GetBotLinesPtr(), static_cast<uint16_t>(count));
}

bool __FCStaffBase::GetShowStaffLines() const
{
    const bool bitSet = (_ReadWord(_GetInstFlagPtr()) & kLinesBit) != 0;
    return HostFrom(0x0F000000) ? bitSet : !bitSet;
}

void __FCStaffBase::SetShowStaffLines(bool show)
{
    const bool bitSet = HostFrom(0x0F000000) ? show : !show;
    SetMask(_GetInstFlagPtr(), kLinesBit, bitSet);
}

bool __FCStaffBase::GetAllowHiding() const
{
    if (!HostFrom(0x10000000))
        return false;
    return (_ReadWord(_GetFlagPtr()) & kNoHideBit) == 0;
}

void __FCStaffBase::SetAllowHiding(bool allow)
{
    if (!HostFrom(0x10000000))
        return;
    SetMask(_GetFlagPtr(), kNoHideBit, !allow);
}

__FCStaffBase::STAFF_HIDEMODES __FCStaffBase::GetHideMode() const
{
    if (HostFrom(0x10000000))
        return static_cast<STAFF_HIDEMODES>(ReadBits(kHideModeBits, _GetMoreFlagsPtr()));
    return (_ReadWord(_GetInstFlagPtr()) & kLinesBit) ? STAFFHIDE_SCORE_AND_PARTS : STAFFHIDE_NONE;
}

void __FCStaffBase::SetHideMode(STAFF_HIDEMODES mode)
{
    if (HostFrom(0x10000000))
        WriteBits(kHideModeBits, _GetMoreFlagsPtr(), static_cast<uint32_t>(mode));
    else if (mode == STAFFHIDE_SCORE_AND_PARTS || mode == STAFFHIDE_NONE)
        SetMask(_GetInstFlagPtr(), kLinesBit, mode == STAFFHIDE_SCORE_AND_PARTS);
}

int __FCStaffBase::GetNotationStyle() const
{
    const uint16_t flags = _ReadWord(_GetFlagPtr());
    if (flags & kStylePercussionBit)
        return 1;
    if (flags & kStyleAltBit)
        return 2;
    return 0;
}

/* ---- Transposition -------------------------------------------------------- */

short __FCStaffBase::GetTransposeInterval() const
{
    const void* pField = _GetTranspositionPtr();
    const uint16_t word = _ReadWord(pField);
    if ((word & ~kTransposeIgnoredBit) == 0)
        return 0;
    if (word & kTransposeAltEncoding)
        return static_cast<short>(SignExtend(ReadBits(kIntervalByteBits, pField), 8) + 1);
    return SignExtend(ReadBits(kIntervalBits, pField), 6);
}

short __FCStaffBase::GetTransposeAlteration() const
{
    const void* pField = _GetTranspositionPtr();
    const uint16_t word = _ReadWord(pField);
    if ((word & ~kTransposeIgnoredBit) == 0)
        return 0;
    if (word & kTransposeAltEncoding)
        return SignExtend(ReadBits(kAlterationNibbleBits, pField), 4);
    return SignExtend(ReadBits(kAlterationBits, pField), 6);
}

void __FCStaffBase::SetTransposeInterval(short interval)
{
    void* pField = _GetTranspositionPtr();
    if (_ReadWord(pField) & kTransposeAltEncoding)
        WriteBits(kIntervalByteBits, pField, static_cast<uint32_t>(interval - 1) & 0xFF);
    else
        WriteBits(kIntervalBits, pField, static_cast<uint32_t>(interval));
}

void __FCStaffBase::SetTransposeAlteration(short alteration)
{
    void* pField = _GetTranspositionPtr();
    if (_ReadWord(pField) & kTransposeAltEncoding)
        WriteBits(kAlterationNibbleBits, pField, static_cast<uint32_t>(alteration));
    else
        WriteBits(kAlterationBits, pField, static_cast<uint32_t>(alteration));
}
