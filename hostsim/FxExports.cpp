/* The host functions hostsim implements, exported under the names and with
   the signatures of the shared host-function table (fx_host_abi.h declares
   every one with C linkage; a definition that disagreed with its row would
   not compile). Functions of the table that are not defined here are absent
   from the library, which the plug-in's bridge treats as a refusal. */

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <type_traits>

#include "hostsim/DocumentFile.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "hostsim/HostCall.h"
#include "hostsim/MenuModel.h"
#include "hostsim/RecordLayout.h"
#include "hostsim/TagRules.h"
#include "hostsim/TextCodec.h"
#include "hostlink/fx_host_abi.h"
#include "platform/simurl.h"

using namespace hostsim;

namespace
{

constexpr size_t kEditNameUnits = 64; // 63 units + terminator
constexpr size_t kAutoNameUnits = 1000;
constexpr size_t kNameBytes = 256; // 8-bit text buffers filled by the host
constexpr size_t kNameUnits = 512; // UTF-16 text buffers filled by the host

/* ---- record helpers ---- */

struct RecordCall
{
    HostCall& call;
    uint32_t tag;
    KeyShape shape;
    RecordKey key;
};

RecordCall beginRecord(HostCall& call, uint32_t tag, const int16_t* key)
{
    KeyShape shape = TagRules::shape(tag);
    RecordKey k = key ? RecordKey::read(shape, key) : RecordKey();
    if (key)
        call.setRecord(tag, k, shape);
    return RecordCall{call, tag, shape, k};
}

void checkVersion(RecordCall& rc, uint32_t version)
{
    Engine& e = rc.call.engine();
    if (auto expected = TagRules::expectedVersion(rc.tag, e.hostVersion); expected && *expected != version)
        rc.call.violation("layout version " + tagHex(version) + " for '" + tagChars(rc.tag) + "', expected " +
                          tagHex(*expected));
    if (TagRules::isEmulatedPreference(rc.tag))
        rc.call.violation("preference tag '" + tagChars(rc.tag) + "' reached the host (bridge bypassed)");
}

void checkFixedSize(RecordCall& rc, uint32_t size, const char* what)
{
    uint32_t host = rc.call.engine().hostVersion;
    auto expected = TagRules::fixedSize(rc.tag, host);
    if (expected && *expected != size)
        rc.call.violation(std::string(what) + " size " + std::to_string(size) + " of '" + tagChars(rc.tag) +
                          "', expected " + std::to_string(*expected));
    uint32_t minimum = TagRules::minimumSize(rc.tag, host);
    if (!expected && size < minimum)
        rc.call.violation(std::string(what) + " size " + std::to_string(size) + " of '" + tagChars(rc.tag) +
                          "', at least " + std::to_string(minimum) + " expected");
}

/* Copies a record into the caller's buffer as a load does. */
fxbool copyOut(RecordCall& rc, const Bytes& rec, void* buffer, uint32_t* size)
{
    uint32_t stored = uint32_t(rec.size());
    if (!buffer) {
        *size = stored;
        rc.call.setSizeOut(stored);
        return 1;
    }
    if (*size < stored)
        rc.call.violation("buffer of " + std::to_string(*size) + " bytes for a record of " + std::to_string(stored));
    uint32_t n = std::min(*size, stored);
    if (n)
        std::memcpy(buffer, rec.data(), n);
    *size = n;
    rc.call.setSizeOut(n);
    return 1;
}

fxbool stepRecord(const char* function, bool forward, uint32_t tag, int16_t* key, void* buffer, uint32_t* size,
                  uint32_t version)
{
    HostCall call(function, version);
    RecordCall rc = beginRecord(call, tag, key);
    if (!key || call.injectedFailure())
        return call.finish<fxbool>(0);
    checkVersion(rc, version);
    Document* doc = call.document();
    if (!doc)
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    RecordId from = e.idFor(tag, rc.key, *doc);
    std::optional<RecordId> to = forward ? doc->store().next(from) : doc->store().previous(from);
    if (!to)
        return call.finish<fxbool>(0);
    to->key.write(rc.shape, key);
    call.noteStep(to->key, rc.shape);
    if (buffer && size)
        copyOut(rc, *doc->store().find(*to), buffer, size);
    return call.finish<fxbool>(1);
}

/* New number for the first "-1" of a key; the words after it become 0. */
bool allocateKey(Engine& e, Document& doc, RecordCall& rc, RecordId& id)
{
    size_t words = RecordKey::wordCount(rc.shape);
    bool oneItem = rc.shape == KeyShape::NoIncident || rc.shape == KeyShape::RawText || rc.shape == KeyShape::Globals;
    if (oneItem && id.key.words[0] != 0xFFFFu) { // (item, -1) on a tag without incidents
        id.key.words[1] = 0;
        return doc.store().find(id) == nullptr;
    }
    size_t w = 0;
    while (w < words && id.key.words[w] != 0xFFFFu)
        ++w;
    bool incidentWord = (rc.shape == KeyShape::Incident && w == 1) ||
                        ((rc.shape == KeyShape::Detail || rc.shape == KeyShape::CellDetail) && w == 2);
    int16_t base = (incidentWord || rc.shape == KeyShape::Globals) ? 0 : 1;
    for (size_t i = w + 1; i < words; ++i)
        if (id.key.words[i] == 0xFFFFu)
            id.key.words[i] = 0;
    std::optional<int16_t> n = doc.store().allocate(id, w, base, e.policy);
    if (!n)
        return false;
    id.key.setPart(w, *n);
    return true;
}

/* ---- text helpers ---- */

std::u16string readUnits(const uint16_t* p, size_t max) { return p ? TextCodec::readUtf16(p, max) : u""; }

void writeUnits(uint16_t* out, const std::u16string& s, size_t capacity)
{
    size_t n = std::min(s.size(), capacity - 1);
    for (size_t i = 0; i < n; ++i)
        out[i] = s[i];
    out[n] = 0;
}

void writeBytes(char* out, const std::string& s, size_t capacity)
{
    size_t n = std::min(s.size(), capacity - 1);
    std::memcpy(out, s.data(), n);
    out[n] = 0;
}

/* A name in the caller's buffer: 8-bit (256 bytes) or UTF-16 (512 units). */
void writeName(char* out, const std::string& utf8) { writeBytes(out, TextCodec::toLatin1(utf8), kNameBytes); }
void writeName(uint16_t* out, const std::string& utf8) { writeUnits(out, TextCodec::toUtf16(utf8), kNameUnits); }

/* Answers a name request: the name found (or null for a refusal) into `out`. */
template <class Char>
fxbool answerName(HostCall& call, const std::string* found, Char* out)
{
    if (!out || !found || call.injectedFailure())
        return call.finish<fxbool>(0);
    writeName(out, *found);
    return call.finish<fxbool>(1);
}

template <class Char>
fxbool partName(const char* function, int16_t partId, Char* name, uint32_t version)
{
    HostCall call(function, version);
    Document* doc = call.document();
    const PartInfo* p = doc ? doc->part(partId) : nullptr;
    return answerName(call, p ? &p->name : nullptr, name);
}

template <class Char>
fxbool fontName(const char* function, int16_t number, Char* name, uint32_t version)
{
    HostCall call(function, version);
    auto& fonts = call.engine().fonts;
    auto it = fonts.find(number);
    return answerName(call, it == fonts.end() ? nullptr : &it->second, name);
}

/* ---- edits ---- */

fxbool startEdit(HostCall& call, const std::string& name, bool terminated)
{
    if (!terminated)
        call.violation("edit name not terminated within 64 units");
    if (name.empty())
        call.violation("empty edit name");
    call.note("\"" + name + "\"");
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    return call.finish<fxbool>(call.engine().startEdit(name) ? 1 : 0);
}

fxbool endEdit(const char* function, bool commit, uint32_t version)
{
    HostCall call(function, version);
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    return call.finish<fxbool>(call.engine().endEdit(commit) ? 1 : 0);
}

/* ---- staff lists ---- */

std::vector<int16_t> staffList(Engine& e, const Document& doc, uint16_t list)
{
    std::vector<int16_t> staves;
    int16_t scope = e.scopeFor(QZ_FOURCC("SOIu"), doc);
    for (const Bytes* b : doc.store().incidentList(scope, QZ_FOURCC("SOIu"), int16_t(list)))
        staves.push_back(int16_t(RecordLayout::get(*b, Field::SystemStaffNumber, e.hostVersion)));
    return staves;
}

SimURL* newURL(const std::string& path)
{
    auto* url = static_cast<SimURL*>(std::malloc(sizeof(SimURL)));
    if (!url)
        return nullptr;
    url->magic = SIMURL_MAGIC;
    url->refcount = 1;
    url->path = static_cast<char*>(std::malloc(path.size() + 1));
    url->base = nullptr;
    if (!url->path) {
        std::free(url);
        return nullptr;
    }
    std::memcpy(url->path, path.c_str(), path.size() + 1);
    return url;
}

fxbool fillPath(HostCall& call, FinPathSpec25* ref, std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    SimURL* url = newURL(path);
    if (!url)
        return call.finish<fxbool>(0);
    ref->field0 = 0;
    ref->url = url;
    ++call.engine().urlsHandedOut;
    call.note(path);
    return call.finish<fxbool>(1);
}

/* Calls that only need the host to be there: log and answer. */
template <class T>
T logged(const char* function, uint32_t version, T answer, bool needsDocument = false)
{
    HostCall call(function, version);
    if (call.injectedFailure() || (needsDocument && !call.document()))
        return call.finish<T>(0);
    return call.finish<T>(answer);
}

/* ---- frames ---- */

struct FrameView
{
    const uint8_t* entries = nullptr;
    int16_t count = 0;
};

FrameView readFrame(const EXTGF2005a* frame)
{
    FrameView v;
    std::memcpy(&v.entries, frame->bytes + FX_TGF_ENTRIES_OFFSET, sizeof v.entries);
    std::memcpy(&v.count, frame->bytes + FX_TGF_ENTRY_COUNT_OFFSET, sizeof v.count);
    return v;
}

fxbool captureFrame(const char* function, EXTGF2005a* frame, uint32_t version);

} // namespace

