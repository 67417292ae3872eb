/* The Cocoa bridge started without a display: one clear line, no window,
 * no crash. Run with DISPLAY empty. */
#include "unit/framework/ui/UiTestWindow.h"
#include "ui/_FCWindowController_cocoa.h"

using WithoutDisplay = UiTest;

TEST_F(WithoutDisplay, WindowsDoNotOpenAndTheReasonIsLoggedOnce)
{
    const char* display = std::getenv("DISPLAY");
    ASSERT_TRUE(!display || !*display) << "this test runs without a display";
    TestWindow window;
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    EXPECT_FALSE(window.WindowExists());
    EXPECT_FALSE(window.ExecuteModal(nullptr));
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    EXPECT_EQ(std::vector<std::string>{"no display: run under xvfb-run, or use the terminal mode"}, logLines);
    EXPECT_EQ(0, qzui_window_count());
    EXPECT_EQ(0.0f, window._GetBridge()->GetWindowTitleHeight());
    EXPECT_EQ(QZUI_E_NO_WINDOW, qzui_press_button(1, 1));
    EXPECT_EQ(0, qzui_advance_clock(100));
}
