#ifndef HOSTSIM_DOCUMENT_H
#define HOSTSIM_DOCUMENT_H

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "hostsim/RecordStore.h"
#include "hostsim/Region.h"

namespace hostsim
{

struct PartInfo
{
    int16_t id = 0;
    std::string name;
    uint16_t order = 0;
};

enum class ViewMode : uint8_t
{
    Page,
    Scroll
};

struct ViewState
{
    ViewMode mode = ViewMode::Page;
    int displayedStaffSet = 0; // 0 = all staves
};

/* One open edit: its name, the first-touch image of every record it changed,
   the number counters at its start, the numbers it handed out and what it did. */
struct EditFrame
{
    std::string name;
    std::map<RecordId, std::optional<Bytes>> before;
    RecordStore::Counters counters;
    std::set<RecordId> allocated;
    std::vector<std::string> ops;
    size_t depth = 1;
};

/* One undoable step: before- and after-image of every touched record. */
struct UndoStep
{
    std::string name;
    std::map<RecordId, std::pair<std::optional<Bytes>, std::optional<Bytes>>> images;
    RecordStore::Counters countersBefore, countersAfter;
    bool empty() const { return images.empty(); }
};

/* A document of the simulated host: its records, parts, selection, view, open
   edits and undo history. */
class Document : public StoreObserver
{
public:
    explicit Document(int16_t id);
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;
    ~Document() override;

    int16_t id() const { return id_; }
    RecordStore& store() { return store_; }
    const RecordStore& store() const { return store_; }

    std::string title;
    std::string path;
    bool dirty = false;
    int16_t measures = 8;
    std::vector<PartInfo> parts{PartInfo{0, "Score", 0}};
    int16_t currentPart = 0;
    Region selection;
    ViewState view;
    struct
    {
        int16_t number = 1, size = 24, effects = 0;
    } musicFont;

    const PartInfo* part(int16_t partId) const;

    /* Edit transactions. */
    void startEdit(const std::string& name);
    size_t editDepth() const { return edits_.size(); }
    const EditFrame* innermostEdit() const { return edits_.empty() ? nullptr : &edits_.back(); }
    const std::vector<EditFrame>& openEdits() const { return edits_; }
    /* Pops the innermost edit; the outermost one becomes an undo step. */
    std::optional<EditFrame> endEdit();
    /* Rolls back everything the innermost edit changed and pops it. */
    std::optional<EditFrame> cancelEdit();
    /* Notes an operation in the innermost open edit; false when none is open. */
    bool noteOp(const std::string& op);
    /* True when the innermost edit handed out this id already. */
    bool allocatedInEdit(const RecordId& id) const;
    void markAllocated(const RecordId& id);

    bool undo();
    bool redo();
    const std::vector<UndoStep>& undoSteps() const { return undo_; }
    const std::vector<UndoStep>& redoSteps() const { return redo_; }

    void willChange(const RecordId& id, const Bytes* before) override;
    void willChangeCounters() override {}

private:
    void apply(const UndoStep& step, bool after);
    /* Applies the last step of `from` (its after-images or before-images) and moves it to `to`. */
    bool move(std::vector<UndoStep>& from, std::vector<UndoStep>& to, bool after);

    int16_t id_;
    RecordStore store_;
    std::vector<EditFrame> edits_;
    std::vector<UndoStep> undo_, redo_;
};

} // namespace hostsim

#endif