/* ======================= records ======================= */

fxbool FX_LoadEData(uint32_t tag, const int16_t* key, void* buffer, uint32_t* size, uint32_t version)
{
    HostCall call("FX_LoadEData", version);
    RecordCall rc = beginRecord(call, tag, key);
    if (size)
        call.setSizeIn(*size);
    if (!key || call.injectedFailure())
        return call.finish<fxbool>(0);
    checkVersion(rc, version);
    Document* doc = call.document();
    if (!doc)
        return call.finish<fxbool>(0);
    if (rc.key.hasMinusOne(rc.shape)) {
        call.violation("load with a -1 key part");
        return call.finish<fxbool>(0);
    }
    if (!size) {
        call.violation("load without a size");
        return call.finish<fxbool>(0);
    }
    const Bytes* rec = doc->store().find(call.engine().idFor(tag, rc.key, *doc));
    if (!rec)
        return call.finish<fxbool>(0);
    checkFixedSize(rc, uint32_t(rec->size()), "stored");
    return call.finish(copyOut(rc, *rec, buffer, size));
}

fxbool FX_SaveEData(uint32_t tag, const int16_t* key, const void* buffer, uint32_t size, uint32_t version)
{
    HostCall call("FX_SaveEData", version);
    RecordCall rc = beginRecord(call, tag, key);
    call.setSizeIn(size);
    if (!key || call.injectedFailure())
        return call.finish<fxbool>(0);
    checkVersion(rc, version);
    Document* doc = call.document();
    if (!doc || !buffer || size == 0)
        return call.finish<fxbool>(0);
    if (rc.key.hasMinusOne(rc.shape)) {
        call.violation("save with a -1 key part");
        return call.finish<fxbool>(0);
    }
    checkFixedSize(rc, size, "saved");
    Engine& e = call.engine();
    RecordId id = e.idFor(tag, rc.key, *doc);
    bool created = doc->store().find(id) == nullptr;
    call.entry().createdBySave = created;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    e.write(*doc, id, Bytes(bytes, bytes + size), Origin::Plugin, created ? "create (by save)" : "save");
    return call.finish<fxbool>(1);
}

