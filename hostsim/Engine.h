#ifndef HOSTSIM_ENGINE_H
#define HOSTSIM_ENGINE_H

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "hostsim/Document.h"
#include "common/qz_host_versions.h"
#include "hostsim/FailureInjector.h"
#include "hostsim/HostLog.h"
#include "hostsim/RecordStore.h"

namespace hostsim
{

/* Who asked for a change: the plug-in (through an FX_ function) or the driver. */
enum class Origin : uint8_t
{
    Plugin,
    Driver
};

enum class Seed : int
{
    Empty = 0,
    Test = 1,
    TestWithCategory = 2,
    Demo = 3
};

/* The whole simulated host: its documents, settings, logs and injected
   failures. One per process. */
class Engine
{
public:
    static Engine& instance();
    Engine();
    ~Engine();

    void reset();

    /* ---- settings ---- */
    uint32_t hostVersion = qz::kHostVersion19;
    bool strict = false;
    AllocationPolicy policy = AllocationPolicy::Next;
    bool compaction = true;
    std::set<uint32_t> partScopedTags;
    bool autoNumberedNames = true;
    bool selectionGarbage = false;
    bool machO = true;
    int32_t refuseEditStarts = 0; // refuse the next N edit starts
    int32_t refusedStarts = 0;    // refused starts not yet matched by End/Cancel

    /* ---- documents ---- */
    Document* current() { return current_; }
    Document* document(int16_t id);
    const std::map<int16_t, std::unique_ptr<Document>>& documents() const { return docs_; }
    int16_t currentId() const { return currentDoc_; }
    int16_t newDocument(Seed seed);
    /* Takes a document built elsewhere (a file); it becomes current. */
    int16_t adopt(std::unique_ptr<Document> doc);
    bool closeDocument(int16_t id);
    bool setCurrentDocument(int16_t id, Origin origin);
    /* Next open document id after `id` (0 = from the start), 0 at the end. */
    int16_t nextDocumentId(int16_t id) const;

    int16_t scopeFor(uint32_t tag, const Document& doc) const;
    RecordId idFor(uint32_t tag, const RecordKey& key, const Document& doc) const;
    RecordId idFor(uint32_t tag, const RecordKey& key, int16_t part) const;

    /* Writes journaled into the open edit, or logged as unbracketed / external. */
    void write(Document& doc, const RecordId& id, Bytes bytes, Origin origin, const char* op);
    bool remove(Document& doc, const RecordId& id, Origin origin);
    std::string describeOp(const char* op, const RecordId& id) const;
    size_t partSwitches = 0; // FX_SetCurrentPartID calls in the running plug-in call

    /* ---- edits ---- */
    bool startEdit(const std::string& name);
    bool endEdit(bool commit);

    /* ---- checks and logs ---- */
    HostLog log;
    FailureInjector failures;
    void violation(Severity s, const std::string& text);
    void checkThread(const char* function);
    void driverCall(const char* function);
    void beginPluginCall(const std::string& what);
    void endPluginCall(int32_t pluginEditDepth);
    bool inPluginCall() const { return pluginCall_; }
    void setMainThread()
    {
        mainThread_ = std::this_thread::get_id();
        haveMainThread_ = true;
    }

    /* ---- folders, fonts, URLs ---- */
    void setFolder(int16_t selector, const std::string& path);
    /* Points selector 16 at the user's own preferences folder
       ($XDG_CONFIG_HOME/qzhost, else ~/.config/qzhost), made when
       missing; "" when there is no home to put it in. */
    std::string useUserPreferences();
    std::string folder(int16_t selector);
    std::map<int16_t, std::string> fonts;
    int16_t fontNumber(const std::string& name);
    size_t urlsHandedOut = 0;
    int32_t clipTokens = 0;
    Bytes savedFrame;           // entries of the last frame the plug-in saved
    int32_t dialogAnswer = 0;   // scripted answer of the host's selection dialogs
    int32_t dialogChanged = -1; // change flag of the selection dialogs; -1: answer != preselected

    /* ---- the document window ---- */
    struct WindowInfo
    {
        bool known = false; // false: FX_GetCurrentWindowInfo refuses
        bool pageView = false;
        int16_t page = 0, measure = 0, zoom = 100;
        intptr_t window = 0;
    };
    WindowInfo windowInfo;

private:
    void setCurrent(int16_t id);

    std::map<int16_t, std::unique_ptr<Document>> docs_;
    int16_t currentDoc_ = 0;
    Document* current_ = nullptr; /* the document of currentDoc_, or null */
    int16_t nextDocId_ = 1;
    std::map<int16_t, std::string> folders_;
    std::string tempFolder_;
    bool pluginCall_ = false;
    std::string pluginCallName_;
    int16_t pluginCallPart_ = 0;
    int16_t pluginCallDoc_ = 0;
    int32_t pluginCallRefused_ = 0;
    std::thread::id mainThread_;
    bool haveMainThread_ = false;

    void removeTempFolder();
    void checkStaffSetWrite(const Document& doc, const RecordId& id, Origin origin);
    void journal(Document& doc, const std::string& text, Origin origin);
};

} // namespace hostsim

#endif
