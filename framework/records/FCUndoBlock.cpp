#include "records/FCUndoBlock.h"

#include "common/qz_host_versions.h"
#include "strings/FCString.h"
#include "core/FinaleVersion.h"
#include "records/__FCUndoBlockHandler.h"
#include "hostlink/BridgeData.h"
#include "hostlink/fx_host_abi.h"

namespace
{
/* First host version that takes undo names as UTF-16. */
} // namespace

int FCString::_StartFinaleEdit()
{
    FCString name;
    MakeSubString(0, FCUndoBlock::kMaxUndoNameLength, &name);
    if (!qz::IsUnicodeHost(GetFinaleFrameworkVersion()))
        return FX_StartFinaleEdit(name.GetCString(), FCUndoBlock::kEditVersion);
    uint16_t buffer[FCUndoBlock::kMaxUndoNameLength + 1] = {};
    name.CopyToUnicodeBuffer(buffer, FCUndoBlock::kMaxUndoNameLength + 1);
    return FX_StartFinaleEdit_UTF16(buffer, FCUndoBlock::kEditVersion);
}

FCUndoBlock::FCUndoBlock() : _running(false) {}

FCString* FCUndoBlock::_GetLastUndoString()
{
    static FCString lastUndoString;
    return &lastUndoString;
}

bool FCUndoBlock::Execute(__FCUndoBlockHandler* pHandler, FCString* pName)
{
    if (!pHandler || !pName)
        return false;
    pHandler->_SetUndoBlock(this);
    const bool opened = pName->_StartFinaleEdit() != 0;
    _GetLastUndoString()->SetString(pName);
    /* The change runs even when the host refused the edit, but then without
       access to the block, so it cannot open further steps. */
    if (!opened)
        pHandler->_SetUndoBlock(nullptr);

    _running = true;
    const bool result = pHandler->Execute();
    _running = false;

    bool committed = result;
    if (result && !FX_EndFinaleEdit(kEditVersion) && opened) {
        /* The host would not close the edit it opened. The bridge has counted
           it as closed, so count it again for the cancel to reach the host:
           the change is taken back rather than left in an open edit, and the
           caller learns that nothing was done. */
        ++FinaleEditDepth;
        FX_CancelFinaleEdit(kEditVersion);
        committed = false;
    }
    if (!result)
        FX_CancelFinaleEdit(kEditVersion);
    pHandler->_SetUndoBlock(nullptr);
    return committed;
}

bool FCUndoBlock::AddSession(FCString* pName, bool keepPrevious)
{
    if (!_running || !pName)
        return false;
    if (keepPrevious)
        FX_EndFinaleEdit(kEditVersion);
    else
        FX_CancelFinaleEdit(kEditVersion);
    const bool opened = pName->_StartFinaleEdit() != 0;
    _GetLastUndoString()->SetString(pName);
    return opened;
}
