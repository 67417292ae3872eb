/* The shrinker keeps what a failure needs and drops the rest. */

#include "qzhost/validate/session/RandomSessionShrink.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

std::vector<std::string> Numbered(int count)
{
    std::vector<std::string> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back("s" + std::to_string(i));
    return steps;
}

bool Has(const std::vector<std::string>& steps, const std::string& step)
{
    return std::find(steps.begin(), steps.end(), step) != steps.end();
}

TEST(ShrinkSteps, KeepsOnlyTheStepsTheFailureNeeds)
{
    /* Fails when s3, s17 and s41 all ran, in that order. */
    const StillFails fails = [](std::vector<std::string>& steps) {
        const auto a = std::find(steps.begin(), steps.end(), "s3");
        const auto b = std::find(steps.begin(), steps.end(), "s17");
        const auto c = std::find(steps.begin(), steps.end(), "s41");
        return a < b && b < c && c != steps.end();
    };
    const ShrinkResult result = ShrinkSteps(Numbered(60), fails, 1000);
    EXPECT_EQ(result.steps, (std::vector<std::string>{"s3", "s17", "s41"}));
    EXPECT_GT(result.tries, 0);
}

TEST(ShrinkSteps, TakesTheCandidateAsTheReplayShortenedIt)
{
    /* The replay stops at the failing step (s5), so whatever follows it is
       cut off by the predicate itself. */
    const StillFails fails = [](std::vector<std::string>& steps) {
        const auto at = std::find(steps.begin(), steps.end(), "s5");
        if (at == steps.end() || !Has(steps, "s2"))
            return false;
        steps.erase(at + 1, steps.end());
        return true;
    };
    const ShrinkResult result = ShrinkSteps(Numbered(40), fails, 1000);
    EXPECT_EQ(result.steps, (std::vector<std::string>{"s2", "s5"}));
}

TEST(ShrinkSteps, AFailureWithoutStepsShrinksToNothing)
{
    const ShrinkResult result = ShrinkSteps(
        Numbered(9), [](std::vector<std::string>&) { return true; }, 100);
    EXPECT_TRUE(result.steps.empty());
}

TEST(ShrinkSteps, StopsAtTheBudgetWithAStillFailingSequence)
{
    int calls = 0;
    const StillFails fails = [&calls](std::vector<std::string>& steps) {
        ++calls;
        return Has(steps, "s0") && Has(steps, "s99");
    };
    const ShrinkResult result = ShrinkSteps(Numbered(100), fails, 5);
    EXPECT_EQ(calls, 5);
    EXPECT_EQ(result.tries, 5);
    EXPECT_TRUE(Has(result.steps, "s0") && Has(result.steps, "s99"));
    EXPECT_LT(result.steps.size(), 100u);
}

TEST(ShrinkSteps, EveryStepNeededLeavesTheSequenceWhole)
{
    const std::vector<std::string> all = Numbered(7);
    const StillFails fails = [&all](std::vector<std::string>& steps) { return steps == all; };
    EXPECT_EQ(ShrinkSteps(all, fails, 1000).steps, all);
}

} // namespace
