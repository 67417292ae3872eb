#include "KindsTestWindow.h"

namespace
{
using Rows = std::vector<std::string>;

FCTreeNode* Add(FCCtrlTree* pTree, FCTreeNode* pParent, bool container, const char* text)
{
    FCString label(text);
    return pTree->AddNode(pParent, container, &label);
}

std::string TextOf(const FCTreeNode* pNode)
{
    if (!pNode)
        return "<none>";
    FCString text;
    pNode->GetText(&text);
    return text.GetCString();
}

/* A tree of two containers (A with a1, a2; B with b1) and a leaf C. */
class TreeControl : public UiTest
{
protected:
    KindsWindow window;
    FCCtrlTree* pTree = window.pTree;
    FCTreeNode* pA = nullptr;
    FCTreeNode* pA1 = nullptr;
    FCTreeNode* pA2 = nullptr;
    FCTreeNode* pB = nullptr;
    FCTreeNode* pB1 = nullptr;
    FCTreeNode* pC = nullptr;

    void SetUp() override
    {
        UiTest::SetUp();
        pA = Add(pTree, nullptr, true, "A");
        pA1 = Add(pTree, pA, false, "a1");
        pA2 = Add(pTree, pA, false, "a2");
        pB = Add(pTree, nullptr, true, "B");
        pB1 = Add(pTree, pB, false, "b1");
        pC = Add(pTree, nullptr, false, "C");
    }
};
} // namespace

TEST_F(TreeControl, NodesFollowTheTwoLevelRules)
{
    EXPECT_EQ(nullptr, Add(pTree, pA, true, "nested container"));
    EXPECT_EQ(nullptr, Add(pTree, pA1, false, "third level"));
    EXPECT_EQ(nullptr, pTree->AddNode(nullptr, false, nullptr));
    FCTreeNode detached(nullptr);
    EXPECT_EQ(nullptr, Add(pTree, &detached, false, "under a detached node"));
    EXPECT_TRUE(pC->GetParent() != nullptr && !pC->IsContainer());
    EXPECT_EQ(3, pTree->_GetRoot()->GetCount());

    EXPECT_EQ(2, pTree->CalcRootIndex(pC));
    EXPECT_EQ(1, pTree->CalcNodeIndex(pA2, pA));
    EXPECT_EQ(-1, pTree->CalcNodeIndex(pA2, pB));
    EXPECT_TRUE(pTree->IsNodeAttached(pB1, nullptr));
    EXPECT_TRUE(pTree->IsNodeAttached(pB1, pB));
    EXPECT_FALSE(pTree->IsNodeAttached(pB1, pA));
    int marker = 0;
    pA2->SetUserData(&marker);
    EXPECT_EQ(pA2, pTree->FindUserDataNode(&marker, nullptr));
    EXPECT_EQ(nullptr, pTree->FindUserDataNode(&marker, pB));

    FCString text("x");
    EXPECT_EQ(nullptr, pTree->InsertNodeAt(nullptr, &text, 0));
    EXPECT_EQ(nullptr, pTree->InsertNodeAt(pA, &text, -1));
    FCTreeNode* pLast = pTree->InsertNodeAt(pA, &text, 99);
    ASSERT_NE(nullptr, pLast);
    EXPECT_EQ(2, pTree->CalcNodeIndex(pLast, pA));
    EXPECT_FALSE(pLast->IsContainer());
}

TEST_F(TreeControl, OperationsRefuseNodesThatAreNotTheTrees)
{
    KindsWindow other;
    FCTreeNode* pForeign = Add(other.pTree, nullptr, true, "foreign");
    FCTreeNode* pForeignChild = Add(other.pTree, pForeign, false, "foreign child");
    FCTreeNode detached(nullptr);
    for (FCTreeNode* pBad : {static_cast<FCTreeNode*>(nullptr), pForeign, pForeignChild, &detached}) {
        EXPECT_FALSE(pTree->DeleteNode(pBad));
        EXPECT_FALSE(pTree->SwapNodes(pA, pBad));
        EXPECT_FALSE(pTree->SwapNodes(pBad, pA));
        pTree->SetSelectedNode(pBad);
        pTree->ExpandNode(pBad);
    }
    EXPECT_FALSE(pTree->SwapNodes(pA, pA));
    EXPECT_FALSE(pTree->SwapNodes(pA, pA1)); /* not siblings */
    EXPECT_EQ(nullptr, pTree->GetSelectedNode());
    EXPECT_FALSE(pForeign->IsExpanded());
    EXPECT_EQ(1, other.pTree->_GetRoot()->GetCount());
    EXPECT_EQ(1, pForeign->GetCount());
    EXPECT_EQ(3, pTree->_GetRoot()->GetCount());
}

TEST_F(TreeControl, OffScreenTheNodesHoldSelectionAndExpansion)
{
    pTree->SetSelectedNode(pA2);
    pTree->SetSelectedNode(pB1);
    EXPECT_EQ(pB1, pTree->GetSelectedNode());
    EXPECT_FALSE(pA2->IsSelected());
    pTree->ExpandNode(pC); /* not a container */
    pTree->ExpandNode(pA1);
    EXPECT_FALSE(pC->IsExpanded());
    EXPECT_FALSE(pA1->IsExpanded());
    pTree->ExpandAllContainers();
    EXPECT_TRUE(pA->IsExpanded() && pB->IsExpanded());
    pTree->CollapseNode(pB);
    EXPECT_FALSE(pB->IsExpanded());
    pTree->CollapseAllContainers();
    EXPECT_FALSE(pA->IsExpanded());
}

