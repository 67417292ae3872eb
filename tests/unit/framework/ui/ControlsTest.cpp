#include <climits>
#include <cstring>
#include <vector>

#include "UiProbe.h"
#include "ui/FCCtrlListBox.h"
#include "UiTestWindow.h"
#include "ui/_FCWindowController_cocoa.h"

using EditField = UiTest;

TEST_F(EditField, AdjustIntegerWithinMovesOnlyValuesOutside)
{
    FCCtrlEdit edit(1);
    edit.SetInteger(15);
    edit.AdjustIntegerWithin(1, 10);
    EXPECT_EQ(10, edit.GetInteger());
    FCString text("05");
    edit.SetText(&text);
    edit.AdjustIntegerWithin(1, 10);
    FCString after;
    edit.GetText(&after);
    EXPECT_STREQ("05", after.GetCString()); /* untouched, not rewritten as "5" */
    edit.SetInteger(-4);
    edit.AdjustIntegerWithin(1, 10);
    EXPECT_EQ(1, edit.GetInteger());
}

TEST_F(EditField, RangeIntegerClampsOnlyAProperRange)
{
    FCCtrlEdit edit(1);
    edit.SetInteger(50);
    EXPECT_EQ(20, edit.GetRangeInteger(0, 20));
    EXPECT_EQ(40, edit.GetRangeInteger(30, 40));
    edit.SetInteger(-5);
    EXPECT_EQ(30, edit.GetRangeInteger(30, 40));
    edit.SetInteger(50);
    EXPECT_EQ(50, edit.GetRangeInteger(40, 40));
    EXPECT_EQ(50, edit.GetRangeInteger(60, 10));
}

TEST_F(EditField, FloatsAreWrittenWithTwoDecimalsAndClampedOnScreenOnly)
{
    TestWindow window;
    window.pEdit->SetFloat(2.5f);
    FCString text;
    window.pEdit->GetText(&text);
    EXPECT_STREQ("2.50", text.GetCString());
    window.pEdit->SetFloat(12.0f);
    EXPECT_FLOAT_EQ(12.0f, window.pEdit->GetFloat(0, 5));
    int win = Shown(window);
    EXPECT_EQ("12.00", Text(win, 102));
    EXPECT_FLOAT_EQ(5.0f, window.pEdit->GetFloat(0, 5));
    qzui_type_text(win, 102, "-3,5");
    EXPECT_FLOAT_EQ(-3.5f, window.pEdit->GetFloat(-10, 10));
}

TEST_F(EditField, ReadOnlyDisablesTheField)
{
    TestWindow window;
    int win = Shown(window);
    window.pEdit->SetReadOnly(true);
    EXPECT_EQ(0, Info(win, 102).enabled);
    window.pEdit->SetReadOnly(false);
    EXPECT_EQ(1, Info(win, 102).enabled);
    window.pEdit->SetFocus();
    EXPECT_EQ(1, Info(win, 102).focused);
}

using CheckBoxes = UiTest;

TEST_F(CheckBoxes, StateSetBeforeShowingIsShownAndReadBackAfterClosing)
{
    FCResourceWindow window(20128);
    FCCtrlCheckbox* pCheck = window.AddCheckbox(300);
    pCheck->_SetCreateInCode(true);
    pCheck->SetAllowMixedState(true);
    pCheck->SetCheck(1);
    FCString title("Option");
    pCheck->SetText(&title);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20128);
    qzui_element info = Info(win, 300);
    EXPECT_EQ(QZUI_KIND_CHECK_BOX, info.kind);
    EXPECT_EQ(1, info.state);
    EXPECT_EQ(100.0f, info.frame.width);
    EXPECT_EQ("Option", Text(win, 300));
    qzui_press_button(win, 300); /* on -> off */
    qzui_press_button(win, 300); /* off -> mixed, which it allows */
    EXPECT_EQ(2, pCheck->GetCheck());
    window.CloseWindow();
    EXPECT_EQ(2, pCheck->GetCheck());
}

