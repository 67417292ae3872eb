#include "document/FCPrintSettings.h"

#include "document/FCDocument.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kInterfaceVersion = 0x19000000;
} // namespace

const char* FCPrintSettings::ClassName() const { return "FCPrintSettings"; }

void FCPrintSettings::SetPrintRecord(const void* pRecord, uint32_t size)
{
    const unsigned char* pBytes = static_cast<const unsigned char*>(pRecord);
    _record.assign(pBytes, pBytes ? pBytes + size : pBytes);
}

const void* FCPrintSettings::_GetPrintRecord() const { return _record.empty() ? nullptr : _record.data(); }

bool FCPrintSettings::PrintCurrent() { return FX_PrintCurrentDocument(_GetPrintRecord(), kInterfaceVersion) != 0; }

bool FCPrintSettings::PrintDocument(const FCDocument* pDocument)
{
    if (!pDocument)
        return false;
    return FX_PrintDocument(pDocument->GetID(), _GetPrintRecord(), kInterfaceVersion) != 0;
}