TEST_F(TreeControl, TreeBuiltBeforeShowIsShownExpandedAndSelectedAsSet)
{
    pTree->ExpandNode(pA);
    pTree->SetSelectedNode(pB1); /* its collapsed parent opens on screen */
    int win = window.Show();
    EXPECT_EQ(Rows({"A -", "  a1", "  a2", "B -", "  b1 *", "C"}), OutlineRows(win, KindsWindow::kTree));
    EXPECT_EQ(pB1, pTree->GetSelectedNode());
    /* One column without header, as the data source expects. */
    const OutlineProbe outline = ProbeOutline(win, KindsWindow::kTree);
    ASSERT_EQ(1, outline.columns);
    EXPECT_EQ("treecolumn", outline.firstIdentifier);
    EXPECT_FALSE(outline.firstEditable);
    EXPECT_FALSE(outline.hasHeader);
    EXPECT_EQ(pTree, outline.pTree);
}

TEST_F(TreeControl, UserExpandsAndSelectsOnScreenAndTheTreeReadsItBack)
{
    int win = window.Show();
    EXPECT_EQ(Rows({"A +", "B +", "C"}), OutlineRows(win, KindsWindow::kTree));
    ASSERT_EQ(QZUI_OK, qzui_expand_outline_row(win, KindsWindow::kTree, 1, 1));
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_expand_outline_row(win, KindsWindow::kTree, 3, 1)); /* C */
    ASSERT_EQ(QZUI_OK, qzui_select_outline_row(win, KindsWindow::kTree, 2));
    EXPECT_EQ(Rows({"A +", "B -", "  b1 *", "C"}), OutlineRows(win, KindsWindow::kTree));
    EXPECT_EQ("b1", TextOf(pTree->GetSelectedNode()));
    /* Selecting the selected row again reports nothing. */
    ASSERT_EQ(QZUI_OK, qzui_select_outline_row(win, KindsWindow::kTree, 2));
    EXPECT_EQ(EventLog({"command 209"}), window.log);

    /* Closing the row of the selected child clears the selection. */
    ASSERT_EQ(QZUI_OK, qzui_expand_outline_row(win, KindsWindow::kTree, 1, 0));
    EXPECT_EQ(nullptr, pTree->GetSelectedNode());
    EXPECT_EQ(EventLog({"command 209", "command 209"}), window.log);
    EXPECT_EQ(QZUI_E_RANGE, qzui_select_outline_row(win, KindsWindow::kTree, 3));

    pTree->ExpandNode(pA);
    ASSERT_EQ(QZUI_OK, qzui_select_outline_row(win, KindsWindow::kTree, 2));
    window.CloseWindow();
    EXPECT_EQ(pA2, pTree->GetSelectedNode());
    EXPECT_TRUE(pA->IsExpanded());
    EXPECT_FALSE(pB->IsExpanded());
    /* Shown again, the outline comes back as it was. */
    win = window.Show();
    EXPECT_EQ(Rows({"A -", "  a1", "  a2 *", "B +", "C"}), OutlineRows(win, KindsWindow::kTree));
}

TEST_F(TreeControl, AContainerWithoutChildrenHasNoRowsToOpen)
{
    Add(pTree, nullptr, true, "E");
    int win = window.Show();
    EXPECT_EQ(Rows({"A +", "B +", "C", "E"}), OutlineRows(win, KindsWindow::kTree));
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_expand_outline_row(win, KindsWindow::kTree, 3, 1));
}

TEST_F(TreeControl, ChangesWhileShownAreReReadByTheOutline)
{
    pTree->ExpandAllContainers();
    int win = window.Show();
    pTree->SetSelectedNode(pA2);
    EXPECT_EQ(Rows({"A -", "  a1", "  a2 *", "B -", "  b1", "C"}), OutlineRows(win, KindsWindow::kTree));

    EXPECT_TRUE(pTree->DeleteNode(pA1));
    EXPECT_EQ(Rows({"A -", "  a2 *", "B -", "  b1", "C"}), OutlineRows(win, KindsWindow::kTree));
    EXPECT_TRUE(pTree->SwapNodes(pA, pC));
    EXPECT_EQ(Rows({"C", "B -", "  b1", "A -", "  a2 *"}), OutlineRows(win, KindsWindow::kTree));
    FCString text("a0");
    FCTreeNode* pA0 = pTree->InsertNodeAt(pA, &text, 0);
    ASSERT_NE(nullptr, pA0);
    FCString renamed("C!");
    pC->SetText(&renamed);
    EXPECT_EQ(Rows({"C!", "B -", "  b1", "A -", "  a0", "  a2 *"}), OutlineRows(win, KindsWindow::kTree));
    EXPECT_EQ(pA2, pTree->GetSelectedNode());

    /* Deleting the selected node's container drops the selection. */
    window.log.clear();
    EXPECT_TRUE(pTree->DeleteNode(pA));
    EXPECT_EQ(Rows({"C!", "B -", "  b1"}), OutlineRows(win, KindsWindow::kTree));
    EXPECT_EQ(nullptr, pTree->GetSelectedNode());
    EXPECT_EQ(EventLog({"command 209"}), window.log);

    /* A node added to an emptied container is shown when it is opened. */
    pTree->CollapseAllContainers();
    EXPECT_EQ(Rows({"C!", "B +"}), OutlineRows(win, KindsWindow::kTree));
    pTree->Clear();
    EXPECT_EQ(0, qzui_outline_row_count(win, KindsWindow::kTree));
    FCTreeNode* pD = Add(pTree, nullptr, true, "D");
    Add(pTree, pD, false, "d1");
    pTree->ExpandNode(pD);
    EXPECT_EQ(Rows({"D -", "  d1"}), OutlineRows(win, KindsWindow::kTree));
}
