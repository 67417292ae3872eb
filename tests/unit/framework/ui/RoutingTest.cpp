#include "ui/FCCtrlSwitcher.h"
#include "UiProbe.h"
#include "UiTestWindow.h"
#include "ui/_FCWindowController_cocoa.h"

using EventRouting = UiTest;

TEST_F(EventRouting, ShowingLoadsTheLayoutAndInitialisesOnce)
{
    TestWindow window;
    int win = Shown(window);
    ASSERT_NE(0, win);
    EXPECT_EQ(Expect({"init"}), window.log);
    EXPECT_EQ(1, qzui_window_visible(win));
    /* A second show of the loaded window only shows and activates it. */
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    EXPECT_EQ(Expect({"init", "activate 1"}), window.log);
    EXPECT_EQ(win, qzui_find_window(20128));
}

TEST_F(EventRouting, OrdinaryButtonReachesHandleCommand)
{
    TestWindow window;
    int win = Shown(window);
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_press_button(win, 105));
    EXPECT_EQ(Expect({"command 105"}), window.log);
}

TEST_F(EventRouting, ButtonWithoutControlReachesHandleCommandWithNull)
{
    struct Recorder : FCResourceWindow
    {
        EventLog log;
        Recorder() : FCResourceWindow(20128) {}
        void HandleCommand(FCControl* pControl) override { log.push_back(pControl ? "control" : "null"); }
    } window;
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    ASSERT_EQ(QZUI_OK, qzui_press_button(qzui_find_window(20128), 107));
    EXPECT_EQ(Expect({"null"}), window.log);
}

TEST_F(EventRouting, ActionKindsDecideHowAButtonPressIsRouted)
{
    TestWindow window;
    window.allowClose = false;
    int win = Shown(window);
    auto* pButton = static_cast<FCControl*>(window.FindControl(106));
    const struct
    {
        int kind;
        const char* handler;
        int code;
    } kCases[] = {{FCControl::ACTIONKIND_OK, "ok", 1},
                  {FCControl::ACTIONKIND_CLOSE, "close", 0},
                  {FCControl::ACTIONKIND_CANCEL, "cancel", 2}};
    for (const auto& entry : kCases) {
        pButton->SetActionKind(entry.kind);
        window.log.clear();
        ASSERT_EQ(QZUI_OK, qzui_press_button(win, 106));
        EXPECT_EQ(Expect({entry.handler, "canclose"}), window.log);
        EXPECT_EQ(entry.code, window.GetReturnCode());
    }
}

TEST_F(EventRouting, TagOneIsOkAndTagTwoIsCancelWhateverTheActionKind)
{
    TestWindow window;
    window.allowClose = false;
    int win = Shown(window);
    window.log.clear();
    qzui_press_button(win, 1);
    EXPECT_EQ(1, window.GetReturnCode());
    qzui_press_button(win, 2); /* action kind Close, but the press is Cancel */
    EXPECT_EQ(2, window.GetReturnCode());
    EXPECT_EQ(Expect({"ok", "canclose", "cancel", "canclose"}), window.log);
}

TEST_F(EventRouting, OkClosesTheWindowAndStoresItsStates)
{
    TestWindow window;
    int win = Shown(window);
    qzui_type_text(win, 102, "kept");
    window.log.clear();
    qzui_press_button(win, 1);
    EXPECT_EQ(Expect({"ok", "canclose", "closewindow"}), window.log);
    EXPECT_FALSE(window.WindowExists());
    EXPECT_TRUE(window._IsClosing());
    EXPECT_EQ(1, window.GetReturnCode());
    FCString text;
    window.pEdit->GetText(&text);
    EXPECT_STREQ("kept", text.GetCString());
}

TEST_F(EventRouting, PressesWhileClosingOnlyUpdateTheReturnCode)
{
    TestWindow window;
    Shown(window);
    window.CloseWindow();
    window.log.clear();
    window.OkButtonPressed();
    window.CancelButtonPressed();
    EXPECT_EQ(Expect({"ok", "cancel"}), window.log);
    EXPECT_EQ(2, window.GetReturnCode());
}

TEST_F(EventRouting, ShowingAgainClearsClosing)
{
    TestWindow window;
    Shown(window);
    window.CloseWindow();
    int win = Shown(window);
    EXPECT_FALSE(window._IsClosing());
    window.log.clear();
    qzui_press_button(win, 1);
    EXPECT_EQ(Expect({"ok", "canclose", "closewindow"}), window.log);
}

TEST_F(EventRouting, TypingReportsTheEditAsACommand)
{
    TestWindow window;
    int win = Shown(window);
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, 102, "abc"));
    EXPECT_EQ(Expect({"command 102"}), window.log);
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_type_text(win, 103, "abc"));
}

