#include "core/FCLiveObjects.h"
#include "core/__FCCollection.h"
#include "unit/framework/core/Tracked.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

namespace
{

TEST(LiveObjects, EveryWayOfMakingAnObjectCountsAndEveryDestructionGivesItBack)
{
    const long before = FCLiveObjects::Count();
    {
        Tracked made(1);
        Tracked copied(made);
        __FCBase plain;
        plain = made; /* assignment makes no object */
        EXPECT_EQ(FCLiveObjects::Count(), before + 3);
        auto onHeap = std::make_unique<Tracked>(copied);
        EXPECT_EQ(FCLiveObjects::Count(), before + 4);
    }
    EXPECT_EQ(FCLiveObjects::Count(), before);
}

TEST(LiveObjects, ACollectionAndTheElementsItOwnsAreAllGivenBack)
{
    const long before = FCLiveObjects::Count();
    {
        __FCCollection list;
        Fill(list, 25);
        EXPECT_EQ(FCLiveObjects::Count(), before + 26);
        list.ClearAll();
        EXPECT_EQ(FCLiveObjects::Count(), before + 1);
        Fill(list, 3);
    }
    EXPECT_EQ(FCLiveObjects::Count(), before);
}

TEST(LiveObjects, ObjectsMadeOnSeveralThreadsAtOnceAreCountedExactly)
{
    const long before = FCLiveObjects::Count();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 20000; ++i) {
                Tracked kept(i);
                const Tracked copy(kept);
                EXPECT_EQ(copy.value, i);
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(FCLiveObjects::Count(), before);
}

} // namespace
