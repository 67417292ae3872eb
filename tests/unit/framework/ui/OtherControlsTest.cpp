#include "KindsTestWindow.h"

namespace
{

void Fill(FCStrings* pList, std::initializer_list<const char*> texts)
{
    for (const char* text : texts) {
        FCString item(text);
        pList->AddCopy(&item);
    }
}

std::string TextOf(FCControl* pControl)
{
    FCString text;
    pControl->GetText(&text);
    return text.GetCString();
}
} // namespace

using ControlKinds = UiTest;

TEST_F(ControlKinds, RadioButtonsAreConfiguredSwitchedAsAGroupAndReadBack)
{
    KindsWindow window;
    window.pRadioB->SetCheck(true);
    window.pRadioA->SetCheck(false);
    EXPECT_TRUE(window.pRadioB->GetCheck());
    int win = window.Show();
    EXPECT_EQ(0, Info(win, KindsWindow::kRadioA).state);
    EXPECT_EQ(1, Info(win, KindsWindow::kRadioB).state);

    ASSERT_EQ(QZUI_OK, qzui_press_button(win, KindsWindow::kRadioA));
    EXPECT_EQ(Expect({"command 201"}), window.log);
    EXPECT_TRUE(window.pRadioA->GetCheck());
    EXPECT_FALSE(window.pRadioB->GetCheck());

    window.CloseWindow();
    EXPECT_TRUE(window.pRadioA->GetCheck());
    EXPECT_FALSE(window.pRadioB->GetCheck());
}

TEST_F(ControlKinds, StaticTextIsSetClearedAndReadBack)
{
    KindsWindow window;
    window.pStatic->SetInteger(-42);
    EXPECT_EQ("-42", TextOf(window.pStatic));
    int win = window.Show();
    EXPECT_EQ("-42", Text(win, KindsWindow::kStatic));
    window.pStatic->Clear();
    EXPECT_EQ("", Text(win, KindsWindow::kStatic));
    window.pStatic->SetInteger(7);
    window.CloseWindow();
    EXPECT_EQ("7", TextOf(window.pStatic));
}

TEST_F(ControlKinds, PopupItemsConfiguredBeforeShowReplaceTheLayoutsAndArePickedOnScreen)
{
    KindsWindow window;
    FCStrings items;
    Fill(&items, {"one", "two", "three"});
    window.pPopup->SetStrings(&items);
    window.pPopup->SetSelectedItem(7); /* outside the items: nothing */
    window.pPopup->SetSelectedItem(2);
    window.pPopup->DeleteItem(0); /* the stored selection follows its item */
    EXPECT_EQ(2, window.pPopup->GetCount());
    EXPECT_EQ(1, window.pPopup->GetSelectedItem());
    int win = window.Show();
    ASSERT_EQ(2, qzui_popup_item_count(win, KindsWindow::kPopup));
    EXPECT_EQ("two", PopupItem(win, KindsWindow::kPopup, 0));
    EXPECT_EQ("three", PopupItem(win, KindsWindow::kPopup, 1));
    EXPECT_EQ(1, qzui_popup_selected(win, KindsWindow::kPopup));

    ASSERT_EQ(QZUI_OK, qzui_pick_popup_item(win, KindsWindow::kPopup, 0));
    EXPECT_EQ(Expect({"command 204"}), window.log);
    EXPECT_EQ(QZUI_E_RANGE, qzui_pick_popup_item(win, KindsWindow::kPopup, 2));
    EXPECT_EQ(0, window.pPopup->GetSelectedItem());
    window.pPopup->SetSelectedItem(5);
    EXPECT_EQ(0, window.pPopup->GetSelectedItem());

    /* Renaming keeps the selection; inserting shifts it with its item. */
    FCString renamed("TWO"), first("zero");
    window.pPopup->SetItemText(0, &renamed);
    window.pPopup->SetItemText(4, &renamed);
    window.pPopup->InsertString(0, &first);
    EXPECT_EQ("TWO", PopupItem(win, KindsWindow::kPopup, 1));
    EXPECT_EQ(1, window.pPopup->GetSelectedItem());

    window.CloseWindow();
    EXPECT_EQ(3, window.pPopup->GetCount());
    EXPECT_EQ(1, window.pPopup->GetSelectedItem());
    /* Shown again, the window shows what it showed when it closed. */
    win = window.Show();
    EXPECT_EQ(3, qzui_popup_item_count(win, KindsWindow::kPopup));
    EXPECT_EQ("zero", PopupItem(win, KindsWindow::kPopup, 0));
}