TEST_F(CheckBoxes, MixedStateOnAButtonWithoutItShowsOn)
{
    FCResourceWindow window(20128);
    FCCtrlCheckbox* pCheck = window.AddCheckbox(301);
    pCheck->_SetCreateInCode(true);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    pCheck->SetCheck(2);
    EXPECT_EQ(1, pCheck->GetCheck());
    pCheck->SetCheck(7); /* not a state: ignored */
    EXPECT_EQ(1, pCheck->GetCheck());
    pCheck->SetCheck(0);
    EXPECT_EQ(0, pCheck->GetCheck());
}

TEST_F(CheckBoxes, ButtonsAndChecksHaveTheirTypeCodesAndSizes)
{
    FCCtrlButton button(1);
    FCCtrlCheckbox check(2);
    FCCtrlEdit edit(3);
    FCCtrlDataList list(4);
    FCCtrlListBox box(5);
    EXPECT_EQ(4, button._GetControlType());
    EXPECT_EQ(60.0f, button._GetAutoCreateWidth());
    EXPECT_EQ(5, check._GetControlType());
    EXPECT_EQ(6, edit._GetControlType());
    EXPECT_EQ(2, list._GetControlType());
    EXPECT_EQ(11, box._GetControlType());
    EXPECT_EQ(170.0f, box._GetAutoCreateMultilineHeight());
    EXPECT_STREQ("FCControl", button.ClassName());
    EXPECT_STREQ("FCCtrlEdit", edit.ClassName());
    EXPECT_STREQ("FCCtrlListBox", box.ClassName());
    EXPECT_TRUE(button.IsIdentical(&check)); /* both report "FCControl" */
}

TEST_F(CheckBoxes, ShortcutKeyIsClearedOnScreen)
{
    TestWindow window;
    int win = Shown(window);
    EXPECT_EQ("\r", ProbeKeyEquivalent(win, 1));
    window.pOk->ClearShortcutKey();
    EXPECT_EQ("", ProbeKeyEquivalent(win, 1));
}

using ListBoxControl = UiTest;

TEST_F(ListBoxControl, PendingStringsAreShownAndReadBackAfterClosing)
{
    FCResourceWindow window(20128);
    FCCtrlListBox* pBox = window.AddListBox(400);
    pBox->_SetCreateInCode(true);
    FCString a("alpha"), b("beta");
    pBox->AddString(&a);
    pBox->AddString(&b);
    EXPECT_EQ(2, pBox->GetCount());
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20128);
    EXPECT_EQ(2, qzui_table_row_count(win, 400));
    EXPECT_EQ("beta", Cell(win, 400, 1, 0));
    EXPECT_EQ(0, pBox->GetSelectedItem()); /* created in code: item 0 selected */
    EXPECT_EQ(11, pBox->GetFontSize());
    FCString c("gamma");
    pBox->AddString(&c);
    pBox->SetSelectedItem(2);
    /* No empty selection in a list box. */
    EXPECT_EQ(QZUI_E_RANGE, qzui_select_row(win, 400, -1));
    window.CloseWindow();
    EXPECT_EQ(3, pBox->GetCount());
    EXPECT_EQ(2, pBox->GetSelectedItem());
    FCString text;
    pBox->GetItemText(2, &text);
    EXPECT_STREQ("gamma", text.GetCString());
}

TEST_F(ListBoxControl, ItemTextsIgnoreBadIndexes)
{
    TestWindow window;
    auto* pBox = static_cast<FCCtrlListBox*>(window.AddControl(new FCCtrlListBox(401)));
    pBox->_SetCreateInCode(true);
    Shown(window);
    FCString a("one");
    pBox->AddString(&a);
    FCString replaced("uno");
    pBox->SetItemText(0, &replaced);
    pBox->SetItemText(-1, &replaced);
    pBox->SetItemText(3, &replaced);
    FCString text("unchanged");
    pBox->GetItemText(5, &text);
    EXPECT_STREQ("unchanged", text.GetCString());
    pBox->GetItemText(0, &text);
    EXPECT_STREQ("uno", text.GetCString());
    pBox->DeleteItem(-1);
    EXPECT_EQ(1, pBox->GetCount());
    pBox->DeleteItem(0);
    EXPECT_EQ(0, pBox->GetCount());
}

