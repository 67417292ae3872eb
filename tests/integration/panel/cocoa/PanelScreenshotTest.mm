/* The staff set panel on the demo score in a real window: a screenshot,
 * kept under the build tree, checked for the title, for not being blank and
 * for every button lying inside the window. */
#import "ui/cocoa/CocoaRuntime.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "integration/panel/PanelFixture.h"

namespace
{
std::string Output(const std::string& command)
{
    std::string output;
    if (FILE* pPipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pPipe))
            output += buffer;
        pclose(pPipe);
    }
    return output;
}

bool HasProgram(const char* name)
{
    return std::system((std::string("command -v ") + name + " >/dev/null 2>&1").c_str()) == 0;
}

using PanelOnScreen = PanelFixture;
} // namespace

TEST_F(PanelOnScreen, ScreenshotOfThePanelOnTheDemoScore)
{
    if (!HasProgram("import") || !HasProgram("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    Invoke();
    const int win = Window();
    ASSERT_NE(0, win);
    ASSERT_EQ(9u, Rows().size());
    char title[64];
    ASSERT_GT(qzui_window_title(win, title, sizeof title), 0);
    EXPECT_STREQ("Staff Set Panel", title);

    NSWindow* pWindow = CocoaRuntime::WindowOf(CocoaRuntime::FindBridge(win));
    ASSERT_NE(nil, pWindow);
    [pWindow display];
    [pWindow flushWindow];
    CocoaRuntime::Pump(0.3);

    qzui_rect frame{};
    ASSERT_EQ(QZUI_OK, qzui_window_frame(win, &frame));
    const char* buildDir = std::getenv("QZ_BUILD_DIR");
    std::string folder = std::string(buildDir ? buildDir : "/tmp") + "/artifacts";
    mkdir(folder.c_str(), 0755);
    std::string shot = folder + "/panel-demo-score.png";
    std::remove(shot.c_str());
    char geometry[96];
    std::snprintf(geometry, sizeof geometry, "%dx%d+%d+%d", static_cast<int>(frame.width),
                  static_cast<int>(frame.height), static_cast<int>(frame.left), static_cast<int>(frame.top));
    Output("import -window root -crop " + std::string(geometry) + " +repage '" + shot + "' 2>&1");
    struct stat file
    {};
    ASSERT_EQ(0, stat(shot.c_str(), &file)) << "no screenshot at " << shot;
    std::printf("screenshot: %s\n", shot.c_str());
    EXPECT_GT(std::atoi(Output("convert '" + shot + "' -format %k info:").c_str()), 8);

    for (int tag : {1, 2, 103, 104, 105, 106, 107, 108, 109}) {
        qzui_element info{};
        ASSERT_EQ(QZUI_OK, qzui_element_info(win, tag, &info)) << tag;
        EXPECT_GE(info.frame.left, 0.0f) << tag;
        EXPECT_GE(info.frame.top, 0.0f) << tag;
        EXPECT_LE(info.frame.left + info.frame.width, frame.width) << tag;
        EXPECT_LE(info.frame.top + info.frame.height, frame.height) << tag;
    }
    Terminate();
}