TEST_F(ControlKinds, PopupLeftAloneShowsTheLayoutsItems)
{
    KindsWindow window;
    int win = window.Show();
    EXPECT_EQ(3, window.pPopup->GetCount());
    EXPECT_EQ("Blue", PopupItem(win, KindsWindow::kPopup, 2));
    EXPECT_EQ(0, window.pPopup->GetSelectedItem());
    window.pPopup->Clear();
    EXPECT_EQ(0, qzui_popup_item_count(win, KindsWindow::kPopup));
    EXPECT_EQ(-1, window.pPopup->GetSelectedItem());
}

TEST_F(ControlKinds, SliderIsConfiguredMovedOnScreenAndReadBack)
{
    KindsWindow window;
    window.pSlider->SetMinValue(2);
    window.pSlider->SetMaxValue(8);
    window.pSlider->SetThumbPosition(6);
    int win = window.Show();
    double minimum = 0, maximum = 0, value = 0;
    int ticks = 0;
    ASSERT_EQ(QZUI_OK, qzui_slider_state(win, KindsWindow::kSlider, &minimum, &maximum, &value, &ticks));
    EXPECT_EQ(2.0, minimum);
    EXPECT_EQ(8.0, maximum);
    EXPECT_EQ(6.0, value);
    EXPECT_EQ(7, ticks);

    /* The thumb position adds 0.49, not 0.5, before truncating. */
    ASSERT_EQ(QZUI_OK, qzui_move_slider(win, KindsWindow::kSlider, 3.5));
    EXPECT_EQ(3, window.pSlider->GetThumbPosition());
    ASSERT_EQ(QZUI_OK, qzui_move_slider(win, KindsWindow::kSlider, 3.52));
    EXPECT_EQ(4, window.pSlider->GetThumbPosition());
    ASSERT_EQ(QZUI_OK, qzui_move_slider(win, KindsWindow::kSlider, 99));
    EXPECT_EQ(8, window.pSlider->GetThumbPosition());
    EXPECT_TRUE(window.log.empty()); /* a slider reports nothing */

    window.CloseWindow();
    EXPECT_EQ(8, window.pSlider->GetThumbPosition());
    EXPECT_EQ(2, window.pSlider->GetMinValue());
    EXPECT_EQ(8, window.pSlider->GetMaxValue());
}

TEST_F(ControlKinds, StepperIsConfiguredClickedWithinItsLimitsAndReadBack)
{
    KindsWindow window;
    window.pUpDown->SetValue(9);
    window.pUpDown->SetRange(0, 10);
    int win = window.Show();
    int value = 0, minimum = 0, maximum = 0;
    ASSERT_EQ(QZUI_OK, qzui_stepper_state(win, KindsWindow::kStepper, &value, &minimum, &maximum));
    EXPECT_EQ(9, value);
    EXPECT_EQ(0, minimum);
    EXPECT_EQ(10, maximum);
    EXPECT_EQ(9, window.pUpDown->GetValue());

    ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, KindsWindow::kStepper, 1));
    ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, KindsWindow::kStepper, 1)); /* at the limit */
    ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, KindsWindow::kStepper, 0));
    EXPECT_EQ(Expect({"updown 206 1", "updown 206 0", "updown 206 -1"}), window.log);
    EXPECT_EQ(9, window.pUpDown->GetValue());
    EXPECT_EQ(10, window.pUpDown->GetMaximum());

    window.CloseWindow();
    EXPECT_EQ(9, window.pUpDown->GetValue());
    EXPECT_EQ(10, window.pUpDown->GetMaximum());
}

