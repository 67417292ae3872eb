#include "document/FCFontInfo.h"

#include <vector>

#include "common/qz_host_versions.h"
#include "strings/FCStrings.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{
/* From this host version on the font functions take UTF-16 names. */
constexpr uint32_t kFirstUTF16FontHost = qz::kHostVersion19;
constexpr int kNameUnits = 512;
/* Effects bits that tell two fonts apart. */
constexpr uint16_t kCompareEffectsMask = 0x0001 | 0x0002 | 0x0004 | 0x0020 | 0x0040 | 0x0080;

bool UseUTF16Fonts() { return GetFinaleFrameworkVersion() >= kFirstUTF16FontHost; }

bool IsFontCommandWord(const FCString& word)
{
    return word.IsEqualCString("fontMus") || word.IsEqualCString("fontTxt") || word.IsEqualCString("fontNum") ||
           word.IsEqualCString("font");
}
} // namespace

FCString FCFontInfo::DefaultFontName("Times New Roman");

FCFontInfo::FCFontInfo() : _size(12), _effects(0) { _name.SetString(&DefaultFontName); }

FCFontInfo::FCFontInfo(const FCFontInfo& other) : __FCBase(other), _size(12), _effects(0) { CopyFrom(&other); }

FCFontInfo& FCFontInfo::operator=(const FCFontInfo& other)
{
    CopyFrom(&other);
    return *this;
}

const char* FCFontInfo::ClassName() const { return "FCFontInfo"; }

void FCFontInfo::GetNameString(FCString* pName) const
{
    if (pName)
        pName->SetString(&_name);
}

void FCFontInfo::SetNameString(const FCString* pName) { _name.SetString(pName); }

void FCFontInfo::SetNameByID(int16_t id)
{
    if (UseUTF16Fonts()) {
        std::vector<uint16_t> units(kNameUnits + 1, 0);
        if (FX_FontNumToName_UTF16(id, units.data(), qz::kInterfaceVersion)) {
            _name.SetUnicodeString(units.data(), kNameUnits);
            return;
        }
    }
    else {
        std::vector<char> text(kNameUnits + 1, 0);
        if (FX_FontNumToName(id, text.data(), qz::kInterfaceVersion)) {
            _name.SetCString(text.data(), kNameUnits);
            return;
        }
    }
    _name.SetString(&DefaultFontName);
}

int16_t FCFontInfo::GetNameByID()
{
    if (UseUTF16Fonts()) {
        std::vector<uint16_t> units(_name.GetLength() + 1, 0);
        _name.CopyToUnicodeBuffer(units.data(), static_cast<int>(units.size()));
        return FX_FontNameToNum_UTF16(units.data(), qz::kInterfaceVersion);
    }
    return FX_FontNameToNum(_name.GetCString(), qz::kInterfaceVersion);
}

int FCFontInfo::GetSystemTextEncoding() const { return FX_GetTextEncoding(qz::kInterfaceVersion); }

void FCFontInfo::CopyFrom(const FCFontInfo* pOther)
{
    if (!pOther || pOther == this)
        return;
    _name.SetString(&pOther->_name);
    _size = pOther->_size;
    _effects = pOther->_effects;
}

bool FCFontInfo::IsIdenticalTo(const FCFontInfo* pOther) const
{
    if (!pOther)
        return false;
    return _size == pOther->_size && _name.IsEqualString(&pOther->_name) &&
           (_effects & kCompareEffectsMask) == (pOther->_effects & kCompareEffectsMask);
}

bool FCFontInfo::MakeEnigmaString(FCString* pOut, const FCString* pCommandWord) const
{
    if (!pOut)
        return false;
    pOut->SetCString("", 0);
    if (pCommandWord) {
        pOut->AppendString(pCommandWord);
        pOut->AppendCString("(");
    }
    else {
        pOut->AppendCString("^font(");
    }
    pOut->AppendString(&_name);
    pOut->AppendCString(")^size(");
    pOut->AppendInteger(_size);
    pOut->AppendCString(")^nfx(");
    pOut->AppendInteger(_effects);
    pOut->AppendCString(")");
    return true;
}

FCString* FCFontInfo::CreateEnigmaString(const FCString* pCommandWord) const
{
    FCString* pString = new FCString();
    MakeEnigmaString(pString, pCommandWord);
    return pString;
}

void FCFontInfo::MakeEnigmaSizeString(FCString* pOut) const
{
    if (!pOut)
        return;
    pOut->SetCString("^size(");
    pOut->AppendInteger(_size);
    pOut->AppendCString(")");
}

void FCFontInfo::MakeEnigmaStyleString(FCString* pOut) const
{
    if (!pOut)
        return;
    pOut->SetCString("^nfx(");
    pOut->AppendInteger(_effects);
    pOut->AppendCString(")");
}

FCString* FCFontInfo::CreateEnigmaStyleString() const
{
    FCString* pString = new FCString();
    MakeEnigmaStyleString(pString);
    return pString;
}

bool FCFontInfo::ParseEnigmaCommand(const FCString* pCommand)
{
    if (!pCommand || !pCommand->IsEnigmaCommand())
        return false;
    FCStrings* pParts = pCommand->CreateEnigmaComponents();
    if (!pParts)
        return false;
    const FCString* pWord = pParts->GetItemAt(0);
    const FCString* pArgument = pParts->GetItemAt(1);
    bool result = pWord && pArgument;
    if (!result) {
        /* a command without its argument changes nothing */
    }
    else if (IsFontCommandWord(*pWord)) {
        if (pArgument->StartsWith("Font"))
            SetNameByID(static_cast<int16_t>(pArgument->GetInteger(4)));
        else
            _name.SetString(pArgument);
    }
    else if (pWord->IsEqualCString("nfx")) {
        _effects = static_cast<uint16_t>(pArgument->GetInteger(0));
    }
    else if (pWord->IsEqualCString("size")) {
        _size = static_cast<int16_t>(pArgument->GetInteger(0));
    }
    else {
        result = false;
    }
    delete pParts;
    return result;
}

bool FCFontInfo::MakeDefaultMusicFont()
{
    return FX_SetDefaultMusicFont(GetNameByID(), _size, static_cast<int16_t>(_effects), qz::kInterfaceVersion) != 0;
}
