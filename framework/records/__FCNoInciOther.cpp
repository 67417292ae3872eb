#include "records/__FCNoInciOther.h"

#include <algorithm>
#include <cstring>

#include "hostlink/fx_host_abi.h"

const char* __FCNoInciOther::ClassName() const { return "__FCNoInciOther"; }

bool __FCNoInciOther::Load(uint16_t item)
{
    _SetKey(static_cast<int16_t>(item), 0, 0);
    return LoadDataBlock();
}

bool __FCNoInciOther::LoadFirst() { return Load(1); }

bool __FCNoInciOther::Reload()
{
    if (!IsLoaded())
        return false;
    return Load(GetItemNo());
}

bool __FCNoInciOther::SaveAs(uint16_t item)
{
    if (!IsLoaded())
        return false;
    const int16_t oldItem = _GetKeyPart(0);
    const int16_t oldInci = _GetKeyPart(1);
    _SetKeyPart(0, static_cast<int16_t>(item));
    _SetKeyPart(1, 0);
    if (Save())
        return true;
    _SetKeyPart(0, oldItem);
    _SetKeyPart(1, oldInci);
    return false;
}

bool __FCNoInciOther::DeepSaveAs(uint16_t item) { return SaveAs(item); }

bool __FCNoInciOther::DeepDeleteData() { return DeleteData(); }

bool __FCNoInciOther::SaveNew()
{
    if (!IsLoaded() || !_GetData())
        return false;
    const int16_t oldItem = _GetKeyPart(0);
    const int16_t oldInci = _GetKeyPart(1);
    _SetKeyPart(0, -1);
    _SetKeyPart(1, -1);
    if (!FX_CreateEData(Tag(), _GetKey(), _GetData(), DataSizeSave(), EnigmaVersion())) {
        _SetKeyPart(0, oldItem);
        _SetKeyPart(1, oldInci);
        return false;
    }
    /* A record without incidents always sits at incident 0, whatever the host
       left in that key part. */
    _SetKeyPart(1, 0);
    return true;
}

uint16_t __FCNoInciOther::GetItemNo() const { return static_cast<uint16_t>(_GetKeyPart(0)); }

uint32_t __FCNoInciOther::_FullCmperTag(uint16_t prefix) const
{
    return (static_cast<uint32_t>(prefix) << 16) | (Tag() & 0xFFFFu);
}

namespace
{
/* Loads one 12-byte incident into slice (a scratch one when null). True when
   the host loaded it; pGot (when given) receives the bytes it gave, at most
   12. */
bool LoadIncident(uint32_t tag, uint16_t item, int incident, void* slice, uint32_t* pGot = nullptr)
{
    unsigned char scratch[__FCNoInciOther::kIncidentSize];
    int16_t key[3] = {static_cast<int16_t>(item), static_cast<int16_t>(incident), 0};
    uint32_t size = __FCNoInciOther::kIncidentSize;
    if (!FX_LoadEData(tag, key, slice ? slice : scratch, &size, __FCNoInciOther::kFullCmperVersion))
        return false;
    if (pGot)
        *pGot = std::min(size, __FCNoInciOther::kIncidentSize);
    return true;
}

constexpr int kMaxIncident = 0x7FFF;
} // namespace

uint32_t __FCNoInciOther::_DataSizeLoadFullCmper(uint16_t item, uint16_t prefix)
{
    const uint32_t tag = _FullCmperTag(prefix);
    uint32_t total = 0;
    uint32_t got = 0;
    for (int inci = 0; inci <= kMaxIncident && LoadIncident(tag, item, inci, nullptr, &got); ++inci)
        total += got;
    return total;
}

bool __FCNoInciOther::_LoadOtherFullCmper(uint16_t item, void* pBuffer, uint32_t bufferSize, uint16_t prefix)
{
    if (bufferSize < kIncidentSize) {
        _SetLoadedSize(bufferSize);
        return bufferSize == 0;
    }
    if (!pBuffer)
        return false;
    const uint32_t tag = _FullCmperTag(prefix);
    unsigned char* bytes = static_cast<unsigned char*>(pBuffer);
    uint32_t read = 0;
    uint32_t offset = 0;
    for (int inci = 0; inci <= kMaxIncident && offset + kIncidentSize <= bufferSize; ++inci) {
        uint32_t got = 0;
        if (!LoadIncident(tag, item, inci, bytes + offset, &got))
            break;
        read += got;
        offset += kIncidentSize;
    }
    _SetLoadedSize(read);
    return read == bufferSize;
}

bool __FCNoInciOther::_SaveOtherFullCmper(uint16_t item, const void* pData, uint32_t length, uint16_t prefix)
{
    if (item == 0 || !IsLoaded() || length < 1 || !pData)
        return false;
    const uint32_t tag = _FullCmperTag(prefix);
    const unsigned char* bytes = static_cast<const unsigned char*>(pData);
    const uint32_t count = (length + kIncidentSize - 1) / kIncidentSize;
    if (count > static_cast<uint32_t>(kMaxIncident))
        return false;

    for (uint32_t i = 0; i < count; ++i) {
        unsigned char slice[kIncidentSize] = {};
        const uint32_t start = i * kIncidentSize;
        std::memcpy(slice, bytes + start, std::min(kIncidentSize, length - start));
        int16_t key[3] = {static_cast<int16_t>(item), static_cast<int16_t>(i), 0};
        if (!FX_SaveEData(tag, key, slice, kIncidentSize, kFullCmperVersion))
            return false;
    }

    /* Remove what is left of a longer earlier run. Deleting from the last
       incident down works whether or not the host renumbers the incidents
       after a delete. */
    int last = static_cast<int>(count) - 1;
    while (last < kMaxIncident && LoadIncident(tag, item, last + 1, nullptr))
        ++last;
    bool allRemoved = true;
    for (int inci = last; inci >= static_cast<int>(count); --inci) {
        int16_t key[3] = {static_cast<int16_t>(item), static_cast<int16_t>(inci), 0};
        if (!FX_DeleteEData(tag, key, kFullCmperVersion))
            allRemoved = false;
    }
    return allRemoved;
}
