#ifndef HOSTSIM_RECORDSTORE_H
#define HOSTSIM_RECORDSTORE_H

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "hostsim/RecordKey.h"
#include "hostsim/RecordTable.h"

namespace hostsim
{

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

/* The records of one document, ordered by (part scope, tag, key): one
   RecordTable per scope and tag, found in a small ordered map. Finding a
   record or the one after a stored key is O(1), other steps and writes
   O(log n) (RecordTable). A record's image (a pointer from
   find or incidentList) stays valid until the next change of the store.
   Number allocation keeps, per (scope, tag), the last number it handed out. */
class RecordStore
{
    using Tables = std::map<std::pair<int16_t, uint32_t>, RecordTable>;

public:
    using Counters = std::map<std::pair<int16_t, uint32_t>, int32_t>;

    /* Every record in store order, as (id, image) pairs. */
    class Iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = std::pair<RecordId, const Bytes&>;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = value_type;

        explicit Iterator(Tables::const_iterator table) : table_(table) {}
        value_type operator*() const;
        Iterator& operator++();
        bool operator==(const Iterator& o) const
        {
            return table_ == o.table_ && at_.run == o.at_.run && at_.index == o.at_.index;
        }
        bool operator!=(const Iterator& o) const { return !(*this == o); }

    private:
        Tables::const_iterator table_;
        RecordTable::Position at_;
    };
    struct Records
    {
        Iterator first, last;
        Iterator begin() const { return first; }
        Iterator end() const { return last; }
    };

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

    size_t size() const { return size_; }
    Records records() const;
    /* Changes with every write to the records or the counters, and differs
       between stores: two reads with the same stamp saw the same content. */
    uint64_t stamp() const { return stamp_; }
    const Counters& counters() const { return counters_; }

    /* Raw writes that bypass the observer (rollback, undo, file loading). */
    void restore(const RecordId& id, const std::optional<Bytes>& image);
    void restoreCounters(const Counters& c)
    {
        counters_ = c;
        touch();
    }
    void clear()
    {
        tables_.clear();
        last_.valid = false;
        counters_.clear();
        size_ = 0;
        touch();
    }

private:
    void notify(const RecordId& id) const;
    const RecordTable* table(const RecordId& id) const;
    /* Write and delete without telling the observer. */
    void set(const RecordId& id, Bytes image);
    bool drop(const RecordId& id);
    void touch() { stamp_ = nextStamp(); }
    static uint64_t nextStamp();

    Tables tables_;
    /* The table found last; a copy of the store starts without one. */
    struct LastTable
    {
        Tables::const_iterator at;
        bool valid = false;
        LastTable() = default;
        LastTable(const LastTable&) {}
        LastTable& operator=(const LastTable&)
        {
            valid = false;
            return *this;
        }
    };
    mutable LastTable last_;
    size_t size_ = 0;
    Counters counters_;
    StoreObserver* observer_ = nullptr;
    uint64_t stamp_ = nextStamp();
};

} // namespace hostsim

#endif
