#include "HostsimTest.h"

#include <thread>
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"

using namespace hostsim_test;

namespace
{

class StrictModeTest : public HostsimTest
{
protected:
    static fxbool start()
    {
        std::u16string name = u"Staff Set Panel";
        return FX_StartFinaleEdit_UTF16(reinterpret_cast<const uint16_t*>(name.c_str()), V19);
    }
};

TEST_F(StrictModeTest, WrongLayoutVersionIsReportedButStillAnswered)
{
    int16_t key[3] = {1, 0, 0};
    std::vector<uint8_t> buf(136);
    uint32_t size = 136;
    EXPECT_TRUE(FX_LoadEData(SOIS, key, buf.data(), &size, qz::kHostVersionUnicode));
    EXPECT_TRUE(violationMentions("expected 12000000"));
}

TEST_F(StrictModeTest, NothingIsReportedWhenStrictModeIsOff)
{
    hostsim_set_strict(0);
    int16_t key[3] = {1, 0, 0};
    std::vector<uint8_t> buf(136);
    uint32_t size = 136;
    EXPECT_TRUE(FX_LoadEData(SOIS, key, buf.data(), &size, qz::kHostVersionUnicode));
    EXPECT_EQ(hostsim_violation_count(HOSTSIM_SEVERITY_INFO), 0u);
}

TEST_F(StrictModeTest, WriteOutsideAnEditIsAppliedAndReportedAsUnbracketed)
{
    auto expr = record(SODT, 1, 0);
    int16_t key[3] = {1, 0, 0};
    EXPECT_TRUE(FX_SaveEData(SODT, key, expr.data(), uint32_t(expr.size()), V19));
    EXPECT_TRUE(violationMentions("unbracketed write"));
    EXPECT_TRUE(hostsim_dirty(doc));
    hostsim_edit e{};
    ASSERT_TRUE(hostsim_edit_log_entry(hostsim_edit_log_count() - 1, &e));
    EXPECT_EQ(e.outcome, HOSTSIM_EDIT_UNBRACKETED);
}

TEST_F(StrictModeTest, DriverWritesAreExternalNotViolations)
{
    uint8_t words[12] = {1};
    int16_t key[3] = {-2, 0, 0};
    ASSERT_TRUE(hostsim_put_other(QZ_FOURCC("ot13"), key, words, 12));
    EXPECT_EQ(violations(), 0u);
    hostsim_edit e{};
    ASSERT_TRUE(hostsim_edit_log_entry(hostsim_edit_log_count() - 1, &e));
    EXPECT_EQ(e.outcome, HOSTSIM_EDIT_EXTERNAL);
}

TEST_F(StrictModeTest, StaffSetWrittenFromALinkedPartIsReported)
{
    ASSERT_TRUE(hostsim_set_current_part(1));
    ASSERT_TRUE(start());
    int16_t key[3] = {-36, -1, 0};
    auto entry = systemStaff(4, 0);
    EXPECT_TRUE(FX_CreateEData(SOIu, key, entry.data(), 24, V19));
    EXPECT_TRUE(FX_EndFinaleEdit(V19));
    EXPECT_TRUE(violationMentions("outside the score"));
}

TEST_F(StrictModeTest, StaffSetDeletedFromALinkedPartIsReported)
{
    hostsim_staff_entry entry{4, 0, 100};
    ASSERT_TRUE(hostsim_set_current_part(1));
    ASSERT_TRUE(hostsim_put_staff_list(65500, &entry, 1)); // the part's own set 1
    ASSERT_TRUE(start());
    int16_t key[3] = {-36, 0, 0};
    EXPECT_TRUE(FX_DeleteEData(SOIu, key, V19));
    EXPECT_TRUE(FX_CancelFinaleEdit(V19));
    EXPECT_TRUE(violationMentions("outside the score"));
}

TEST_F(StrictModeTest, PartSwitchesAreCountedForInformation)
{
    hostsim_begin_plugin_call("tick");
    FX_SetCurrentPartID(0, V19);
    FX_SetCurrentPartID(0, V19);
    hostsim_end_plugin_call(0);
    EXPECT_TRUE(violationMentions("2 part switch(es)"));
    EXPECT_EQ(violations(), 0u);
}

TEST_F(StrictModeTest, EndWithoutAnOpenEditIsReported)
{
    EXPECT_FALSE(FX_EndFinaleEdit(V19));
    EXPECT_FALSE(FX_CancelFinaleEdit(V19));
    EXPECT_EQ(violations(), 2u);
}

TEST_F(StrictModeTest, EditNamesMustBeTerminatedAndNotEmpty)
{
    std::vector<uint16_t> longName(64, u'x');
    EXPECT_TRUE(FX_StartFinaleEdit_UTF16(longName.data(), V19));
    EXPECT_TRUE(violationMentions("not terminated"));
    uint16_t empty[1] = {0};
    EXPECT_TRUE(FX_StartFinaleEdit_UTF16(empty, V19));
    EXPECT_TRUE(violationMentions("empty edit name"));
    FX_EndFinaleEdit(V19);
    FX_EndFinaleEdit(V19);
}

TEST_F(StrictModeTest, PluginCallMustCloseItsEditsAndRestoreThePart)
{
    hostsim_begin_plugin_call("command 104");
    ASSERT_TRUE(start());
    ASSERT_TRUE(FX_SetCurrentPartID(1, V19));
    hostsim_end_plugin_call(1);
    EXPECT_TRUE(violationMentions("edit(s) left open"));
    EXPECT_TRUE(violationMentions("current part is 1, was 0"));
    EXPECT_FALSE(violationMentions("differs from the host's"));
}

TEST_F(StrictModeTest, PluginEditDepthMustMatchTheHosts)
{
    hostsim_begin_plugin_call("tick");
    hostsim_end_plugin_call(1);
    EXPECT_TRUE(violationMentions("plug-in edit depth 1 differs from the host's 0"));
}

TEST_F(StrictModeTest, RefusedStartExcusesTheDepthDifference)
{
    hostsim_refuse_edit_start(1);
    hostsim_begin_plugin_call("command 103");
    EXPECT_FALSE(start());
    hostsim_end_plugin_call(1);
    EXPECT_EQ(violations(), 0u) << hostsim_violations_text(0);
}

TEST_F(StrictModeTest, DriverCallsDuringAPluginCallAreReported)
{
    hostsim_begin_plugin_call("invoke");
    hostsim_set_current_part(0);
    hostsim_end_plugin_call(0);
    EXPECT_TRUE(violationMentions("hostsim_set_current_part called during the plug-in call"));
}

TEST_F(StrictModeTest, CallsFromAnotherThreadAreReported)
{
    hostsim_set_main_thread();
    std::thread other([] { FX_GetCurrentEnigmaDocument(V19); });
    other.join();
    EXPECT_TRUE(violationMentions("off the main thread"));
}

TEST_F(StrictModeTest, EmulatedPreferenceTagReachingTheHostIsReported)
{
    int16_t key[3] = {1, 0, 0};
    uint8_t buf[12];
    uint32_t size = 12;
    EXPECT_FALSE(FX_LoadEData(QZ_FOURCC("pfGD"), key, buf, &size, V19));
    EXPECT_TRUE(violationMentions("bridge bypassed"));
}

TEST_F(StrictModeTest, LoadWithMinusOneKeyIsRefused)
{
    int16_t key[3] = {0, -1, 0};
    uint8_t buf[24];
    uint32_t size = 24;
    EXPECT_FALSE(FX_LoadEData(SOIu, key, buf, &size, V19));
    EXPECT_TRUE(violationMentions("-1 key part"));
}

TEST_F(StrictModeTest, DocumentSwitchWithAnOpenEditIsAWarning)
{
    int16_t other = hostsim_new_document(HOSTSIM_SEED_EMPTY);
    ASSERT_TRUE(hostsim_set_current_document(doc));
    ASSERT_TRUE(start());
    EXPECT_TRUE(FX_SetCurrentEnigmaDocument(other, V19));
    ASSERT_EQ(hostsim_violation_count(HOSTSIM_SEVERITY_WARNING), 1u);
    EXPECT_EQ(hostsim_violation_count(HOSTSIM_SEVERITY_ERROR), 0u);
    hostsim_set_current_document(doc);
    FX_CancelFinaleEdit(V19);
}

TEST_F(StrictModeTest, SelectionOutsideTheListIsOnlyInformation)
{
    hostsim_region sel{0, 3, 1, 0, 0, 9, 2, 0x7FFFFFFF};
    EXPECT_TRUE(hostsim_set_selection(&sel));
    EXPECT_EQ(hostsim_violation_count(HOSTSIM_SEVERITY_INFO), 1u);
    EXPECT_EQ(violations(), 0u);
}

TEST_F(StrictModeTest, WrongSizeOfAFixedRecordIsReported)
{
    ASSERT_TRUE(start());
    std::vector<uint8_t> entry(20, 0);
    int16_t key[3] = {-36, -1, 0};
    EXPECT_TRUE(FX_CreateEData(SOIu, key, entry.data(), 20, V19));
    EXPECT_TRUE(violationMentions("created size 20 of 'SOIu', expected 24"));
    FX_EndFinaleEdit(V19);
}

TEST_F(StrictModeTest, ExpressionBelowItsMinimumSizeIsReported)
{
    ASSERT_TRUE(start());
    std::vector<uint8_t> rec(34, 0);
    int16_t key[3] = {-1, -1, 0};
    EXPECT_TRUE(FX_CreateEData(SODT, key, rec.data(), 34, V19));
    EXPECT_TRUE(violationMentions("created size 34 of 'SODT', at least 38 expected"));
    FX_EndFinaleEdit(V19);
}

} // namespace
