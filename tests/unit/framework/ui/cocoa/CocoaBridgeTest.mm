/* The Cocoa bridge in a real window: layout elements inside boxes, the
 * timers on the run loop, the save and open panels, and a screenshot of the
 * panel layout. */
#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "strings/FCString.h"
#include "support/RunProgram.h"
#include "support/TempFolder.h"
#include "ui/FCUI.h"
#include "support/Screenshot.h"
#include "unit/framework/ui/UiTestWindow.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
const char kBoxLayout[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<document type="com.apple.InterfaceBuilder3.Cocoa.XIB" version="3.0" toolsVersion="21701" targetRuntime="MacOSX.Cocoa" propertyAccessControl="none" useAutolayout="NO">
  <objects>
    <customObject id="-2" userLabel="File's Owner" customClass="_FCWindowController_redaredavizodir">
      <connections><outlet property="window" destination="w1" id="o1"/></connections>
    </customObject>
    <customObject id="-1" userLabel="First Responder" customClass="FirstResponder"/>
    <customObject id="-3" userLabel="Application" customClass="NSObject"/>
    <window title="Boxes" releasedWhenClosed="NO" visibleAtLaunch="NO" id="w1">
      <windowStyleMask key="styleMask" titled="YES" closable="YES"/>
      <rect key="contentRect" x="100" y="200" width="300" height="200"/>
      <view key="contentView" id="v1">
        <rect key="frame" x="0.0" y="0.0" width="300" height="200"/>
        <subviews>
          <box title="Group" identifier="50" id="b1">
            <rect key="frame" x="10" y="60" width="200" height="120"/>
            <view key="contentView" id="bv">
              <rect key="frame" x="2" y="2" width="196" height="100"/>
              <subviews>
                <button tag="7" id="c1">
                  <rect key="frame" x="10" y="40" width="120" height="18"/>
                  <buttonCell key="cell" type="check" title="Inside" state="on" allowsMixedState="YES" tag="7" id="c1c"/>
                </button>
              </subviews>
            </view>
          </box>
          <button tag="7" id="p7">
            <rect key="frame" x="200" y="10" width="80" height="32"/>
            <buttonCell key="cell" type="push" title="Outside" bezelStyle="rounded" tag="7" id="p7c"/>
          </button>
        </subviews>
      </view>
    </window>
  </objects>
</document>
)";

class CocoaLayoutFolder : public UiTest
{
protected:
    std::string folder;

    void SetUp() override
    {
        UiTest::SetUp();
        char pattern[] = "/tmp/qzui_cocoaXXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder = pattern;
        std::ofstream(folder + "/20999.xib") << kBoxLayout;
        qzui_set_layout_folder(folder.c_str());
    }
    void TearDown() override
    {
        std::remove((folder + "/20999.xib").c_str());
        rmdir(folder.c_str());
        UiTest::TearDown();
    }
};

/* The driver hands every file dialog to the user's panel. */
int AskTheUser(void*, int, const char*, const char*, const char*, const char**) { return QZUI_FILE_ASK_USER; }
} // namespace

/* Acts as the user in the modal file panel shown: notes its title, then
   cancels it, or chooses the name in the folder. */
@interface QZTestFilePanelUser : NSObject {
@public
    NSString* folder; /* nil: cancel */
    char title[128];
}
- (void)act;
@end

@implementation QZTestFilePanelUser
- (void)act
{
    NSSavePanel* pPanel = (NSSavePanel*)[NSApp modalWindow];
    std::snprintf(title, sizeof title, "%s", pPanel ? [[pPanel title] UTF8String] : "<no panel>");
    if (!folder) {
        [pPanel cancel:nil];
        return;
    }
    [pPanel setDirectoryURL:[NSURL fileURLWithPath:folder]];
    [pPanel setNameFieldStringValue:@"chosen"];
    [pPanel ok:nil];
}
@end

