/* Element operations of the Cocoa bridge on the panel layout: the Cocoa
 * views behind each operation, as the user would see them. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include "unit/framework/ui/UiTestWindow.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
/* A control created in code with a given type code. */
class CodedControl : public FCControl
{
    int _code;

public:
    CodedControl(int id, int code) : FCControl(id), _code(code) { _SetCreateInCode(true); }
    int _GetControlType() const override { return _code; }
};

class CocoaElements_ : public UiTest
{
protected:
    TestWindow window;
    _FCWindowController_cocoa* pBridge = nullptr;
    int win = 0;

    void SetUp() override
    {
        UiTest::SetUp();
        const int kCodes[][2] = {{601, 1}, {602, 5}, {603, 7}, {604, 8}, {605, 10}, {606, 13}, {607, 11}};
        for (const auto& entry : kCodes)
            window.AddControl(new CodedControl(entry[0], entry[1]));
        win = Shown(window);
        pBridge = window._GetBridge();
    }

    NSView* View(int tag) const
    {
        return [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:tag];
    }
};
} // namespace

TEST_F(CocoaElements_, ElementsCreatedInCodeAreTheirCocoaKindsWithTheirTags)
{
    ASSERT_NE(0, win);
    EXPECT_TRUE([View(601) isKindOfClass:[NSStepper class]]);
    EXPECT_EQ(QZUI_KIND_CHECK_BOX, Info(win, 602).kind);
    NSTextField* pStatic = QZ_AS(NSTextField, View(603));
    ASSERT_TRUE([pStatic isKindOfClass:[NSTextField class]]);
    EXPECT_FALSE([pStatic isEditable]);
    EXPECT_FALSE([pStatic isBezeled]);
    EXPECT_TRUE([View(604) isKindOfClass:[NSPopUpButton class]]);
    EXPECT_TRUE([View(605) isKindOfClass:[NSSlider class]]);
    EXPECT_EQ(1, [QZ_AS(NSSegmentedControl, View(606)) segmentCount]);
    /* Code 11: a headerless table that always keeps a selection, in a scroll view. */
    NSTableView* pTable = QZ_AS(NSTableView, View(607));
    ASSERT_TRUE([pTable isKindOfClass:[NSTableView class]]);
    EXPECT_EQ(nil, [pTable headerView]);
    EXPECT_FALSE([pTable allowsEmptySelection]);
    EXPECT_NE(nil, [pTable enclosingScrollView]);
    /* Wired like layout elements: the segmented control reports to the controller. */
    EXPECT_STREQ("segmentedControlPressed:", [NSStringFromSelector([QZ_AS(NSControl, View(606)) action]) UTF8String]);
}

TEST_F(CocoaElements_, CheckStatesMapToTheButtonStatesAndOtherValuesAreIgnored)
{
    NSButton* pCheck = QZ_AS(NSButton, View(602));
    pBridge->SetDlgItemCheck(602, 1);
    EXPECT_EQ(NSOnState, [pCheck state]);
    pBridge->SetDlgItemCheck(602, 7);
    EXPECT_EQ(NSOnState, [pCheck state]);
    pBridge->SetDlgItemCheck(602, 0);
    EXPECT_EQ(NSOffState, [pCheck state]);
    EXPECT_EQ(0, pBridge->GetDlgItemCheck(602));
    EXPECT_EQ(0, pBridge->GetDlgItemCheck(102)); /* a text field is no button */
}

TEST_F(CocoaElements_, DisabledTextFieldsTakeTheSecondaryColour)
{
    NSTextField* pField = QZ_AS(NSTextField, View(102));
    pBridge->SetDlgItemEnable(102, false);
    EXPECT_FALSE([pField isEnabled]);
    EXPECT_EQ([NSColor secondarySelectedControlColor], [pField textColor]);
    pBridge->SetDlgItemEnable(102, true);
    EXPECT_EQ([NSColor controlTextColor], [pField textColor]);
}

TEST_F(CocoaElements_, TheCheckColumnIsLeftmostAndHiddenTablesHideTheirScrollView)
{
    window.FillList(2);
    pBridge->TableViewUseLeftCheckboxColumn(101);
    NSTableView* pTable = QZ_AS(NSTableView, View(101));
    EXPECT_TRUE([[[[pTable tableColumns] objectAtIndex:0] identifier] isEqual:@"check"]);
    EXPECT_EQ(4, pBridge->TableViewGetColumnCount(101, true));
    EXPECT_EQ(40.0f, pBridge->TableViewGetColumnWidth(101, 0));
    pBridge->SetDlgItemVisible(101, false);
    EXPECT_TRUE([[pTable enclosingScrollView] isHidden]);
    EXPECT_FALSE(pBridge->GetDlgItemVisible(101));
}

TEST_F(CocoaElements_, AChangeOfHeightKeepsTheTopEdgeAndPositionsRoundTrip)
{
    __FloatRect before{}, after{};
    ASSERT_TRUE(pBridge->GetDlgItemRect(103, &before));
    pBridge->SetDlgItemHeight(103, 50);
    ASSERT_TRUE(pBridge->GetDlgItemRect(103, &after));
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(50.0f, after.Height());
    pBridge->SetDlgItemPos(103, 30, 40, false);
    ASSERT_TRUE(pBridge->GetDlgItemRect(103, &after));
    EXPECT_EQ(30.0f, after.left);
    EXPECT_EQ(40.0f, after.top);
    EXPECT_FALSE(pBridge->GetDlgItemRect(999, &after));
}

TEST_F(CocoaElements_, TitleBarHeightIsWhatTheWindowAddsAboveItsContent)
{
    __FloatRect frame{}, content{};
    pBridge->GetWindowFrameRect(&frame);
    pBridge->GetWindowContentRect(&content);
    EXPECT_GT(pBridge->GetWindowTitleHeight(), 0.0f);
    EXPECT_EQ(frame.Height() - content.Height(), pBridge->GetWindowTitleHeight());
    EXPECT_EQ(frame.Width(), content.Width());
}