TEST_F(ControlKinds, StepperConnectedToAnIntegerFieldStopsAtBothLimits)
{
    KindsWindow window;
    window.pEdit->SetInteger(4);
    ASSERT_TRUE(window.pUpDown->ConnectIntegerEdit(window.pEdit, 1, 5));
    EXPECT_FALSE(window.pUpDown->ConnectIntegerEdit(nullptr, 1, 5));
    EXPECT_FALSE(window.pUpDown->ConnectIntegerEdit(window.pEdit, 6, 5));
    window.pUpDown->SetValue(4);
    int win = window.Show();
    EXPECT_EQ(1, window.pUpDown->GetMinimum());
    EXPECT_EQ(5, window.pUpDown->GetMaximum());

    auto click = [&](int up, int times) {
        for (int i = 0; i < times; ++i)
            ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, KindsWindow::kStepper, up));
    };
    click(1, 3);
    EXPECT_EQ("5", Text(win, KindsWindow::kEdit));
    EXPECT_EQ(5, window.pUpDown->GetValue());
    click(0, 6);
    EXPECT_EQ("1", Text(win, KindsWindow::kEdit));
    EXPECT_EQ(1, window.pUpDown->GetValue());

    /* A value typed into the field is where the next click starts. */
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, KindsWindow::kEdit, "3"));
    click(1, 1);
    EXPECT_EQ("4", Text(win, KindsWindow::kEdit));
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, KindsWindow::kEdit, "40"));
    click(0, 1);
    EXPECT_EQ("5", Text(win, KindsWindow::kEdit));

    /* Setting the value already shown leaves the field alone; another value
       is written clamped. */
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, KindsWindow::kEdit, "2"));
    window.pUpDown->SetValue(window.pUpDown->GetValue());
    EXPECT_EQ("2", Text(win, KindsWindow::kEdit));
    window.pUpDown->SetValue(99);
    EXPECT_EQ("5", Text(win, KindsWindow::kEdit));
    EXPECT_EQ(5, window.pUpDown->GetValue());
}

TEST_F(ControlKinds, SwitcherShowsItsPageAndHidesTheOtherPagesControlsOnly)
{
    KindsWindow window;
    FCString first("First"), second("Second");
    EXPECT_EQ(1, window.pSwitcher->AddPage(&first));
    EXPECT_EQ(2, window.pSwitcher->AddPage(&second));
    EXPECT_TRUE(window.pSwitcher->AttachControl(window.pStatic, 0));
    EXPECT_TRUE(window.pSwitcher->AttachControl(window.pPopup, 0));
    EXPECT_TRUE(window.pSwitcher->AttachControl(window.pPopup, 0)); /* kept once */
    EXPECT_TRUE(window.pSwitcher->AttachControl(window.pSlider, 1));
    KindsWindow other;
    EXPECT_FALSE(window.pSwitcher->AttachControl(other.pCheck, 1));
    EXPECT_FALSE(window.pSwitcher->AttachControl(window.pSwitcher, 1));
    EXPECT_FALSE(window.pSwitcher->AttachControl(nullptr, 1));
    EXPECT_FALSE(window.pSwitcher->AttachControl(window.pCheck, 2));
    window.pSwitcher->SetSelectedPage(2); /* no such page */
    window.pSwitcher->SetSelectedPage(1);
    window.pEdit->SetVisible(false); /* attached to no page */
    int win = window.Show();
    ASSERT_EQ(2, qzui_segment_count(win, KindsWindow::kSwitcher));
    EXPECT_EQ("First", SegmentTitle(win, KindsWindow::kSwitcher, 0));
    EXPECT_EQ("Second", SegmentTitle(win, KindsWindow::kSwitcher, 1));
    EXPECT_EQ(1, qzui_segment_selected(win, KindsWindow::kSwitcher));

    ASSERT_EQ(QZUI_OK, qzui_click_segment(win, KindsWindow::kSwitcher, 1));
    EXPECT_EQ(Expect({"switcher 208 1", "command 208"}), window.log);
    EXPECT_EQ(0, Info(win, KindsWindow::kStatic).visible);
    EXPECT_EQ(0, Info(win, KindsWindow::kPopup).visible);
    EXPECT_EQ(1, Info(win, KindsWindow::kSlider).visible);
    EXPECT_EQ(0, Info(win, KindsWindow::kEdit).visible);
    EXPECT_EQ(1, Info(win, KindsWindow::kCheck).visible);

    ASSERT_EQ(QZUI_OK, qzui_click_segment(win, KindsWindow::kSwitcher, 0));
    EXPECT_EQ(1, Info(win, KindsWindow::kStatic).visible);
    EXPECT_EQ(1, Info(win, KindsWindow::kPopup).visible);
    EXPECT_EQ(0, Info(win, KindsWindow::kSlider).visible);
    EXPECT_EQ(0, Info(win, KindsWindow::kEdit).visible);

    window.pSwitcher->HandleVisibleStates(-1);
    window.pSwitcher->HandleVisibleStates(2);
    EXPECT_EQ(0, Info(win, KindsWindow::kSlider).visible);
    EXPECT_EQ(1, Info(win, KindsWindow::kPopup).visible);

    window.CloseWindow();
    EXPECT_EQ(0, window.pSwitcher->GetSelectedPage());
    EXPECT_FALSE(window.pSlider->GetVisible());
}

