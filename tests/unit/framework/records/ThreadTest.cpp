#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "records/FCThread.h"

namespace
{
/* Work that runs until released, so that tests control its length. */
class GatedWork : public FCThread
{
public:
    std::atomic<bool> release{false};
    std::atomic<int> runs{0};
    std::atomic<bool> finished{false};

    ~GatedWork() override
    {
        release = true;
        WaitUntilEnd();
    }

    void Execute() override
    {
        while (!release.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        /* Long enough after the release that a waiter that does not wait
           would see the work unfinished. */
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        ++runs;
        finished = true;
    }
};
} // namespace

TEST(Thread, WaitUntilEndReturnsOnlyAfterTheWorkHasEnded)
{
    GatedWork work;
    ASSERT_TRUE(work.Start());
    EXPECT_TRUE(work.IsRunning());
    work.release = true;
    work.WaitUntilEnd();
    EXPECT_TRUE(work.finished.load());
    EXPECT_FALSE(work.IsRunning());
    EXPECT_EQ(work.runs.load(), 1);
}

TEST(Thread, StartWhileTheWorkRunsIsRefused)
{
    GatedWork work;
    ASSERT_TRUE(work.Start());
    EXPECT_FALSE(work.Start());
    work.release = true;
    work.WaitUntilEnd();
    EXPECT_EQ(work.runs.load(), 1);

    /* Once ended, the object can run its work again. */
    ASSERT_TRUE(work.Start());
    work.WaitUntilEnd();
    EXPECT_EQ(work.runs.load(), 2);
}

TEST(Thread, ExecutorRunsOnTheCallingThreadAndWaitWithoutWorkReturns)
{
    GatedWork work;
    work.WaitUntilEnd();
    work.release = true;
    work._Executor();
    EXPECT_EQ(work.runs.load(), 1);
    EXPECT_FALSE(work.IsRunning());
    FCThreadFunction(nullptr);
}
