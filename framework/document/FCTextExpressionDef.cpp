#include "document/FCTextExpressionDef.h"

#include <algorithm>
#include <cstring>

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCCategoryDef.h"
#include "document/FCEnclosure.h"
#include "document/FCRecordText.h"
#include "strings/FCString.h"
#include "document/FCTextBlock.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{

constexpr FCRecordField<int16_t> kTextBlock{0};
constexpr FCRecordField<int16_t> kLinkValue{4};
constexpr FCRecordField<int16_t> kMarkerValue{6};
constexpr FCRecordBits<uint16_t> kType{10, 0, 4};
constexpr FCRecordFlag<uint16_t> kHasEnclosure{10, 0x0800};
constexpr FCRecordFlag<uint16_t> kLinkInForce{10, 0x2000};
constexpr FCRecordBits<uint16_t> kCategory{26, 0, 14};
constexpr FCRecordFlag<uint16_t> kUseCategoryPos{26, 0x4000};
constexpr FCRecordFlag<uint16_t> kUseCategoryFont{26, 0x8000};
constexpr uint32_t kMarkerType = 15;

/* Expression offset <- category default (by its offset in the 2012 layout). */
struct DefaultCopy
{
    uint32_t expressionOffset;
    uint32_t categoryOffset2012;
};
const DefaultCopy kCategoryDefaults[] = {
    {12, 280}, {14, 278}, {16, 282}, {24, 284}, {30, 288}, {32, 286},
};
} // namespace

FCTextExpressionDef::FCTextExpressionDef()
{
    std::vector<unsigned char> fresh(_GetMinimumSize(), 0);
    _ReplaceBuffer(fresh);
}

int FCTextExpressionDef::GetClassID() const { return 105; }

const char* FCTextExpressionDef::ClassName() const { return "FCTextExpressionDef"; }

bool FCTextExpressionDef::_UseUnicode() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }

uint32_t FCTextExpressionDef::_GetMinimumSize() { return _UseUnicode() ? 38 : 36; }

void* FCTextExpressionDef::Allocate()
{
    _buffer.assign(DataSizeLoad(), 0);
    return _buffer.data();
}

void FCTextExpressionDef::Deallocate()
{
    _buffer.clear();
    _buffer.shrink_to_fit();
}

bool FCTextExpressionDef::IsDynamicSize() const { return true; }

__FCBaseData* FCTextExpressionDef::CreateObject() { return new FCTextExpressionDef(); }

uint32_t FCTextExpressionDef::Tag() const { return QZ_FOURCC("SODT"); }

uint32_t FCTextExpressionDef::EnigmaVersion() const { return _UseUnicode() ? qz::kHostVersion19 : qz::kHostVersion0F; }

uint32_t FCTextExpressionDef::DataSizeLoad() const
{
    uint32_t size = 0;
    if (!FX_LoadEData(Tag(), _GetKey(), nullptr, &size, EnigmaVersion()))
        size = 0;
    return std::max(size, _GetMinimumSize());
}

uint32_t FCTextExpressionDef::DataSizeSave() const
{
    FCString description;
    GetDescription(&description);
    if (description.IsEmpty())
        return _GetMinimumSize();
    return static_cast<uint32_t>(GetLoadedSize());
}

bool FCTextExpressionDef::LoadNext() { return __FCNoInciOther::LoadNext(); }

void FCTextExpressionDef::_ReplaceBuffer(std::vector<unsigned char>& bytes)
{
    const uint64_t size = bytes.size();
    ClearData();
    _buffer.swap(bytes);
    _AssignData(_buffer.data(), size);
    _SetLoadedSize(size);
}

int16_t FCTextExpressionDef::GetTextBlockID() const { return _GetField(kTextBlock); }

void FCTextExpressionDef::SetTextBlockID(int16_t id) { _SetField(kTextBlock, id); }

int16_t FCTextExpressionDef::GetCategoryID() const { return static_cast<int16_t>(_GetBits(kCategory)); }

bool FCTextExpressionDef::GetHasEnclosure() const { return _GetFlag(kHasEnclosure); }

void FCTextExpressionDef::SetHasEnclosure(bool on) { _SetFlag(kHasEnclosure, on); }

int16_t FCTextExpressionDef::GetLinkValue() const { return _GetFlag(kLinkInForce) ? _GetField(kLinkValue) : 0; }

void FCTextExpressionDef::SetLinkValue(int16_t value)
{
    _SetField(kLinkValue, value);
    _SetFlag(kLinkInForce, value != 0);
}

int16_t FCTextExpressionDef::GetMarkerValue() const
{
    return _GetBits(kType) == kMarkerType ? _GetField(kMarkerValue) : 0;
}

void FCTextExpressionDef::SetMarkerValue(int16_t value)
{
    _SetField(kMarkerValue, value);
    _SetBits(kType, kMarkerType);
}

void FCTextExpressionDef::GetDescription(FCString* pDescription) const
{
    const unsigned char* pBytes = static_cast<const unsigned char*>(_GetData());
    const uint64_t size = std::min<uint64_t>(GetLoadedSize(), _GetDataCapacity());
    if (!pDescription)
        return;
    if (!pBytes || size <= kFixedSize)
        pDescription->SetCString("", 0);
    else
        FCRecordText::Read(pBytes + kFixedSize, size - kFixedSize, _UseUnicode(), pDescription);
}