TEST_F(ControlKinds, ShortcutKeyOfALayoutButtonIsCleared)
{
    KindsWindow window;
    window.pApply->ClearShortcutKey(); /* no window: nothing to do */
    int win = window.Show();
    EXPECT_EQ("a", ProbeKeyEquivalent(win, KindsWindow::kApply));
    window.pApply->ClearShortcutKey();
    EXPECT_EQ("", ProbeKeyEquivalent(win, KindsWindow::kApply));
}

using CodeCreatedKinds = UiTest;

TEST_F(CodeCreatedKinds, EachKindGetsItsElementDefaultSizeAndStartingState)
{
    FCResourceWindow window(20128);
    FCCtrlUpDown* pUpDown = window.AddUpDown(700);
    FCCtrlTree* pTree = window.AddTree(701);
    FCCtrlPopup* pPopup = window.AddPopup(702);
    FCCtrlLine* pAcross = window.AddLine(703);
    FCCtrlLine* pDown = window.AddLine(704);
    pDown->SetHorizontal(false);
    FCCtrlSlider* pSlider = window.AddSlider(705);
    FCCtrlSwitcher* pSwitcher = window.AddSwitcher(706);
    FCCtrlStatic* pStatic = window.AddStatic(707);
    FCCtrlRadioButton* pRadio = window.AddRadioButton(708);
    for (int i = 0; i < window.GetCount(); ++i)
        static_cast<FCControl*>(window.GetItemAt(i))->_SetCreateInCode(true);
    FCString a("a"), b("b"), page("Only");
    pPopup->AddString(&a);
    pPopup->AddString(&b);
    pSwitcher->AddPage(&page);
    FCString label("Label");
    pStatic->SetText(&label);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20128);

    EXPECT_EQ(QZUI_KIND_STEPPER, Info(win, 700).kind);
    EXPECT_EQ(19.0f, pUpDown->GetWidth());
    EXPECT_EQ(20.0f, pUpDown->GetHeight());
    EXPECT_EQ(QZUI_KIND_OUTLINE, Info(win, 701).kind);
    EXPECT_EQ(150.0f, pTree->GetWidth()); /* the scroll view's frame */
    EXPECT_EQ(170.0f, pTree->GetHeight());
    EXPECT_EQ(10.0f, pTree->GetLeft());
    EXPECT_EQ(11, pTree->GetFontSize());
    EXPECT_EQ(QZUI_KIND_POPUP, Info(win, 702).kind);
    EXPECT_EQ(100.0f, pPopup->GetWidth());
    EXPECT_EQ(0, qzui_popup_selected(win, 702)); /* made in code: item 0 */
    EXPECT_EQ(QZUI_KIND_BOX, Info(win, 703).kind);
    EXPECT_EQ(703, Info(win, 703).tag); /* a box is found by its identifier */
    EXPECT_EQ(0, Info(win, 703).focused);
    EXPECT_EQ(70.0f, pAcross->GetWidth());
    EXPECT_EQ(1.0f, pAcross->GetHeight());
    EXPECT_EQ(1.0f, pDown->GetWidth());
    EXPECT_EQ(150.0f, pDown->GetHeight());
    EXPECT_EQ(QZUI_KIND_SLIDER, Info(win, 705).kind);
    EXPECT_EQ(150.0f, pSlider->GetWidth());
    EXPECT_EQ(20.0f, pSlider->GetHeight());
    EXPECT_EQ(QZUI_KIND_SEGMENTED, Info(win, 706).kind);
    EXPECT_EQ(200.0f, pSwitcher->GetWidth());
    EXPECT_EQ(1, qzui_segment_count(win, 706)); /* the lone segment took the page */
    EXPECT_EQ("Only", SegmentTitle(win, 706, 0));
    EXPECT_EQ(0, qzui_segment_selected(win, 706));
    EXPECT_EQ(QZUI_KIND_TEXT_FIELD, Info(win, 707).kind);
    EXPECT_EQ(0, Info(win, 707).editable);
    EXPECT_EQ(70.0f, pStatic->GetWidth());
    EXPECT_EQ("Label", Text(win, 707));
    qzui_element info{};
    EXPECT_EQ(QZUI_E_NO_ELEMENT, qzui_element_info(win, 708, &info)); /* type 0: none */
    EXPECT_EQ(-1.0f, pRadio->GetWidth());
}