using DynamicControls = UiTest;

TEST_F(DynamicControls, ElementsAreCreatedByTypeCode)
{
    FCResourceWindow window(20128);
    FCControl* pPlain = window.AddControl(new FCControl(500));
    FCCtrlEdit* pEdit = window.AddEdit(501);
    FCCtrlDataList* pList = window.AddDataList(502);
    FCCtrlButton* pButton = window.AddButton(503);
    for (FCControl* pControl :
         {pPlain, static_cast<FCControl*>(pEdit), static_cast<FCControl*>(pList), static_cast<FCControl*>(pButton)})
        pControl->_SetCreateInCode(true);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20128);
    qzui_element info{};
    EXPECT_EQ(QZUI_E_NO_ELEMENT, qzui_element_info(win, 500, &info)); /* type 0 has no element */
    EXPECT_EQ(QZUI_KIND_TEXT_FIELD, Info(win, 501).kind);
    EXPECT_EQ(1, Info(win, 501).editable);
    EXPECT_EQ(QZUI_KIND_TABLE, Info(win, 502).kind);
    EXPECT_EQ(200.0f, Info(win, 502).frame.width);
    EXPECT_EQ(11, pList->GetFontSize());
    EXPECT_EQ(QZUI_KIND_PUSH_BUTTON, Info(win, 503).kind);
    EXPECT_EQ(60.0f, pButton->GetWidth());
    EXPECT_FALSE(FCControl(1)._CreateUIControl()); /* no window */
}

namespace
{
/* A control that asks for an element of any type code. */
class CodedControl : public FCControl
{
    int _code;

public:
    CodedControl(int id, int code) : FCControl(id), _code(code) { _SetCreateInCode(true); }
    int _GetControlType() const override { return _code; }
};
} // namespace

class ElementFamilies : public UiTest
{
protected:
    FCResourceWindow window{20128};
    _FCWindowController_cocoa* pBridge = nullptr;

    void SetUp() override
    {
        UiTest::SetUp();
        const int kCodes[][2] = {{600, 8}, {601, 10}, {602, 13}, {603, 1}, {604, 9}};
        for (const auto& entry : kCodes)
            window.AddControl(new CodedControl(entry[0], entry[1]));
        window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
        pBridge = window._GetBridge();
    }
};

TEST_F(ElementFamilies, PopupItemsMayRepeatAndKeepTheSelection)
{
    FCString a("a"), b("b");
    EXPECT_EQ(-1, pBridge->GetSelectedPopupItem(600));
    pBridge->AppendPopupItem(600, &a);
    pBridge->AppendPopupItem(600, &a);
    pBridge->AppendPopupItem(600, &b);
    EXPECT_EQ(3, pBridge->GetPopupItemCount(600));
    EXPECT_EQ(0, pBridge->GetSelectedPopupItem(600));
    pBridge->InsertString(600, 0, &b);
    EXPECT_EQ(1, pBridge->GetSelectedPopupItem(600));
    pBridge->DeletePopupItem(600, 1);
    EXPECT_EQ(0, pBridge->GetSelectedPopupItem(600));
    pBridge->SelectPopupItem(600, 9);
    EXPECT_EQ(0, pBridge->GetSelectedPopupItem(600));
    pBridge->ClearAllPopupItems(600);
    EXPECT_EQ(0, pBridge->GetPopupItemCount(600));
    EXPECT_EQ(-1, pBridge->GetSelectedPopupItem(601)); /* a slider is no popup */
}

