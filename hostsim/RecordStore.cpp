#include "hostsim/RecordStore.h"

namespace hostsim
{

namespace
{

/* The id with every word from `word` on set to `fill`. */
RecordId withTail(const RecordId& id, size_t word, uint16_t first, uint16_t rest)
{
    RecordId r = id;
    for (size_t i = word; i < r.key.words.size(); ++i)
        r.key.words[i] = i == word ? first : rest;
    return r;
}

bool samePrefix(const RecordId& a, const RecordId& b, size_t word)
{
    if (a.scope != b.scope || a.tag != b.tag)
        return false;
    for (size_t i = 0; i < word; ++i)
        if (a.key.words[i] != b.key.words[i])
            return false;
    return true;
}

constexpr uint16_t kHighestPositive = 0x7FFF;

} // namespace

void RecordStore::notify(const RecordId& id) const
{
    if (!observer_)
        return;
    auto it = map_.find(id);
    observer_->willChange(id, it == map_.end() ? nullptr : &it->second);
}

const Bytes* RecordStore::find(const RecordId& id) const
{
    auto it = map_.find(id);
    return it == map_.end() ? nullptr : &it->second;
}

void RecordStore::put(const RecordId& id, Bytes bytes)
{
    notify(id);
    map_[id] = std::move(bytes);
}

bool RecordStore::erase(const RecordId& id)
{
    auto it = map_.find(id);
    if (it == map_.end())
        return false;
    notify(id);
    map_.erase(it);
    return true;
}

bool RecordStore::eraseCompacting(const RecordId& id, size_t word)
{
    if (!erase(id))
        return false;
    uint16_t vacated = id.key.words[word];
    for (;;) {
        RecordId following = id;
        following.key.words[word] = static_cast<uint16_t>(vacated + 1);
        if (following.key.words[word] > kHighestPositive)
            break;
        auto it = map_.find(following);
        if (it == map_.end())
            break;
        RecordId dest = following;
        dest.key.words[word] = vacated;
        notify(dest);
        notify(following);
        map_[dest] = std::move(it->second);
        map_.erase(following);
        vacated = following.key.words[word];
    }
    return true;
}

std::optional<RecordId> RecordStore::next(const RecordId& id) const
{
    auto it = map_.upper_bound(id);
    if (it == map_.end() || it->first.scope != id.scope || it->first.tag != id.tag)
        return std::nullopt;
    return it->first;
}

std::optional<RecordId> RecordStore::previous(const RecordId& id) const
{
    auto it = map_.lower_bound(id);
    if (it == map_.begin())
        return std::nullopt;
    --it;
    if (it->first.scope != id.scope || it->first.tag != id.tag)
        return std::nullopt;
    return it->first;
}

std::optional<int16_t> RecordStore::allocate(const RecordId& id, size_t word, int16_t base, AllocationPolicy policy)
{
    uint16_t b = static_cast<uint16_t>(base);
    std::optional<uint16_t> chosen;
    if (policy == AllocationPolicy::Next) {
        auto it = map_.lower_bound(withTail(id, word, kHighestPositive + 1, 0));
        uint16_t candidate = b;
        if (it != map_.begin()) {
            --it;
            if (samePrefix(it->first, id, word) && it->first.key.words[word] >= b)
                candidate = static_cast<uint16_t>(it->first.key.words[word] + 1);
        }
        if (candidate <= kHighestPositive)
            chosen = candidate;
    }
    if (!chosen) { // lowest free number, also the fallback when the top is taken
        uint16_t candidate = b;
        for (auto it = map_.lower_bound(withTail(id, word, b, 0)); it != map_.end() && samePrefix(it->first, id, word);
             ++it) {
            uint16_t w = it->first.key.words[word];
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
    return static_cast<int16_t>(*chosen);
}

std::vector<RecordId> RecordStore::list(int16_t scope, uint32_t tag) const
{
    std::vector<RecordId> out;
    RecordId first{scope, tag, RecordKey{}};
    for (auto it = map_.lower_bound(first); it != map_.end() && it->first.scope == scope && it->first.tag == tag; ++it)
        out.push_back(it->first);
    return out;
}

std::vector<const Bytes*> RecordStore::incidentList(int16_t scope, uint32_t tag, int16_t item) const
{
    std::vector<const Bytes*> out;
    for (int16_t inci = 0; inci >= 0; ++inci) {
        const Bytes* b = find(RecordId{scope, tag, RecordKey(item, inci)});
        if (!b)
            break;
        out.push_back(b);
    }
    return out;
}

void RecordStore::restore(const RecordId& id, const std::optional<Bytes>& image)
{
    if (image)
        map_[id] = *image;
    else
        map_.erase(id);
}

} // namespace hostsim
