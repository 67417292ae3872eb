#include "records/FCOtherIncis.h"

#include <cstring>

#include "records/FCOtherInci.h"

const char* FCOtherIncis::ClassName() const { return "FCOtherIncis"; }

__FCBaseData* FCOtherIncis::CreateElement() { return new FCOtherInci(); }

FCOtherInci* FCOtherIncis::GetItemAt(int index) const
{
    return dynamic_cast<FCOtherInci*>(__FCCollection::GetItemAt(index));
}

uint32_t FCOtherIncis::GetMemoryBlockSize() const
{
    return static_cast<uint32_t>(GetCount()) * FCOtherInci::kRecordSize;
}

uint8_t* FCOtherIncis::CreateMemoryBlock() const
{
    if (GetCount() == 0)
        return nullptr;
    uint8_t* pBlock = new uint8_t[GetMemoryBlockSize()]();
    for (int i = 0; i < GetCount(); ++i) {
        const FCOtherInci* pElement = GetItemAt(i);
        if (pElement)
            std::memcpy(pBlock + i * FCOtherInci::kRecordSize, pElement->GetRecordBytes(), FCOtherInci::kRecordSize);
    }
    return pBlock;
}

FCOtherInci* FCOtherIncis::_NewElement(uint16_t item, int incident, const void* pBytes)
{
    static const unsigned char kZeros[FCOtherInci::kRecordSize] = {};
    FCOtherInci* pElement = new FCOtherInci();
    pElement->SetCustomTag(GetCustomTag());
    pElement->_SetKey(static_cast<int16_t>(item), static_cast<int16_t>(incident));
    pElement->SetRecordBytes(pBytes ? pBytes : kZeros);
    return pElement;
}

int FCOtherIncis::MakeMemoryBlockCollection(const void* pData, uint32_t byteCount, uint16_t item)
{
    ClearAll();
    if (!pData)
        return 0;
    const int count = static_cast<int>(byteCount / FCOtherInci::kRecordSize);
    const unsigned char* bytes = static_cast<const unsigned char*>(pData);
    _RequireElement(count);
    for (int i = 0; i < count; ++i)
        Add(_NewElement(item, i, bytes + i * FCOtherInci::kRecordSize));
    return count;
}

void FCOtherIncis::ExpandToFitRecords(uint32_t recordSize, uint32_t recordCount, uint16_t item)
{
    const uint64_t needed = static_cast<uint64_t>(recordSize) * recordCount;
    const uint64_t wanted = (needed + FCOtherInci::kRecordSize - 1) / FCOtherInci::kRecordSize;
    while (static_cast<uint64_t>(GetCount()) < wanted && GetCount() < 0x7FFF)
        Add(_NewElement(item, GetCount(), nullptr));
}