fxbool FX_CreateEData(uint32_t tag, int16_t* key, const void* buffer, uint32_t size, uint32_t version)
{
    HostCall call("FX_CreateEData", version);
    RecordCall rc = beginRecord(call, tag, key);
    call.setSizeIn(size);
    if (!key || call.injectedFailure())
        return call.finish<fxbool>(0);
    checkVersion(rc, version);
    Document* doc = call.document();
    if (!doc)
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    if (buffer && size == 0) {
        call.violation("create refused: size 0");
        return call.finish<fxbool>(0);
    }
    if (!buffer && size == 0)
        size = TagRules::defaultSize(tag, e.hostVersion);
    checkFixedSize(rc, size, "created");
    RecordId id = e.idFor(tag, rc.key, *doc);
    if (rc.key.hasMinusOne(rc.shape)) {
        if (!allocateKey(e, *doc, rc, id))
            return call.finish<fxbool>(0);
        if (doc->allocatedInEdit(id))
            call.violation("number " + id.key.toString(rc.shape) + " reused within one edit");
        doc->markAllocated(id);
    }
    else if (doc->store().find(id)) {
        return call.finish<fxbool>(0);
    }
    Bytes data(size, 0);
    if (buffer)
        std::memcpy(data.data(), buffer, size);
    e.write(*doc, id, std::move(data), Origin::Plugin, "create");
    id.key.write(rc.shape, key);
    call.note("-> " + id.key.toString(rc.shape));
    return call.finish<fxbool>(1);
}

