/* FCUI requests to the host, run against the simulated host in strict mode. */
#include <gtest/gtest.h>

#include <string>

#include "document/FCFontInfo.h"
#include "strings/FCString.h"
#include "ui/FCUI.h"
#include "support/HostsimFixture.h"
#include "common/qz_fourcc.h"
#include "ui/driver/qzui_driver.h"

namespace
{
class UIHostTest : public HostsimFixture
{
protected:
    int hostWindowToken = 0;
    FCUI ui{&hostWindowToken};

    void SetUp() override
    {
        if (!Host())
            GTEST_SKIP() << LoadError();
        HostsimFixture::SetUp();
    }

    size_t Calls(const char* function) const { return Host()->hostsim_call_count(function); }

    hostsim_dialog LastDialog() const
    {
        hostsim_dialog dialog{};
        const size_t count = Host()->hostsim_dialog_count();
        if (count > 0)
            Host()->hostsim_dialog_entry(count - 1, &dialog);
        return dialog;
    }

    hostsim_menu LastMenu() const
    {
        hostsim_menu menu{};
        const size_t count = Host()->hostsim_menu_log_count();
        if (count > 0)
            Host()->hostsim_menu_log_entry(count - 1, &menu);
        return menu;
    }
};

/* ---- MenuCommand ---- */

TEST_F(UIHostTest, MenuCommandSendsTheTableCodeToTheHost)
{
    struct Case
    {
        int number;
        const char* chars;
    } cases[] = {{22, "VwSc"}, {26, "DOes"}, {27, "StS0"}, {35, "StS8"}, {63, "TOZm"}, {1, "MSpN"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        PluginCall("menu", [&] { ui.MenuCommand(static_cast<FCUI::MENU_COMMANDS>(c.number)); });
        EXPECT_STREQ(LastMenu().chars, c.chars);
    }
    EXPECT_EQ(Host()->hostsim_menu_log_count(), 6u);
}

TEST_F(UIHostTest, MenuCommandReportsWhetherTheHostDidIt)
{
    bool switched = false;
    PluginCall("menu", [&] { switched = ui.MenuCommand(FCUI::MENUCMD_VWSC); });
    EXPECT_EQ(switched, LastMenu().result != 0);

    Host()->hostsim_fail("FX_ExecuteMenuItem", HOSTSIM_FAIL_REFUSE, 1);
    bool refused = true;
    PluginCall("menu", [&] { refused = ui.MenuCommand(FCUI::MENUCMD_VWSC); });
    EXPECT_FALSE(refused);
}

TEST_F(UIHostTest, MenuCommandZeroAsksTheHostWithCodeZero)
{
    PluginCall("menu", [&] { ui.MenuCommand(FCUI::MENUCMD_NONE); });
    ASSERT_EQ(Host()->hostsim_menu_log_count(), 1u);
    EXPECT_EQ(LastMenu().code, 0u);
}

TEST_F(UIHostTest, MenuCommandWithoutACodeNeverReachesTheHost)
{
    for (int number : {54, 60, 64, 1000, -1, -64}) {
        SCOPED_TRACE(number);
        bool result = true;
        PluginCall("menu", [&] { result = ui.MenuCommand(static_cast<FCUI::MENU_COMMANDS>(number)); });
        EXPECT_FALSE(result);
    }
    EXPECT_EQ(Calls("FX_ExecuteMenuItem"), 0u);
}

/* ---- RedrawDocument ---- */

TEST_F(UIHostTest, RedrawDocumentRedrawsTheCurrentSelection)
{
    hostsim_region selection{0, 1, 2, 0, 0, 2, 3, 0x7FFFFFFF};
    ASSERT_TRUE(Host()->hostsim_set_selection(&selection));
    PluginCall("redraw", [&] { ui.RedrawDocument(); });
    ASSERT_EQ(Host()->hostsim_redraw_count(), 1u);
    hostsim_region redrawn{};
    ASSERT_TRUE(Host()->hostsim_last_redraw(&redrawn));
    EXPECT_EQ(redrawn.startSlot, 1);
    EXPECT_EQ(redrawn.startMeasure, 2);
    EXPECT_EQ(redrawn.endSlot, 2);
    EXPECT_EQ(redrawn.endMeasure, 3);
}

TEST_F(UIHostTest, RedrawDocumentDoesNothingWhenTheHostGivesNoRegion)
{
    Host()->hostsim_fail("FX_GetCurERegions", HOSTSIM_FAIL_REFUSE, 1);
    PluginCall("redraw", [&] { ui.RedrawDocument(); });
    EXPECT_EQ(Host()->hostsim_redraw_count(), 0u);
    EXPECT_EQ(Calls("FX_RedrawMusic"), 0u);
}

/* ---- MenuPositionCommand ---- */

/* Application menu (index 0), File, View with a "Staff Sets" submenu. */
class MenuPositionTest : public UIHostTest
{
protected:
    const qzui_menu_item appItems[3] = {{"About", 0, 0, nullptr}, {nullptr, 0, 1, nullptr}, {"Scroll", 0, 0, nullptr}};
    const qzui_menu appMenu{"App", appItems, 3};
    const qzui_menu_item setItems[4] = {{"All", static_cast<int>(QZ_FOURCC("StS0")), 0, nullptr},
                                        {nullptr, 0, 1, nullptr},
                                        {nullptr, 0, 1, nullptr},
                                        {"Set 2", static_cast<int>(QZ_FOURCC("StS2")), 0, nullptr}};
    const qzui_menu setMenu{"Staff Sets", setItems, 4};
    const qzui_menu_item viewItems[4] = {{nullptr, 0, 1, nullptr},
                                         {"Scroll View", static_cast<int>(QZ_FOURCC("VwSc")), 0, nullptr},
                                         {nullptr, 0, 1, nullptr},
                                         {"Staff Sets", 0, 0, &setMenu}};
    const qzui_menu viewMenu{"View", viewItems, 4};
    const qzui_menu fileMenu{"File", nullptr, 0};
    const qzui_menu_item mainItems[3] = {{"App", 0, 0, &appMenu}, {"File", 0, 0, &fileMenu}, {"View", 0, 0, &viewMenu}};
    const qzui_menu mainMenu{"Main", mainItems, 3};

    void SetUp() override
    {
        UIHostTest::SetUp();
        ASSERT_EQ(qzui_set_main_menu(&mainMenu), QZUI_OK);
    }
    void TearDown() override
    {
        qzui_set_main_menu(nullptr);
        UIHostTest::TearDown();
    }

    bool Run(int menu, int item, int subitem)
    {
        bool result = false;
        PluginCall("menu position", [&] { result = ui.MenuPositionCommand(menu, item, subitem); });
        return result;
    }
};

TEST_F(MenuPositionTest, PositionsCountItemsBetweenSeparators)
{
    /* View is menu 1 (index 2): its first item past the separator. */
    Run(1, 0, -1);
    EXPECT_STREQ(LastMenu().chars, "VwSc");
    /* Two separators in a row are both skipped inside the submenu. */
    Run(1, 1, 1);
    EXPECT_STREQ(LastMenu().chars, "StS2");
    Run(1, 1, 0);
    EXPECT_STREQ(LastMenu().chars, "StS0");
    EXPECT_EQ(Host()->hostsim_menu_log_count(), 3u);
}

TEST_F(MenuPositionTest, PositionsWithoutACommandNeverReachTheHost)
{
    EXPECT_FALSE(Run(-1, 0, -1));  /* application menu item with tag 0 */
    EXPECT_FALSE(Run(100, 1, -1)); /* 100 is the application menu too */
    EXPECT_FALSE(Run(1, 1, -1));   /* the submenu's own item has no tag */
    EXPECT_FALSE(Run(1, 0, 0));    /* an item without a submenu */
    EXPECT_FALSE(Run(1, 1, 2));    /* beyond the submenu */
    EXPECT_FALSE(Run(1, 2, -1));   /* beyond the menu */
    EXPECT_FALSE(Run(0, 0, -1));   /* a top-level menu without items */
    EXPECT_FALSE(Run(2, 0, -1));   /* beyond the main menu */
    EXPECT_FALSE(Run(-2, 0, -1));  /* below -1 */
    EXPECT_FALSE(Run(1, -1, -1));
    qzui_set_main_menu(nullptr);
    EXPECT_FALSE(Run(1, 0, -1)); /* no main menu */
    EXPECT_EQ(Calls("FX_ExecuteMenuItem"), 0u);
}

TEST_F(MenuPositionTest, MalformedMenuModelIsRefused)
{
    const qzui_menu broken{"Broken", nullptr, 2};
    EXPECT_EQ(qzui_set_main_menu(&broken), QZUI_E_RANGE);
    /* The registered model stays. */
    Run(1, 0, -1);
    EXPECT_STREQ(LastMenu().chars, "VwSc");
}

class MenuPositionOldHostTest : public MenuPositionTest
{
protected:
    uint32_t Profile() const override { return 0x10000000u; }
};

TEST_F(MenuPositionOldHostTest, OlderHostRunsNoMenuPositions)
{
    EXPECT_FALSE(Run(1, 0, -1));
    EXPECT_EQ(Calls("FX_ExecuteMenuItem"), 0u);
}

/* ---- Window information ---- */

TEST_F(UIHostTest, WindowQueriesGiveNeutralValuesWhenTheHostCannotTell)
{
    PluginCall("window", [&] {
        EXPECT_FALSE(ui.IsPageView());
        EXPECT_EQ(ui.GetCurrentPage(), 0);
        EXPECT_EQ(ui.GetCurrentMeasure(), 0);
        EXPECT_EQ(ui.GetZoomLevel(), 100);
        EXPECT_EQ(ui.GetDocumentWindow(), nullptr);
    });
    /* Known window, refused call. */
    hostsim_window_info info{1, 3, 7, 150, 0x1234};
    Host()->hostsim_set_window_info(&info);
    Host()->hostsim_fail("FX_GetCurrentWindowInfo", HOSTSIM_FAIL_REFUSE, -1);
    PluginCall("window", [&] {
        EXPECT_EQ(ui.GetZoomLevel(), 100);
        EXPECT_EQ(ui.GetCurrentPage(), 0);
    });
    EXPECT_EQ(Calls("FX_GetCurrentWindowInfo"), 7u);
}

TEST_F(UIHostTest, PageIsReportedInPageViewAndMeasureOutsideIt)
{
    hostsim_window_info page{1, 3, 7, 150, 0x1234};
    Host()->hostsim_set_window_info(&page);
    PluginCall("page view", [&] {
        EXPECT_TRUE(ui.IsPageView());
        EXPECT_EQ(ui.GetCurrentPage(), 3);
        EXPECT_EQ(ui.GetCurrentMeasure(), 0);
        EXPECT_EQ(ui.GetZoomLevel(), 150);
        EXPECT_EQ(ui.GetDocumentWindow(), reinterpret_cast<void*>(0x1234));
    });
    hostsim_window_info scroll{0, 3, 7, 75, 0x1234};
    Host()->hostsim_set_window_info(&scroll);
    PluginCall("scroll view", [&] {
        EXPECT_FALSE(ui.IsPageView());
        EXPECT_EQ(ui.GetCurrentPage(), 0);
        EXPECT_EQ(ui.GetCurrentMeasure(), 7);
        EXPECT_EQ(ui.GetZoomLevel(), 75);
    });
}

/* ---- MoveToMeasure and layers ---- */

TEST_F(UIHostTest, MoveToMeasureScrollsToTheGivenStaff)
{
    PluginCall("move", [&] { ui.MoveToMeasure(5, 2); });
    int16_t measure = 0, staff = 0;
    ASSERT_TRUE(Host()->hostsim_last_scroll(&measure, &staff));
    EXPECT_EQ(measure, 5);
    EXPECT_EQ(staff, 2);
}

class MoveToMeasureSparseTest : public UIHostTest
{
protected:
    int Seed() const override { return HOSTSIM_SEED_EMPTY; }
};

TEST_F(MoveToMeasureSparseTest, StaffZeroTakesTheFirstExistingStaff)
{
    ASSERT_TRUE(Host()->hostsim_add_staff(4, "Viola", "Vla."));
    ASSERT_TRUE(Host()->hostsim_add_staff(9, "Cello", "Vc."));
    PluginCall("move", [&] { ui.MoveToMeasure(12, 0); });
    int16_t measure = 0, staff = 0;
    ASSERT_TRUE(Host()->hostsim_last_scroll(&measure, &staff));
    EXPECT_EQ(measure, 12);
    EXPECT_EQ(staff, 4);
}

TEST_F(MoveToMeasureSparseTest, StaffZeroWithoutStavesDoesNothing)
{
    PluginCall("move", [&] { ui.MoveToMeasure(12, 0); });
    EXPECT_EQ(Host()->hostsim_scroll_count(), 0u);
    EXPECT_EQ(Calls("FX_ScrollTo"), 0u);
}

TEST_F(UIHostTest, MaxLayersComeFromTheHost)
{
    PluginCall("layers", [&] { EXPECT_EQ(ui.GetMaxLayers(), 4); });
    Host()->hostsim_fail("FX_GetMaxLayers", HOSTSIM_FAIL_REFUSE, 1);
    PluginCall("layers", [&] { EXPECT_EQ(ui.GetMaxLayers(), 0); });
}

/* ---- Selection and symbol dialogs ---- */

TEST_F(UIHostTest, SelectionDialogsOpenTheirKindWithTheHostWindow)
{
    struct Case
    {
        unsigned short (FCUI::*open)(unsigned short);
        int kind;
    } cases[] = {
        {&FCUI::DisplayTextExpressionDialog, 4}, {&FCUI::DisplayArticulationDialog, 1}, {&FCUI::DisplayShapeDialog, 3}};
    Host()->hostsim_set_dialog_answer(12);
    Host()->hostsim_set_dialog_changed(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        unsigned short chosen = 0;
        PluginCall("dialog", [&] { chosen = (ui.*c.open)(3); });
        EXPECT_EQ(chosen, 12);
        const hostsim_dialog dialog = LastDialog();
        EXPECT_EQ(dialog.kind, c.kind);
        EXPECT_EQ(dialog.preselected, 3);
        EXPECT_EQ(dialog.window, reinterpret_cast<intptr_t>(&hostWindowToken));
    }
    EXPECT_EQ(Host()->hostsim_redraw_count(), 0u);
}

TEST_F(UIHostTest, ChangeFlagOfADialogRedrawsTheSelection)
{
    hostsim_region selection{0, 1, 1, 0, 0, 1, 4, 0x7FFFFFFF};
    ASSERT_TRUE(Host()->hostsim_set_selection(&selection));
    Host()->hostsim_set_dialog_answer(5);
    Host()->hostsim_set_dialog_changed(1);
    PluginCall("dialog", [&] { EXPECT_EQ(ui.DisplayShapeDialog(5), 5); });
    ASSERT_EQ(Host()->hostsim_redraw_count(), 1u);
    hostsim_region redrawn{};
    Host()->hostsim_last_redraw(&redrawn);
    EXPECT_EQ(redrawn.endMeasure, 4);
}

TEST_F(UIHostTest, FailedDialogGivesZeroAndRedrawsNothing)
{
    Host()->hostsim_set_dialog_answer(5);
    Host()->hostsim_set_dialog_changed(1);
    Host()->hostsim_fail("FX_SelectionDialog", HOSTSIM_FAIL_REFUSE, 1);
    PluginCall("dialog", [&] { EXPECT_EQ(ui.DisplayTextExpressionDialog(2), 0); });
    EXPECT_EQ(Host()->hostsim_redraw_count(), 0u);
}

TEST_F(UIHostTest, SymbolDialogPassesTheFontAndThePreselectedSymbol)
{
    Host()->hostsim_set_dialog_answer(0xE050);
    FCFontInfo font;
    FCString name("Sim Music");
    font.SetNameString(&name);
    font.SetSize(24);
    font.SetEffects(2);
    int chosen = 0;
    PluginCall("symbol", [&] { chosen = ui.DisplaySymbolDialog(&font, 0xE062); });
    EXPECT_EQ(chosen, 0xE050);
    const hostsim_dialog dialog = LastDialog();
    EXPECT_STREQ(dialog.function, "FX_SymbolDialog_UTF32");
    EXPECT_STREQ(dialog.fontName, "Sim Music");
    EXPECT_EQ(dialog.size, 24);
    EXPECT_EQ(dialog.style, 2);
    EXPECT_EQ(dialog.preselected, 0xE062);

    PluginCall("symbol", [&] { EXPECT_EQ(ui.DisplaySymbolDialog(nullptr, 1), 0); });
    EXPECT_EQ(Host()->hostsim_dialog_count(), 1u);
    Host()->hostsim_fail("FX_SymbolDialog_UTF32", HOSTSIM_FAIL_REFUSE, 1);
    PluginCall("symbol", [&] { EXPECT_EQ(ui.DisplaySymbolDialog(&font, 1), 0); });
}

/* ---- Exported dialog procedures ---- */

TEST_F(UIHostTest, DialogProceduresWarnOnlyOnAHostThatIsNotMachO)
{
    int procedure = 0;
    PluginCall("procs", [&] {
        EXPECT_EQ(NewFF_DialogHandlerProc(&procedure), &procedure);
        DisposeFF_DialogHandlerProc(&procedure);
    });
    EXPECT_EQ(Host()->hostsim_alert_count(), 0u);
    Host()->hostsim_set_macho(0);
    PluginCall("procs", [&] {
        EXPECT_EQ(NewFF_DialogHandlerProc(&procedure), &procedure);
        DisposeFF_DialogHandlerProc(nullptr);
    });
    ASSERT_EQ(Host()->hostsim_alert_count(), 2u);
    EXPECT_STREQ(Host()->hostsim_alert_text(0), "48: Should not get here!");
}
} // namespace
