/* Refused host calls during panel commands. */

#include "qzhost/validate/checks/FaultInjection.h"
#include "CollectedChecks.h"

#include <gtest/gtest.h>

namespace
{

TEST(FaultInjection, ThePluginOfThisBuildKeepsTheDocumentSoundUnderEveryRefusal)
{
    ValidationContext context;
    context.module = QZV_GOOD_MODULE;
    context.level = 7;
    Collect collect;
    RunFaultInjection(context, collect);
    ASSERT_EQ(collect.results.size(), 5u);
    long long faults = 0;
    for (const CheckResult& result : collect.results) {
        EXPECT_TRUE(result.passed) << result.name << ": " << result.detail;
        if (result.figures.count("faults"))
            faults = result.figures.at("faults");
    }
    EXPECT_GT(faults, 100);
}

} // namespace

namespace
{

const FaultScenario& Scenario(const std::string& name)
{
    for (const FaultScenario& scenario : FaultScenarios())
        if (scenario.name == name)
            return scenario;
    ADD_FAILURE() << "no scenario " << name;
    return FaultScenarios().front();
}

/* The fault among the baseline's calls that matches. */
bool FindFault(const FaultBaseline& baseline, const std::string& function, uint32_t tag, InjectedFault& out)
{
    for (const InjectedFault& fault : baseline.faults)
        if (fault.function == function && fault.byRecord == (tag != 0) && fault.tag == tag) {
            out = fault;
            return true;
        }
    return false;
}

TEST(FaultInjection, TheBaselineListsEveryCallOfTheCommand)
{
    const FaultBaseline baseline = LearnScenario(QZV_GOOD_MODULE, Scenario("create a named staff set"));
    ASSERT_EQ(baseline.problem, "");
    InjectedFault fault;
    EXPECT_TRUE(FindFault(baseline, "FX_StartFinaleEdit_UTF16", 0, fault));
    EXPECT_TRUE(FindFault(baseline, "FX_EndFinaleEdit", 0, fault));
    EXPECT_TRUE(FindFault(baseline, "FX_SaveEData", 0x534F4454, fault)); /* the name's description */
    EXPECT_FALSE(FindFault(baseline, "FX_CancelFinaleEdit", 0, fault));
    EXPECT_NE(baseline.document.find("3: 2/0/100,3/-320/100,4/-600/100 \"Winds\""), std::string::npos)
        << baseline.document;
}

TEST(FaultInjection, ARefusedSizeQueryOfANameExpressionDoesNotOverrunItsBuffer)
{
    /* The first load of an expression is the size query: refused, the record
       reads as the minimum size, and the load that follows must be offered
       no more than the buffer made for it. */
    const FaultScenario& scenario = Scenario("rename a staff set");
    const FaultBaseline baseline = LearnScenario(QZV_GOOD_MODULE, scenario);
    ASSERT_EQ(baseline.problem, "");
    int tried = 0;
    for (const InjectedFault& fault : baseline.faults) {
        if (!fault.byRecord || fault.tag != 0x534F4454 || fault.function != "FX_LoadEData")
            continue;
        const FaultVerdict verdict = RunWithFault(QZV_GOOD_MODULE, scenario, baseline, fault);
        EXPECT_EQ(verdict.crash, "") << fault.Describe();
        EXPECT_EQ(verdict.openEdit, "") << fault.Describe();
        ++tried;
    }
    EXPECT_GE(tried, 3);
}

TEST(FaultInjection, RefusalsRunInOneProcessGiveTheVerdictsEachGivesAlone)
{
    const FaultScenario& scenario = Scenario("add staves");
    const FaultBaseline baseline = LearnScenario(QZV_GOOD_MODULE, scenario);
    ASSERT_EQ(baseline.problem, "");
    const std::vector<FaultVerdict> together = RunWithFaults(QZV_GOOD_MODULE, scenario, baseline, baseline.faults);
    ASSERT_EQ(together.size(), baseline.faults.size());
    for (size_t i = 0; i < together.size(); ++i) {
        const FaultVerdict alone = RunWithFault(QZV_GOOD_MODULE, scenario, baseline, baseline.faults[i]);
        const std::string what = baseline.faults[i].Describe();
        EXPECT_EQ(together[i].crash, alone.crash) << what;
        EXPECT_EQ(together[i].document, alone.document) << what;
        EXPECT_EQ(together[i].panel, alone.panel) << what;
        EXPECT_EQ(together[i].openEdit, alone.openEdit) << what;
    }
}

TEST(FaultInjection, ARefusedEndOfTheEditCancelsTheChangeInsteadOfLeavingTheEditOpen)
{
    const FaultScenario& scenario = Scenario("rename a staff set");
    const FaultBaseline baseline = LearnScenario(QZV_GOOD_MODULE, scenario);
    InjectedFault end;
    ASSERT_TRUE(FindFault(baseline, "FX_EndFinaleEdit", 0, end));
    const FaultVerdict verdict = RunWithFault(QZV_GOOD_MODULE, scenario, baseline, end);
    EXPECT_EQ(verdict.openEdit, "");
    EXPECT_EQ(verdict.document, "");
    /* The panel keeps the old name, which the cancelled edit kept too. */
    EXPECT_EQ(verdict.panel, "");
}

TEST(FaultInjection, AModuleWithoutUndoBlocksFailsBeforeAnyFaultIsInjected)
{
    ValidationContext context;
    context.module = QZV_SKIPUNDO_MODULE;
    context.level = 7;
    Collect collect;
    RunFaultInjection(context, collect);
    ASSERT_EQ(collect.results.size(), 5u);
    EXPECT_TRUE(collect.results[0].passed) << collect.results[0].detail;
    EXPECT_FALSE(collect.results[1].passed);
    EXPECT_NE(collect.results[1].detail.find("undo steps"), std::string::npos) << collect.results[1].detail;
}

} // namespace