fxbool FX_DeleteEData(uint32_t tag, const int16_t* key, uint32_t version)
{
    HostCall call("FX_DeleteEData", version);
    RecordCall rc = beginRecord(call, tag, key);
    if (!key || call.injectedFailure())
        return call.finish<fxbool>(0);
    Document* doc = call.document();
    if (!doc || rc.key.hasMinusOne(rc.shape))
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    return call.finish<fxbool>(e.remove(*doc, e.idFor(tag, rc.key, *doc), Origin::Plugin) ? 1 : 0);
}

fxbool FX_NextEData(uint32_t tag, int16_t* key, void* buffer, uint32_t* size, uint32_t version)
{
    return stepRecord("FX_NextEData", true, tag, key, buffer, size, version);
}

fxbool FX_PreviousEData(uint32_t tag, int16_t* key, void* buffer, uint32_t* size, uint32_t version)
{
    return stepRecord("FX_PreviousEData", false, tag, key, buffer, size, version);
}

/* ======================= documents and parts ======================= */

int16_t FX_GetCurrentEnigmaDocument(uint32_t version)
{
    HostCall call("FX_GetCurrentEnigmaDocument", version);
    if (call.injectedFailure())
        return call.finish<int16_t>(0);
    return call.finish(call.engine().currentId());
}

fxbool FX_SetCurrentEnigmaDocument(int16_t docId, uint32_t version)
{
    HostCall call("FX_SetCurrentEnigmaDocument", version);
    call.note("doc " + std::to_string(docId));
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    return call.finish<fxbool>(call.engine().setCurrentDocument(docId, Origin::Plugin) ? 1 : 0);
}

int16_t FX_GetNextEnigmaDocument(int16_t docId, uint32_t version)
{
    HostCall call("FX_GetNextEnigmaDocument", version);
    if (call.injectedFailure())
        return call.finish<int16_t>(0);
    return call.finish(call.engine().nextDocumentId(docId));
}

fxbool FX_GetDocumentPathMac(int16_t docId, FinPathSpec25* path, uint32_t version)
{
    HostCall call("FX_GetDocumentPathMac", version);
    if (!path || call.injectedFailure() || version != qz::kInterfaceVersion)
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    Document* doc = docId > 0 ? e.document(docId) : e.current();
    if (!doc || doc->path.empty())
        return call.finish<fxbool>(0);
    return fillPath(call, path, doc->path);
}

fxbool FX_SaveDocument(int16_t docId, const FinPathSpec25* file, int32_t options, uint32_t version)
{
    HostCall call("FX_SaveDocument", version);
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    Document* doc = docId > 0 ? e.document(docId) : e.current();
    if (!doc)
        return call.finish<fxbool>(0);
    if (!doc->path.empty()) {
        std::string error;
        if (!DocumentFile::save(*doc, e.hostVersion, doc->path, error)) {
            call.note(error);
            return call.finish<fxbool>(0);
        }
    }
    doc->dirty = false;
    return call.finish<fxbool>(1);
}

fxbool FX_CloseEnigmaDocument(int16_t docId, uint32_t version)
{
    HostCall call("FX_CloseEnigmaDocument", version);
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    return call.finish<fxbool>(e.closeDocument(docId > 0 ? docId : e.currentId()) ? 1 : 0);
}

fxbool FX_GetCurrentWindowInfo(EWINDOWINFO* info, uint32_t version)
{
    HostCall call("FX_GetCurrentWindowInfo", version);
    const Engine::WindowInfo& w = call.engine().windowInfo;
    if (!info || call.injectedFailure() || !w.known || !call.document())
        return call.finish<fxbool>(0);
    info->pageView = w.pageView ? 1 : 0;
    info->page = w.page;
    info->measure = w.measure;
    info->zoom = w.zoom;
    info->window = reinterpret_cast<void*>(w.window);
    return call.finish<fxbool>(1);
}

fxbool FX_CloseCurrentDocumentWindow(uint32_t version)
{
    HostCall call("FX_CloseCurrentDocumentWindow", version);
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    Engine& e = call.engine();
    return call.finish<fxbool>(e.closeDocument(e.currentId()) ? 1 : 0);
}

fxbool FX_PrintDocument(int16_t docId, const void* printRecord, uint32_t version)
{
    return logged<fxbool>("FX_PrintDocument", version,
                          Engine::instance().document(docId > 0 ? docId : Engine::instance().currentId()) ? 1 : 0);
}

fxbool FX_PrintCurrentDocument(const void* printRecord, uint32_t version)
{
    return logged<fxbool>("FX_PrintCurrentDocument", version, 1, true);
}

