#include "document/FCCategoryDef.h"

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCFontInfo.h"
#include "document/FCRecordText.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"

namespace
{
const FCRecordLayout kCategoryLayouts[] = {
    {0, 104, qz::kHostVersion0F},
    {qz::kHostVersionUnicode, 296, qz::kHostVersionUnicode},
};
} // namespace

/* Field positions of the two layouts. */
struct FCCategoryDef::Layout
{
    uint32_t nameBytes; /* capacity of the name field, terminator included */
    uint32_t fonts[3];  /* text, music and number font: ID, size, effects */
    uint32_t defaults;  /* first of the six default values */
    uint32_t flags;
};

const FCCategoryDef::Layout& FCCategoryDef::_GetLayout() const
{
    static const Layout kOlder = {66, {68, 74, 80}, 86, 102};
    static const Layout k2012 = {258, {260, 266, 272}, 278, 294};
    return _Use2012Version() ? k2012 : kOlder;
}

namespace
{
constexpr FCRecordField<int16_t> kID{0};
constexpr uint32_t kNameOffset = 2;
} // namespace

FCLAYOUT_RECORD_DEFINE(FCCategoryDef, 10, kCategoryLayouts)

uint32_t FCCategoryDef::Tag() const { return QZ_FOURCC("SOMC"); }

bool FCCategoryDef::_Use2012Version() { return GetFinaleFrameworkVersion() > 0x10FFFFFF; }

int16_t FCCategoryDef::GetID() const { return _GetField(kID); }

void FCCategoryDef::SetID(int16_t id) { _SetField(kID, id); }

uint16_t FCCategoryDef::GetFlags() const { return _GetField(FCRecordField<uint16_t>(_GetLayout().flags)); }

void FCCategoryDef::GetName(FCString* pName) const
{
    const unsigned char* pBytes = static_cast<const unsigned char*>(_GetData());
    const uint32_t capacity = _GetLayout().nameBytes;
    if (pBytes && _GetDataCapacity() >= kNameOffset + capacity)
        FCRecordText::Read(pBytes + kNameOffset, capacity, _Use2012Version(), pName);
}

void FCCategoryDef::SetName(const FCString* pName)
{
    unsigned char* pBytes = static_cast<unsigned char*>(_GetData());
    const uint32_t capacity = _GetLayout().nameBytes;
    if (pBytes && _GetDataCapacity() >= kNameOffset + capacity)
        FCRecordText::Write(pBytes + kNameOffset, capacity, _Use2012Version(), pName);
}

bool FCCategoryDef::IsIdentical(const __FCBase* pOther) const
{
    if (!__FCNoInciOther::IsIdentical(pOther))
        return false;
    const FCCategoryDef* pCategory = static_cast<const FCCategoryDef*>(pOther);
    if (GetID() != pCategory->GetID() || GetFlags() != pCategory->GetFlags())
        return false;
    FCString mine, theirs;
    GetName(&mine);
    pCategory->GetName(&theirs);
    return mine.IsEqualString(&theirs);
}

bool FCCategoryDef::_GetFontInfo(int which, FCFontInfo* pFont) const
{
    if (!pFont || !(GetFlags() & (1u << which)))
        return false;
    const uint32_t offset = _GetLayout().fonts[which];
    pFont->SetNameByID(_GetField(FCRecordField<int16_t>(offset)));
    pFont->SetSize(_GetField(FCRecordField<int16_t>(offset + 2)));
    pFont->SetEffects(_GetField(FCRecordField<uint16_t>(offset + 4)));
    return true;
}

bool FCCategoryDef::GetTextFontInfo(FCFontInfo* pFont) const { return _GetFontInfo(0, pFont); }

bool FCCategoryDef::GetMusicFontInfo(FCFontInfo* pFont) const { return _GetFontInfo(1, pFont); }

bool FCCategoryDef::GetNumberFontInfo(FCFontInfo* pFont) const { return _GetFontInfo(2, pFont); }

int16_t FCCategoryDef::_GetDefaultValue(uint32_t offset2012) const
{
    const uint32_t offset = _GetLayout().defaults + (offset2012 - 278);
    return _GetField(FCRecordField<int16_t>(offset));
}