namespace
{
/* Runs a save panel that the user object answers once it shows. */
bool SaveThroughPanel(QZTestFilePanelUser* pUser, FCString* pResult)
{
    FCUI ui(nullptr);
    FCString title("Save Template"), name("Sets"), extension(".json");
    [pUser performSelector:@selector(act)
                withObject:nil
                afterDelay:0.2
                   inModes:[NSArray arrayWithObject:NSModalPanelRunLoopMode]];
    return ui.DisplaySaveFileDialog(&title, &name, &extension, pResult);
}

/* The Cocoa view behind a tag of a bridge's window. */
NSView* ViewOf(_FCWindowController_cocoa* pBridge, int tag)
{
    return [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:tag];
}
} // namespace

TEST_F(CocoaLayoutFolder, ElementInsideABoxIsFoundByTagAndTheBoxByItsIdentifier)
{
    FCResourceWindow window(20999);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    _FCWindowController_cocoa* pBridge = window._GetBridge();
    ASSERT_TRUE(pBridge->IsWindowLoaded());
    /* Depth first: the check box inside the box comes before the later button. */
    NSView* pCheck = ViewOf(pBridge, 7);
    ASSERT_TRUE([pCheck isKindOfClass:[NSButton class]]);
    EXPECT_EQ(1, pBridge->GetDlgItemCheck(7));
    NSView* pBox = ViewOf(pBridge, 50);
    ASSERT_TRUE([pBox isKindOfClass:[NSBox class]]);
    EXPECT_TRUE([pCheck isDescendantOf:pBox]);
    /* The check box's rectangle is in the content area's coordinates: inside
       the box's rectangle, not at its own offset within the box. */
    __FloatRect box{}, check{};
    ASSERT_TRUE(pBridge->GetDlgItemRect(50, &box));
    ASSERT_TRUE(pBridge->GetDlgItemRect(7, &check));
    EXPECT_EQ(10.0f, box.left);
    EXPECT_EQ(20.0f, box.top); /* 200 - 60 - 120 */
    EXPECT_GT(check.left, box.left);
    EXPECT_GT(check.top, box.top);
    EXPECT_LT(check.bottom, box.bottom);
    /* Hiding the box hides what it holds. */
    pBridge->SetDlgItemVisible(50, false);
    qzui_element info{};
    ASSERT_EQ(QZUI_OK, qzui_element_info(qzui_find_window(20999), 7, &info));
    EXPECT_EQ(0, info.visible);
    EXPECT_EQ(QZUI_E_DISABLED, qzui_press_button(qzui_find_window(20999), 7));
}

TEST_F(CocoaLayoutFolder, MissingLayoutIsLoggedAndNoWindowOpens)
{
    FCResourceWindow window(20998);
    window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
    EXPECT_FALSE(window._GetBridge()->IsWindowLoaded());
    EXPECT_EQ(0, qzui_find_window(20998));
    ASSERT_EQ(1u, logLines.size());
    EXPECT_NE(std::string::npos, logLines[0].find("20998"));
}

using CocoaTimers = UiTest;

TEST_F(CocoaTimers, TimersAreRepeatingRunLoopTimersAimedAtTheController)
{
    TestWindow window;
    int win = Shown(window);
    window.SetTimer(3, 250);
    window.SetTimer(3, 250);
    EXPECT_EQ(std::vector<std::string>{"Timer already exists!"}, logLines);
    NSArray* pTimers = QZ_AS(NSArray, window._GetBridge()->_GetTimers());
    ASSERT_EQ(1u, [pTimers count]);
    NSTimer* pTimer = [pTimers objectAtIndex:0];
    EXPECT_TRUE([pTimer isValid]);
    EXPECT_DOUBLE_EQ(0.25, [pTimer timeInterval]);
    EXPECT_EQ(3, [QZ_AS(NSNumber, [pTimer userInfo]) intValue]);
    [pTimer retain];
    window.StopTimer(3);
    EXPECT_FALSE([pTimer isValid]);
    [pTimer release];
    EXPECT_EQ(0, qzui_timer_count(win));
}

TEST_F(CocoaTimers, ATimerDueInRealTimeWaitsForTheDriversClockEvenThroughAPress)
{
    TestWindow window;
    int win = Shown(window);
    window.SetTimer(2, 10);
    window.log.clear();
    /* Long past due on the wall clock; a press spins the run loop for its
       highlight, and still only the press is seen. */
    usleep(60 * 1000);
    CocoaRuntime::Pump(0.05);
    ASSERT_EQ(QZUI_OK, qzui_press_button(win, 103));
    EXPECT_EQ(std::vector<std::string>{"command 103"}, window.log);
    window.log.clear();
    EXPECT_EQ(2, qzui_advance_clock(20));
    EXPECT_EQ((std::vector<std::string>{"timer 2", "timer 2"}), window.log);
}

