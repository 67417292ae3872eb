#include "document/FCTextBlock.h"

#include "document/FCRawText.h"
#include "strings/FCString.h"

namespace
{
constexpr FCRecordField<int16_t> kRawTextNumber{0};
constexpr FCRecordField<uint16_t> kNewBlockWord8{8};
constexpr FCRecordField<uint16_t> kNewBlockWord14{14};
constexpr FCRecordField<uint16_t> kTextKind{24};
constexpr uint32_t kRawTextTagBase = 0x74780000;
} // namespace

FCTextBlock::FCTextBlock() { SetDefaults(); }

FCRECORD_CLASS_DEFINE(FCTextBlock, 104, 0x534F5458)

void FCTextBlock::SetDefaults()
{
    _PrepareNewRecord(kRecordSize);
    _SetField(kNewBlockWord8, uint16_t(100));
    _SetField(kNewBlockWord14, uint16_t(0x1A08));
    _SetField(kTextKind, kDefaultTextKind);
}

int16_t FCTextBlock::GetRawTextNumber() const { return _GetField(kRawTextNumber); }

void FCTextBlock::SetRawTextNumber(int16_t number) { _SetField(kRawTextNumber, number); }

uint16_t FCTextBlock::GetTextKind() const { return _GetField(kTextKind); }

void FCTextBlock::SetTextKind(uint16_t kind) { _SetField(kTextKind, kind); }

uint32_t FCTextBlock::GetRawTextTag() const { return kRawTextTagBase | GetTextKind(); }

FCRawText* FCTextBlock::CreateRawText() const
{
    FCRawText* pRaw = new FCRawText();
    pRaw->SetCustomTag(GetRawTextTag());
    if (pRaw->Load(GetRawTextNumber()))
        return pRaw;
    delete pRaw;
    return nullptr;
}

FCString* FCTextBlock::CreateRawTextString() const
{
    FCRawText* pRaw = CreateRawText();
    if (!pRaw)
        return nullptr;
    FCString* pString = pRaw->CreateString();
    delete pRaw;
    return pString;
}

bool FCTextBlock::SaveRawTextString(const FCString* pText)
{
    if (!pText)
        return false;
    FCRawText raw;
    raw.SetCustomTag(GetRawTextTag());
    raw.SetText(pText);
    return raw.SaveAs(GetRawTextNumber());
}

bool FCTextBlock::SaveNewRawTextString(const FCString* pText)
{
    if (!pText)
        return false;
    FCRawText raw;
    raw.SetCustomTag(GetRawTextTag());
    raw.SetText(pText);
    if (!raw.SaveNew())
        return false;
    SetRawTextNumber(raw.GetItemNo());
    return true;
}

bool FCTextBlock::DeepDeleteData()
{
    FCRawText* pRaw = CreateRawText();
    if (pRaw) {
        pRaw->DeleteData();
        delete pRaw;
    }
    return DeleteData();
}
