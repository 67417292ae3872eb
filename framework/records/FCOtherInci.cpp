#include "records/FCOtherInci.h"

#include <cstring>

FCOtherInci::FCOtherInci() : _record{} {}

int FCOtherInci::GetClassID() const { return 63; }

const char* FCOtherInci::ClassName() const { return "FCOtherInci"; }

void* FCOtherInci::Allocate() { return _record; }

__FCBaseData* FCOtherInci::CreateObject()
{
    FCOtherInci* pNew = new FCOtherInci();
    pNew->_PrepareNewRecord(kRecordSize);
    return pNew;
}

uint32_t FCOtherInci::Tag() const { return GetCustomTag(); }

uint32_t FCOtherInci::DataSizeLoad() const { return kRecordSize; }

void FCOtherInci::SetRecordBytes(const void* pBytes)
{
    if (!pBytes)
        return;
    /* Make the embedded record the buffer in use before writing into it. */
    if (_GetData() != _record)
        ClearData();
    _EnsureData();
    std::memcpy(_record, pBytes, kRecordSize);
    _SetLoadedSize(kRecordSize);
}

void FCOtherInci::CloneMemoryFrom(__FCBaseData* pSource)
{
    if (!pSource || pSource == this || !pSource->_GetData())
        return;
    unsigned char bytes[kRecordSize] = {};
    const uint64_t available = pSource->_GetDataCapacity();
    std::memcpy(bytes, pSource->_GetData(), available < kRecordSize ? available : kRecordSize);
    SetRecordBytes(bytes);
}
