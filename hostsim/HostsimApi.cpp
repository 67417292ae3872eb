/* The driver control API (hostsim_api.h) over the engine. */

#include "hostsim/hostsim_api.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/qz_fourcc.h"
#include "common/qz_score_file.h"
#include "hostsim/ContentWriter.h"
#include "hostsim/DocumentDescriber.h"
#include "hostsim/DocumentFile.h"
#include "hostsim/DocumentReader.h"
#include "hostsim/DriverCall.h"
#include "hostsim/Engine.h"
#include "hostsim/LargeScoreBuilder.h"
#include "hostsim/MusicXmlImport.h"
#include "hostsim/MusicXmlSource.h"
#include "hostsim/TagRules.h"
#include "platform/qz_bundle_id.h"

using namespace hostsim;

/* The engine bundle: the plug-in's bundle lookup finds this module by it. */
QZ_DEFINE_BUNDLE_IDENTIFIER(QZ_ENGINE_BUNDLE_ID);

namespace
{

void copyError(const std::string& msg, char* error, size_t size)
{
    if (!error || !size)
        return;
    size_t n = std::min(msg.size(), size - 1);
    std::memcpy(error, msg.data(), n);
    error[n] = 0;
}

Region toRegion(const hostsim_region& r)
{
    return Region{r.startList, r.startSlot, r.startMeasure, r.startPos, r.endList, r.endSlot, r.endMeasure, r.endPos};
}

hostsim_region fromRegion(const Region& r)
{
    return hostsim_region{r.startList, r.startSlot, r.startMeasure, r.startPos,
                          r.endList,   r.endSlot,   r.endMeasure,   r.endPos};
}

RecordKey keyOf(uint32_t tag, const int16_t* key) { return RecordKey::read(TagRules::shape(tag), key); }

} // namespace

/* ---- lifecycle ---- */

void hostsim_reset(void) { driver("hostsim_reset").reset(); }
void hostsim_set_profile(uint32_t hostVersion) { driver("hostsim_set_profile").hostVersion = hostVersion; }
uint32_t hostsim_profile(void) { return driver("hostsim_profile").hostVersion; }
void hostsim_set_strict(int on) { driver("hostsim_set_strict").strict = on != 0; }
void hostsim_set_allocation_policy(int policy)
{
    driver("hostsim_set_allocation_policy").policy =
        policy == HOSTSIM_ALLOC_LOWEST_FREE ? AllocationPolicy::LowestFree : AllocationPolicy::Next;
}
void hostsim_set_incident_compaction(int on) { driver("hostsim_set_incident_compaction").compaction = on != 0; }
void hostsim_set_part_scoped(uint32_t tag, int on)
{
    Engine& e = driver("hostsim_set_part_scoped");
    if (on)
        e.partScopedTags.insert(tag);
    else
        e.partScopedTags.erase(tag);
}
void hostsim_set_main_thread(void) { driver("hostsim_set_main_thread").setMainThread(); }
void hostsim_begin_plugin_call(const char* what)
{
    driver("hostsim_begin_plugin_call").beginPluginCall(what ? what : "plug-in call");
}
void hostsim_end_plugin_call(int32_t pluginEditDepth) { Engine::instance().endPluginCall(pluginEditDepth); }

/* ---- documents and parts ---- */

int16_t hostsim_new_document(int seed)
{
    Engine& e = driver("hostsim_new_document");
    int s = seed >= HOSTSIM_SEED_EMPTY && seed <= HOSTSIM_SEED_DEMO ? seed : HOSTSIM_SEED_EMPTY;
    return e.newDocument(static_cast<Seed>(s));
}

int16_t hostsim_new_large_document(const hostsim_large_score* sizes, char* error, size_t errorSize)
{
    Engine& e = driver("hostsim_new_large_document");
    if (!sizes) {
        copyError("no sizes given", error, errorSize);
        return 0;
    }
    LargeScoreSpec request;
    request.staves = sizes->staves;
    request.measures = sizes->measures;
    request.expressions = sizes->expressions;
    request.staffSets = sizes->staffSets;
    request.seed = sizes->seed;
    std::string msg;
    std::unique_ptr<Document> doc = LargeScoreBuilder::build(0, e.hostVersion, request, msg);
    if (!doc) {
        copyError(msg, error, errorSize);
        return 0;
    }
    return e.adopt(std::move(doc));
}