void FCTextExpressionDef::SetDescription(const FCString* pDescription)
{
    if (!pDescription)
        return;
    const bool wide = _UseUnicode();
    const uint64_t size = std::max<uint64_t>(36 + pDescription->GetLength() * (wide ? 2 : 1), _GetMinimumSize());
    std::vector<unsigned char> bytes(size, 0);
    const unsigned char* pOld = static_cast<const unsigned char*>(_GetData());
    if (pOld)
        std::memcpy(bytes.data(), pOld, std::min<uint64_t>(kFixedSize, _GetDataCapacity()));
    FCRecordText::Write(bytes.data() + kFixedSize, size - kFixedSize, wide, pDescription);
    _ReplaceBuffer(bytes);
}

FCString* FCTextExpressionDef::CreateDescription() const
{
    FCString* pString = new FCString();
    GetDescription(pString);
    return pString;
}

bool FCTextExpressionDef::SaveNewTextBlock(const FCString* pText)
{
    if (!pText)
        return false;
    FCTextBlock block;
    block.SetTextKind(FCTextBlock::kExpressionTextKind);
    if (!block.SaveNewRawTextString(pText))
        return false;
    if (!block.SaveNew())
        return false;
    SetTextBlockID(static_cast<int16_t>(block.GetItemNo()));
    return true;
}

FCString* FCTextExpressionDef::CreateTextString() const
{
    FCTextBlock block;
    if (!block.Load(static_cast<uint16_t>(GetTextBlockID())))
        return nullptr;
    return block.CreateRawTextString();
}

bool FCTextExpressionDef::SaveTextString(const FCString* pText)
{
    FCTextBlock block;
    if (!pText || !block.Load(static_cast<uint16_t>(GetTextBlockID())))
        return false;
    return block.SaveRawTextString(pText);
}

bool FCTextExpressionDef::DeleteTextBlock()
{
    FCTextBlock block;
    if (!block.Load(static_cast<uint16_t>(GetTextBlockID())))
        return false;
    return block.DeepDeleteData();
}

FCEnclosure* FCTextExpressionDef::CreateEnclosure() const
{
    FCEnclosure* pEnclosure = new FCEnclosure();
    pEnclosure->SetCustomTag(FCEnclosure::kExpressionEnclosureTag);
    if (pEnclosure->Load(GetItemNo()))
        return pEnclosure;
    delete pEnclosure;
    return nullptr;
}

bool FCTextExpressionDef::_RestoreLink(int16_t value, bool inForce)
{
    _SetField(kLinkValue, value);
    _SetFlag(kLinkInForce, inForce);
    return Save();
}

/* The link is cleared and saved before the record is deleted. When the host
   refuses a step, the record is put back exactly as it was: link value and
   its in-force bit, in memory and in the document. */
bool FCTextExpressionDef::DeepDeleteData()
{
    if (!IsLoaded())
        return false;
    FCEnclosure* pEnclosure = GetHasEnclosure() ? CreateEnclosure() : nullptr;

    const int16_t linkValue = _GetField(kLinkValue);
    const bool linkInForce = _GetFlag(kLinkInForce);
    _SetField(kLinkValue, int16_t(0));
    _SetFlag(kLinkInForce, false);

    bool result = false;
    if (!Save()) {
        _SetField(kLinkValue, linkValue);
        _SetFlag(kLinkInForce, linkInForce);
    }
    else if (DeleteData()) {
        if (pEnclosure)
            pEnclosure->DeleteData();
        result = true;
    }
    else {
        _RestoreLink(linkValue, linkInForce);
    }
    delete pEnclosure;
    return result;
}

bool FCTextExpressionDef::DeepSaveAs(uint16_t item)
{
    FCString* pText = CreateTextString();
    const bool textCopied = !pText || SaveNewTextBlock(pText);
    delete pText;
    if (!textCopied)
        return false;
    if (GetHasEnclosure()) {
        FCEnclosure* pEnclosure = CreateEnclosure();
        if (pEnclosure) {
            pEnclosure->SaveAs(item);
            delete pEnclosure;
        }
    }
    return SaveAs(item);
}

bool FCTextExpressionDef::AssignToCategory(const FCCategoryDef* pCategory)
{
    if (!pCategory || pCategory->GetID() <= 0)
        return false;
    _SetBits(kCategory, static_cast<uint32_t>(pCategory->GetID()));
    if (_UseUnicode()) {
        _SetFlag(kUseCategoryFont, true);
        _SetFlag(kUseCategoryPos, true);
    }
    for (const DefaultCopy& copy : kCategoryDefaults)
        _SetField(FCRecordField<int16_t>(copy.expressionOffset), pCategory->_GetDefaultValue(copy.categoryOffset2012));
    return true;
}

void FCTextExpressionDef::SetUseCategoryFont(bool on)
{
    if (_UseUnicode())
        _SetFlag(kUseCategoryFont, on);
}

void FCTextExpressionDef::SetUseCategoryPos(bool on)
{
    if (_UseUnicode())
        _SetFlag(kUseCategoryPos, on);
}

bool FCTextExpressionDef::GetUseCategoryFont() const { return _UseUnicode() && _GetFlag(kUseCategoryFont); }

bool FCTextExpressionDef::GetUseCategoryPos() const { return _UseUnicode() && _GetFlag(kUseCategoryPos); }