using KindsRouting = UiTest;

TEST_F(KindsRouting, EveryKindOfControlReachesItsHandler)
{
    KindsWindow window;
    FCString page("Page");
    window.pSwitcher->AddPage(&page);
    FCTreeNode* pNode = nullptr;
    {
        FCString text("node");
        pNode = window.pTree->AddNode(nullptr, false, &text);
    }
    int win = window.Show();
    ASSERT_EQ(QZUI_OK, qzui_press_button(win, KindsWindow::kRadioB));
    ASSERT_EQ(QZUI_OK, qzui_press_button(win, KindsWindow::kCheck));
    ASSERT_EQ(QZUI_OK, qzui_pick_popup_item(win, KindsWindow::kPopup, 2));
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, KindsWindow::kEdit, "12"));
    ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, KindsWindow::kStepper, 1));
    ASSERT_EQ(QZUI_OK, qzui_click_segment(win, KindsWindow::kSwitcher, 0));
    ASSERT_EQ(QZUI_OK, qzui_select_outline_row(win, KindsWindow::kTree, 0));
    ASSERT_EQ(QZUI_OK, qzui_select_outline_row(win, KindsWindow::kTree, -1));
    EXPECT_EQ(Expect({"command 202", "command 211", "command 204", "command 205", "updown 206 1", "switcher 208 0",
                      "command 208", "command 209", "command 209"}),
              window.log);
    EXPECT_EQ(0, window.pCheck->GetCheck()); /* the layout's check box was on */
    EXPECT_EQ(2, window.pPopup->GetSelectedItem());
    EXPECT_EQ(nullptr, window.pTree->GetSelectedNode());
    EXPECT_NE(nullptr, pNode);

    /* The driver refuses what a user could not do. */
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_click_stepper(win, KindsWindow::kSlider, 1));
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_pick_popup_item(win, KindsWindow::kStepper, 0));
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_move_slider(win, KindsWindow::kPopup, 1));
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_select_outline_row(win, KindsWindow::kPopup, 0));
    EXPECT_EQ(QZUI_E_NO_ELEMENT, qzui_click_stepper(win, 999, 1));
    window.pUpDown->SetEnable(false);
    EXPECT_EQ(QZUI_E_DISABLED, qzui_click_stepper(win, KindsWindow::kStepper, 1));
    EXPECT_EQ(-1, qzui_popup_item_count(win, KindsWindow::kSlider));
    EXPECT_EQ(-1, qzui_outline_row_count(win, KindsWindow::kPopup));
    EXPECT_EQ(QZUI_E_NO_WINDOW, qzui_stepper_state(0, KindsWindow::kStepper, nullptr, nullptr, nullptr));
}