int hostsim_close_document(int16_t id) { return driver("hostsim_close_document").closeDocument(id) ? 1 : 0; }

int hostsim_set_current_document(int16_t id)
{
    return driver("hostsim_set_current_document").setCurrentDocument(id, Origin::Driver) ? 1 : 0;
}

int16_t hostsim_current_document(void) { return driver("hostsim_current_document").currentId(); }

int hostsim_add_part(int16_t docId, int16_t partId, const char* name, const int16_t* staves, const int32_t* distances,
                     size_t count)
{
    Engine& e = driver("hostsim_add_part");
    Document* doc = e.document(docId);
    if (!doc || partId <= 0 || doc->part(partId) || (count && (!staves || !distances)))
        return 0;
    doc->parts.push_back(PartInfo{partId, name ? name : "Part " + std::to_string(partId), uint16_t(partId)});
    std::vector<StaffEntry> list;
    for (size_t i = 0; i < count; ++i)
        list.push_back(StaffEntry{staves[i], distances[i], 100});
    writerFor(e, *doc).staffList(partId, 0, list);
    return 1;
}

int hostsim_set_current_part(int16_t partId)
{
    Document* doc = driver("hostsim_set_current_part").current();
    if (!doc || !doc->part(partId))
        return 0;
    doc->currentPart = partId;
    return 1;
}

int16_t hostsim_current_part(void)
{
    Document* doc = driver("hostsim_current_part").current();
    return doc ? doc->currentPart : 0;
}

int hostsim_set_measures(int16_t count)
{
    Document* doc = driver("hostsim_set_measures").current();
    if (!doc || count < 0)
        return 0;
    doc->measures = count;
    return 1;
}

namespace
{

int16_t openJson(Engine& e, const char* path, char* error, size_t errorSize)
{
    std::string msg;
    std::unique_ptr<Document> doc = path ? DocumentFile::load(path, e.hostVersion, msg) : nullptr;
    if (!doc) {
        copyError(path ? msg : "no file named", error, errorSize);
        return 0;
    }
    return e.adopt(std::move(doc));
}

int16_t importMusicXml(Engine& e, const char* path, char* error, size_t errorSize)
{
    std::string msg = "no file named";
    std::unique_ptr<Document> doc = path ? MusicXmlImport::import(path, 0, e.hostVersion, msg) : nullptr;
    if (!doc) {
        copyError(msg, error, errorSize);
        return 0;
    }
    return e.adopt(std::move(doc));
}

} // namespace

int16_t hostsim_open_document(const char* path, char* error, size_t errorSize)
{
    return openJson(driver("hostsim_open_document"), path, error, errorSize);
}

int16_t hostsim_import_musicxml(const char* path, char* error, size_t errorSize)
{
    return importMusicXml(driver("hostsim_import_musicxml"), path, error, errorSize);
}

int16_t hostsim_open_document_file(const char* path, char* error, size_t errorSize)
{
    Engine& e = driver("hostsim_open_document_file");
    if (!path) {
        copyError("no file named", error, errorSize);
        return 0;
    }
    std::string head = MusicXmlSource::head(path, 256);
    if (qz::LooksLikeMusicXml(head))
        return importMusicXml(e, path, error, errorSize);
    size_t first = head.find_first_not_of(" \t\r\n");
    if (first != std::string::npos && head[first] != '{') {
        copyError(std::string(path) + ": neither a hostsim document (JSON) nor a MusicXML file", error, errorSize);
        return 0;
    }
    return openJson(e, path, error, errorSize);
}

int hostsim_save_document(int16_t id, const char* path, char* error, size_t errorSize)
{
    Engine& e = driver("hostsim_save_document");
    Document* doc = id > 0 ? e.document(id) : e.current();
    if (!doc || !path) {
        copyError(doc ? "no file named" : "no such document", error, errorSize);
        return 0;
    }
    std::string msg;
    if (!DocumentFile::save(*doc, e.hostVersion, path, msg)) {
        copyError(msg, error, errorSize);
        return 0;
    }
    doc->path = path;
    doc->dirty = false;
    return 1;
}

