#include "ui/FCCustomWindow.h"
#include "UiTestWindow.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
int Count(const EventLog& log, const std::string& prefix)
{
    int count = 0;
    for (const std::string& entry : log)
        count += entry.compare(0, prefix.size(), prefix) == 0 ? 1 : 0;
    return count;
}
} // namespace

using DualState = UiTest;

TEST_F(DualState, ValuesSetBeforeShowingAppearOnScreen)
{
    TestWindow window;
    FCString title("Configured");
    window.SetTitle(&title);
    FCString name("Strings");
    window.pEdit->SetText(&name);
    window.pSetName->SetEnable(false);
    window.pEdit->SetVisible(false);
    window.SetClientHeight(400);
    EXPECT_FALSE(window.WindowExists());
    EXPECT_EQ(400.0f, window.GetClientHeight());

    int win = Shown(window);
    ASSERT_NE(0, win);
    char buffer[64];
    qzui_window_title(win, buffer, sizeof buffer);
    EXPECT_STREQ("Configured", buffer);
    EXPECT_EQ("Strings", Text(win, 102));
    EXPECT_EQ(0, Info(win, 103).enabled);
    EXPECT_EQ(1, Info(win, 104).enabled);
    EXPECT_EQ(0, Info(win, 102).visible);
    EXPECT_EQ(400.0f + window._GetBridge()->GetWindowTitleHeight(), Frame(win).height);
}

TEST_F(DualState, ValuesShownOnScreenAreReadAfterClosing)
{
    TestWindow window;
    int win = Shown(window);
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, 102, "Typed \xC3\xA9"));
    window.pSetName->SetEnable(false);
    FCString caption("Renamed");
    window.SetTitle(&caption);
    qzui_rect frame = Frame(win);

    window.CloseWindow();
    EXPECT_FALSE(window.WindowExists());
    EXPECT_EQ(0, qzui_find_window(20128));
    FCString text;
    window.pEdit->GetText(&text);
    EXPECT_STREQ("Typed \xC3\xA9", text.GetUTF8String());
    EXPECT_FALSE(window.pSetName->GetEnable());
    EXPECT_TRUE(window.pOk->GetEnable());
    FCString title;
    window.GetTitle(&title);
    EXPECT_STREQ("Renamed", title.GetCString());
    EXPECT_EQ(frame.width, window.GetWidth());
    EXPECT_EQ(frame.height - window._GetBridge()->GetWindowTitleHeight(), window.GetClientHeight());
}

TEST_F(DualState, StoringBackDoesNotMakeValuesPushedAgain)
{
    TestWindow window;
    int win = Shown(window);
    ASSERT_EQ(QZUI_OK, qzui_type_text(win, 102, "first run"));
    window.CloseWindow();
    /* Shown again: the layout's own (empty) text stays, since the stored text
       was read back, not assigned. */
    win = Shown(window);
    EXPECT_EQ("", Text(win, 102));
    window.CloseWindow();
}

TEST_F(DualState, NullTitleAndTextAreHarmless)
{
    TestWindow window;
    window.SetTitle(nullptr);
    window.GetTitle(nullptr);
    window.pEdit->SetText(nullptr);
    window.pEdit->GetText(nullptr);
    int win = Shown(window);
    EXPECT_EQ("", Text(win, 102));
    char buffer[64];
    qzui_window_title(win, buffer, sizeof buffer);
    EXPECT_STREQ("Staff Set Panel", buffer);
}

using WindowPosition = UiTest;

TEST_F(WindowPosition, NothingIsStoredOnAFreshWindow)
{
    TestWindow window;
    EXPECT_EQ(-1.0f, window.GetStoredX());
    EXPECT_EQ(-1.0f, window.GetStoredY());
    EXPECT_FALSE(window.RestorePosition());
    window.SetRestorePositionOnlyData(10, 20);
    EXPECT_EQ(10.0f, window.GetStoredX());
    EXPECT_EQ(20.0f, window.GetStoredY());
    EXPECT_EQ(-1.0f, window.GetStoredWidth());
    EXPECT_EQ(-1.0f, window.GetStoredHeight());
}

