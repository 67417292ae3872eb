#include "document/FCPart.h"

#include <cstring>

#include "common/qz_host_versions.h"
#include "document/FCDocument.h"
#include "document/FCParts.h"
#include "document/FCPrintSettings.h"
#include "strings/FCString.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "document/FCTextBlock.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{
const FCRecordLayout kPartLayout[] = {{0, FCPart::kRecordSize, __FCBaseData::kDefaultEnigmaVersion}};
/* Units of the buffers the host fills with a part name. */
constexpr int kNameBytes = 256;
constexpr int kNameUnits = 512;

int16_t CurrentDocument() { return FX_GetCurrentEnigmaDocument(qz::kInterfaceVersion); }
} // namespace

FCPart::FCPart(int16_t partID)
    : _layouts(kPartLayout, 1), _partID(partID), _documentID(CurrentDocument()), _savedPartID(kNotSwitched),
      _savedPrintSelected(false)
{
    if (_partID == -1)
        _partID = FX_GetCurrentPartID(qz::kInterfaceVersion);
    _SetKey(_partID, 0, 0);
    _EnsureData();
}

int FCPart::GetClassID() const { return 71; }

const char* FCPart::ClassName() const { return "FCPart"; }

__FCBaseData* FCPart::CreateObject() { return new FCPart(-1); }

uint32_t FCPart::Tag() const { return kTag; }

FCLAYOUT_RECORD_MEMBERS(FCPart, _layouts)

bool FCPart::IsIdentical(const __FCBase* pOther) const
{
    if (!pOther || pOther->ClassName() != ClassName())
        return false;
    const FCPart* pPart = dynamic_cast<const FCPart*>(pOther);
    return pPart && pPart->_partID == _partID && pPart->_documentID == _documentID;
}

/* ---- Switching ------------------------------------------------------------ */

bool FCPart::SwitchTo()
{
    if (_documentID != CurrentDocument() || _savedPartID != kNotSwitched)
        return false;
    _savedPartID = FX_GetCurrentPartID(qz::kInterfaceVersion);
    if (FX_SetCurrentPartID(_partID, qz::kInterfaceVersion))
        return true;
    /* The host kept the previous part current: there is nothing to restore. */
    _savedPartID = kNotSwitched;
    return false;
}

bool FCPart::SwitchBack()
{
    if (_savedPartID == kNotSwitched || _documentID != CurrentDocument())
        return false;
    FX_SetCurrentPartID(_savedPartID, qz::kInterfaceVersion);
    _savedPartID = kNotSwitched;
    return true;
}

bool FCPart::IsCurrent() const
{
    return _partID == FX_GetCurrentPartID(qz::kInterfaceVersion) && _documentID == CurrentDocument();
}

void FCPart::GetName(FCString* pName) const
{
    if (!pName)
        return;
    const uint32_t host = GetFinaleFrameworkVersion();
    if (host <= 0x10FFFFFF) {
        pName->SetCString("Not available (due to a bug)");
    }
    else if (host < 0x12040000) {
        char buffer[kNameBytes] = {};
        if (!FX_GetPartName(_partID, buffer, qz::kInterfaceVersion))
            buffer[0] = 0;
        buffer[kNameBytes - 1] = 0;
        pName->SetCString(buffer);
    }
    else {
        uint16_t buffer[kNameUnits] = {};
        if (!FX_GetPartName_UTF16(_partID, buffer, qz::kInterfaceVersion))
            buffer[0] = 0;
        buffer[kNameUnits - 1] = 0;
        pName->SetUnicodeString(buffer, kNameUnits);
    }
}

bool FCPart::IsStaffIncluded(int staff) const
{
    FCPart part(_partID);
    /* Without the switch the list would be another part's. */
    if (!part.SwitchTo())
        return false;
    FCSystemStaves staves;
    staves.LoadAllForItem(0);
    const bool found = staves.FindStaff(static_cast<short>(staff)) != nullptr;
    part.SwitchBack();
    return found;
}

/* ---- Custom name text ------------------------------------------------------- */

FCString* FCPart::CreateCustomTextString() const
{
    const int16_t block = GetNameTextBlock();
    if (block == 0)
        return nullptr;
    FCTextBlock textBlock;
    if (!textBlock.Load(static_cast<uint16_t>(block)))
        return nullptr;
    return textBlock.CreateRawTextString();
}

bool FCPart::SaveCustomTextString(const FCString* pString)
{
    if (!pString)
        return false;
    FCTextBlock textBlock;
    const int16_t block = GetNameTextBlock();
    if (block != 0)
        return textBlock.Load(static_cast<uint16_t>(block)) && textBlock.SaveRawTextString(pString);
    if (!textBlock.SaveNew() || !textBlock.SaveNewRawTextString(pString) || !textBlock.Save())
        return false;
    SetNameTextBlock(static_cast<int16_t>(textBlock.GetItemNo()));
    return true;
}

bool FCPart::DeleteCustomText()
{
    const int16_t block = GetNameTextBlock();
    if (block == 0)
        return false;
    FCTextBlock textBlock;
    if (textBlock.Load(static_cast<uint16_t>(block)))
        textBlock.DeepDeleteData();
    SetNameTextBlock(0);
    return true;
}

/* ---- Printing ---------------------------------------------------------------- */

bool FCPart::Print(FCPrintSettings* pSettings)
{
    if (!pSettings)
        return false;
    FCDocument document(_documentID);
    if (_documentID <= 0 || document.GetID() != CurrentDocument())
        return false;
    FCParts parts;
    parts.LoadAll();
    if (!parts.FindPart(this))
        return false;
    for (int index = 0; index < parts.GetCount(); ++index) {
        FCPart* pPart = parts.GetItemAt(index);
        pPart->_savedPrintSelected = pPart->GetPrintSelected();
        pPart->SetPrintSelected(pPart->GetID() == _partID);
        pPart->Save();
    }
    const bool printed = pSettings->PrintDocument(&document);
    for (int index = 0; index < parts.GetCount(); ++index) {
        FCPart* pPart = parts.GetItemAt(index);
        pPart->SetPrintSelected(pPart->_savedPrintSelected);
        pPart->Save();
    }
    return printed;
}
