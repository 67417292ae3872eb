/* Parts: making the score current while a linked part is shown, nesting,
   refused switches, part lists, names and custom name texts. */
#include <gtest/gtest.h>

#include <vector>

#include "core/FCIteratorHandler.h"
#include "common/qz_host_versions.h"
#include "document/FCPart.h"
#include "document/FCParts.h"
#include "document/FCPrintSettings.h"
#include "document/FCSystemStaves.h"
#include "support/StavesHostFixture.h"

using PartSwitching = StavesHostTest;

TEST_F(PartSwitching, MinusOneMeansTheCurrentPartAndZeroTheScore)
{
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    FCPart current(-1);
    FCPart score(0);
    EXPECT_EQ(current.GetID(), 1);
    EXPECT_TRUE(current.IsCurrent());
    EXPECT_EQ(score.GetID(), 0);
    EXPECT_FALSE(score.IsCurrent());
    EXPECT_EQ(score.GetDocumentID(), document);
}

TEST_F(PartSwitching, TheScoreListIsReadWhileALinkedPartIsCurrent)
{
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    FCSystemStaves list;
    EXPECT_EQ(list.LoadAllForItem(0), 2);

    FCPart score(0);
    ASSERT_TRUE(score.SwitchTo());
    EXPECT_EQ(H().hostsim_current_part(), 0);
    EXPECT_EQ(list.LoadAllForItem(0), 6);
    EXPECT_TRUE(score.SwitchBack());
    EXPECT_EQ(H().hostsim_current_part(), 1);
    EXPECT_FALSE(score.SwitchBack());
}

TEST_F(PartSwitching, OneObjectHoldsOneLevel)
{
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    FCPart score(0);
    ASSERT_TRUE(score.SwitchTo());
    EXPECT_FALSE(score.SwitchTo());
    EXPECT_TRUE(score.SwitchBack());
    EXPECT_EQ(H().hostsim_current_part(), 1);
}

TEST_F(PartSwitching, ObjectsNestWhenSwitchedBackInReverseOrder)
{
    FCPart linked(1);
    FCPart score(0);
    FCPart scoreAgain(0);
    ASSERT_TRUE(linked.SwitchTo());
    ASSERT_TRUE(score.SwitchTo());
    ASSERT_TRUE(scoreAgain.SwitchTo()); /* the part that is current already */
    EXPECT_TRUE(scoreAgain.SwitchBack());
    EXPECT_EQ(H().hostsim_current_part(), 0);
    EXPECT_TRUE(score.SwitchBack());
    EXPECT_EQ(H().hostsim_current_part(), 1);
    EXPECT_TRUE(linked.SwitchBack());
    EXPECT_EQ(H().hostsim_current_part(), 0);
}

TEST_F(PartSwitching, SwitchBackWithoutSwitchToAsksTheHostNothing)
{
    FCPart score(0);
    const size_t calls = H().hostsim_call_log_count();
    EXPECT_FALSE(score.SwitchBack());
    EXPECT_EQ(H().hostsim_call_log_count(), calls);
}

TEST_F(PartSwitching, ARefusedSwitchReportsFailureAndLeavesNothingToRestore)
{
    FCPart missing(9);
    EXPECT_FALSE(missing.SwitchTo());
    EXPECT_EQ(H().hostsim_current_part(), 0);
    EXPECT_FALSE(missing.SwitchBack());

    H().hostsim_fail("FX_SetCurrentPartID", HOSTSIM_FAIL_REFUSE, 1);
    FCPart linked(1);
    EXPECT_FALSE(linked.SwitchTo());
    EXPECT_EQ(H().hostsim_current_part(), 0);
    /* Once the host cooperates, the same object switches normally. */
    EXPECT_TRUE(linked.SwitchTo());
    EXPECT_EQ(H().hostsim_current_part(), 1);
    EXPECT_TRUE(linked.SwitchBack());
    EXPECT_EQ(H().hostsim_current_part(), 0);
}

TEST_F(PartSwitching, APartOfAnotherDocumentIsNotSwitched)
{
    FCPart score(0);
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    const int16_t other = H().hostsim_new_document(HOSTSIM_SEED_TEST);
    ASSERT_TRUE(H().hostsim_set_current_document(other));
    const int16_t otherPart = H().hostsim_current_part();
    EXPECT_FALSE(score.SwitchTo());
    EXPECT_EQ(H().hostsim_current_part(), otherPart);
    ASSERT_TRUE(H().hostsim_set_current_document(document));
    EXPECT_EQ(H().hostsim_current_part(), 1);
}

