/* The panel keeps itself current: the 200 ms timer, the once-a-second
   document check and activation. */

#include "staffsetpanel/FCStaffSetPanelWindow.h"
#include "PanelFixture.h"
#include "plugin/PanelInvocation.h"

class PanelPolling : public PanelFixture
{};

TEST_F(PanelPolling, AChangeByAnotherToolShowsWithinOneTick)
{
    Invoke();
    PutStaffSet(1, {1, 2, 3, 4, 5});
    PutStaffSet(6, {14});
    Tick();
    EXPECT_EQ("1 | Woodwinds | 5 | Flute | Horn in F", Row(1));
    EXPECT_EQ("6 | (No Name) | 1 | Contrabass | Contrabass", Row(6));
    EXPECT_EQ("- | All Staves | 14 |  | ", Row(0));
}

TEST_F(PanelPolling, ATickWithoutChangesRewritesNothing)
{
    Invoke();
    /* A rename by other means keeps every count: the list is not refreshed. */
    Host()->hostsim_add_staff(4, "Contrabassoon", "Cbsn.");
    Tick(10);
    EXPECT_EQ("1 | Woodwinds | 4 | Flute | Bassoon", Row(1));
    /* The next count change refreshes every row. */
    PutStaffSet(8, {1});
    Tick();
    EXPECT_EQ("1 | Woodwinds | 4 | Flute | Contrabassoon", Row(1));
}

TEST_F(PanelPolling, ASwitchToAnotherDocumentShowsWithinFiveTicks)
{
    Invoke();
    /* A second demo score whose counts are all the same: only the document
       check notices the switch. */
    const int16_t other = Host()->hostsim_new_document(HOSTSIM_SEED_DEMO);
    ASSERT_GT(other, 0);
    ASSERT_TRUE(Host()->hostsim_set_current_document(other));
    Host()->hostsim_add_staff(1, "Piccolo", "Picc.");
    int ticks = 0;
    while (ticks < 5 && Row(1) != "1 | Woodwinds | 4 | Piccolo | Bassoon") {
        Tick();
        ++ticks;
    }
    EXPECT_EQ("1 | Woodwinds | 4 | Piccolo | Bassoon", Row(1)) << "after " << ticks << " ticks";
    EXPECT_GE(ticks, 1);

    /* Back to the first document, which has other counts: the next tick. */
    PutStaffSet(2, {3});
    Tick();
    EXPECT_EQ("2 | (No Name) | 1 | Clarinet in B\u266D | Clarinet in B\u266D", Row(2));
    ASSERT_TRUE(Host()->hostsim_set_current_document(document));
    Tick();
    EXPECT_EQ("1 | Woodwinds | 4 | Flute | Bassoon", Row(1));
}

TEST_F(PanelPolling, ActivationRefreshesAndShadesOnlyWhenAskedTo)
{
    Invoke();
    PutStaffSet(2, {7, 8});
    Activate(true);
    EXPECT_EQ("2 | (No Name) | 2 | Trombone | Tuba", Row(2));
    Activate(false);
    EXPECT_EQ(0, qzui_window_shaded(Window()));
    /* Without the option a shaded panel is unshaded at the next activation. */
    PluginCall("shade", [] { pMainWindow->Windowshade(true); });
    EXPECT_EQ(1, qzui_window_shaded(Window()));
    Activate(true);
    EXPECT_EQ(0, qzui_window_shaded(Window()));
}

TEST_F(PanelPolling, ClosingStopsThePollAndReopeningBuildsTheListAnew)
{
    Invoke();
    SelectRow(1);
    CloseBox();
    EXPECT_EQ(0, Window());
    PutStaffSet(1, {1});
    Tick(5);
    Invoke();
    ASSERT_NE(0, Window());
    EXPECT_EQ(5, qzui_table_column_count(Window(), 101));
    EXPECT_EQ(9u, Rows().size());
    EXPECT_EQ("1 | Woodwinds | 1 | Flute | Flute", Row(1));
    EXPECT_EQ(1, qzui_timer_count(Window()));
}
