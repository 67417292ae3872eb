#ifndef HOSTSIM_RECORDTABLE_H
#define HOSTSIM_RECORDTABLE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace hostsim
{

using Bytes = std::vector<uint8_t>;

/* The records of one part scope and tag, ordered by key. A key's four 16-bit
   words make one 64-bit number (first word highest), so comparing numbers
   orders keys as the host does.

   The records lie in runs of at most kRunLength, each run's keys in one
   array and its images in another; a sorted array of the runs' first keys
   finds the run. A lookup is two binary searches over contiguous memory
   (O(log n)); a write moves at most one run's entries, and a run that grows
   past its length splits in two. A run that shrinks to a quarter is merged
   into its neighbour when both fit in one. */
class RecordTable
{
public:
    static constexpr size_t kRunLength = 256;

    /* A record's place: run and index within it. */
    struct Position
    {
        size_t run = 0, index = 0;
    };

    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }

    const Bytes* find(uint64_t key) const;
    /* The record with the smallest key above (the largest below) `key`; false when none. */
    bool above(uint64_t key, uint64_t& found) const;
    bool below(uint64_t key, uint64_t& found) const;
    /* The largest key in [low, high]; false when none. */
    bool lastIn(uint64_t low, uint64_t high, uint64_t& found) const;

    /* The image of `key`, created empty when missing. */
    Bytes& slot(uint64_t key);
    bool erase(uint64_t key);

    /* In key order: the first position, the one after `p`, whether `p` is past the end. */
    Position begin() const { return Position{}; }
    Position after(Position p) const;
    bool atEnd(Position p) const { return p.run >= runs_.size(); }
    /* The first position whose key is not below `key`. */
    Position lowerBound(uint64_t key) const;
    uint64_t keyAt(Position p) const { return runs_[p.run]->keys[p.index]; }
    const Bytes& imageAt(Position p) const { return runs_[p.run]->images[p.index]; }

private:
    struct Run
    {
        std::vector<uint64_t> keys;
        std::vector<Bytes> images;
    };

    /* The run whose range holds `key` (the first run for keys below all). */
    size_t runFor(uint64_t key) const;
    void split(size_t run);
    void mergeIfSmall(size_t run);
    void removeRun(size_t run);

    std::vector<uint64_t> firstKeys_;
    std::vector<std::unique_ptr<Run>> runs_;
    size_t size_ = 0;
};

} // namespace hostsim

#endif