TEST_F(PartSwitching, StaffMembershipIsReadInThePartAndTheCurrentPartIsKept)
{
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    FCPart score(0);
    FCPart linked(1);
    EXPECT_TRUE(linked.IsStaffIncluded(4));
    EXPECT_FALSE(linked.IsStaffIncluded(1));
    EXPECT_TRUE(score.IsStaffIncluded(1));
    EXPECT_FALSE(FCPart(5).IsStaffIncluded(1));
    EXPECT_EQ(H().hostsim_current_part(), 1);
}

/* ---- Part lists --------------------------------------------------------------- */

namespace
{
/* Notes which part is current at each visit; stops at visit stopAt. */
class PartVisitor : public FCIteratorHandler
{
public:
    PartVisitor(const HostsimApi& host, int stopAt, bool pre = true) : _host(host), _stopAt(stopAt), _pre(pre) {}
    bool PreProcess() override { return _pre; }
    void PostProcess() override { ++postCalls; }
    bool Iterate(__FCBase* pObject) override
    {
        const FCPart* pPart = dynamic_cast<const FCPart*>(pObject);
        visited.push_back(pPart ? pPart->GetID() : -99);
        current.push_back(_host.hostsim_current_part());
        return static_cast<int>(visited.size()) != _stopAt;
    }
    std::vector<int> visited, current;
    int postCalls = 0;

private:
    const HostsimApi& _host;
    int _stopAt;
    bool _pre;
};
} // namespace

class PartLists : public StavesHostTest
{
protected:
    void SetUp() override
    {
        StavesHostTest::SetUp();
        const int16_t staves[] = {1};
        const int32_t distances[] = {0};
        ASSERT_TRUE(H().hostsim_add_part(document, 2, "Winds", staves, distances, 1));
        PutPartRecord(0, 0);
        PutPartRecord(1, 2);
        PutPartRecord(2, 1);
    }
};

TEST_F(PartLists, LoadAllFollowsTheHostsPartOrderAndSortsByOrderID)
{
    ASSERT_TRUE(H().hostsim_set_current_part(2));
    FCParts parts;
    ASSERT_EQ(parts.LoadAll(), 3);
    EXPECT_EQ(parts.GetItemAt(1)->GetID(), 1);
    EXPECT_EQ(parts.GetScore(), parts.GetItemAt(0));
    ASSERT_NE(parts.GetCurrent(), nullptr);
    EXPECT_EQ(parts.GetCurrent()->GetID(), 2);
    FCPart wanted(1);
    EXPECT_EQ(parts.FindPart(&wanted), parts.GetItemAt(1));
    EXPECT_EQ(parts.FindPart(nullptr), nullptr);

    parts.SortByOrderID();
    EXPECT_EQ(parts.GetItemAt(0)->GetID(), 0);
    EXPECT_EQ(parts.GetItemAt(1)->GetID(), 2);
    EXPECT_EQ(parts.GetItemAt(2)->GetID(), 1);
    EXPECT_EQ(parts.GetItemAt(2)->GetOrderID(), 2);
}

TEST_F(PartLists, LoadAllStopsAtAPartWithoutRecord)
{
    int16_t key[3] = {1, 0, 0};
    ASSERT_TRUE(H().hostsim_delete_record(kPartTag, key));
    FCParts parts;
    EXPECT_EQ(parts.LoadAll(), 1);
}

TEST_F(PartLists, AHostThatCannotNameTheNextPartEndsTheList)
{
    H().hostsim_fail("FX_GetNextPartID", HOSTSIM_FAIL_MISSING, -1);
    FCParts parts;
    EXPECT_EQ(parts.LoadAll(), 1);
}

TEST_F(PartLists, APartTheHostWillNotMakeCurrentIsNotVisited)
{
    FCParts parts;
    ASSERT_EQ(parts.LoadAll(), 3);
    H().hostsim_fail("FX_SetCurrentPartID", HOSTSIM_FAIL_REFUSE, 1);
    PartVisitor visitor(H(), 0);
    EXPECT_EQ(parts.ForEachWithScope(&visitor), 2);
    EXPECT_EQ(visitor.visited, (std::vector<int>{1, 2}));
    EXPECT_EQ(visitor.current, (std::vector<int>{1, 2}));
}

