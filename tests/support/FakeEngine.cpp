// A small host engine: it declares itself the engine bundle and exports a
// few FX_ functions over an in-memory store of 12-byte records.
#include "support/FakeEngine.h"

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "common/qz_fourcc.h"
#include "hostlink/ByteField.h"
#include "hostlink/fx_host_abi.h"
#include "platform/qz_bundle_id.h"

#ifndef FAKE_ENGINE_BUNDLE_ID
#define FAKE_ENGINE_BUNDLE_ID QZ_ENGINE_BUNDLE_ID
#endif
QZ_DEFINE_BUNDLE_IDENTIFIER(FAKE_ENGINE_BUNDLE_ID);

namespace
{

using RecordKey = std::tuple<uint32_t, int16_t, int16_t>;
using Words = std::vector<uint16_t>;
constexpr std::size_t kRecordBytes = 12;
constexpr uint32_t kFretInstrumentTag = QZ_FOURCC("O\tfI");

struct EngineState
{
    std::map<RecordKey, Words> records;
    std::map<std::string, int> calls;
    std::map<uint32_t, int> saves;
    std::set<uint32_t> refusedSaves;
    std::vector<int16_t> seenNoteIds;
    int16_t result = 1;
    uint8_t fretFill = 0;
    int16_t fretResult = 1;
    uint32_t lastVersion = 0;
};

EngineState& State()
{
    static EngineState state;
    return state;
}

void Record(const char* name, uint32_t version)
{
    ++State().calls[name];
    State().lastVersion = version;
}

RecordKey KeyOf(uint32_t tag, const int16_t* key) { return RecordKey(tag, key[0], key[1]); }

void RememberNoteIds(const EXTGF2005a* frame)
{
    State().seenNoteIds.clear();
    const auto* entries = fxhost::GetField<const unsigned char*>(frame->bytes, FX_TGF_ENTRIES_OFFSET);
    if (entries == nullptr || fxhost::GetField<int16_t>(frame->bytes, FX_TGF_ENTRY_COUNT_OFFSET) < 1)
        return;
    const int16_t notes = fxhost::GetField<int16_t>(entries, FX_ENTRY_NOTE_COUNT_OFFSET);
    for (int i = 0; i < notes && i < FX_ENTRY_MAX_NOTES; ++i) {
        State().seenNoteIds.push_back(
            fxhost::GetField<int16_t>(entries, FX_ENTRY_NOTES_OFFSET + i * FX_NOTE_SLOT_SIZE + FX_NOTE_ID_OFFSET));
    }
}

} // namespace

void fake_engine_reset(void) { State() = EngineState(); }

int fake_engine_calls(const char* name)
{
    const auto found = State().calls.find(name);
    return found == State().calls.end() ? 0 : found->second;
}

void fake_engine_put_record(uint32_t tag, int16_t item, int16_t incident, const uint16_t* words)
{
    State().records[RecordKey(tag, item, incident)] = Words(words, words + kRecordBytes / 2);
}

int fake_engine_get_record(uint32_t tag, int16_t item, int16_t incident, uint16_t* words)
{
    const auto found = State().records.find(RecordKey(tag, item, incident));
    if (found == State().records.end())
        return 0;
    std::memcpy(words, found->second.data(), kRecordBytes);
    return 1;
}

int fake_engine_saves_of(uint32_t tag) { return State().saves[tag]; }

void fake_engine_refuse_saves_of(uint32_t tag) { State().refusedSaves.insert(tag); }

void fake_engine_set_result(int16_t result) { State().result = result; }

void fake_engine_set_fret_answer(uint8_t fill, int16_t result)
{
    State().fretFill = fill;
    State().fretResult = result;
}

uint32_t fake_engine_last_version(void) { return State().lastVersion; }

int fake_engine_seen_note_ids(int16_t* ids, int maxIds)
{
    int count = 0;
    for (const int16_t id : State().seenNoteIds) {
        if (count < maxIds)
            ids[count++] = id;
    }
    return count;
}

fxbool FX_LoadEData(uint32_t tag, const int16_t* key, void* buffer, uint32_t* size, uint32_t version)
{
    Record("FX_LoadEData", version);
    if (tag == kFretInstrumentTag) {
        std::memset(buffer, State().fretFill, sizeof(EDTFretInstrument));
        return State().fretResult;
    }
    const auto found = State().records.find(KeyOf(tag, key));
    if (found == State().records.end())
        return 0;
    if (buffer != nullptr && *size >= kRecordBytes)
        std::memcpy(buffer, found->second.data(), kRecordBytes);
    *size = kRecordBytes;
    return 1;
}

fxbool FX_SaveEData(uint32_t tag, const int16_t* key, const void* buffer, uint32_t size, uint32_t version)
{
    Record("FX_SaveEData", version);
    ++State().saves[tag];
    if (size != kRecordBytes || State().refusedSaves.count(tag) != 0)
        return 0;
    const auto* words = static_cast<const uint16_t*>(buffer);
    State().records[KeyOf(tag, key)] = Words(words, words + kRecordBytes / 2);
    return 1;
}

int16_t FX_SlotToInst(int16_t slot, uint16_t staffList, uint32_t version)
{
    Record("FX_SlotToInst", version);
    return static_cast<int16_t>(slot * 100 + staffList);
}

int16_t FX_GetNextPartID(int16_t partId, uint32_t version)
{
    Record("FX_GetNextPartID", version);
    return static_cast<int16_t>(partId + 1);
}

int16_t FX_GetCurrentEnigmaDocument(uint32_t version)
{
    Record("FX_GetCurrentEnigmaDocument", version);
    return 7;
}

#define FAKE_ENGINE_COUNTED(name, params, version) \
    fxbool name params                             \
    {                                              \
        Record(#name, version);                    \
        return State().result;                     \
    }
FAKE_ENGINE_COUNTED(FX_StartFinaleEdit_UTF16, (const uint16_t*, uint32_t version), version)
FAKE_ENGINE_COUNTED(FX_EndFinaleEdit, (uint32_t version), version)
FAKE_ENGINE_COUNTED(FX_CancelFinaleEdit, (uint32_t version), version)
FAKE_ENGINE_COUNTED(FX_StartMassEdit, (uint32_t version), version)
FAKE_ENGINE_COUNTED(FX_EndMassEdit, (uint32_t version), version)
#undef FAKE_ENGINE_COUNTED

intptr_t FX_LoadTGF(EXTGF2005a*, int16_t, int16_t, int16_t, uint32_t version)
{
    Record("FX_LoadTGF", version);
    return State().result;
}

intptr_t FX_FreeTGF(EXTGF2005a*, uint32_t version)
{
    Record("FX_FreeTGF", version);
    return State().result;
}

fxbool FX_SaveTGF(EXTGF2005a* frame, uint32_t version)
{
    Record("FX_SaveTGF", version);
    RememberNoteIds(frame);
    return State().result;
}

fxbool FX_InsertEXENTRY(EXTGF2005a* frame, int16_t, int16_t, uint32_t version)
{
    Record("FX_InsertEXENTRY", version);
    RememberNoteIds(frame);
    return State().result;
}

fxbool FX_DeleteEXENTRY(EXTGF2005a* frame, int16_t, int16_t, uint32_t version)
{
    Record("FX_DeleteEXENTRY", version);
    RememberNoteIds(frame);
    return State().result;
}

int16_t FX_GetMaxLayers(uint32_t version)
{
    Record("FX_GetMaxLayers", version);
    return 25; /* an answer no real host gives */
}

int qztest_engine_function(void) { return 25; }