TEST_F(EventRouting, DisabledOrHiddenElementsTakeNoUserAction)
{
    TestWindow window;
    int win = Shown(window);
    window.pSetName->SetEnable(false);
    window.pEdit->SetVisible(false);
    window.log.clear();
    EXPECT_EQ(QZUI_E_DISABLED, qzui_press_button(win, 103));
    EXPECT_EQ(QZUI_E_DISABLED, qzui_type_text(win, 102, "x"));
    EXPECT_EQ(QZUI_E_NO_ELEMENT, qzui_press_button(win, 555));
    EXPECT_EQ(QZUI_E_NO_WINDOW, qzui_press_button(win + 1000, 1));
    EXPECT_TRUE(window.log.empty());
}

TEST_F(EventRouting, RowSelectionReachesTheListBeforeTheWindow)
{
    TestWindow window;
    window.FillList(3);
    int win = Shown(window);
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_select_row(win, 101, 2));
    EXPECT_EQ(Expect({"list.select 2", "window.select 101 2", "command 101"}), window.log);
    EXPECT_EQ(2, window.pList->GetSelectedLine());
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_select_row(win, 101, 2));
    EXPECT_TRUE(window.log.empty()); /* the same row again is no change */
}

TEST_F(EventRouting, ClearingTheSelectionCallsUnselectAndReportsLineMinusOne)
{
    TestWindow window;
    window.FillList(3);
    int win = Shown(window);
    qzui_select_row(win, 101, 1);
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_select_row(win, 101, -1));
    EXPECT_EQ(Expect({"list.unselect", "window.select 101 -1", "command 101"}), window.log);
    EXPECT_EQ(-1, window.pList->GetSelectedLine());
    EXPECT_EQ(QZUI_E_RANGE, qzui_select_row(win, 101, 3));
}

TEST_F(EventRouting, SelectionMadeByThePlugInIsReportedToo)
{
    TestWindow window;
    window.FillList(3);
    int win = Shown(window);
    window.log.clear();
    EXPECT_TRUE(window.pList->SelectLine(1, true));
    EXPECT_EQ(Expect({"list.select 1", "window.select 101 1", "command 101"}), window.log);
    EXPECT_EQ(1, qzui_table_selected_row(win, 101));
}

TEST_F(EventRouting, DoubleClickSelectsThenReachesTheList)
{
    TestWindow window;
    window.FillList(2);
    int win = Shown(window);
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_double_click_row(win, 101, 0));
    EXPECT_EQ(Expect({"list.select 0", "window.select 101 0", "command 101", "list.double"}), window.log);
}

TEST_F(EventRouting, CheckBoxToggleReachesTheListBeforeTheWindow)
{
    TestWindow window;
    window.pList->UseLeftCheckboxColumn();
    window.FillList(2);
    int win = Shown(window);
    window.log.clear();
    ASSERT_EQ(QZUI_OK, qzui_toggle_row_check(win, 101, 1));
    EXPECT_EQ(Expect({"list.check 1 1", "window.check 1 1"}), window.log);
    EXPECT_TRUE(window.pList->GetItemAt(1)->GetCheck());
    EXPECT_EQ("1", Cell(win, 101, 1, 0));
    window.log.clear();
    qzui_toggle_row_check(win, 101, 1);
    EXPECT_EQ(Expect({"list.check 1 0", "window.check 1 0"}), window.log);
    EXPECT_FALSE(window.pList->GetItemAt(1)->GetCheck());
}

TEST_F(EventRouting, ActivationMovesBetweenWindows)
{
    TestWindow first;
    TestWindow second;
    int a = Shown(first);
    int b = Shown(second);
    ASSERT_NE(a, b);
    first.log.clear();
    second.log.clear();
    qzui_activate(a, 1);
    qzui_activate(b, 1);
    EXPECT_EQ(Expect({"activate 1", "activate 0"}), first.log);
    EXPECT_EQ(Expect({"activate 1"}), second.log);
    EXPECT_EQ(1, qzui_window_active(b));
    EXPECT_EQ(0, qzui_window_active(a));
    qzui_activate(b, 0);
    EXPECT_EQ(Expect({"activate 1", "activate 0"}), second.log);
    qzui_activate(b, 0);
    EXPECT_EQ(2u, second.log.size());
}

