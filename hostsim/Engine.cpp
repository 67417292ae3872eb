#include "hostsim/Engine.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "common/qz_fourcc.h"
#include "common/qz_host_document.h"
#include "common/qz_host_versions.h"
#include "hostsim/SeedBuilder.h"
#include "hostsim/TagRules.h"

namespace hostsim
{

namespace
{
constexpr uint32_t kSOIu = QZ_FOURCC("SOIu");
} // namespace

Engine& Engine::instance()
{
    static Engine engine;
    return engine;
}

Engine::Engine() { reset(); }

Engine::~Engine() { removeTempFolder(); }

void Engine::reset()
{
    hostVersion = qz::kHostVersion19;
    strict = false;
    policy = AllocationPolicy::Next;
    compaction = true;
    partScopedTags = {QZ_FOURCC("SOIu"), QZ_FOURCC("dtLP")};
    autoNumberedNames = true;
    selectionGarbage = false;
    machO = true;
    refuseEditStarts = 0;
    refusedStarts = 0;
    docs_.clear();
    setCurrent(0);
    nextDocId_ = 1; // a reset starts a new host session
    log.clear();
    failures.clear();
    folders_.clear();
    removeTempFolder();
    fonts = {{0, "Times New Roman"}, {1, "Sim Music"}, {2, "Sim Sans"}};
    urlsHandedOut = 0;
    clipTokens = 0;
    savedFrame.clear();
    dialogAnswer = 0;
    dialogChanged = -1;
    windowInfo = WindowInfo();
    pluginCall_ = false;
    haveMainThread_ = false;
}

/* ---- documents ---- */

void Engine::setCurrent(int16_t id)
{
    currentDoc_ = id;
    current_ = document(id);
}

Document* Engine::document(int16_t id)
{
    auto it = docs_.find(id);
    return it == docs_.end() ? nullptr : it->second.get();
}

int16_t Engine::newDocument(Seed seed)
{
    int16_t id = nextDocId_++;
    std::unique_ptr<Document> doc;
    switch (seed) {
    case Seed::Test: doc = SeedBuilder::test(id, hostVersion, false); break;
    case Seed::TestWithCategory: doc = SeedBuilder::test(id, hostVersion, true); break;
    case Seed::Demo: doc = SeedBuilder::demo(id, hostVersion); break;
    default: doc = SeedBuilder::empty(id); break;
    }
    docs_[id] = std::move(doc);
    setCurrent(id);
    return id;
}

int16_t Engine::adopt(std::unique_ptr<Document> doc)
{
    int16_t id = nextDocId_++;
    auto fresh = std::make_unique<Document>(id);
    fresh->title = doc->title;
    fresh->path = doc->path;
    fresh->measures = doc->measures;
    fresh->parts = doc->parts;
    fresh->currentPart = doc->currentPart;
    fresh->selection = doc->selection;
    fresh->view = doc->view;
    fresh->musicFont = doc->musicFont;
    for (const auto& [rid, bytes] : doc->store().records())
        fresh->store().restore(rid, bytes);
    fresh->store().restoreCounters(doc->store().counters());
    docs_[id] = std::move(fresh);
    setCurrent(id);
    return id;
}

bool Engine::closeDocument(int16_t id)
{
    auto it = docs_.find(id);
    if (it == docs_.end())
        return false;
    docs_.erase(it);
    if (currentDoc_ == id)
        setCurrent(docs_.empty() ? 0 : docs_.begin()->first);
    return true;
}

bool Engine::setCurrentDocument(int16_t id, Origin origin)
{
    if (!document(id))
        return false;
    Document* old = current();
    if (old && old->editDepth() && id != currentDoc_)
        violation(Severity::Warning, "document switch to " + std::to_string(id) +
                                         " while an edit is open in document " + std::to_string(currentDoc_));
    (void)origin;
    setCurrent(id);
    return true;
}

int16_t Engine::nextDocumentId(int16_t id) const
{
    auto it = docs_.upper_bound(id);
    return it == docs_.end() ? 0 : it->first;
}

int16_t Engine::scopeFor(uint32_t tag, const Document& doc) const
{
    return partScopedTags.count(tag) ? doc.currentPart : int16_t(-1);
}

RecordId Engine::idFor(uint32_t tag, const RecordKey& key, const Document& doc) const
{
    return RecordId{scopeFor(tag, doc), tag, key};
}

RecordId Engine::idFor(uint32_t tag, const RecordKey& key, int16_t part) const
{
    return RecordId{partScopedTags.count(tag) ? part : int16_t(-1), tag, key};
}

std::string Engine::describeOp(const char* op, const RecordId& id) const
{
    std::string s = std::string(op) + " '" + tagChars(id.tag) + "' " + id.key.toString(TagRules::shape(id.tag));
    if (id.scope >= 0)
        s += " part " + std::to_string(id.scope);
    return s;
}

void Engine::checkStaffSetWrite(const Document& doc, const RecordId& id, Origin origin)
{
    if (origin == Origin::Plugin && id.tag == kSOIu && qz::IsStaffSetItem(id.key.words[0]) && doc.currentPart != 0)
        violation(Severity::Error, describeOp("staff set written outside the score:", id));
}

void Engine::write(Document& doc, const RecordId& id, Bytes bytes, Origin origin, const char* op)
{
    checkStaffSetWrite(doc, id, origin);
    doc.store().put(id, std::move(bytes));
    journal(doc, describeOp(op, id), origin);
}

void Engine::journal(Document& doc, const std::string& text, Origin origin)
{
    if (doc.noteOp(text))
        return;
    EditEntry e;
    e.document = doc.id();
    e.outcome = origin == Origin::Plugin ? EditOutcome::Unbracketed : EditOutcome::External;
    e.ops.push_back(text);
    log.addEdit(std::move(e));
    if (origin == Origin::Plugin) {
        doc.dirty = true;
        violation(Severity::Error, "unbracketed write: " + text);
    }
}

bool Engine::remove(Document& doc, const RecordId& id, Origin origin)
{
    checkStaffSetWrite(doc, id, origin);
    KeyShape shape = TagRules::shape(id.tag);
    bool compacts =
        compaction && (shape == KeyShape::Incident || shape == KeyShape::CellDetail || shape == KeyShape::Detail);
    bool done = compacts ? doc.store().eraseCompacting(id, RecordKey::wordCount(shape) - 1) : doc.store().erase(id);
    if (!done)
        return false;
    journal(doc, describeOp("delete", id), origin);
    return true;
}

/* ---- edits ---- */

bool Engine::startEdit(const std::string& name)
{
    Document* doc = current();
    if (!doc)
        return false;
    if (refuseEditStarts > 0) {
        --refuseEditStarts;
        ++refusedStarts;
        ++pluginCallRefused_;
        return false;
    }
    doc->startEdit(name);
    return true;
}

bool Engine::endEdit(bool commit)
{
    Document* doc = current();
    if (!doc || !doc->editDepth()) {
        if (refusedStarts > 0)
            --refusedStarts; // the bracket of a refused start: legal
        else
            violation(Severity::Error, std::string(commit ? "end" : "cancel") + " with no open edit");
        return false;
    }
    size_t depth = doc->editDepth();
    std::optional<EditFrame> f = commit ? doc->endEdit() : doc->cancelEdit();
    EditEntry e;
    e.name = f->name;
    e.document = doc->id();
    e.outcome = commit ? EditOutcome::Committed : EditOutcome::Cancelled;
    e.depth = int32_t(depth);
    e.ops.assign(f->ops.begin(), f->ops.end());
    log.addEdit(std::move(e));
    return true;
}

/* ---- checks ---- */

void Engine::violation(Severity s, const std::string& text)
{
    if (strict)
        log.addViolation(s, text);
}

void Engine::checkThread(const char* function)
{
    if (!haveMainThread_) {
        setMainThread();
        return;
    }
    if (std::this_thread::get_id() != mainThread_)
        violation(Severity::Error, std::string(function) + " called off the main thread");
}

void Engine::driverCall(const char* function)
{
    if (pluginCall_)
        violation(Severity::Error,
                  std::string(function) + " called during the plug-in call \"" + pluginCallName_ + "\"");
}

void Engine::beginPluginCall(const std::string& what)
{
    pluginCall_ = true;
    pluginCallName_ = what;
    pluginCallDoc_ = currentDoc_;
    Document* doc = current();
    pluginCallPart_ = doc ? doc->currentPart : 0;
    pluginCallRefused_ = 0;
    partSwitches = 0;
}

void Engine::endPluginCall(int32_t pluginEditDepth)
{
    if (!pluginCall_)
        return;
    pluginCall_ = false;
    Document* doc = current();
    const std::string where = " at the end of \"" + pluginCallName_ + "\"";
    int32_t depth = doc ? int32_t(doc->editDepth()) : 0;
    if (depth)
        violation(Severity::Error, std::to_string(depth) + " edit(s) left open" + where);
    if (doc && currentDoc_ == pluginCallDoc_ && doc->currentPart != pluginCallPart_)
        violation(Severity::Error, "current part is " + std::to_string(doc->currentPart) + ", was " +
                                       std::to_string(pluginCallPart_) + where);
    if (partSwitches)
        violation(Severity::Info, std::to_string(partSwitches) + " part switch(es)" + where);
    if (pluginEditDepth >= 0 && pluginCallRefused_ == 0 && pluginEditDepth != depth)
        violation(Severity::Error, "plug-in edit depth " + std::to_string(pluginEditDepth) +
                                       " differs from the host's " + std::to_string(depth) + where);
}

/* ---- folders and fonts ---- */

void Engine::setFolder(int16_t selector, const std::string& path)
{
    if (path.empty())
        folders_.erase(selector);
    else
        folders_[selector] = path;
}

std::string Engine::useUserPreferences()
{
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    std::string base = config && *config ? config : home && *home ? std::string(home) + "/.config" : "";
    if (base.empty())
        return {};
    std::string path = base + "/qzhost";
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (ec)
        return {};
    setFolder(qz::kPreferencesFolder, path);
    return path;
}

std::string Engine::folder(int16_t selector)
{
    auto it = folders_.find(selector);
    if (it != folders_.end())
        return it->second;
    if (selector != qz::kPreferencesFolder)
        return {};
    if (tempFolder_.empty()) {
        std::error_code ec;
        std::string base = std::filesystem::temp_directory_path(ec).string();
        if (ec)
            base = "/tmp";
        std::string templ = base + "/hostsim-prefs-XXXXXX";
        if (char* made = mkdtemp(templ.data()))
            tempFolder_ = made;
    }
    return tempFolder_;
}

void Engine::removeTempFolder()
{
    if (tempFolder_.empty())
        return;
    std::error_code ec;
    std::filesystem::remove_all(tempFolder_, ec);
    tempFolder_.clear();
}

int16_t Engine::fontNumber(const std::string& name)
{
    for (const auto& [number, fontName] : fonts)
        if (fontName == name)
            return number;
    int16_t number = fonts.empty() ? 0 : int16_t(fonts.rbegin()->first + 1);
    fonts[number] = name;
    return number;
}

} // namespace hostsim