int16_t FX_GetCurrentPartID(uint32_t version)
{
    HostCall call("FX_GetCurrentPartID", version);
    Document* doc = call.document();
    if (!doc || call.injectedFailure())
        return call.finish<int16_t>(0);
    return call.finish(doc->currentPart);
}

fxbool FX_SetCurrentPartID(int16_t partId, uint32_t version)
{
    HostCall call("FX_SetCurrentPartID", version);
    call.note("part " + std::to_string(partId));
    Document* doc = call.document();
    if (!doc || call.injectedFailure() || !doc->part(partId))
        return call.finish<fxbool>(0);
    doc->currentPart = partId;
    ++call.engine().partSwitches;
    return call.finish<fxbool>(1);
}

int16_t FX_GetNextPartID(int16_t partId, uint32_t version)
{
    HostCall call("FX_GetNextPartID", version);
    Document* doc = call.document();
    if (!doc || call.injectedFailure())
        return call.finish<int16_t>(-1);
    int16_t next = -1;
    for (const PartInfo& p : doc->parts)
        if (p.id > partId && (next < 0 || p.id < next))
            next = p.id;
    return call.finish(next);
}

fxbool FX_GetPartName(int16_t partId, char* name, uint32_t version)
{
    return partName("FX_GetPartName", partId, name, version);
}

fxbool FX_GetPartName_UTF16(int16_t partId, uint16_t* name, uint32_t version)
{
    return partName("FX_GetPartName_UTF16", partId, name, version);
}

/* ======================= regions and slots ======================= */

fxbool FX_GetCurERegions(EREGION* first, EREGION* selection, EREGION* wholeDocument, uint32_t version)
{
    HostCall call("FX_GetCurERegions", version);
    Engine& e = call.engine();
    Document* doc = call.document();
    if (!doc || call.injectedFailure()) {
        if (doc)
            return call.finish<fxbool>(0);
        for (EREGION* r : {first, selection, wholeDocument}) {
            if (!r)
                continue;
            if (e.selectionGarbage)
                std::memset(r, 0xA5, sizeof *r);
            else
                std::memset(r, 0, sizeof *r);
        }
        return call.finish<fxbool>(0);
    }
    Region whole;
    whole.startSlot = 1;
    whole.startMeasure = 1;
    whole.endSlot = int16_t(staffList(e, *doc, 0).size());
    whole.endMeasure = doc->measures;
    whole.endPos = 0x7FFFFFFF;
    if (first)
        doc->selection.toHost(first);
    if (selection)
        doc->selection.toHost(selection);
    if (wholeDocument)
        whole.toHost(wholeDocument);
    return call.finish<fxbool>(1);
}

fxbool FX_SetCurERegionMac(const EREGION* region, uint32_t version)
{
    HostCall call("FX_SetCurERegionMac", version);
    Document* doc = call.document();
    if (!doc || !region || call.injectedFailure())
        return call.finish<fxbool>(0);
    doc->selection = Region::fromHost(region);
    return call.finish<fxbool>(1);
}

int16_t FX_SlotToInst(int16_t slot, uint16_t staffList_, uint32_t version)
{
    HostCall call("FX_SlotToInst", version);
    call.note("slot " + std::to_string(slot) + " list " + std::to_string(staffList_));
    Document* doc = call.document();
    if (!doc || call.injectedFailure())
        return call.finish<int16_t>(0);
    std::vector<int16_t> staves = staffList(call.engine(), *doc, staffList_);
    if (slot < 1 || size_t(slot) > staves.size())
        return call.finish<int16_t>(0);
    return call.finish(staves[size_t(slot) - 1]);
}

int16_t FX_InstToSlot(int16_t staff, uint16_t staffList_, uint32_t version)
{
    HostCall call("FX_InstToSlot", version);
    call.note("staff " + std::to_string(staff) + " list " + std::to_string(staffList_));
    Document* doc = call.document();
    if (!doc || call.injectedFailure())
        return call.finish<int16_t>(0);
    std::vector<int16_t> staves = staffList(call.engine(), *doc, staffList_);
    auto it = std::find(staves.begin(), staves.end(), staff);
    return call.finish<int16_t>(it == staves.end() ? 0 : int16_t(it - staves.begin() + 1));
}

fxbool FX_RedrawMusic(const EREGION* region, uint32_t version)
{
    HostCall call("FX_RedrawMusic", version);
    if (!region || call.injectedFailure())
        return call.finish<fxbool>(0);
    call.engine().log.redraws.push_back(Region::fromHost(region));
    return call.finish<fxbool>(1);
}

