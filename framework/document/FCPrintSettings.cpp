#include "document/FCPrintSettings.h"

#include "common/qz_host_versions.h"
#include "document/FCDocument.h"
#include "hostlink/fx_host_abi.h"

namespace
{} // namespace

const char* FCPrintSettings::ClassName() const { return "FCPrintSettings"; }

void FCPrintSettings::SetPrintRecord(const void* pRecord, uint32_t size)
{
    const unsigned char* pBytes = static_cast<const unsigned char*>(pRecord);
    _record.assign(pBytes, pBytes ? pBytes + size : pBytes);
}

const void* FCPrintSettings::_GetPrintRecord() const { return _record.empty() ? nullptr : _record.data(); }

bool FCPrintSettings::PrintCurrent() { return FX_PrintCurrentDocument(_GetPrintRecord(), qz::kInterfaceVersion) != 0; }

bool FCPrintSettings::PrintDocument(const FCDocument* pDocument)
{
    if (!pDocument)
        return false;
    return FX_PrintDocument(pDocument->GetID(), _GetPrintRecord(), qz::kInterfaceVersion) != 0;
}
