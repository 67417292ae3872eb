#include "document/FCShapeExpressionDef.h"

#include "document/FCRecordText.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCShapeExpressionDef, 84, 0x4F03444F)

namespace
{
bool UseUnicode() { return GetFinaleFrameworkVersion() >= 0x11000000; }
} // namespace

FCShapeExpressionDef::FCShapeExpressionDef() : __FCDynamicNoInciOther(kPieceSize, kPieceSize) {}

void FCShapeExpressionDef::GetDescription(FCString* pDescription) const
{
    if (!pDescription)
        return;
    pDescription->SetCString("", 0);
    const uint64_t size = GetLoadedSize();
    if (size > kDescriptionOffset && _GetData())
        FCRecordText::Read(static_cast<const unsigned char*>(_GetData()) + kDescriptionOffset,
                           size - kDescriptionOffset, UseUnicode(), pDescription);
}

void FCShapeExpressionDef::SetDescription(const FCString* pDescription)
{
    if (!pDescription)
        return;
    const bool wide = UseUnicode();
    const uint64_t textSize = FCRecordText::SizeWithTerminator(pDescription, wide);
    if (!IsLoaded())
        PrepareNew();
    _Resize(static_cast<uint32_t>(kDescriptionOffset + textSize));
    FCRecordText::Write(static_cast<unsigned char*>(_GetData()) + kDescriptionOffset,
                        GetLoadedSize() - kDescriptionOffset, wide, pDescription);
}

FCString* FCShapeExpressionDef::CreateDescription() const
{
    FCString* pString = new FCString();
    GetDescription(pString);
    return pString;
}