int32_t FX_GetMeasureDuration(int16_t staff, int16_t measure, uint32_t version)
{
    HostCall call("FX_GetMeasureDuration", version);
    Document* doc = call.document();
    /* Every measure of the document is 4/4 (1024 per quarter); there is no
       measure outside 1 ... the document's measure count. */
    if (call.injectedFailure() || !doc || measure < 1 || measure > doc->measures)
        return call.finish<int32_t>(0);
    return call.finish<int32_t>(4096);
}

fxbool FX_GetMeasureMetrics(int16_t staff, int16_t measure, void* metrics, uint32_t version)
{
    return logged<fxbool>("FX_GetMeasureMetrics", version, 0);
}

fxbool FX_FreeMeasureMetrics(void* metrics, uint32_t version)
{
    return logged<fxbool>("FX_FreeMeasureMetrics", version, 0);
}

int16_t FX_GetMaxLayers(uint32_t version) { return logged<int16_t>("FX_GetMaxLayers", version, 4); }

fxbool FX_ScrollTo(int16_t measure, int16_t staff, uint32_t version)
{
    HostCall call("FX_ScrollTo", version);
    call.note("measure " + std::to_string(measure) + " staff " + std::to_string(staff));
    if (call.injectedFailure() || !call.document())
        return call.finish<fxbool>(0);
    call.engine().log.scrolls.push_back(ScrollEntry{measure, staff});
    return call.finish<fxbool>(1);
}

fxbool FX_UpdateLayout(uint32_t version) { return logged<fxbool>("FX_UpdateLayout", version, 1); }

fxbool FX_RebeamRegion(const EREGION* region, int16_t flags, uint32_t version)
{
    return logged<fxbool>("FX_RebeamRegion", version, region ? 1 : 0, true);
}

fxbool FX_RebarRegion(const EREGION* region, int16_t option1, int16_t option2, int16_t option3, int16_t flags,
                      uint32_t version)
{
    return logged<fxbool>("FX_RebarRegion", version, region ? 1 : 0, true);
}

int32_t FX_CopyCutMusic(const EREGIONCLIP* region, int16_t mode, uint32_t version)
{
    HostCall call("FX_CopyCutMusic", version);
    if (!region || !call.document() || call.injectedFailure())
        return call.finish<int32_t>(0);
    return call.finish(++call.engine().clipTokens);
}

fxbool FX_InsertMergeMusic(int32_t token, const EREGIONCLIP* region, int16_t mode, uint32_t version)
{
    return logged<fxbool>("FX_InsertMergeMusic", version, token > 0 && region ? 1 : 0, true);
}

fxbool FX_DisposeFinClipFileToken(int32_t token, uint32_t version)
{
    return logged<fxbool>("FX_DisposeFinClipFileToken", version, token > 0 ? 1 : 0);
}

/* ======================= names ======================= */

fxbool FX_AutoNumberedName_UTF16(int16_t textBlock, int16_t itemNo, uint16_t* buffer, int32_t zero, uint32_t version)
{
    HostCall call("FX_AutoNumberedName_UTF16", version);
    if (call.kept())
        call.note("block " + std::to_string(textBlock) + " item " + std::to_string(itemNo));
    Engine& e = call.engine();
    Document* doc = call.document();
    if (!doc || !buffer || textBlock == 0 || !e.autoNumberedNames || call.injectedFailure())
        return call.finish<fxbool>(0);
    const Bytes* block = doc->store().find(RecordId{-1, QZ_FOURCC("SOTX"), RecordKey(textBlock, 0)});
    if (!block)
        return call.finish<fxbool>(0);
    uint32_t kind = uint32_t(RecordLayout::get(*block, Field::TextBlockKind, e.hostVersion));
    int16_t rawNo = int16_t(RecordLayout::get(*block, Field::TextBlockRawText, e.hostVersion));
    const Bytes* raw = doc->store().find(RecordId{-1, 0x74780000u | kind, RecordKey(rawNo, 0)});
    if (!raw)
        return call.finish<fxbool>(0);
    std::u16string name = TextCodec::stripCaretCommands(RecordLayout::rawTextUnits(*raw, e.hostVersion));
    writeUnits(buffer, name, kAutoNameUnits);
    if (call.kept())
        call.note(TextCodec::fromUtf16(name));
    return call.finish<fxbool>(1);
}

/* ======================= edits ======================= */

fxbool FX_StartFinaleEdit_UTF16(const uint16_t* name, uint32_t version)
{
    HostCall call("FX_StartFinaleEdit_UTF16", version);
    size_t n = 0;
    while (name && n < kEditNameUnits && name[n])
        ++n;
    return startEdit(call, TextCodec::fromUtf16(readUnits(name, kEditNameUnits)), name && n < kEditNameUnits);
}

