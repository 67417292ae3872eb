/* The staff set panel on the demo score in a real window: a screenshot,
 * kept under the build tree, checked for the title, for not being blank and
 * for every button lying inside the window. */
#import "ui/cocoa/CocoaRuntime.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "integration/panel/PanelFixture.h"
#include "support/RunProgram.h"
#include "support/Screenshot.h"

namespace
{
/* What the command printed on its standard output. */
std::string Output(const std::string& command) { return RunProgram(command).out; }

/* The X window whose name is the title, as the X server has it: its outer
   rectangle on the root window (false when no such window exists). */
bool XWindowNamed(const std::string& title, qzui_rect* pRect)
{
    std::istringstream tree(Output("xwininfo -root -tree 2>/dev/null"));
    const std::string quoted = "\"" + title + "\":";
    std::string line;
    while (std::getline(tree, line)) {
        size_t at = line.find(quoted);
        if (at == std::string::npos)
            continue;
        int width = 0, height = 0, left = 0, top = 0;
        size_t geometry = line.find(')', at);
        if (geometry == std::string::npos ||
            std::sscanf(line.c_str() + geometry + 1, " %dx%d+%d+%d", &width, &height, &left, &top) != 4)
            continue;
        *pRect = qzui_rect{static_cast<float>(left), static_cast<float>(top), static_cast<float>(width),
                           static_cast<float>(height)};
        return true;
    }
    return false;
}

/* Mean and standard deviation of the image's grey levels, 0 to 1. */
bool GreySpread(const std::string& image, double* pMean, double* pDeviation)
{
    std::string text =
        Output("convert '" + image + "' -colorspace Gray -format '%[fx:mean] %[fx:standard_deviation]' info:");
    return std::sscanf(text.c_str(), "%lf %lf", pMean, pDeviation) == 2;
}

using PanelOnScreen = PanelFixture;
} // namespace

TEST_F(PanelOnScreen, ScreenshotOfThePanelOnTheDemoScore)
{
    if (!HasProgram("import") || !HasProgram("convert") || !HasProgram("xwininfo"))
        GTEST_SKIP() << "ImageMagick or the X utilities are not installed";
    Invoke();
    const int win = Window();
    ASSERT_NE(0, win);
    ASSERT_EQ(9u, Rows().size());
    EXPECT_EQ("1 | Woodwinds | 4 | Flute | Bassoon", Row(1));
    char title[64];
    ASSERT_GT(qzui_window_title(win, title, sizeof title), 0);
    EXPECT_STREQ("Staff Set Panel", title);

    NSWindow* pWindow = CocoaRuntime::WindowOf(BridgeRuntime::FindBridge(win));
    ASSERT_NE(nil, pWindow);
    [pWindow display];
    [pWindow flushWindow];
    CocoaRuntime::Pump(0.3);

    /* The X server knows the window by its title, where the bridge says it
       is (GNUstep's own border may add a point on the sides and below). */
    qzui_rect frame{};
    ASSERT_EQ(QZUI_OK, qzui_window_frame(win, &frame));
    qzui_rect onScreen{};
    ASSERT_TRUE(XWindowNamed("Staff Set Panel", &onScreen)) << Output("xwininfo -root -tree 2>&1");
    EXPECT_NEAR(frame.left, onScreen.left, 1.0f);
    EXPECT_NEAR(frame.top, onScreen.top, 1.0f);
    EXPECT_NEAR(frame.width, onScreen.width, 2.0f);
    EXPECT_NEAR(frame.height, onScreen.height, 2.0f);

    const std::string shot =
        TakeScreenshot("panel-demo-score.png", static_cast<int>(frame.left), static_cast<int>(frame.top),
                       static_cast<int>(frame.width), static_cast<int>(frame.height));
    ASSERT_FALSE(shot.empty()) << "no screenshot of the panel";
    EXPECT_EQ(std::to_string(static_cast<int>(frame.width)) + "x" + std::to_string(static_cast<int>(frame.height)),
              Output("convert '" + shot + "' -format %wx%h info:"));
    /* Not blank: many colours, and light and dark areas (text on controls,
       the title bar) rather than one flat tone. */
    EXPECT_GT(std::atoi(Output("convert '" + shot + "' -format %k info:").c_str()), 8);
    double mean = 0, deviation = 0;
    ASSERT_TRUE(GreySpread(shot, &mean, &deviation));
    std::printf("screenshot: %s (window at %g,%g, %gx%g on screen; grey mean %.3f, deviation %.3f)\n", shot.c_str(),
                onScreen.left, onScreen.top, onScreen.width, onScreen.height, mean, deviation);
    EXPECT_GT(mean, 0.2);
    EXPECT_LT(mean, 0.95);
    EXPECT_GT(deviation, 0.08);

    /* Every button lies inside the content area, and so inside the window
       the X server shows. */
    const NSSize content = [[pWindow contentView] frame].size;
    const float titleBar = frame.height - static_cast<float>(content.height);
    EXPECT_GT(titleBar, 0.0f);
    for (int tag : {1, 2, 103, 104, 105, 106, 107, 108, 109}) {
        qzui_element info{};
        ASSERT_EQ(QZUI_OK, qzui_element_info(win, tag, &info)) << tag;
        EXPECT_EQ(1, info.visible) << tag;
        EXPECT_GT(info.frame.width, 0.0f) << tag;
        EXPECT_GT(info.frame.height, 0.0f) << tag;
        EXPECT_GE(info.frame.left, 0.0f) << tag;
        EXPECT_GE(info.frame.top, 0.0f) << tag;
        EXPECT_LE(info.frame.left + info.frame.width, content.width) << tag;
        EXPECT_LE(info.frame.top + info.frame.height, content.height) << tag;
        EXPECT_LE(frame.top + titleBar + info.frame.top + info.frame.height, onScreen.top + onScreen.height) << tag;
        EXPECT_LE(frame.left + info.frame.left + info.frame.width, onScreen.left + onScreen.width) << tag;
    }
    Terminate();
}
