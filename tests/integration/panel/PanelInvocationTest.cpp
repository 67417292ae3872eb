/* Invocation and shut-down: one services object and one panel, made by the
   first invoke, saved and destroyed by terminate. */

#include <filesystem>

#include "staffsetpanel/FCStaffSetPanelWindow.h"
#include "ui/FCUI.h"
#include "plugin/FinaleExtension.h"
#include "PanelFixture.h"
#include "plugin/PanelInvocation.h"

class PanelInvocation : public PanelFixture
{};

TEST_F(PanelInvocation, ASecondInvokeBringsTheSamePanelToTheFront)
{
    int hostWindow = 0;
    PluginCall("invoke", [&] { FinaleExtensionInvoke(&hostWindow); });
    invoked = true;
    FCUI* pUI = pGlobalUI;
    FCStaffSetPanelWindow* pPanel = pMainWindow;
    ASSERT_NE(nullptr, pUI);
    ASSERT_NE(nullptr, pPanel);
    EXPECT_EQ(&hostWindow, pUI->GetHostWindow());
    const int window = Window();
    Activate(false);
    EXPECT_EQ(0, qzui_window_active(window));

    PluginCall("invoke", [] { Ext_invoke(nullptr); });
    EXPECT_EQ(pUI, pGlobalUI);
    EXPECT_EQ(pPanel, pMainWindow);
    EXPECT_EQ(&hostWindow, pGlobalUI->GetHostWindow());
    EXPECT_EQ(window, Window());
    EXPECT_EQ(1, qzui_window_count());
    EXPECT_EQ(1, qzui_window_active(window));
    EXPECT_EQ(1, qzui_window_visible(window));
}

TEST_F(PanelInvocation, TerminateWithoutInvokeDoesNothing)
{
    PluginCall("terminate", [] { Ext_terminate(); });
    EXPECT_EQ(nullptr, pGlobalUI);
    EXPECT_EQ(nullptr, pMainWindow);
    EXPECT_FALSE(std::filesystem::exists(PrefsFile()));
    EXPECT_EQ(0u, Host()->hostsim_call_count("FX_GetFinalePathMac"));
}

TEST_F(PanelInvocation, InvokeAfterTerminateReadsThePositionWritten)
{
    Invoke();
    MoveWindow(250, 140);
    CloseBox();
    Terminate();
    EXPECT_EQ(nullptr, pGlobalUI);
    EXPECT_EQ(nullptr, pMainWindow);
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=250\nQZSTAFFSETP_WINDOWY=140\n", ReadFile(PrefsFile()));

    Invoke();
    qzui_rect frame = Frame(Window());
    EXPECT_EQ(250, frame.left);
    EXPECT_EQ(140, frame.top);
}

TEST_F(PanelInvocation, QuittingWithThePanelOpenKeepsItsNewPosition)
{
    Invoke();
    MoveWindow(610, 420);
    Terminate();
    EXPECT_EQ("QZSTAFFSETP_WINDOWX=610\nQZSTAFFSETP_WINDOWY=420\n", ReadFile(PrefsFile()));
    Invoke();
    EXPECT_EQ(610, Frame(Window()).left);
    EXPECT_EQ(420, Frame(Window()).top);
}

TEST_F(PanelInvocation, TheClosedPanelIsShownAgainByTheNextInvoke)
{
    Invoke();
    FCStaffSetPanelWindow* pPanel = pMainWindow;
    MoveWindow(50, 60);
    CloseBox();
    EXPECT_EQ(0, Window());
    EXPECT_EQ(pPanel, pMainWindow);
    Invoke();
    EXPECT_EQ(pPanel, pMainWindow);
    EXPECT_EQ(50, Frame(Window()).left);
    EXPECT_EQ(60, Frame(Window()).top);
}