TEST_F(WindowPosition, RestoredSizeIsNeverSmallerThanTheLoadedSize)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect loaded = Frame(win);
    window.SetRestorePositionData(30, 40, 100, 50);
    ASSERT_TRUE(window.RestorePosition());
    qzui_rect frame = Frame(win);
    EXPECT_EQ(30.0f, frame.left);
    EXPECT_EQ(40.0f, frame.top);
    EXPECT_EQ(loaded.width, frame.width);
    EXPECT_EQ(loaded.height, frame.height);
}

TEST_F(WindowPosition, StoredPositionOnlyMovesAndKeepsTheSize)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect loaded = Frame(win);
    window.SetRestorePositionData(0, 0, loaded.width + 100, loaded.height + 60);
    ASSERT_TRUE(window.RestorePosition());
    window.log.clear();
    window.SetRestorePositionOnlyData(15, 25);
    ASSERT_TRUE(window.RestorePosition());
    qzui_rect frame = Frame(win);
    EXPECT_EQ(15.0f, frame.left);
    EXPECT_EQ(25.0f, frame.top);
    EXPECT_EQ(loaded.width + 100, frame.width);
    /* No resize to the zero placeholders of a position-only store. */
    EXPECT_EQ(0, Count(window.log, "resize 0x0"));
}

TEST_F(WindowPosition, StoreThenRestoreReturnsAMovedWindow)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect before = Frame(win);
    window.StorePosition(true);
    EXPECT_EQ(before.left, window.GetStoredX());
    EXPECT_EQ(before.height, window.GetStoredHeight());
    qzui_rect moved{500, 300, before.width, before.height};
    ASSERT_EQ(QZUI_OK, qzui_move_window(win, &moved));
    EXPECT_EQ(500.0f, Frame(win).left);
    ASSERT_TRUE(window.RestorePosition());
    EXPECT_EQ(before.left, Frame(win).left);
    EXPECT_EQ(before.top, Frame(win).top);
}

TEST_F(WindowPosition, FrameReadAndWrittenBackLeavesTheWindowInPlace)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect before = Frame(win);
    __FloatRect rect;
    window._GetBridge()->GetWindowFrameRect(&rect);
    window._GetBridge()->SetWindowFrameRect(&rect);
    qzui_rect after = Frame(win);
    EXPECT_EQ(before.left, after.left);
    EXPECT_EQ(before.top, after.top);
    EXPECT_EQ(before.width, after.width);
    EXPECT_EQ(before.height, after.height);
}

using WindowShading = UiTest;

TEST_F(WindowShading, ShadingTwiceChangesTheFrameOnce)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect open = Frame(win);
    window.Windowshade(true);
    qzui_rect shaded = Frame(win);
    EXPECT_EQ(window._GetBridge()->GetWindowTitleHeight(), shaded.height);
    EXPECT_EQ(open.top, shaded.top);
    EXPECT_EQ(1, qzui_window_shaded(win));
    window.Windowshade(true);
    EXPECT_EQ(shaded.height, Frame(win).height);
    window.Windowshade(false);
    EXPECT_EQ(open.height, Frame(win).height);
    EXPECT_EQ(0, qzui_window_shaded(win));
}

TEST_F(WindowShading, NothingHappensWhileShadingIsSuspended)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect open = Frame(win);
    __bWindowshadeAllowed = false;
    window.Windowshade(true);
    EXPECT_EQ(open.height, Frame(win).height);
    EXPECT_FALSE(window.IsShaded());
    __bWindowshadeAllowed = true;
    window.Windowshade(true);
    EXPECT_TRUE(window.IsShaded());
}

TEST_F(WindowShading, SizeChangesWhileShadedAreNotReported)
{
    TestWindow window;
    int win = Shown(window);
    window.Windowshade(true);
    window.log.clear();
    qzui_rect frame = Frame(win);
    frame.height += 30;
    qzui_move_window(win, &frame);
    EXPECT_EQ(0, Count(window.log, "resize"));
}

