#include "hostsim/RecordStore.h"

namespace hostsim
{

namespace
{

constexpr uint16_t kHighestPositive = 0x7FFF;

/* A packed key's word `word` and the number one in it. */
uint16_t wordOf(uint64_t key, size_t word) { return static_cast<uint16_t>(key >> (48 - 16 * word)); }
uint64_t unit(size_t word) { return uint64_t(1) << (48 - 16 * word); }
/* The words before `word` of a packed key, the others zero. */
uint64_t prefixOf(uint64_t key, size_t word) { return word == 0 ? 0 : key & ~(~uint64_t(0) >> (16 * word)); }
/* The words after `word` all ones. */
uint64_t tailOnes(size_t word) { return word >= 3 ? 0 : ~uint64_t(0) >> (16 * (word + 1)); }

RecordId idOf(int16_t scope, uint32_t tag, uint64_t key) { return RecordId{scope, tag, RecordKey::unpacked(key)}; }

} // namespace

uint64_t RecordStore::nextStamp()
{
    static uint64_t last = 0;
    return ++last;
}

RecordStore::Iterator::value_type RecordStore::Iterator::operator*() const
{
    const RecordTable& t = table_->second;
    const uint64_t key = t.keyAt(at_);
    return value_type(idOf(table_->first.first, table_->first.second, key), *t.find(key));
}

RecordStore::Iterator& RecordStore::Iterator::operator++()
{
    at_ = table_->second.after(at_);
    if (table_->second.atEnd(at_)) {
        ++table_;
        at_ = RecordTable::Position{};
    }
    return *this;
}

RecordStore::Records RecordStore::records() const
{
    return Records{Iterator(tables_.begin()), Iterator(tables_.end())};
}

const RecordTable* RecordStore::table(const RecordId& id) const
{
    /* Calls in a row mostly address one table. */
    if (last_.valid && last_.at->first.first == id.scope && last_.at->first.second == id.tag)
        return &last_.at->second;
    auto it = tables_.find({id.scope, id.tag});
    if (it == tables_.end())
        return nullptr;
    last_.at = it;
    last_.valid = true;
    return &it->second;
}

void RecordStore::notify(const RecordId& id) const
{
    if (observer_)
        observer_->willChange(id, find(id));
}

const Bytes* RecordStore::find(const RecordId& id) const
{
    const RecordTable* t = table(id);
    return t ? t->find(id.key.packed()) : nullptr;
}

void RecordStore::set(const RecordId& id, Bytes image)
{
    RecordTable& t = tables_[{id.scope, id.tag}];
    const size_t before = t.size();
    t.slot(id.key.packed()) = std::move(image);
    size_ += t.size() - before;
    touch();
}

bool RecordStore::drop(const RecordId& id)
{
    auto it = tables_.find({id.scope, id.tag});
    if (it == tables_.end() || !it->second.erase(id.key.packed()))
        return false;
    --size_;
    touch();
    if (it->second.empty()) {
        if (last_.valid && last_.at == it)
            last_.valid = false;
        tables_.erase(it);
    }
    return true;
}

void RecordStore::put(const RecordId& id, Bytes bytes)
{
    notify(id);
    set(id, std::move(bytes));
}

bool RecordStore::erase(const RecordId& id)
{
    if (!find(id))
        return false;
    notify(id);
    return drop(id);
}

bool RecordStore::eraseCompacting(const RecordId& id, size_t word)
{
    if (!erase(id))
        return false;
    RecordId vacated = id;
    while (vacated.key.words[word] < kHighestPositive) {
        RecordId following = idOf(id.scope, id.tag, vacated.key.packed() + unit(word));
        const Bytes* image = find(following);
        if (!image)
            break;
        notify(vacated);
        notify(following);
        Bytes moved = *image;
        drop(following);
        set(vacated, std::move(moved));
        vacated = following;
    }
    return true;
}

std::optional<RecordId> RecordStore::next(const RecordId& id) const
{
    const RecordTable* t = table(id);
    uint64_t found = 0;
    if (!t || !t->above(id.key.packed(), found))
        return std::nullopt;
    return idOf(id.scope, id.tag, found);
}

std::optional<RecordId> RecordStore::previous(const RecordId& id) const
{
    const RecordTable* t = table(id);
    uint64_t found = 0;
    if (!t || !t->below(id.key.packed(), found))
        return std::nullopt;
    return idOf(id.scope, id.tag, found);
}

std::optional<int16_t> RecordStore::allocate(const RecordId& id, size_t word, int16_t base, AllocationPolicy policy)
{
    const RecordTable* t = table(id);
    const uint64_t prefix = prefixOf(id.key.packed(), word);
    const uint16_t b = static_cast<uint16_t>(base);
    std::optional<uint16_t> chosen;
    if (policy == AllocationPolicy::Next) {
        uint16_t candidate = b;
        uint64_t last = 0;
        if (t && t->lastIn(prefix, prefix | uint64_t(kHighestPositive) * unit(word) | tailOnes(word), last) &&
            wordOf(last, word) >= b)
            candidate = static_cast<uint16_t>(wordOf(last, word) + 1);
        if (candidate <= kHighestPositive)
            chosen = candidate;
    }
    if (!chosen) { // lowest free number, also the fallback when the top is taken
        uint16_t candidate = b;
        if (t)
            for (auto at = t->lowerBound(prefix | uint64_t(b) * unit(word));
                 !t->atEnd(at) && prefixOf(t->keyAt(at), word) == prefix; at = t->after(at)) {
                const uint16_t w = wordOf(t->keyAt(at), word);
                if (w > candidate || w > kHighestPositive)
                    break;
                if (w == candidate)
                    ++candidate;
            }
        if (candidate <= kHighestPositive)
            chosen = candidate;
    }
    if (!chosen)
        return std::nullopt;
    if (observer_)
        observer_->willChangeCounters();
    counters_[{id.scope, id.tag}] = static_cast<int16_t>(*chosen);
    touch();
    return static_cast<int16_t>(*chosen);
}

std::vector<RecordId> RecordStore::list(int16_t scope, uint32_t tag) const
{
    std::vector<RecordId> out;
    const RecordTable* t = table(RecordId{scope, tag, RecordKey{}});
    if (t)
        for (auto at = t->begin(); !t->atEnd(at); at = t->after(at))
            out.push_back(idOf(scope, tag, t->keyAt(at)));
    return out;
}

std::vector<const Bytes*> RecordStore::incidentList(int16_t scope, uint32_t tag, int16_t item) const
{
    std::vector<const Bytes*> out;
    const RecordTable* t = table(RecordId{scope, tag, RecordKey{}});
    if (t)
        out.reserve(16); /* one allocation for most lists */
    for (int16_t inci = 0; t && inci >= 0; ++inci) {
        const Bytes* b = t->find(RecordKey(item, inci).packed());
        if (!b)
            break;
        out.push_back(b);
    }
    return out;
}

void RecordStore::restore(const RecordId& id, const std::optional<Bytes>& image)
{
    if (image)
        set(id, *image);
    else
        drop(id);
}

} // namespace hostsim
