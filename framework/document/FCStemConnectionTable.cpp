#include "document/FCStemConnectionTable.h"

#include "common/qz_fourcc.h"
#include "hostlink/fx_host_abi.h"

namespace
{
constexpr uint32_t kTableTag = QZ_FOURCC("ot40");
} // namespace

FCRECORD_CLASS_DEFINE(FCStemConnectionTable, 98, kTableTag)

bool FCStemConnectionTable::Load(int16_t)
{
    if (!_EnsureData() || _GetDataCapacity() < kRecordSize)
        return false;
    _SetLoadedSize(0);
    unsigned char* pBytes = static_cast<unsigned char*>(_GetData());
    int entries = 0;
    for (; entries < kMaxEntries; ++entries) {
        int16_t key[4] = {kSourceItem, static_cast<int16_t>(entries), 0, 0};
        uint32_t size = kEntrySize;
        if (!FX_LoadEData(kTableTag, key, pBytes + entries * kEntrySize, &size, EnigmaVersion()))
            break;
    }
    _SetKey(kSourceItem, 0);
    _SetLoadedSize(static_cast<uint64_t>(entries) * kEntrySize);
    if (entries > 0)
        _TagDocumentID();
    return entries > 0;
}

bool FCStemConnectionTable::Reload() { return IsLoaded() && Load(0); }

bool FCStemConnectionTable::Save()
{
    const int entries = GetEntryCount();
    if (entries == 0)
        return false;
    unsigned char* pBytes = static_cast<unsigned char*>(_GetData());
    for (int entry = 0; entry < entries; ++entry) {
        int16_t key[4] = {kSourceItem, static_cast<int16_t>(entry), 0, 0};
        if (!FX_SaveEData(kTableTag, key, pBytes + entry * kEntrySize, kEntrySize, EnigmaVersion()))
            return false;
    }
    return true;
}

bool FCStemConnectionTable::_IsInside(int entry, int word) const
{
    return entry >= 0 && entry < GetEntryCount() && word >= 0 && word < kWordsPerEntry;
}

int16_t FCStemConnectionTable::GetEntryWord(int entry, int word) const
{
    if (!_IsInside(entry, word))
        return 0;
    return _GetField(
        FCRecordField<int16_t>(static_cast<uint32_t>(entry) * kEntrySize + static_cast<uint32_t>(word) * 2));
}

bool FCStemConnectionTable::SetEntryWord(int entry, int word, int16_t value)
{
    return _IsInside(entry, word) && _SetField(FCRecordField<int16_t>(static_cast<uint32_t>(entry) * kEntrySize +
                                                                      static_cast<uint32_t>(word) * 2),
                                               value);
}
