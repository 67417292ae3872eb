#include "hostlink/CleanTGF.h"

#include <cstring>

#include "hostlink/BridgeData.h"
#include "hostlink/ByteField.h"

namespace fxhost
{

namespace
{

constexpr uint32_t kNoteIdBits = 0x001F0000u;
constexpr uint32_t kRestNoteFlags = 0x80000000u;

unsigned char* NoteSlot(unsigned char* entry, int index)
{
    return entry + FX_ENTRY_NOTES_OFFSET + index * FX_NOTE_SLOT_SIZE;
}

int16_t NoteId(unsigned char* entry, int index) { return GetField<int16_t>(NoteSlot(entry, index), FX_NOTE_ID_OFFSET); }

bool IdTakenByAnother(unsigned char* entry, int count, int index, int16_t id)
{
    for (int other = 0; other < count; ++other) {
        if (other != index && NoteId(entry, other) == id)
            return true;
    }
    return false;
}

void MakeNoteIdsUnique(unsigned char* entry, int count)
{
    int16_t largest = NoteId(entry, 0);
    for (int i = 1; i < count; ++i) {
        if (NoteId(entry, i) > largest)
            largest = NoteId(entry, i);
    }
    for (int i = 0; i < count; ++i) {
        const int16_t id = NoteId(entry, i);
        if (id == 0 || IdTakenByAnother(entry, count, i, id)) {
            largest = static_cast<int16_t>(static_cast<uint16_t>(largest) + 1u);
            SetField<int16_t>(NoteSlot(entry, i), FX_NOTE_ID_OFFSET, largest);
        }
    }
}

void CopyIdsIntoFlags(unsigned char* entry, int count)
{
    for (int i = 0; i < count; ++i) {
        unsigned char* slot = NoteSlot(entry, i);
        const uint32_t idBits = (static_cast<uint32_t>(GetField<int16_t>(slot, FX_NOTE_ID_OFFSET)) & 0x1Fu) << 16;
        const uint32_t flags = GetField<uint32_t>(slot, FX_NOTE_FLAGS_OFFSET);
        SetField<uint32_t>(slot, FX_NOTE_FLAGS_OFFSET, (flags & ~kNoteIdBits) | idBits);
    }
}

void CleanEntry(unsigned char* entry)
{
    const int count = GetField<int16_t>(entry, FX_ENTRY_NOTE_COUNT_OFFSET);
    if (count < 0 || count > FX_ENTRY_MAX_NOTES)
        return; // not a valid entry: its slots are not ours to touch
    if (count > 0) {
        MakeNoteIdsUnique(entry, count);
        CopyIdsIntoFlags(entry, count);
    }
    if (count < FX_ENTRY_MAX_NOTES)
        std::memset(NoteSlot(entry, count), 0,
                    static_cast<std::size_t>(FX_ENTRY_MAX_NOTES - count) * FX_NOTE_SLOT_SIZE);
    if (count == 0 && CanAddNoteRecordToRests != 0) {
        SetField<int16_t>(entry, FX_ENTRY_NOTE_COUNT_OFFSET, 1);
        SetField<uint32_t>(NoteSlot(entry, 0), FX_NOTE_FLAGS_OFFSET, kRestNoteFlags);
        entry[FX_ENTRY_FLAGS_OFFSET] = static_cast<unsigned char>(entry[FX_ENTRY_FLAGS_OFFSET] | 1u);
    }
}

} // namespace

void CleanTGF(EXTGF2005a* frame)
{
    if (frame == nullptr)
        return;
    auto* entries = GetField<unsigned char*>(frame->bytes, FX_TGF_ENTRIES_OFFSET);
    const int16_t count = GetField<int16_t>(frame->bytes, FX_TGF_ENTRY_COUNT_OFFSET);
    if (entries == nullptr)
        return;
    for (int i = 0; i < count; ++i)
        CleanEntry(entries + static_cast<std::size_t>(i) * FX_TGF_ENTRY_SIZE);
}

} // namespace fxhost