TEST_F(WindowShading, StorePositionOfAShadedWindowKeepsTheOpenSize)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect open = Frame(win);
    window.Windowshade(true);
    window.StorePosition(true);
    EXPECT_EQ(open.height, window.GetStoredHeight());
    EXPECT_TRUE(window.IsShaded());
    EXPECT_EQ(window._GetBridge()->GetWindowTitleHeight(), Frame(win).height);
}

TEST_F(WindowShading, WithoutAWindowNothingHappens)
{
    TestWindow window;
    window.Windowshade(true);
    EXPECT_FALSE(window.IsShaded());
}

using WindowLoading = UiTest;

TEST_F(WindowLoading, MissingLayoutIsLoggedAndNoWindowOpens)
{
    FCResourceWindow window(20997);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    EXPECT_FALSE(window._GetBridge()->IsWindowLoaded());
    EXPECT_EQ(0, qzui_find_window(20997));
    ASSERT_EQ(1u, logLines.size());
    EXPECT_NE(std::string::npos, logLines[0].find("20997"));
}

using WindowResize = UiTest;

TEST_F(WindowResize, FirstReportCarriesTheLoadedSizeAsOldSize)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect frame = Frame(win);
    window.log.clear();
    qzui_rect bigger{frame.left, frame.top, frame.width + 10, frame.height + 20};
    qzui_move_window(win, &bigger);
    ASSERT_EQ(1u, window.log.size());
    /* The layout's content is 560 x 370, below the title bar. */
    const int loadedHeight = 370 + static_cast<int>(window._GetBridge()->GetWindowTitleHeight());
    EXPECT_EQ(560.0f, frame.width);
    EXPECT_EQ("resize 570x" + std::to_string(loadedHeight + 20) + " from 560x" + std::to_string(loadedHeight),
              window.log[0]);
    qzui_rect moved{frame.left + 5, frame.top, bigger.width, bigger.height};
    qzui_move_window(win, &moved);
    EXPECT_EQ(1u, window.log.size()); /* a move alone is no resize */
}

using BufferedMoves = UiTest;

TEST_F(BufferedMoves, NothingPendingMeansNoRepaint)
{
    TestWindow window;
    int win = Shown(window);
    int repaints = qzui_window_repaint_count(win);
    window.StartBufferControlMovement();
    window.EndBufferControlMovement();
    EXPECT_EQ(repaints, qzui_window_repaint_count(win));
    EXPECT_FALSE(window._IsBufferingMoves());
    /* Buffering has ended: a later move goes to the screen at once. */
    window.pSetName->MoveAbsolute(5, 6);
    EXPECT_EQ(5.0f, Info(win, 103).frame.left);
}

TEST_F(BufferedMoves, PendingMovesAreAppliedTogetherWithOneRepaint)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect before = Info(win, 104).frame;
    int repaints = qzui_window_repaint_count(win);
    window.StartBufferControlMovement();
    window.pSetName->MoveAbsolute(12.7f, 30.2f);
    window.pOk->MoveRelative(-10, 0);
    window.pEdit->ResizeRelative(20, 0);
    EXPECT_EQ(12.0f, window.pSetName->GetLeft()); /* the pending position, truncated */
    EXPECT_EQ(30.0f, window.pSetName->GetTop());
    EXPECT_NE(12.0f, Info(win, 103).frame.left);
    window.EndBufferControlMovement();
    EXPECT_EQ(repaints + 1, qzui_window_repaint_count(win));
    EXPECT_EQ(12.0f, Info(win, 103).frame.left);
    EXPECT_EQ(30.0f, Info(win, 103).frame.top);
    EXPECT_EQ(400.0f, Info(win, 102).frame.width);
    EXPECT_EQ(before.left, Info(win, 104).frame.left);
}