TEST_F(PartLists, ForEachWithScopeVisitsEachPartWhileItIsCurrent)
{
    FCParts parts;
    ASSERT_EQ(parts.LoadAll(), 3);
    PartVisitor all(H(), 0);
    EXPECT_EQ(parts.ForEachWithScope(&all), 3);
    EXPECT_EQ(all.current, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(all.postCalls, 1);
    EXPECT_EQ(H().hostsim_current_part(), 0);

    PartVisitor stopAtThird(H(), 3);
    EXPECT_EQ(parts.ForEachWithScope(&stopAtThird), 2);
    EXPECT_EQ(stopAtThird.postCalls, 1);
    EXPECT_EQ(H().hostsim_current_part(), 0);

    PartVisitor refused(H(), 0, false);
    EXPECT_EQ(parts.ForEachWithScope(&refused), 0);
    EXPECT_TRUE(refused.visited.empty());
    EXPECT_EQ(refused.postCalls, 0);
}

/* ---- Names ---------------------------------------------------------------------- */

TEST_F(PartSwitching, TheHostNamesItsParts)
{
    FCString name;
    FCPart(1).GetName(&name);
    EXPECT_FALSE(name.IsEmpty());
    FCPart(1).GetName(nullptr);
    FCPart(7).GetName(&name);
    EXPECT_TRUE(name.IsEmpty());
}

using OldHostParts = StavesProfileHostTest;

TEST_P(OldHostParts, OldHostsCannotNameParts)
{
    FCString name;
    FCPart(1).GetName(&name);
    EXPECT_EQ(std::string(name.GetUTF8String()), "Not available (due to a bug)");
}

INSTANTIATE_TEST_SUITE_P(Profiles, OldHostParts, ::testing::Values(qz::kHostVersion10));

/* ---- Custom name texts -------------------------------------------------------------- */

TEST_F(PartLists, ACustomNameIsCreatedReadAndRemoved)
{
    FCPart part(2);
    ASSERT_TRUE(part.Load(2));
    EXPECT_EQ(part.CreateCustomTextString(), nullptr);
    EXPECT_FALSE(part.DeleteCustomText());
    FCString name("Woodwinds");
    Edit edit;
    ASSERT_TRUE(part.SaveCustomTextString(&name));
    EXPECT_EQ(Utf8(part.CreateCustomTextString()), "Woodwinds");
    FCString renamed("Winds");
    ASSERT_TRUE(part.SaveCustomTextString(&renamed));
    EXPECT_EQ(Utf8(part.CreateCustomTextString()), "Winds");
    EXPECT_FALSE(part.SaveCustomTextString(nullptr));
    ASSERT_TRUE(part.Save());
    EXPECT_NE(Word(Record(kPartTag, 2, 0), 0), 0);

    ASSERT_TRUE(part.DeleteCustomText());
    EXPECT_EQ(part.CreateCustomTextString(), nullptr);
}

TEST_F(PartLists, DeletingAMissingCustomTextStillClearsTheReference)
{
    uint8_t bytes[12] = {};
    bytes[0] = 99; /* a text block that does not exist */
    int16_t key[3] = {1, 0, 0};
    ASSERT_TRUE(H().hostsim_put_other(kPartTag, key, bytes, sizeof bytes));
    FCPart part(1);
    ASSERT_TRUE(part.Load(1));
    EXPECT_EQ(part.CreateCustomTextString(), nullptr);
    EXPECT_TRUE(part.DeleteCustomText());
    EXPECT_FALSE(part.DeleteCustomText());
}

TEST_F(PartLists, IdentityIsPartAndDocument)
{
    FCPart a(1);
    FCPart b(1);
    FCPart c(2);
    EXPECT_TRUE(a.IsIdentical(&b));
    EXPECT_FALSE(a.IsIdentical(&c));
    EXPECT_FALSE(a.IsIdentical(nullptr));
}

/* ---- Printing one part ---------------------------------------------------------------- */

TEST_F(PartLists, PrintingAPartRestoresEveryPrintMark)
{
    PatchWord(kPartTag, 1, 6, 0x0001);
    FCPrintSettings settings;
    FCPart part(2);
    Edit edit;
    EXPECT_FALSE(part.Print(nullptr));
    ASSERT_TRUE(part.Print(&settings));
    EXPECT_EQ(Calls("FX_PrintDocument"), 1u);
    EXPECT_EQ(Word(Record(kPartTag, 1, 0), 6), 1);
    EXPECT_EQ(Word(Record(kPartTag, 2, 0), 6), 0);
    EXPECT_FALSE(FCPart(9).Print(&settings));
    EXPECT_EQ(Calls("FX_PrintDocument"), 1u);
}