const char* hostsim_describe_document(int16_t id)
{
    static std::string text;
    Engine& e = driver("hostsim_describe_document");
    Document* doc = id > 0 ? e.document(id) : e.current();
    return keep(text, doc ? DocumentDescriber::describe(*doc, e.hostVersion) : std::string());
}

namespace
{

/* Writes bytes one after the other into a buffer that only grows, so that
   an image made again and again allocates nothing once it has its size. */
class ImageWriter
{
public:
    explicit ImageWriter(Bytes& buffer) : buffer_(buffer) {}
    void put(const void* data, size_t size)
    {
        if (used_ + size > buffer_.size())
            buffer_.resize(std::max(buffer_.size() * 2, used_ + size));
        std::memcpy(buffer_.data() + used_, data, size);
        used_ += size;
    }
    size_t used() const { return used_; }

private:
    Bytes& buffer_;
    size_t used_ = 0;
};

} // namespace

const uint8_t* hostsim_document_image(int16_t id, size_t* size)
{
    static Bytes image;
    static size_t used = 0;
    static uint64_t imageStamp = 0; /* the store the image shows, 0 for none */
    Engine& e = driver("hostsim_document_image");
    Document* doc = id > 0 ? e.document(id) : e.current();
    if (!doc) {
        used = 0;
        imageStamp = 0;
    }
    else if (doc->store().stamp() != imageStamp) {
        /* Each record: scope, tag, key words, size, bytes; then the counters. */
        ImageWriter out(image);
        for (const auto& record : doc->store().records()) {
            const RecordId& rid = record.first;
            const uint32_t length = static_cast<uint32_t>(record.second.size());
            out.put(&rid.scope, sizeof rid.scope);
            out.put(&rid.tag, sizeof rid.tag);
            out.put(rid.key.words.data(), sizeof(uint16_t) * rid.key.words.size());
            out.put(&length, sizeof length);
            out.put(record.second.data(), record.second.size());
        }
        for (const auto& counter : doc->store().counters()) {
            out.put(&counter.first.first, sizeof counter.first.first);
            out.put(&counter.first.second, sizeof counter.first.second);
            out.put(&counter.second, sizeof counter.second);
        }
        used = out.used();
        imageStamp = doc->store().stamp();
    }
    if (size)
        *size = used;
    return image.data();
}

/* ---- content ---- */

int hostsim_add_staff(int16_t number, const char* fullName, const char* abbrName)
{
    Engine& e = driver("hostsim_add_staff");
    Document* doc = e.current();
    if (!doc || number <= 0)
        return 0;
    writerFor(e, *doc).staff(number, fullName ? fullName : "", abbrName ? abbrName : "");
    return 1;
}

int hostsim_put_staff_list(uint16_t item, const hostsim_staff_entry* entries, size_t count)
{
    Engine& e = driver("hostsim_put_staff_list");
    Document* doc = e.current();
    if (!doc || (count && !entries))
        return 0;
    std::vector<StaffEntry> list;
    for (size_t i = 0; i < count; ++i)
        list.push_back(StaffEntry{entries[i].staff, entries[i].distance, entries[i].resize});
    writerFor(e, *doc).staffList(e.scopeFor(QZ_FOURCC("SOIu"), *doc), item, list);
    return 1;
}

int hostsim_put_category(int16_t item, int16_t categoryId, const char* name)
{
    Engine& e = driver("hostsim_put_category");
    Document* doc = e.current();
    if (!doc || item <= 0 || !name)
        return 0;
    writerFor(e, *doc).category(item, categoryId, name);
    return 1;
}

int16_t hostsim_put_text_expression(int16_t item, int16_t categoryId, const char* description, const char* text,
                                    uint16_t flags)
{
    Engine& e = driver("hostsim_put_text_expression");
    Document* doc = e.current();
    if (!doc)
        return 0;
    return writerFor(e, *doc).textExpression(item, categoryId, description ? description : "", text ? text : "", flags);
}

int hostsim_put_other(uint32_t tag, const int16_t* key, const void* bytes, uint32_t size)
{
    Engine& e = driver("hostsim_put_other");
    Document* doc = e.current();
    if (!doc || !key || (size && !bytes))
        return 0;
    const auto* p = static_cast<const uint8_t*>(bytes);
    e.write(*doc, e.idFor(tag, keyOf(tag, key), *doc), Bytes(p, p + size), Origin::Driver, "put");
    return 1;
}