fxbool FX_StartFinaleEdit(const char* name, uint32_t version)
{
    HostCall call("FX_StartFinaleEdit", version);
    size_t n = name ? strnlen(name, kEditNameUnits) : kEditNameUnits;
    std::string s = name ? std::string(name, std::min(n, kEditNameUnits - 1)) : std::string();
    return startEdit(call, TextCodec::fromLatin1(s), n < kEditNameUnits);
}

fxbool FX_EndFinaleEdit(uint32_t version) { return endEdit("FX_EndFinaleEdit", true, version); }

fxbool FX_CancelFinaleEdit(uint32_t version) { return endEdit("FX_CancelFinaleEdit", false, version); }

/* ======================= menus, folders, alerts ======================= */

fxbool FX_ExecuteMenuItem(uint32_t commandCode, uint32_t version)
{
    HostCall call("FX_ExecuteMenuItem", version);
    call.note("'" + tagChars(commandCode) + "'");
    Engine& e = call.engine();
    Document* doc = call.document();
    MenuEntry m;
    m.code = commandCode;
    std::string chars = tagChars(commandCode);
    std::memcpy(m.chars, chars.c_str(), 4);
    m.document = doc ? doc->id() : 0;
    m.part = doc ? doc->currentPart : 0;
    if (!call.injectedFailure() && doc)
        m.result = MenuModel::execute(*doc, e.scopeFor(QZ_FOURCC("SOIu"), *doc), commandCode);
    e.log.addMenu(m);
    return call.finish<fxbool>(fxbool(m.result));
}

fxbool FX_GetFinalePathMac(int16_t selector, FinPathSpec25* path, uint32_t pathVersion)
{
    HostCall call("FX_GetFinalePathMac", pathVersion);
    call.note("selector " + std::to_string(selector));
    if (!path || call.injectedFailure() || pathVersion != qz::kInterfaceVersion)
        return call.finish<fxbool>(0);
    std::string folder = call.engine().folder(selector);
    if (folder.empty())
        return call.finish<fxbool>(0);
    return fillPath(call, path, folder);
}

fxbool FX_IsMachO(uint32_t version) { return logged<fxbool>("FX_IsMachO", version, Engine::instance().machO ? 1 : 0); }

fxbool FX_AlertMessage(void* parent, int16_t alertType, int16_t flags, const char* text, uint32_t version)
{
    HostCall call("FX_AlertMessage", version);
    if (call.injectedFailure())
        return call.finish<fxbool>(0);
    std::string line = std::to_string(alertType) + ": " + (text ? TextCodec::fromLatin1(text) : "");
    call.note(line);
    call.engine().log.alerts.push_back(line);
    return call.finish<fxbool>(1);
}

/* ======================= fonts ======================= */

fxbool FX_FontNumToName(int16_t fontNum, char* name, uint32_t version)
{
    return fontName("FX_FontNumToName", fontNum, name, version);
}

fxbool FX_FontNumToName_UTF16(int16_t fontNum, uint16_t* name, uint32_t version)
{
    return fontName("FX_FontNumToName_UTF16", fontNum, name, version);
}

int16_t FX_FontNameToNum(const char* name, uint32_t version)
{
    HostCall call("FX_FontNameToNum", version);
    if (!name || call.injectedFailure())
        return call.finish<int16_t>(0);
    return call.finish(call.engine().fontNumber(TextCodec::fromLatin1(name)));
}

int16_t FX_FontNameToNum_UTF16(const uint16_t* name, uint32_t version)
{
    HostCall call("FX_FontNameToNum_UTF16", version);
    if (!name || call.injectedFailure())
        return call.finish<int16_t>(0);
    return call.finish(call.engine().fontNumber(TextCodec::fromUtf16(readUnits(name, kNameUnits))));
}

fxbool FX_SetDefaultMusicFont(int16_t fontNum, int16_t size, int16_t effects, uint32_t version)
{
    HostCall call("FX_SetDefaultMusicFont", version);
    Document* doc = call.document();
    if (!doc || call.injectedFailure())
        return call.finish<fxbool>(0);
    doc->musicFont.number = fontNum;
    doc->musicFont.size = size;
    doc->musicFont.effects = effects;
    return call.finish<fxbool>(1);
}

int32_t FX_GetTextEncoding(uint32_t version) { return logged<int32_t>("FX_GetTextEncoding", version, 0); }

/* ======================= frames ======================= */

