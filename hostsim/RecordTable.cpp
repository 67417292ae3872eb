#include "hostsim/RecordTable.h"

#include <algorithm>
#include <iterator>

namespace hostsim
{

namespace
{

using Keys = std::vector<uint64_t>;

size_t lowerIndex(const Keys& keys, uint64_t key)
{
    return size_t(std::lower_bound(keys.begin(), keys.end(), key) - keys.begin());
}

size_t upperIndex(const Keys& keys, uint64_t key)
{
    return size_t(std::upper_bound(keys.begin(), keys.end(), key) - keys.begin());
}

} // namespace

size_t RecordTable::runFor(uint64_t key) const
{
    const size_t i = upperIndex(firstKeys_, key);
    return i == 0 ? 0 : i - 1;
}

const Bytes* RecordTable::find(uint64_t key) const
{
    if (runs_.empty())
        return nullptr;
    const Run& run = *runs_[runFor(key)];
    const size_t i = lowerIndex(run.keys, key);
    return i < run.keys.size() && run.keys[i] == key ? &run.images[i] : nullptr;
}

bool RecordTable::above(uint64_t key, uint64_t& found) const
{
    if (runs_.empty())
        return false;
    const size_t r = runFor(key);
    const Keys& keys = runs_[r]->keys;
    const size_t i = upperIndex(keys, key);
    if (i < keys.size())
        found = keys[i];
    else if (r + 1 < runs_.size())
        found = runs_[r + 1]->keys.front();
    else
        return false;
    return true;
}

bool RecordTable::below(uint64_t key, uint64_t& found) const
{
    if (runs_.empty())
        return false;
    const size_t r = runFor(key);
    const Keys& keys = runs_[r]->keys;
    const size_t i = lowerIndex(keys, key);
    if (i > 0)
        found = keys[i - 1];
    else if (r > 0)
        found = runs_[r - 1]->keys.back();
    else
        return false;
    return true;
}

bool RecordTable::lastIn(uint64_t low, uint64_t high, uint64_t& found) const
{
    if (runs_.empty())
        return false;
    const size_t r = runFor(high);
    const Keys& keys = runs_[r]->keys;
    const size_t i = upperIndex(keys, high);
    uint64_t last = 0;
    if (i > 0)
        last = keys[i - 1];
    else if (r > 0)
        last = runs_[r - 1]->keys.back();
    else
        return false;
    if (last < low)
        return false;
    found = last;
    return true;
}

Bytes& RecordTable::slot(uint64_t key)
{
    if (runs_.empty()) {
        runs_.push_back(std::make_unique<Run>());
        firstKeys_.push_back(key);
    }
    size_t r = runFor(key);
    Run* run = runs_[r].get();
    size_t i = lowerIndex(run->keys, key);
    if (i < run->keys.size() && run->keys[i] == key)
        return run->images[i];
    run->keys.insert(run->keys.begin() + long(i), key);
    run->images.insert(run->images.begin() + long(i), Bytes());
    ++size_;
    if (i == 0)
        firstKeys_[r] = key;
    if (run->keys.size() > kRunLength) {
        const size_t half = run->keys.size() / 2;
        split(r);
        if (i >= half) {
            ++r;
            i -= half;
        }
    }
    return runs_[r]->images[i];
}

void RecordTable::split(size_t r)
{
    Run& run = *runs_[r];
    const long half = long(run.keys.size() / 2);
    auto upper = std::make_unique<Run>();
    upper->keys.assign(run.keys.begin() + half, run.keys.end());
    upper->images.assign(std::make_move_iterator(run.images.begin() + half), std::make_move_iterator(run.images.end()));
    run.keys.resize(size_t(half));
    run.images.resize(size_t(half));
    firstKeys_.insert(firstKeys_.begin() + long(r + 1), upper->keys.front());
    runs_.insert(runs_.begin() + long(r + 1), std::move(upper));
}

bool RecordTable::erase(uint64_t key)
{
    if (runs_.empty())
        return false;
    const size_t r = runFor(key);
    Run& run = *runs_[r];
    const size_t i = lowerIndex(run.keys, key);
    if (i >= run.keys.size() || run.keys[i] != key)
        return false;
    run.keys.erase(run.keys.begin() + long(i));
    run.images.erase(run.images.begin() + long(i));
    --size_;
    if (run.keys.empty()) {
        removeRun(r);
        return true;
    }
    if (i == 0)
        firstKeys_[r] = run.keys.front();
    mergeIfSmall(r);
    return true;
}

void RecordTable::mergeIfSmall(size_t r)
{
    if (runs_[r]->keys.size() > kRunLength / 4)
        return;
    const auto fits = [&](size_t a) { return runs_[a]->keys.size() + runs_[a + 1]->keys.size() <= kRunLength; };
    size_t into = 0;
    if (r + 1 < runs_.size() && fits(r))
        into = r;
    else if (r > 0 && fits(r - 1))
        into = r - 1;
    else
        return;
    Run& low = *runs_[into];
    Run& high = *runs_[into + 1];
    low.keys.insert(low.keys.end(), high.keys.begin(), high.keys.end());
    low.images.insert(low.images.end(), std::make_move_iterator(high.images.begin()),
                      std::make_move_iterator(high.images.end()));
    removeRun(into + 1);
}

void RecordTable::removeRun(size_t r)
{
    runs_.erase(runs_.begin() + long(r));
    firstKeys_.erase(firstKeys_.begin() + long(r));
}

RecordTable::Position RecordTable::after(Position p) const
{
    if (++p.index >= runs_[p.run]->keys.size())
        p = Position{p.run + 1, 0};
    return p;
}

RecordTable::Position RecordTable::lowerBound(uint64_t key) const
{
    if (runs_.empty())
        return Position{};
    const size_t r = runFor(key);
    const size_t i = lowerIndex(runs_[r]->keys, key);
    return i < runs_[r]->keys.size() ? Position{r, i} : Position{r + 1, 0};
}

} // namespace hostsim