int hostsim_delete_record(uint32_t tag, const int16_t* key)
{
    Engine& e = driver("hostsim_delete_record");
    Document* doc = e.current();
    if (!doc || !key)
        return 0;
    return e.remove(*doc, e.idFor(tag, keyOf(tag, key), *doc), Origin::Driver) ? 1 : 0;
}

/* ---- reading back ---- */

namespace
{

Document* readable(Engine& e, int16_t& part)
{
    Document* doc = e.current();
    if (doc && part < 0)
        part = doc->currentPart;
    return doc;
}

} // namespace

int hostsim_get_record(uint32_t tag, const int16_t* key, int16_t part, void* bytes, uint32_t* size)
{
    Engine& e = driver("hostsim_get_record");
    Document* doc = readable(e, part);
    if (!doc || !key || !size)
        return 0;
    const Bytes* rec = doc->store().find(e.idFor(tag, keyOf(tag, key), part));
    if (!rec)
        return 0;
    if (bytes)
        std::memcpy(bytes, rec->data(), std::min<size_t>(*size, rec->size()));
    *size = uint32_t(rec->size());
    return 1;
}

size_t hostsim_list_records(uint32_t tag, int16_t part, int16_t (*keys)[3], size_t capacity)
{
    Engine& e = driver("hostsim_list_records");
    Document* doc = readable(e, part);
    if (!doc)
        return 0;
    std::vector<RecordId> ids = doc->store().list(e.idFor(tag, RecordKey(), part).scope, tag);
    for (size_t i = 0; keys && i < std::min(capacity, ids.size()); ++i)
        for (size_t k = 0; k < 3; ++k)
            keys[i][k] = ids[i].key.part(k);
    return ids.size();
}

size_t hostsim_record_count(void)
{
    Document* doc = driver("hostsim_record_count").current();
    return doc ? doc->store().size() : 0;
}

size_t hostsim_staff_list(uint16_t item, int16_t part, hostsim_staff_entry* out, size_t capacity)
{
    Engine& e = driver("hostsim_staff_list");
    Document* doc = readable(e, part);
    if (!doc)
        return 0;
    std::vector<StaffEntry> list =
        DocumentReader(*doc, e.hostVersion).staffList(e.idFor(QZ_FOURCC("SOIu"), RecordKey(), part).scope, item);
    for (size_t i = 0; out && i < std::min(capacity, list.size()); ++i)
        out[i] = hostsim_staff_entry{list[i].staff, list[i].distance, list[i].resize};
    return list.size();
}

namespace
{
std::vector<ExpressionInfo>& expressionCache()
{
    static std::vector<ExpressionInfo> cache;
    return cache;
}
} // namespace

size_t hostsim_expression_count(void)
{
    Engine& e = driver("hostsim_expression_count");
    Document* doc = e.current();
    expressionCache() = doc ? DocumentReader(*doc, e.hostVersion).expressions() : std::vector<ExpressionInfo>();
    return expressionCache().size();
}

int hostsim_expression_at(size_t index, hostsim_expression* out)
{
    driver("hostsim_expression_at");
    if (!out || index >= expressionCache().size())
        return 0;
    const ExpressionInfo& x = expressionCache()[index];
    *out = hostsim_expression{x.item, x.textBlock, x.categoryWord, x.flags, x.description.c_str(), x.text.c_str()};
    return 1;
}

namespace
{
std::vector<GroupSpan>& groupCache()
{
    static std::vector<GroupSpan> cache;
    return cache;
}
} // namespace

size_t hostsim_group_count(void)
{
    Engine& e = driver("hostsim_group_count");
    Document* doc = e.current();
    groupCache() = doc ? DocumentReader(*doc, e.hostVersion).groups() : std::vector<GroupSpan>();
    return groupCache().size();
}

int hostsim_group_at(size_t index, hostsim_group* out)
{
    driver("hostsim_group_at");
    if (!out || index >= groupCache().size())
        return 0;
    const GroupSpan& g = groupCache()[index];
    *out =
        hostsim_group{g.number, g.startStaff, g.endStaff, int16_t(g.bracket), g.fullName.c_str(), g.abbrName.c_str()};
    return 1;
}

