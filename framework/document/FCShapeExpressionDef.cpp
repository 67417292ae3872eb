#include "document/FCShapeExpressionDef.h"

#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCRecordText.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"

FCRECORD_CLASS_DEFINE_CUSTOMTAG(FCShapeExpressionDef, 84, QZ_FOURCC("O\003DO"))

namespace
{
bool UseUnicode() { return qz::IsUnicodeHost(GetFinaleFrameworkVersion()); }
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
