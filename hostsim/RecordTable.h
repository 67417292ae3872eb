#ifndef HOSTSIM_RECORDTABLE_H
#define HOSTSIM_RECORDTABLE_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace hostsim
{

using Bytes = std::vector<uint8_t>;

/* The records of one part scope and tag. A key's four 16-bit words make one
   64-bit number (first word highest), so comparing numbers orders keys as
   the host does.

   Two structures over the same keys. An open-addressing hash table (linear
   probing) holds each record's image and the key that follows it, so that
   a load, a save and a step from an existing key read one slot. The order
   is kept in runs of at most kRunLength sorted keys, with a sorted array of
   the runs' first keys to find the run: stepping from a key that is not
   stored, finding a record's neighbours when it is written or deleted, and
   walking in order are binary searches over contiguous keys. A run that
   grows past its length splits in two; one that shrinks to a quarter is
   merged into a neighbour when both fit in one. Lookups are O(1) or
   O(log n); a write moves at most one run's keys (and, now and then, the
   array of first keys). */
class RecordTable
{
public:
    static constexpr size_t kRunLength = 128;

    /* A key's place in the order: run and index within it. */
    struct Position
    {
        size_t run = 0, index = 0;
    };

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const Bytes* find(uint64_t key) const;
    /* The smallest key above (the largest below) `key`; false when none. */
    bool above(uint64_t key, uint64_t& found) const;
    bool below(uint64_t key, uint64_t& found) const;
    /* The largest key in [low, high]; false when none. */
    bool lastIn(uint64_t low, uint64_t high, uint64_t& found) const;

    /* The image of `key`, created empty when missing; valid until the next change. */
    Bytes& slot(uint64_t key);
    bool erase(uint64_t key);

    /* In key order: the first position, the one after `p`, whether `p` is past the end. */
    Position begin() const { return Position{}; }
    Position after(Position p) const;
    bool atEnd(Position p) const { return p.run >= runs_.size(); }
    /* The first position whose key is not below `key`. */
    Position lowerBound(uint64_t key) const;
    uint64_t keyAt(Position p) const { return runs_[p.run][p.index]; }

private:
    using Run = std::vector<uint64_t>;
    struct Slot
    {
        uint64_t key = 0;
        uint64_t next = 0; /* the following key, when hasNext */
        Bytes image;
        bool used = false;
        bool hasNext = false;
    };

    /* ---- hash table ---- */
    size_t home(uint64_t key) const;
    const Slot* lookup(uint64_t key) const;
    Slot* lookup(uint64_t key);
    Slot& insertSlot(uint64_t key);
    void removeSlot(uint64_t key);
    void grow();

    /* ---- order ---- */
    /* The run whose range holds `key` (the first run for keys below all). */
    size_t runFor(uint64_t key) const;
    bool orderAbove(uint64_t key, uint64_t& found) const;
    void insertKey(uint64_t key); /* a key known to be missing */
    void eraseKey(uint64_t key);  /* a key known to be there */
    void split(size_t run);
    void mergeIfSmall(size_t run);
    void removeRun(size_t run);

    std::vector<Slot> slots_;
    size_t shift_ = 64;
    std::vector<uint64_t> firstKeys_;
    std::vector<Run> runs_;
    size_t size_ = 0;
};

} // namespace hostsim

#endif