const char* hostsim_staff_name(int16_t staff, int full)
{
    static std::string text;
    Engine& e = driver("hostsim_staff_name");
    Document* doc = e.current();
    return keep(text, doc ? DocumentReader(*doc, e.hostVersion).staffName(staff, full != 0) : std::string());
}

hostsim_view hostsim_view_state(void)
{
    Document* doc = driver("hostsim_view_state").current();
    if (!doc)
        return hostsim_view{HOSTSIM_VIEW_PAGE, 0};
    return hostsim_view{doc->view.mode == ViewMode::Scroll ? HOSTSIM_VIEW_SCROLL : HOSTSIM_VIEW_PAGE,
                        doc->view.displayedStaffSet};
}

int hostsim_dirty(int16_t docId)
{
    Document* doc = driver("hostsim_dirty").document(docId);
    return doc && doc->dirty ? 1 : 0;
}

int32_t hostsim_counter(uint32_t tag, int16_t part)
{
    Engine& e = driver("hostsim_counter");
    Document* doc = readable(e, part);
    if (!doc)
        return -1;
    const auto& c = doc->store().counters();
    auto it = c.find({e.idFor(tag, RecordKey(), part).scope, tag});
    return it == c.end() ? -1 : it->second;
}

int32_t hostsim_open_edit_depth(void)
{
    Document* doc = driver("hostsim_open_edit_depth").current();
    return doc ? int32_t(doc->editDepth()) : 0;
}

/* ---- logs ---- */

size_t hostsim_call_log_count(void) { return driver("hostsim_call_log_count").log.calls.size(); }

int hostsim_call_log_entry(size_t index, hostsim_call* out)
{
    auto& calls = driver("hostsim_call_log_entry").log.calls;
    if (!out || index >= calls.size())
        return 0;
    CallEntry& c = calls[index];
    HostLog::textOf(c);
    *out = hostsim_call{c.seq,          c.function.c_str(), c.tag,         {c.key[0], c.key[1], c.key[2]},
                        c.keyParts,     c.sizeIn,           c.sizeOut,     c.version,
                        c.result,       c.document,         c.part,        c.editDepth,
                        c.inPluginCall, c.createdBySave,    c.text.c_str()};
    return 1;
}

size_t hostsim_call_count(const char* function)
{
    const auto& calls = driver("hostsim_call_count").log.calls;
    if (!function)
        return calls.size();
    return size_t(
        std::count_if(calls.begin(), calls.end(), [&](const CallEntry& c) { return c.function == function; }));
}

const char* hostsim_call_log_text(void)
{
    static std::string text;
    return keep(text, driver("hostsim_call_log_text").log.callsText());
}

void hostsim_clear_call_log(void) { driver("hostsim_clear_call_log").log.calls.clear(); }

void hostsim_keep_call_log(int keep) { driver("hostsim_keep_call_log").log.keepCalls(keep != 0); }

namespace
{

/* Edits still open, listed after the finished ones; rebuilt by the count. */
std::deque<EditEntry>& openEdits()
{
    static std::deque<EditEntry> open;
    return open;
}

} // namespace

size_t hostsim_edit_log_count(void)
{
    Engine& e = driver("hostsim_edit_log_count");
    HostLog scratch;
    if (const Document* doc = e.current())
        for (const EditFrame& f : doc->openEdits())
            scratch.addEdit(EditEntry{f.name,
                                      doc->id(),
                                      EditOutcome::Open,
                                      int32_t(f.depth),
                                      std::deque<std::string>(f.ops.begin(), f.ops.end()),
                                      {}});
    openEdits() = std::move(scratch.edits);
    return e.log.edits.size() + openEdits().size();
}

int hostsim_edit_log_entry(size_t index, hostsim_edit* out)
{
    const auto& edits = driver("hostsim_edit_log_entry").log.edits;
    if (!out || index >= edits.size() + openEdits().size())
        return 0;
    const EditEntry& x = index < edits.size() ? edits[index] : openEdits()[index - edits.size()];
    *out = hostsim_edit{x.name.c_str(), x.document, int32_t(x.outcome), x.depth, int32_t(x.ops.size()), x.text.c_str()};
    return 1;
}

void hostsim_clear_edit_log(void) { driver("hostsim_clear_edit_log").log.edits.clear(); }

size_t hostsim_menu_log_count(void) { return driver("hostsim_menu_log_count").log.menus.size(); }

