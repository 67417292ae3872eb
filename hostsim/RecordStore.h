#ifndef HOSTSIM_RECORDSTORE_H
#define HOSTSIM_RECORDSTORE_H

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "hostsim/RecordKey.h"

namespace hostsim
{

using Bytes = std::vector<uint8_t>;

/* Told about every change before it happens, with the record's current image
   (null when the record does not exist yet). Edit transactions use it to keep
   before-images. */
class StoreObserver
{
public:
    virtual ~StoreObserver() = default;
    virtual void willChange(const RecordId& id, const Bytes* before) = 0;
    virtual void willChangeCounters() = 0;
};

enum class AllocationPolicy : uint8_t
{
    Next,
    LowestFree
};

/* The records of one document in one ordered map, keyed by (part scope, tag,
   key). Lookups, next/previous and writes are O(log n). Number allocation
   keeps, per (scope, tag), the last number it handed out. */
class RecordStore
{
public:
    using Map = std::map<RecordId, Bytes>;
    using Counters = std::map<std::pair<int16_t, uint32_t>, int32_t>;

    void setObserver(StoreObserver* o) { observer_ = o; }

    const Bytes* find(const RecordId& id) const;
    void put(const RecordId& id, Bytes bytes);
    bool erase(const RecordId& id);
    /* Deletes and shifts the following entries of the same prefix down by one
       on the word at `word`, so that the list stays gap-free. */
    bool eraseCompacting(const RecordId& id, size_t word);

    /* Smallest key of the same scope and tag strictly greater (smaller) than id. */
    std::optional<RecordId> next(const RecordId& id) const;
    std::optional<RecordId> previous(const RecordId& id) const;

    /* New number for word `word` of `id` among records sharing the words before
       it: `base` when none exists. Records the number in the counters. */
    std::optional<int16_t> allocate(const RecordId& id, size_t word, int16_t base, AllocationPolicy policy);

    /* All records of a scope and tag, in key order. */
    std::vector<RecordId> list(int16_t scope, uint32_t tag) const;
    /* Entries (N, 0), (N, 1), ... up to the first missing incident. */
    std::vector<const Bytes*> incidentList(int16_t scope, uint32_t tag, int16_t item) const;

    size_t size() const { return map_.size(); }
    const Map& records() const { return map_; }
    const Counters& counters() const { return counters_; }

    /* Raw writes that bypass the observer (rollback, undo, file loading). */
    void restore(const RecordId& id, const std::optional<Bytes>& image);
    void restoreCounters(const Counters& c) { counters_ = c; }
    void clear()
    {
        map_.clear();
        counters_.clear();
    }

private:
    void notify(const RecordId& id) const;

    Map map_;
    Counters counters_;
    StoreObserver* observer_ = nullptr;
};

} // namespace hostsim

#endif
