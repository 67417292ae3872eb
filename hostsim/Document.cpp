#include "hostsim/Document.h"

namespace hostsim
{

Document::Document(int16_t id) : id_(id) { store_.setObserver(this); }

Document::~Document() { store_.setObserver(nullptr); }

const PartInfo* Document::part(int16_t partId) const
{
    for (const PartInfo& p : parts)
        if (p.id == partId)
            return &p;
    return nullptr;
}

void Document::willChange(const RecordId& id, const Bytes* before)
{
    for (EditFrame& f : edits_)
        if (!f.before.count(id))
            f.before.emplace(id, before ? std::optional<Bytes>(*before) : std::nullopt);
}

void Document::startEdit(const std::string& name)
{
    EditFrame f;
    f.name = name;
    f.counters = store_.counters();
    f.depth = edits_.size() + 1;
    edits_.push_back(std::move(f));
}

std::optional<EditFrame> Document::endEdit()
{
    if (edits_.empty())
        return std::nullopt;
    EditFrame f = std::move(edits_.back());
    edits_.pop_back();
    if (!edits_.empty()) { // a nested edit hands its journal to its parent
        EditFrame& parent = edits_.back();
        parent.ops.insert(parent.ops.end(), f.ops.begin(), f.ops.end());
        parent.allocated.insert(f.allocated.begin(), f.allocated.end());
        return f;
    }
    UndoStep step;
    step.name = f.name;
    step.countersBefore = f.counters;
    step.countersAfter = store_.counters();
    for (const auto& [rid, image] : f.before) {
        const Bytes* now = store_.find(rid);
        std::optional<Bytes> after = now ? std::optional<Bytes>(*now) : std::nullopt;
        if (after != image)
            step.images.emplace(rid, std::make_pair(image, std::move(after)));
    }
    if (!step.empty())
        dirty = true;
    undo_.push_back(std::move(step));
    redo_.clear();
    return f;
}

std::optional<EditFrame> Document::cancelEdit()
{
    if (edits_.empty())
        return std::nullopt;
    EditFrame f = std::move(edits_.back());
    edits_.pop_back();
    for (const auto& [rid, image] : f.before)
        store_.restore(rid, image);
    store_.restoreCounters(f.counters);
    return f;
}

bool Document::noteOp(const std::string& op)
{
    if (edits_.empty())
        return false;
    edits_.back().ops.push_back(op);
    return true;
}

bool Document::allocatedInEdit(const RecordId& id) const
{
    for (const EditFrame& f : edits_)
        if (f.allocated.count(id))
            return true;
    return false;
}

void Document::markAllocated(const RecordId& id)
{
    if (!edits_.empty())
        edits_.back().allocated.insert(id);
}

void Document::apply(const UndoStep& step, bool after)
{
    for (const auto& [rid, images] : step.images)
        store_.restore(rid, after ? images.second : images.first);
    store_.restoreCounters(after ? step.countersAfter : step.countersBefore);
}

bool Document::move(std::vector<UndoStep>& from, std::vector<UndoStep>& to, bool after)
{
    if (!edits_.empty() || from.empty())
        return false;
    apply(from.back(), after);
    to.push_back(std::move(from.back()));
    from.pop_back();
    dirty = true;
    return true;
}

bool Document::undo() { return move(undo_, redo_, false); }

bool Document::redo() { return move(redo_, undo_, true); }

} // namespace hostsim