int hostsim_menu_log_entry(size_t index, hostsim_menu* out)
{
    const auto& menus = driver("hostsim_menu_log_entry").log.menus;
    if (!out || index >= menus.size())
        return 0;
    const MenuEntry& m = menus[index];
    *out =
        hostsim_menu{m.seq, m.code, {m.chars[0], m.chars[1], m.chars[2], m.chars[3], 0}, m.document, m.part, m.result};
    return 1;
}

void hostsim_clear_menu_log(void) { driver("hostsim_clear_menu_log").log.menus.clear(); }

size_t hostsim_redraw_count(void) { return driver("hostsim_redraw_count").log.redraws.size(); }

int hostsim_last_redraw(hostsim_region* out)
{
    const auto& redraws = driver("hostsim_last_redraw").log.redraws;
    if (!out || redraws.empty())
        return 0;
    *out = fromRegion(redraws.back());
    return 1;
}

size_t hostsim_alert_count(void) { return driver("hostsim_alert_count").log.alerts.size(); }

const char* hostsim_alert_text(size_t index)
{
    const auto& alerts = driver("hostsim_alert_text").log.alerts;
    return index < alerts.size() ? alerts[index].c_str() : nullptr;
}

size_t hostsim_urls_handed_out(void) { return driver("hostsim_urls_handed_out").urlsHandedOut; }

size_t hostsim_saved_frame(void* bytes, size_t capacity)
{
    const Bytes& f = driver("hostsim_saved_frame").savedFrame;
    if (bytes)
        std::memcpy(bytes, f.data(), std::min(capacity, f.size()));
    return f.size();
}

/* ---- violations ---- */

size_t hostsim_violation_count(int minSeverity)
{
    return Engine::instance().log.countViolations(static_cast<Severity>(std::clamp(minSeverity, 0, 2)));
}

int hostsim_violation_at(size_t index, hostsim_violation* out)
{
    const auto& v = Engine::instance().log.violations;
    if (!out || index >= v.size())
        return 0;
    *out = hostsim_violation{int32_t(v[index].severity), v[index].text.c_str()};
    return 1;
}

const char* hostsim_violations_text(int minSeverity)
{
    static std::string text;
    return keep(text, Engine::instance().log.violationsText(static_cast<Severity>(std::clamp(minSeverity, 0, 2))));
}

void hostsim_clear_violations(void) { Engine::instance().log.violations.clear(); }

/* ---- undo ---- */

int hostsim_undo(void)
{
    Document* doc = driver("hostsim_undo").current();
    return doc && doc->undo() ? 1 : 0;
}

int hostsim_redo(void)
{
    Document* doc = driver("hostsim_redo").current();
    return doc && doc->redo() ? 1 : 0;
}

size_t hostsim_undo_depth(void)
{
    Document* doc = driver("hostsim_undo_depth").current();
    return doc ? doc->undoSteps().size() : 0;
}

size_t hostsim_redo_depth(void)
{
    Document* doc = driver("hostsim_redo_depth").current();
    return doc ? doc->redoSteps().size() : 0;
}

namespace
{

/* The name of the step the next undo (or redo) would take back, "" when
   there is none. */
const char* nextStepName(const char* function, bool redo)
{
    static std::string text[2];
    std::string name;
    if (const Document* doc = driver(function).current()) {
        const std::vector<UndoStep>& steps = redo ? doc->redoSteps() : doc->undoSteps();
        if (!steps.empty())
            name = steps.back().name;
    }
    return keep(text[redo ? 1 : 0], std::move(name));
}

} // namespace

const char* hostsim_undo_name(void) { return nextStepName("hostsim_undo_name", false); }

const char* hostsim_redo_name(void) { return nextStepName("hostsim_redo_name", true); }

/* ---- selection ---- */

int hostsim_set_selection(const hostsim_region* region)
{
    Engine& e = driver("hostsim_set_selection");
    Document* doc = e.current();
    if (!doc || !region)
        return 0;
    Region r = toRegion(*region);
    size_t count =
        DocumentReader(*doc, e.hostVersion).staffList(e.scopeFor(QZ_FOURCC("SOIu"), *doc), r.startList).size();
    if (r.startSlot < 1 || size_t(r.endSlot) > count || r.startSlot > r.endSlot)
        e.violation(Severity::Info, "selection slots " + std::to_string(r.startSlot) + " to " +
                                        std::to_string(r.endSlot) + " outside 1 to " + std::to_string(count));
    doc->selection = r;
    return 1;
}

