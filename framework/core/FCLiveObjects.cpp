#include "core/FCLiveObjects.h"

#include <atomic>

namespace
{
/* Objects may be made on a worker thread, so the count is atomic; relaxed
   order is enough for a counter that nothing synchronises on. */
std::atomic<long>& LiveCount()
{
    static std::atomic<long> count{0};
    return count;
}
} // namespace

long FCLiveObjects::Count() { return LiveCount().load(std::memory_order_relaxed); }

void FCLiveObjects::_Created() { LiveCount().fetch_add(1, std::memory_order_relaxed); }

void FCLiveObjects::_Destroyed() { LiveCount().fetch_sub(1, std::memory_order_relaxed); }
