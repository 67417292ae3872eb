#include "document/FCDocument.h"

#include <CoreFoundation/CoreFoundation.h>
#include <cstring>

#include "document/FCPrintSettings.h"
#include "records/FCUndoBlock.h"
#include "core/FinaleVersion.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kInterfaceVersion = 0x19000000;
/* The version of the host path record whose URL the framework can read. */
constexpr uint32_t kPathSpecVersion = 0x19000000;
/* Bytes of a file-system path made from a host path record. */
constexpr int kMaxPathBytes = 3000;

int16_t CurrentDocument() { return FX_GetCurrentEnigmaDocument(kInterfaceVersion); }

uint32_t PathSpecVersionForHost()
{
    const uint32_t host = GetFinaleFrameworkVersion();
    if (host >= 0x19000000)
        return 0x19000000;
    return host >= 0x11000000 ? 0x11000000 : 0x0E000000;
}

/* Ends (keep) or cancels the running host edit. */
void CloseRunningEdit(bool keep)
{
    if (keep)
        FX_EndFinaleEdit(kInterfaceVersion);
    else
        FX_CancelFinaleEdit(kInterfaceVersion);
}
} // namespace

FCString& FCDocument::_lastundostring = *FCUndoBlock::_GetLastUndoString();

FCDocument::FCDocument(int16_t documentID)
    : _documentID(documentID > 0 ? documentID : CurrentDocument()), _previousDocumentID(0)
{
}

const char* FCDocument::ClassName() const { return "FCDocument"; }

bool FCDocument::IsIdentical(const __FCBase* pOther) const
{
    const FCDocument* pDocument = dynamic_cast<const FCDocument*>(pOther);
    return pDocument && pDocument->_documentID == _documentID;
}

bool FCDocument::SwitchTo(FCString* pEditName, bool keepEdits)
{
    /* A second switch would lose the way back to the first document. */
    if (!pEditName || IsSwitched())
        return false;
    const int16_t current = CurrentDocument();
    _previousDocumentID = current > 0 ? current : 0;
    _savededitname.SetString(&_lastundostring);
    CloseRunningEdit(keepEdits);
    FX_SetCurrentEnigmaDocument(_documentID, kInterfaceVersion);
    pEditName->_StartFinaleEdit();
    _lastundostring.SetString(pEditName);
    return true;
}

bool FCDocument::SwitchBack(bool keepEdits)
{
    if (_previousDocumentID == 0)
        return false;
    CloseRunningEdit(keepEdits);
    FX_SetCurrentEnigmaDocument(_previousDocumentID, kInterfaceVersion);
    if (!_savededitname.IsEmpty())
        _savededitname._StartFinaleEdit();
    _previousDocumentID = 0;
    return true;
}

bool FCDocument::GetPath(FCString* pPath) const
{
    if (!pPath)
        return false;
    pPath->Clear();
    if (_documentID == 0)
        return true;
    const uint32_t version = PathSpecVersionForHost();
    FinPathSpec25 pathSpec;
    std::memset(&pathSpec, 0, sizeof pathSpec);
    if (FX_GetDocumentPathMac(_documentID, &pathSpec, version) && pathSpec.url) {
        char path[kMaxPathBytes] = {};
        if (version == kPathSpecVersion &&
            CFURLGetFileSystemRepresentation(pathSpec.url, true, reinterpret_cast<UInt8*>(path), kMaxPathBytes))
            pPath->SetUTF8String(path);
        CFRelease(pathSpec.url);
    }
    if (pPath->IsEmpty()) {
        pPath->SetCString("Untitled (id=");
        pPath->AppendInteger(_documentID);
        pPath->AppendCString(")");
    }
    return true;
}

bool FCDocument::IsUntitled() const
{
    FCString path;
    GetPath(&path);
    if (path.IsEmpty())
        return true;
    if (path.ContainsCString(":") || path.ContainsCString("/") || path.ContainsCString("\\"))
        return false;
    return !path.ContainsCString(".");
}

bool FCDocument::GetPathSpec(void* pBuffer, unsigned int version) const
{
    if (!pBuffer || version != kPathSpecVersion)
        return false;
    std::memset(pBuffer, 0, sizeof(FinPathSpec25));
    return FX_GetDocumentPathMac(_documentID, static_cast<FinPathSpec25*>(pBuffer), version) != 0;
}

bool FCDocument::Save() { return FX_SaveDocument(_documentID, nullptr, 0, kInterfaceVersion) != 0; }

bool FCDocument::Close()
{
    FX_EndFinaleEdit(kInterfaceVersion);
    return FX_CloseEnigmaDocument(_documentID, kInterfaceVersion) != 0;
}

bool FCDocument::CloseCurrentDocumentWindow()
{
    if (_documentID != CurrentDocument())
        return false;
    FX_EndFinaleEdit(kInterfaceVersion);
    return FX_CloseCurrentDocumentWindow(kInterfaceVersion) != 0;
}

bool FCDocument::Print(FCPrintSettings* pSettings) const { return pSettings && pSettings->PrintDocument(this); }

bool FCDocument::Open(FCString* pPath, bool flag, FCString* pOther)
{
    (void)flag;
    if (!pPath || !pOther || pPath->IsEmpty() || GetFinaleFrameworkVersion() < 0x19000000)
        return false;
    /* The host path record is made, but what opening should do with it is
       not settled: nothing is opened. */
    CFStringRef text = CFStringCreateWithCString(kCFAllocatorDefault, pPath->GetUTF8String(), kCFStringEncodingUTF8);
    if (text) {
        CFURLRef url = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, text, kCFURLPOSIXPathStyle, false);
        if (url)
            CFRelease(url);
        CFRelease(text);
    }
    return false;
}