TEST_F(ElementFamilies, SliderLimitsSetTheTickMarks)
{
    pBridge->SetSliderMin(601, 2);
    pBridge->SetSliderMax(601, 6);
    pBridge->SetSliderThumbValue(601, 4);
    EXPECT_EQ(2, pBridge->GetSliderMin(601));
    EXPECT_EQ(6, pBridge->GetSliderMax(601));
    EXPECT_EQ(4, pBridge->GetSliderThumbValue(601));
    int win = qzui_find_window(20128);
    EXPECT_EQ(5, ProbeTickMarks(win, 601));
    /* A range wider than an int counts as many tick marks as an int holds;
       a reversed one as none. */
    pBridge->SetSliderMin(601, INT_MIN);
    pBridge->SetSliderMax(601, INT_MAX);
    EXPECT_EQ(INT_MAX, ProbeTickMarks(win, 601));
    pBridge->SetSliderMax(601, 6);
    pBridge->SetSliderMin(601, 7);
    EXPECT_EQ(0, ProbeTickMarks(win, 601));
    pBridge->SetSliderMin(601, 2);
    EXPECT_EQ(-1, pBridge->GetSliderThumbValue(600));
    EXPECT_EQ(0, pBridge->GetSliderMax(600));
}

TEST_F(ElementFamilies, FirstSwitcherPageReusesTheLoneSegment)
{
    FCString one("One"), two("Two");
    EXPECT_EQ(1, pBridge->SwitcherGetPageCount(602));
    pBridge->SwitcherAddPage(602, &one);
    EXPECT_EQ(1, pBridge->SwitcherGetPageCount(602));
    pBridge->SwitcherAddPage(602, &two);
    EXPECT_EQ(2, pBridge->SwitcherGetPageCount(602));
    EXPECT_EQ(-1, pBridge->SwitcherGetSelectedPage(602));
    pBridge->SwitcherSetSelectedPage(602, 1);
    pBridge->SwitcherSetSelectedPage(602, 5);
    EXPECT_EQ(1, pBridge->SwitcherGetSelectedPage(602));
    EXPECT_EQ(-1, pBridge->SwitcherGetSelectedPage(603));
}

TEST_F(ElementFamilies, StepperAndSeparator)
{
    pBridge->SetStepperMinMax(603, -3, 9);
    EXPECT_EQ(-3, pBridge->GetStepperMin(603));
    EXPECT_EQ(9, pBridge->GetStepperMax(603));
    /* The separator is a box found by its identifier, the control ID. */
    __FloatRect rect;
    ASSERT_TRUE(pBridge->GetDlgItemRect(604, &rect));
    EXPECT_EQ(1.0f, rect.Height());
}

/* A control of another class with a list's, a tree's or a check box's type
   code gets that element, and nothing of it is read or written as though it
   were such a control. */
TEST_F(DynamicControls, AControlOfAnotherClassGetsItsElementUntouched)
{
    class Foreign : public CodedControl
    {
    public:
        unsigned char filler[256];
        Foreign(int id, int code) : CodedControl(id, code) { std::memset(filler, 0xAB, sizeof filler); }
    };
    FCResourceWindow window(20128);
    const int kCodes[][2] = {
        {700, FCControl::CTRLTYPE_DATALIST}, {701, FCControl::CTRLTYPE_TREE}, {702, FCControl::CTRLTYPE_CHECKBOX}};
    std::vector<Foreign*> controls;
    for (const auto& entry : kCodes)
        controls.push_back(static_cast<Foreign*>(window.AddControl(new Foreign(entry[0], entry[1]))));
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20128);
    EXPECT_EQ(QZUI_KIND_TABLE, Info(win, 700).kind);
    EXPECT_EQ(QZUI_KIND_OUTLINE, Info(win, 701).kind);
    /* Without the mixed state, mixed shows as on. */
    window._GetBridge()->SetDlgItemCheck(702, 2);
    EXPECT_EQ(1, window._GetBridge()->GetDlgItemCheck(702));
    for (Foreign* pControl : controls)
        EXPECT_EQ(std::vector<unsigned char>(256, 0xAB),
                  std::vector<unsigned char>(pControl->filler, pControl->filler + 256));
}