TEST_F(CocoaTimers, TimersUnderADriversClockDoNotPileUpInTheRunLoop)
{
    TestWindow window;
    Shown(window);
    testing::internal::CaptureStderr();
    for (int i = 0; i < 1100; ++i) {
        window.SetTimer(4, 100);
        window.StopTimer(4);
    }
    EXPECT_EQ(std::string::npos, testing::internal::GetCapturedStderr().find("timers scheduled"));
}

/* GNUstep keeps per-user defaults in the folder its configuration names
   (the run's state folder), never in the home folder. */
TEST(GNUstepFiles, DefaultsAreWrittenWhereTheConfigurationSaysNotUnderHome)
{
    const char* config = std::getenv("GNUSTEP_CONFIG_FILE");
    if (!config || !*config)
        GTEST_SKIP() << "not run through scripts/run-gnustep";
    const std::string state = std::string(config).substr(0, std::string(config).rfind('/'));
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    NSUserDefaults* defaults = [NSUserDefaults standardUserDefaults];
    [defaults setObject:@"kept" forKey:@"QZDefaultsProbe"];
    EXPECT_TRUE([defaults synchronize]);
    struct stat file
    {};
    std::string written;
    NSArray* files = [[NSFileManager defaultManager]
        directoryContentsAtPath:[NSString stringWithUTF8String:(state + "/Defaults").c_str()]];
    for (NSUInteger i = 0; i < [files count]; ++i)
        if ([[files objectAtIndex:i] hasSuffix:@".plist"])
            written += [[files objectAtIndex:i] UTF8String];
    EXPECT_NE("", written) << "no defaults file in " << state << "/Defaults";
    const char* home = std::getenv("HOME");
    ASSERT_NE(nullptr, home);
    EXPECT_NE(0, stat((std::string(home) + "/GNUstep").c_str(), &file)) << home;
    /* The daemons are found by name under the temporary folder: the run's
       own, so that parallel runs never share (and stop) each other's. */
    const char* temporary = std::getenv("TEMP");
    ASSERT_NE(nullptr, temporary);
    EXPECT_EQ(std::string(temporary), [NSTemporaryDirectory() UTF8String]);
    [defaults removeObjectForKey:@"QZDefaultsProbe"];
    [defaults synchronize];
    [pool release];
}

using CocoaWindow = UiTest;

TEST_F(CocoaWindow, LoadedWindowFloatsAndCannotShrinkBelowItsLayout)
{
    TestWindow window;
    int win = Shown(window);
    NSWindow* pWindow = CocoaRuntime::WindowOf(BridgeRuntime::FindBridge(win));
    ASSERT_NE(nil, pWindow);
    EXPECT_EQ(NSFloatingWindowLevel, [pWindow level]);
    EXPECT_EQ([pWindow frame].size.width, [pWindow minSize].width);
    /* Return goes to the button tagged 1. */
    EXPECT_EQ([QZ_AS(NSButton, ViewOf(window._GetBridge(), 1)) cell], [pWindow defaultButtonCell]);
}

/* As in the AppKit, a frame the program sets is taken as it is, also where
   the window reaches below the screen (GNUstep moved it up onto the screen). */
TEST_F(CocoaWindow, AFrameSetByTheProgramMayReachBelowTheScreen)
{
    TestWindow window;
    int win = Shown(window);
    qzui_rect frame = Frame(win);
    frame.top = static_cast<float>(NSMaxY([[NSScreen mainScreen] frame])) - frame.height / 2;
    ASSERT_EQ(QZUI_OK, qzui_move_window(win, &frame));
    EXPECT_EQ(frame.top, Frame(win).top);
}

/* The window server's focus reports arrive late: one asked for by an
   activation may come after the driver deactivated the window again. */