TEST_F(BufferedMoves, LaterMovesStartFromThePendingPosition)
{
    TestWindow window;
    int win = Shown(window);
    FCControl* pSetName = window.pSetName;
    FCControl* pButton = window.FindControl(107);
    const qzui_rect setName = Info(win, 103).frame;
    const qzui_rect button = Info(win, 107).frame;

    window.StartBufferControlMovement();
    pSetName->SetLeft(pSetName->GetLeft() + 30);
    pSetName->SetTop(pSetName->GetTop() + 40);
    EXPECT_EQ(setName.left + 30, pSetName->GetLeft());
    EXPECT_EQ(setName.top + 40, pSetName->GetTop());
    pButton->MoveRelative(10, 0);
    pButton->MoveRelative(10, 5);
    EXPECT_EQ(button.left + 20, pButton->GetLeft());
    pButton->ResizeRelative(4, 0);
    pButton->ResizeRelative(4, 2);
    EXPECT_EQ(setName.left, Info(win, 103).frame.left); /* nothing moved yet */
    window.EndBufferControlMovement();

    EXPECT_EQ(setName.left + 30, Info(win, 103).frame.left);
    EXPECT_EQ(setName.top + 40, Info(win, 103).frame.top);
    EXPECT_EQ(button.left + 20, Info(win, 107).frame.left);
    EXPECT_EQ(button.top + 5, Info(win, 107).frame.top);
    EXPECT_EQ(button.width + 8, Info(win, 107).frame.width);
    EXPECT_EQ(button.height + 2, Info(win, 107).frame.height);
}

TEST_F(BufferedMoves, ControlGeometryFollowsTheContentCoordinates)
{
    TestWindow window;
    int win = Shown(window);
    /* Button 1 sits 53 points above the bottom of a 370-point content area. */
    EXPECT_EQ(370.0f - 53 - 32, window.pOk->GetTop());
    window.pOk->SetTop(100);
    window.pOk->SetHeight(40);
    EXPECT_EQ(100.0f, Info(win, 1).frame.top);
    EXPECT_EQ(40.0f, Info(win, 1).frame.height);
    /* The table reports its scroll view's frame. */
    EXPECT_EQ(520.0f, window.pList->GetWidth());
    FCCtrlButton* pMissing = window.AddButton(999);
    EXPECT_EQ(-1.0f, pMissing->GetLeft());
}

TEST(CustomWindow, ControlsAreLaidOutAroundTheButtonBand)
{
    FCCustomWindow window(20128);
    FCCtrlButton* pOk = window.AddButton(1);
    FCCtrlButton* pCancel = window.AddButton(2);
    FCCtrlEdit* pEdit = window.AddEdit(102);
    for (FCControl* pControl :
         {static_cast<FCControl*>(pOk), static_cast<FCControl*>(pCancel), static_cast<FCControl*>(pEdit)})
        pControl->_SetLaidOutByWindow(true);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    ASSERT_TRUE(window.WindowExists());
    /* The edit (380 x 22) plus a 20-point margin on each side; the button
       band is the button height (32) plus 20. */
    EXPECT_EQ(420.0f, window.GetClientWidth());
    EXPECT_EQ(22.0f + 40 + 52, window.GetClientHeight());
    EXPECT_EQ(20.0f, pEdit->GetLeft());
    EXPECT_EQ(20.0f, pEdit->GetTop());
    EXPECT_EQ(420.0f - 20 - 96, pOk->GetLeft());
    EXPECT_EQ(pOk->GetLeft() - (96 + 12), pCancel->GetLeft());
    EXPECT_EQ(window.GetClientHeight() - 20 - 32, pOk->GetTop());
}

TEST(CustomWindow, ALayoutIsOnlyMadeWhenEveryControlTakesPart)
{
    FCCustomWindow window(20128);
    FCCtrlButton* pOk = window.AddButton(1);
    pOk->_SetLaidOutByWindow(true);
    window.AddEdit(102);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    EXPECT_EQ(560.0f, window.GetClientWidth());
    EXPECT_EQ(452.0f, pOk->GetLeft());
}