TEST_F(EventRouting, CloseBoxAsksCanCloseAndMayBeRefused)
{
    TestWindow window;
    window.allowClose = false;
    int win = Shown(window);
    window.log.clear();
    EXPECT_EQ(QZUI_REFUSED, qzui_press_close_box(win));
    EXPECT_EQ(Expect({"canclose"}), window.log);
    EXPECT_TRUE(window.WindowExists());
    window.allowClose = true;
    window.log.clear();
    EXPECT_EQ(QZUI_OK, qzui_press_close_box(win));
    EXPECT_EQ(Expect({"canclose", "closewindow"}), window.log);
    EXPECT_FALSE(window.WindowExists());
    EXPECT_EQ(-1, qzui_window_visible(win));
}

TEST_F(EventRouting, WithoutAWindowTheBridgeAnswersNeutrally)
{
    _FCWindowController_cocoa bridge(nullptr, 20128);
    EXPECT_TRUE(bridge.Notify_WindowCanClose());
    bridge.Notify_ButtonPressed(1);
    bridge.Notify_DataListHandleCommand(101, 0);
    EXPECT_FALSE(bridge.IsWindowLoaded());
    EXPECT_EQ(-1, bridge.TableViewGetSelectedLine(101));
    EXPECT_EQ(-1, bridge.TableViewGetColumnCount(101, true));
    __FloatRect rect{1, 2, 3, 4};
    EXPECT_FALSE(bridge.GetDlgItemRect(1, &rect));
}

/* ---- Timers ---- */

using WindowTimers = UiTest;

TEST_F(WindowTimers, DuplicateIdIsLoggedOnceAndOneTimerIsKept)
{
    TestWindow window;
    int win = Shown(window);
    window.SetTimer(2, 200);
    window.SetTimer(2, 200);
    EXPECT_EQ(std::vector<std::string>{"Timer already exists!"}, logLines);
    EXPECT_EQ(1, qzui_timer_count(win));
    window.log.clear();
    EXPECT_EQ(2, qzui_advance_clock(450));
    EXPECT_EQ(Expect({"timer 2", "timer 2"}), window.log);
}

TEST_F(WindowTimers, DueTimersFireInTimeOrder)
{
    TestWindow window;
    Shown(window);
    window.SetTimer(3, 300);
    window.SetTimer(1, 100);
    window.SetTimer(0, 50); /* id 0 is refused */
    window.log.clear();
    qzui_advance_clock(300);
    EXPECT_EQ(Expect({"timer 1", "timer 1", "timer 3", "timer 1"}), window.log);
    window.StopTimer(1);
    window.log.clear();
    qzui_advance_clock(300);
    EXPECT_EQ(Expect({"timer 3"}), window.log);
}

TEST_F(WindowTimers, TimersNeedTheWindowAndEndWithIt)
{
    TestWindow window;
    window.SetTimer(2, 100);
    int win = Shown(window);
    EXPECT_EQ(0, qzui_timer_count(win));
    window.SetTimer(2, 100);
    window.CloseWindow();
    window.log.clear();
    EXPECT_EQ(0, qzui_advance_clock(1000));
    EXPECT_TRUE(window.log.empty());
}

TEST_F(WindowTimers, AHandlerMayCloseItsWindow)
{
    struct Closing : TestWindow
    {
        void HandleTimer(short id) override
        {
            TestWindow::HandleTimer(id);
            CloseWindow();
        }
    } window;
    Shown(window);
    window.SetTimer(5, 10);
    window.log.clear();
    EXPECT_EQ(1, qzui_advance_clock(100));
    EXPECT_EQ(Expect({"timer 5", "closewindow"}), window.log);
}

TEST_F(WindowTimers, TimersAreListedInCreationOrderAndTheClockMovesByTheStep)
{
    TestWindow window;
    int win = Shown(window);
    window.SetTimer(4, 250);
    window.SetTimer(2, 100);
    int timerID = 0, period = 0;
    ASSERT_EQ(QZUI_OK, qzui_timer_info(win, 1, &timerID, &period));
    EXPECT_EQ(2, timerID);
    EXPECT_EQ(100, period);
    EXPECT_EQ(QZUI_E_RANGE, qzui_timer_info(win, 2, &timerID, &period));
    EXPECT_TRUE(window._GetBridge()->TimeridExists(4));
    window.StopTimer(4);
    EXPECT_FALSE(window._GetBridge()->TimeridExists(4));
    const uint64_t start = qzui_clock_now();
    qzui_advance_clock(30);
    EXPECT_EQ(start + 30, qzui_clock_now());
}

/* ---- Window numbers ---- */

using WindowNumbers = UiTest;