int hostsim_clear_selection(void)
{
    Document* doc = driver("hostsim_clear_selection").current();
    if (!doc)
        return 0;
    doc->selection = Region();
    return 1;
}

int hostsim_get_selection(hostsim_region* out)
{
    Document* doc = driver("hostsim_get_selection").current();
    if (!doc || !out)
        return 0;
    *out = fromRegion(doc->selection);
    return 1;
}

/* ---- folders and fonts ---- */

int hostsim_set_folder(int16_t selector, const char* path)
{
    driver("hostsim_set_folder").setFolder(selector, path ? path : "");
    return 1;
}

const char* hostsim_folder(int16_t selector)
{
    static std::string text;
    return keep(text, driver("hostsim_folder").folder(selector));
}

const char* hostsim_use_user_preferences(void)
{
    static std::string text;
    return keep(text, driver("hostsim_use_user_preferences").useUserPreferences());
}

int hostsim_set_font(int16_t number, const char* name)
{
    if (!name)
        return 0;
    driver("hostsim_set_font").fonts[number] = name;
    return 1;
}

/* ---- failure injection ---- */

void hostsim_fail(const char* function, int mode, int32_t count)
{
    Engine& e = driver("hostsim_fail");
    if (!function)
        return;
    FailMode m = mode == HOSTSIM_FAIL_MISSING  ? FailMode::Missing
                 : mode == HOSTSIM_FAIL_REFUSE ? FailMode::Refuse
                                               : FailMode::Off;
    e.failures.set(function, m, count);
}

void hostsim_fail_record(const char* function, uint32_t tag, const int16_t* key, int32_t count)
{
    Engine& e = driver("hostsim_fail_record");
    if (function && key)
        e.failures.setRecord(function, tag, keyOf(tag, key), count);
}

void hostsim_refuse_edit_start(int32_t count) { driver("hostsim_refuse_edit_start").refuseEditStarts = count; }
void hostsim_auto_numbered_names(int on) { driver("hostsim_auto_numbered_names").autoNumberedNames = on != 0; }
void hostsim_selection_garbage(int on) { driver("hostsim_selection_garbage").selectionGarbage = on != 0; }
void hostsim_set_macho(int on) { driver("hostsim_set_macho").machO = on != 0; }
void hostsim_set_dialog_answer(int32_t answer) { driver("hostsim_set_dialog_answer").dialogAnswer = answer; }

/* ---- Document window, scrolling, dialogs ---- */

void hostsim_set_window_info(const hostsim_window_info* info)
{
    Engine::WindowInfo& w = driver("hostsim_set_window_info").windowInfo;
    w = Engine::WindowInfo();
    if (!info)
        return;
    w.known = true;
    w.pageView = info->pageView != 0;
    w.page = info->page;
    w.measure = info->measure;
    w.zoom = info->zoom;
    w.window = info->window;
}

size_t hostsim_scroll_count(void) { return driver("hostsim_scroll_count").log.scrolls.size(); }

int hostsim_last_scroll(int16_t* measure, int16_t* staff)
{
    const auto& scrolls = driver("hostsim_last_scroll").log.scrolls;
    if (scrolls.empty())
        return 0;
    if (measure)
        *measure = scrolls.back().measure;
    if (staff)
        *staff = scrolls.back().staff;
    return 1;
}

void hostsim_set_dialog_changed(int32_t changed)
{
    driver("hostsim_set_dialog_changed").dialogChanged = changed < 0 ? -1 : (changed ? 1 : 0);
}

size_t hostsim_dialog_count(void) { return driver("hostsim_dialog_count").log.dialogs.size(); }

int hostsim_dialog_entry(size_t index, hostsim_dialog* out)
{
    const auto& dialogs = driver("hostsim_dialog_entry").log.dialogs;
    if (!out || index >= dialogs.size())
        return 0;
    const DialogEntry& d = dialogs[index];
    *out = hostsim_dialog{d.function.c_str(), d.kind,   d.preselected, d.window, d.fontName.c_str(), d.size, d.style,
                          d.answer,           d.changed};
    return 1;
}
