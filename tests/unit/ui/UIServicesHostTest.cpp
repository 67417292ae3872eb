/* FCUI requests to the host, run against the simulated host in strict mode. */
#include <gtest/gtest.h>

#include <string>

#include "ui/FCUI.h"
#include "support/HostsimFixture.h"

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
    for (const Case& c : cases)
    {
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
    for (int number : {54, 60, 64, 1000, -1, -64})
    {
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
} // namespace