TEST_F(KindsRouting, AStepperWithoutAControlReachesNoHandler)
{
    struct Bare : FCResourceWindow
    {
        EventLog log;
        Bare() : FCResourceWindow(KindsWindow::kLayout) {}
        void HandleUpDownPressed(FCControl*, int delta) override { log.push_back(std::to_string(delta)); }
        void HandleCommand(FCControl* pControl) override { log.push_back(pControl ? "control" : "null"); }
    } window;
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(KindsWindow::kLayout);
    ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, KindsWindow::kStepper, 1));
    int value = -1;
    qzui_stepper_state(win, KindsWindow::kStepper, &value, nullptr, nullptr);
    EXPECT_EQ(1, value);
    /* A popup without a control is a button press without a control. */
    ASSERT_EQ(QZUI_OK, qzui_pick_popup_item(win, KindsWindow::kPopup, 1));
    EXPECT_EQ(Expect({"null"}), window.log);
}

/* Measurements in explicit units need no document. */
class EditMeasurement : public UiTest
{
protected:
    KindsWindow window;
    FCCtrlEdit* pEdit = window.pEdit;

    void SetUp() override
    {
        UiTest::SetUp();
        qzui_set_decimal_separator(".");
    }
    void TearDown() override
    {
        qzui_set_decimal_separator(nullptr);
        UiTest::TearDown();
    }
    void Type(const char* text)
    {
        FCString value(text);
        pEdit->SetText(&value);
    }
};

TEST_F(EditMeasurement, ValuesAreWrittenAndReadInTheGivenUnit)
{
    pEdit->SetMeasurement(144, __FCBase::MEASUREMENTUNIT_POINTS);
    EXPECT_EQ("36", TextOf(pEdit));
    EXPECT_DOUBLE_EQ(144.0, pEdit->GetMeasurement(__FCBase::MEASUREMENTUNIT_POINTS));
    pEdit->SetMeasurement(144, __FCBase::MEASUREMENTUNIT_INCHES);
    EXPECT_EQ("0.5", TextOf(pEdit));
    Type("2");
    EXPECT_DOUBLE_EQ(576.0, pEdit->GetMeasurement(__FCBase::MEASUREMENTUNIT_INCHES));
    EXPECT_DOUBLE_EQ(300.0, pEdit->GetRangeMeasurement(__FCBase::MEASUREMENTUNIT_INCHES, 0, 300));
    EXPECT_DOUBLE_EQ(600.0, pEdit->GetRangeMeasurement(__FCBase::MEASUREMENTUNIT_INCHES, 600, 900));
    EXPECT_DOUBLE_EQ(576.0, pEdit->GetRangeMeasurement(__FCBase::MEASUREMENTUNIT_INCHES, 900, 600));
}

TEST_F(EditMeasurement, IntegerMeasurementsRoundHalvesAwayFromZero)
{
    pEdit->SetMeasurementInteger(2.5, __FCBase::MEASUREMENTUNIT_EVPUS);
    EXPECT_EQ("3", TextOf(pEdit));
    pEdit->SetMeasurementInteger(-2.5, __FCBase::MEASUREMENTUNIT_EVPUS);
    EXPECT_EQ("-3", TextOf(pEdit));
    Type("-2.5");
    EXPECT_EQ(-3, pEdit->GetMeasurementInteger(__FCBase::MEASUREMENTUNIT_EVPUS));
    Type("2.5");
    EXPECT_EQ(3, pEdit->GetMeasurementInteger(__FCBase::MEASUREMENTUNIT_EVPUS));
    Type("0.6"); /* points: 2.4 EVPUs */
    EXPECT_EQ(2, pEdit->GetMeasurementInteger(__FCBase::MEASUREMENTUNIT_POINTS));
    Type("10");
    EXPECT_EQ(24, pEdit->GetRangeMeasurementInteger(__FCBase::MEASUREMENTUNIT_POINTS, 0, 24));
    EXPECT_EQ(40, pEdit->GetRangeMeasurementInteger(__FCBase::MEASUREMENTUNIT_POINTS, 0, 48));
}