TEST_F(WindowNumbers, WindowsAreListedInLoadingOrderUntilClosed)
{
    TestWindow first, second;
    int firstWin = Shown(first);
    int secondWin = Shown(second);
    const int count = qzui_window_count();
    EXPECT_EQ(firstWin, qzui_window_at(count - 2));
    EXPECT_EQ(secondWin, qzui_window_at(count - 1));
    EXPECT_EQ(0, qzui_window_at(count));
    EXPECT_EQ(20128, qzui_window_layout_id(secondWin));
    EXPECT_EQ(0, qzui_window_modal(secondWin));
    first.CloseWindow();
    EXPECT_EQ(-1, qzui_window_layout_id(firstWin));
    EXPECT_EQ(-1, qzui_window_modal(firstWin));
    EXPECT_EQ(secondWin, qzui_window_at(qzui_window_count() - 1));
}

/* ---- Modal runs ---- */

using ModalRun = UiTest;

namespace
{
int PressOk(void*, int window)
{
    qzui_type_text(window, 102, "answered");
    qzui_press_button(window, 1);
    return 0;
}
} // namespace

TEST_F(ModalRun, TheDriverLoopEndsTheRunWithTheReturnCode)
{
    qzui_set_modal_callback(&PressOk, nullptr);
    TestWindow window;
    EXPECT_EQ(1, window.ExecuteModal(nullptr));
    EXPECT_FALSE(window.WindowExists());
    FCString text;
    window.pEdit->GetText(&text);
    EXPECT_STREQ("answered", text.GetCString());
}

TEST_F(ModalRun, WithoutADriverLoopTheWindowClosesAtOnce)
{
    TestWindow window;
    window._SetReturnCode(1);
    EXPECT_EQ(0, window.ExecuteModal_EWND(nullptr));
    EXPECT_EQ(Expect({"init", "closewindow"}), window.log);
    EXPECT_FALSE(window.WindowExists());
}

TEST_F(ModalRun, CancelGetsEscapeOnlyInAModalWindow)
{
    struct Probe
    {
        std::string key;
        static int Look(void* context, int window)
        {
            static_cast<Probe*>(context)->key = ProbeKeyEquivalent(window, 2);
            return 1;
        }
    } probe;
    qzui_set_modal_callback(&Probe::Look, &probe);
    TestWindow modal;
    modal.ExecuteModal(nullptr);
    EXPECT_EQ("\x1b", probe.key);
    TestWindow modeless;
    int win = Shown(modeless);
    EXPECT_EQ("", ProbeKeyEquivalent(win, 2));
}

TEST_F(WindowTimers, FiringAllRunsEachTimerOnceAndRestartsItsPeriod)
{
    TestWindow window;
    int win = Shown(window);
    window.SetTimer(4, 1000);
    window.SetTimer(2, 200);
    qzui_advance_clock(100);
    window.log.clear();
    EXPECT_EQ(2, qzui_fire_timers());
    EXPECT_EQ(Expect({"timer 2", "timer 4"}), window.log);
    window.log.clear();
    qzui_advance_clock(199);
    EXPECT_TRUE(window.log.empty()); /* the next period counts from the firing */
    qzui_advance_clock(1);
    EXPECT_EQ(Expect({"timer 2"}), window.log);
    EXPECT_EQ(2, qzui_timer_count(win));
}

namespace
{
struct SwitchWindow : FCResourceWindow
{
    EventLog log;
    FCControl* pSegments;

    SwitchWindow() : FCResourceWindow(20128)
    {
        pSegments = AddSwitcher(602);
        pSegments->_SetCreateInCode(true);
    }
    void HandleSwitcherSelect(FCCtrlSwitcher* pSwitcher, int page) override
    {
        bool same = static_cast<FCControl*>(pSwitcher) == pSegments;
        log.push_back((same ? "switcher " : "other ") + std::to_string(page));
    }
    void HandleCommand(FCControl* pControl) override
    {
        log.push_back("command " + std::to_string(pControl ? pControl->GetControlID() : 0));
    }
};
} // namespace

TEST_F(EventRouting, SegmentClickReachesTheSwitcherHandlerThenHandleCommand)
{
    SwitchWindow window;
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    int win = qzui_find_window(20128);
    FCString one("One"), two("Two");
    window._GetBridge()->SwitcherAddPage(602, &one);
    window._GetBridge()->SwitcherAddPage(602, &two);
    ASSERT_EQ(QZUI_OK, qzui_click_segment(win, 602, 1));
    EXPECT_EQ(Expect({"switcher 1", "command 602"}), window.log);
    EXPECT_EQ(1, window._GetBridge()->SwitcherGetSelectedPage(602));
    EXPECT_EQ(QZUI_E_RANGE, qzui_click_segment(win, 602, 2));
    EXPECT_EQ(QZUI_E_WRONG_KIND, qzui_click_segment(win, 103, 0));
}
