#include "hostsim/RecordTable.h"

#include <algorithm>

namespace hostsim
{

namespace
{

using Keys = std::vector<uint64_t>;

constexpr size_t kFirstSlots = 8;
constexpr uint64_t kSpread = 0x9E3779B97F4A7C15ull; /* 2^64 / golden ratio */

size_t lowerIndex(const Keys& keys, uint64_t key)
{
    return size_t(std::lower_bound(keys.begin(), keys.end(), key) - keys.begin());
}

size_t upperIndex(const Keys& keys, uint64_t key)
{
    return size_t(std::upper_bound(keys.begin(), keys.end(), key) - keys.begin());
}

} // namespace

/* ---- hash table ---- */

size_t RecordTable::home(uint64_t key) const { return size_t((key * kSpread) >> shift_); }

const RecordTable::Slot* RecordTable::lookup(uint64_t key) const
{
    if (slots_.empty())
        return nullptr;
    const size_t mask = slots_.size() - 1;
    for (size_t i = home(key);; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (!s.used)
            return nullptr;
        if (s.key == key)
            return &s;
    }
}

RecordTable::Slot* RecordTable::lookup(uint64_t key)
{
    return const_cast<Slot*>(static_cast<const RecordTable*>(this)->lookup(key));
}

void RecordTable::grow()
{
    std::vector<Slot> old = std::move(slots_);
    slots_ = std::vector<Slot>(old.empty() ? kFirstSlots : 2 * old.size());
    shift_ = 64;
    for (size_t n = slots_.size(); n > 1; n >>= 1)
        --shift_;
    for (Slot& s : old)
        if (s.used)
            insertSlot(s.key) = std::move(s);
}

RecordTable::Slot& RecordTable::insertSlot(uint64_t key)
{
    const size_t mask = slots_.size() - 1;
    size_t i = home(key);
    while (slots_[i].used)
        i = (i + 1) & mask;
    slots_[i].used = true;
    slots_[i].key = key;
    return slots_[i];
}

void RecordTable::removeSlot(uint64_t key)
{
    const size_t mask = slots_.size() - 1;
    size_t hole = size_t(lookup(key) - slots_.data());
    slots_[hole] = Slot();
    /* Entries after the hole that would no longer be reached move into it. */
    for (size_t j = (hole + 1) & mask; slots_[j].used; j = (j + 1) & mask) {
        const size_t want = home(slots_[j].key);
        const bool reachable = hole < j ? (want > hole && want <= j) : (want > hole || want <= j);
        if (reachable)
            continue;
        slots_[hole] = std::move(slots_[j]);
        slots_[j] = Slot();
        hole = j;
    }
}

/* ---- order ---- */

size_t RecordTable::runFor(uint64_t key) const
{
    const size_t i = upperIndex(firstKeys_, key);
    return i == 0 ? 0 : i - 1;
}

bool RecordTable::orderAbove(uint64_t key, uint64_t& found) const
{
    if (runs_.empty())
        return false;
    const size_t r = runFor(key);
    const size_t i = upperIndex(runs_[r], key);
    if (i < runs_[r].size())
        found = runs_[r][i];
    else if (r + 1 < runs_.size())
        found = runs_[r + 1].front();
    else
        return false;
    return true;
}

void RecordTable::insertKey(uint64_t key)
{
    if (runs_.empty()) {
        runs_.emplace_back();
        firstKeys_.push_back(key);
    }
    const size_t r = runFor(key);
    Run& run = runs_[r];
    const size_t i = lowerIndex(run, key);
    run.insert(run.begin() + long(i), key);
    if (i == 0)
        firstKeys_[r] = key;
    if (run.size() > kRunLength)
        split(r);
}

void RecordTable::eraseKey(uint64_t key)
{
    const size_t r = runFor(key);
    Run& run = runs_[r];
    const size_t i = lowerIndex(run, key);
    run.erase(run.begin() + long(i));
    if (run.empty()) {
        removeRun(r);
        return;
    }
    if (i == 0)
        firstKeys_[r] = run.front();
    mergeIfSmall(r);
}

void RecordTable::split(size_t r)
{
    Run upper(runs_[r].begin() + long(runs_[r].size() / 2), runs_[r].end());
    runs_[r].resize(runs_[r].size() / 2);
    firstKeys_.insert(firstKeys_.begin() + long(r + 1), upper.front());
    runs_.insert(runs_.begin() + long(r + 1), std::move(upper));
}

void RecordTable::mergeIfSmall(size_t r)
{
    if (runs_[r].size() > kRunLength / 4)
        return;
    const auto fits = [&](size_t a) { return runs_[a].size() + runs_[a + 1].size() <= kRunLength; };
    size_t into = 0;
    if (r + 1 < runs_.size() && fits(r))
        into = r;
    else if (r > 0 && fits(r - 1))
        into = r - 1;
    else
        return;
    runs_[into].insert(runs_[into].end(), runs_[into + 1].begin(), runs_[into + 1].end());
    removeRun(into + 1);
}

void RecordTable::removeRun(size_t r)
{
    runs_.erase(runs_.begin() + long(r));
    firstKeys_.erase(firstKeys_.begin() + long(r));
}

/* ---- records ---- */

const Bytes* RecordTable::find(uint64_t key) const
{
    const Slot* s = lookup(key);
    return s ? &s->image : nullptr;
}

bool RecordTable::above(uint64_t key, uint64_t& found) const
{
    if (const Slot* s = lookup(key)) {
        found = s->next;
        return s->hasNext;
    }
    return orderAbove(key, found);
}

bool RecordTable::below(uint64_t key, uint64_t& found) const
{
    if (runs_.empty())
        return false;
    const size_t r = runFor(key);
    const size_t i = lowerIndex(runs_[r], key);
    if (i > 0)
        found = runs_[r][i - 1];
    else if (r > 0)
        found = runs_[r - 1].back();
    else
        return false;
    return true;
}

bool RecordTable::lastIn(uint64_t low, uint64_t high, uint64_t& found) const
{
    uint64_t last = 0;
    if (lookup(high))
        last = high;
    else if (!below(high, last))
        return false;
    if (last < low)
        return false;
    found = last;
    return true;
}

Bytes& RecordTable::slot(uint64_t key)
{
    if (Slot* s = lookup(key))
        return s->image;
    uint64_t before = 0, following = 0;
    const bool hasBefore = below(key, before);
    const bool hasFollowing = orderAbove(key, following);
    insertKey(key);
    if (4 * (size_ + 1) > 3 * slots_.size())
        grow();
    if (hasBefore) {
        Slot& b = *lookup(before);
        b.next = key;
        b.hasNext = true;
    }
    ++size_;
    Slot& s = insertSlot(key);
    s.next = following;
    s.hasNext = hasFollowing;
    return s.image;
}

bool RecordTable::erase(uint64_t key)
{
    const Slot* s = lookup(key);
    if (!s)
        return false;
    const uint64_t following = s->next;
    const bool hasFollowing = s->hasNext;
    uint64_t before = 0;
    if (below(key, before)) {
        Slot& b = *lookup(before);
        b.next = following;
        b.hasNext = hasFollowing;
    }
    removeSlot(key);
    eraseKey(key);
    --size_;
    return true;
}

RecordTable::Position RecordTable::after(Position p) const
{
    if (++p.index >= runs_[p.run].size())
        p = Position{p.run + 1, 0};
    return p;
}

RecordTable::Position RecordTable::lowerBound(uint64_t key) const
{
    if (runs_.empty())
        return Position{};
    const size_t r = runFor(key);
    const size_t i = lowerIndex(runs_[r], key);
    return i < runs_[r].size() ? Position{r, i} : Position{r + 1, 0};
}

} // namespace hostsim