intptr_t FX_LoadTGF(EXTGF2005a* frame, int16_t staff, int16_t measure, int16_t layer, uint32_t version)
{
    HostCall call("FX_LoadTGF", version);
    if (!frame || !call.document() || call.injectedFailure())
        return call.finish<intptr_t>(0);
    std::memset(frame->bytes, 0, sizeof frame->bytes); // a frame with no entries
    return call.finish<intptr_t>(1);
}

intptr_t FX_FreeTGF(EXTGF2005a* frame, uint32_t version)
{
    return logged<intptr_t>("FX_FreeTGF", version, frame ? 1 : 0);
}

int32_t FX_GetTGFDuration(EXTGF2005a* frame, uint32_t version)
{
    return logged<int32_t>("FX_GetTGFDuration", version, 0);
}

fxbool FX_SaveTGF(EXTGF2005a* frame, uint32_t version) { return captureFrame("FX_SaveTGF", frame, version); }

fxbool FX_InsertEXENTRY(EXTGF2005a* frame, int16_t entryIndex, int16_t count, uint32_t version)
{
    return captureFrame("FX_InsertEXENTRY", frame, version);
}

fxbool FX_DeleteEXENTRY(EXTGF2005a* frame, int16_t entryIndex, int16_t count, uint32_t version)
{
    return captureFrame("FX_DeleteEXENTRY", frame, version);
}

namespace
{

fxbool captureFrame(const char* function, EXTGF2005a* frame, uint32_t version)
{
    HostCall call(function, version);
    if (!frame || call.injectedFailure())
        return call.finish<fxbool>(0);
    FrameView v = readFrame(frame);
    Bytes& saved = call.engine().savedFrame;
    saved.clear();
    if (v.entries && v.count > 0)
        saved.assign(v.entries, v.entries + size_t(v.count) * FX_TGF_ENTRY_SIZE);
    call.note(std::to_string(v.count) + " entries");
    return call.finish<fxbool>(1);
}

} // namespace

/* ======================= dialogs ======================= */

int16_t FX_SelectionDialog(int16_t kind, void* window, int16_t preselected, fxbool* changed, uint32_t version)
{
    HostCall call("FX_SelectionDialog", version);
    call.note("kind " + std::to_string(kind) + " preselected " + std::to_string(preselected));
    Engine& e = call.engine();
    if (call.injectedFailure())
        return call.finish<int16_t>(0);
    DialogEntry d;
    d.function = call.function();
    d.kind = kind;
    d.preselected = preselected;
    d.window = reinterpret_cast<intptr_t>(window);
    d.answer = int16_t(e.dialogAnswer);
    d.changed = e.dialogChanged < 0 ? (e.dialogAnswer != preselected ? 1 : 0) : (e.dialogChanged ? 1 : 0);
    if (changed)
        *changed = fxbool(d.changed);
    e.log.dialogs.push_back(d);
    return call.finish(int16_t(d.answer));
}

namespace
{

/* Both symbol dialogs: logs the request and answers with the scripted value. */
int32_t symbolDialog(HostCall& call, std::string fontName, int16_t size, int16_t style, int32_t symbol)
{
    if (call.injectedFailure())
        return 0;
    DialogEntry d;
    d.function = call.function();
    d.preselected = symbol;
    d.fontName = std::move(fontName);
    d.size = size;
    d.style = style;
    d.answer = call.engine().dialogAnswer;
    call.note(d.fontName + " " + std::to_string(size) + " symbol " + std::to_string(symbol));
    call.engine().log.dialogs.push_back(d);
    return d.answer;
}

} // namespace

int16_t FX_SymbolDialog(const char* fontName_, int16_t size, int16_t style, int16_t symbol, uint32_t version)
{
    HostCall call("FX_SymbolDialog", version);
    std::string name = fontName_ ? TextCodec::fromLatin1(fontName_) : "";
    return call.finish(int16_t(symbolDialog(call, name, size, style, symbol)));
}

int32_t FX_SymbolDialog_UTF32(const char* fontName_, int16_t size, int16_t style, int32_t symbol, uint32_t version)
{
    HostCall call("FX_SymbolDialog_UTF32", version);
    return call.finish(symbolDialog(call, fontName_ ? fontName_ : "", size, style, symbol));
}

/* Each function here is the table's function: taking its address would be
   ambiguous if a definition above had added an overload instead. */
#define HOSTSIM_CHECK_ROW(result, name, params, args, confirmed) \
    static_assert(std::is_same<decltype(&name), result(*) params>::value, #name " differs from its row");
FX_HOST_FUNCTIONS(HOSTSIM_CHECK_ROW)
#undef HOSTSIM_CHECK_ROW
