/* Controls whose values depend on the document, against the simulated host:
   a stepper connected to a field showing a measurement in the document's
   unit. */
#include <cstring>

#include "support/HostsimFixture.h"
#include "KindsTestWindow.h"

namespace
{
class ControlsHostTest : public HostsimFixture
{
protected:
    void SetUp() override
    {
        if (!Host())
            GTEST_SKIP() << LoadError();
        HostsimFixture::SetUp();
        qzui_set_decimal_separator(".");
    }
    void TearDown() override
    {
        qzui_set_decimal_separator(nullptr);
        HostsimFixture::TearDown();
    }

    /* The document's measurement unit (general preferences, record 1). */
    static void SetDocumentUnit(int16_t unit)
    {
        std::vector<uint8_t> prefs(66, 0);
        std::memcpy(prefs.data(), &unit, 2);
        const int16_t key[4] = {1, 0, 0, 0};
        ASSERT_TRUE(Host()->hostsim_put_other(0x70666770, key, prefs.data(), uint32_t(prefs.size())));
    }

    static std::string FieldText(int window, int tag)
    {
        char buffer[64];
        return qzui_element_text(window, tag, buffer, sizeof buffer) < 0 ? "<missing>" : buffer;
    }
};
} // namespace

TEST_F(ControlsHostTest, MeasurementStepperMovesTheFieldInTheDocumentsUnitWithinItsLimits)
{
    SetDocumentUnit(__FCBase::MEASUREMENTUNIT_POINTS);
    KindsWindow window;
    FCCtrlUpDown* pStepper = window.pMeasureUpDown;
    ASSERT_TRUE(pStepper->ConnectMeasurementEdit(window.pMeasureEdit, 141.0, 146.0));
    EXPECT_FALSE(pStepper->ConnectMeasurementEdit(window.pMeasureEdit, 2.0, 1.0));
    int win = 0;
    PluginCall("show", [&] {
        win = window.Show();
        pStepper->SetValue(144);
    });
    const int tag = KindsWindow::kMeasureStepper;
    EXPECT_EQ("36", FieldText(win, KindsWindow::kMeasureEdit));
    EXPECT_EQ(141, pStepper->GetMinimum());
    EXPECT_EQ(146, pStepper->GetMaximum());

    auto click = [&](int up, int times) {
        for (int i = 0; i < times; ++i)
            PluginCall("click", [&] { ASSERT_EQ(QZUI_OK, qzui_click_stepper(win, tag, up)); });
    };
    click(1, 1);
    EXPECT_EQ("36.25", FieldText(win, KindsWindow::kMeasureEdit));
    click(1, 4);
    EXPECT_EQ("36.5", FieldText(win, KindsWindow::kMeasureEdit));
    EXPECT_EQ(146, pStepper->GetValue());
    click(0, 9);
    EXPECT_EQ("35.25", FieldText(win, KindsWindow::kMeasureEdit)); /* 141 EVPUs */
    EXPECT_EQ(141, pStepper->GetValue());

    /* A measurement typed in another unit is where the next click starts. */
    PluginCall("type", [&] { ASSERT_EQ(QZUI_OK, qzui_type_text(win, KindsWindow::kMeasureEdit, "0.5in")); });
    click(1, 1);
    EXPECT_EQ("36.25", FieldText(win, KindsWindow::kMeasureEdit)); /* 145 EVPUs */
    EXPECT_EQ("updown 215 1", window.log.back());
    PluginCall("close", [&] { window.CloseWindow(); });

    /* The limits a measurement connection reports are truncated. */
    ASSERT_TRUE(pStepper->ConnectMeasurementEdit(window.pMeasureEdit, 0.7, 5.9));
    EXPECT_EQ(0, pStepper->GetMinimum());
    EXPECT_EQ(5, pStepper->GetMaximum());
}