TEST_F(CocoaWindow, ADriversDeactivationOutlastsALateFocusReport)
{
    TestWindow window;
    int win = Shown(window);
    qzui_activate(win, 1);
    qzui_activate(win, 0);
    window.log.clear();
    NSWindow* pWindow = CocoaRuntime::WindowOf(BridgeRuntime::FindBridge(win));
    NSEvent* pFocus = [NSEvent otherEventWithType:NSAppKitDefined
                                         location:NSMakePoint(0, 0)
                                    modifierFlags:0
                                        timestamp:0
                                     windowNumber:[pWindow windowNumber]
                                          context:nil
                                          subtype:GSAppKitWindowFocusIn
                                            data1:0
                                            data2:0];
    [NSApp sendEvent:pFocus];
    EXPECT_EQ(0, qzui_window_active(win));
    EXPECT_EQ(Expect({}), window.log);
}

namespace
{
/* What the command printed on its standard output. */
std::string Output(const std::string& command) { return RunProgram(command).out; }
} // namespace

using PanelScreenshot = UiTest;

TEST_F(PanelScreenshot, PanelLayoutWindowIsDrawnWithItsTitleAndButtonsInside)
{
    if (!HasProgram("import") || !HasProgram("convert"))
        GTEST_SKIP() << "ImageMagick is not installed";
    TestWindow window;
    window.FillList(4);
    int win = Shown(window);
    ASSERT_NE(0, win);
    char title[64];
    ASSERT_GT(qzui_window_title(win, title, sizeof title), 0);
    EXPECT_STREQ("Staff Set Panel", title);

    NSWindow* pWindow = CocoaRuntime::WindowOf(BridgeRuntime::FindBridge(win));
    [pWindow display];
    [pWindow flushWindow];
    CocoaRuntime::Pump(0.3);

    qzui_rect frame = Frame(win);
    const std::string shot =
        TakeScreenshot("panel-window.png", static_cast<int>(frame.left), static_cast<int>(frame.top),
                       static_cast<int>(frame.width), static_cast<int>(frame.height));
    ASSERT_FALSE(shot.empty()) << "no screenshot of the window";
    std::printf("screenshot: %s\n", shot.c_str());

    /* Not blank: many colours, and the image has the window's size. */
    int colours = std::atoi(Output("convert '" + shot + "' -format %k info:").c_str());
    EXPECT_GT(colours, 8);
    std::string size = Output("convert '" + shot + "' -format %wx%h info:");
    EXPECT_EQ(std::to_string(static_cast<int>(frame.width)) + "x" + std::to_string(static_cast<int>(frame.height)),
              size);

    /* Every button's frame from the bridge lies inside the content area. */
    __FloatRect content{};
    window._GetBridge()->GetWindowContentRect(&content);
    for (int tag : {1, 2, 103, 104, 105, 106, 107, 108, 109}) {
        qzui_element info{};
        ASSERT_EQ(QZUI_OK, qzui_element_info(win, tag, &info));
        EXPECT_GE(info.frame.left, 0.0f) << tag;
        EXPECT_GE(info.frame.top, 0.0f) << tag;
        EXPECT_LE(info.frame.left + info.frame.width, content.Width()) << tag;
        EXPECT_LE(info.frame.top + info.frame.height, content.Height()) << tag;
        EXPECT_LE(info.frame.top + info.frame.height, frame.height) << tag;
    }
}

TEST(CocoaFilePanels, TheSavePanelAsksTheUserWhenTheDriverLeavesItToThem)
{
    CocoaPool pool;
    ASSERT_TRUE(CocoaRuntime::StartApplication());
    qzui_set_file_callback(&AskTheUser, nullptr);
    TempFolder temp("qzui-panel");
    QZTestFilePanelUser* pUser = [[QZTestFilePanelUser alloc] init];
    FCString result("kept");
    EXPECT_FALSE(SaveThroughPanel(pUser, &result));
    EXPECT_STREQ(pUser->title, "Save Template");
    pUser->folder = [NSString stringWithUTF8String:temp.path.c_str()];
    ASSERT_TRUE(SaveThroughPanel(pUser, &result));
    EXPECT_EQ(std::string(result.GetUTF8String()), temp.path + "/chosen.json");
    [pUser release];
    qzui_set_file_callback(nullptr, nullptr);
}
