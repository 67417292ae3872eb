#include "HostsimTest.h"

#include <cstdlib>
#include <filesystem>

#include "common/qz_fourcc.h"
#include "common/qz_host_document.h"
#include "common/qz_host_versions.h"
#include "platform/simurl.h"

using namespace hostsim_test;

namespace
{

class HostStateTest : public HostsimTest
{
protected:
    void makeStaffSet(int n, std::vector<int16_t> staffNumbers)
    {
        std::vector<hostsim_staff_entry> entries;
        for (int16_t s : staffNumbers)
            entries.push_back(hostsim_staff_entry{s, 0, 100});
        int16_t part = hostsim_current_part();
        hostsim_set_current_part(0);
        ASSERT_TRUE(hostsim_put_staff_list(qz::StaffSetItem(n), entries.data(), entries.size()));
        hostsim_set_current_part(part);
    }
    static void freeURL(SimURL* url)
    {
        std::free(url->path);
        std::free(url);
    }
};

/* ---- menu commands and the displayed view ---- */

TEST_F(HostStateTest, StaffSetCommandNeedsScrollViewAndAnExistingSet)
{
    makeStaffSet(3, {1, 2});
    EXPECT_FALSE(FX_ExecuteMenuItem(QZ_FOURCC("StS3"), V19)); // 'StS3' in page view
    EXPECT_EQ(hostsim_view_state().displayedStaffSet, 0);
    EXPECT_TRUE(FX_ExecuteMenuItem(QZ_FOURCC("VwSc"), V19)); // 'VwSc'
    EXPECT_TRUE(FX_ExecuteMenuItem(QZ_FOURCC("DOes"), V19)); // 'DOes'
    EXPECT_TRUE(FX_ExecuteMenuItem(QZ_FOURCC("StS3"), V19));
    EXPECT_EQ(hostsim_view_state().viewMode, HOSTSIM_VIEW_SCROLL);
    EXPECT_EQ(hostsim_view_state().displayedStaffSet, 3);
    EXPECT_FALSE(FX_ExecuteMenuItem(QZ_FOURCC("StS4"), V19)); // set 4 does not exist
    EXPECT_EQ(hostsim_view_state().displayedStaffSet, 3);
    EXPECT_TRUE(FX_ExecuteMenuItem(QZ_FOURCC("StS0"), V19)); // 'StS0': all staves
    EXPECT_EQ(hostsim_view_state().displayedStaffSet, 0);
}

TEST_F(HostStateTest, StaffSetCommandResolvesAgainstTheCurrentPart)
{
    makeStaffSet(1, {4});
    ASSERT_TRUE(hostsim_set_current_part(1));
    EXPECT_TRUE(FX_ExecuteMenuItem(QZ_FOURCC("VwSc"), V19));
    EXPECT_FALSE(FX_ExecuteMenuItem(QZ_FOURCC("StS1"), V19)); // the part has no set 1
}

TEST_F(HostStateTest, UnknownCommandsAnswerZeroAndAllAreLogged)
{
    EXPECT_FALSE(FX_ExecuteMenuItem(0, V19));
    EXPECT_FALSE(FX_ExecuteMenuItem(QZ_FOURCC("ABCD"), V19));
    EXPECT_TRUE(FX_ExecuteMenuItem(QZ_FOURCC("TOZm"), V19)); // 'TOZm': logged only
    ASSERT_EQ(hostsim_menu_log_count(), 3u);
    hostsim_menu m{};
    ASSERT_TRUE(hostsim_menu_log_entry(2, &m));
    EXPECT_STREQ(m.chars, "TOZm");
    EXPECT_EQ(m.result, 1);
    EXPECT_EQ(m.document, doc);
}

TEST_F(HostStateTest, TheHostsOwnMenuCommandsActAndAreLoggedLikeThePlugins)
{
    makeStaffSet(2, {3});
    EXPECT_EQ(hostsim_menu_command(QZ_FOURCC("StS2")), 0); // page view
    EXPECT_EQ(hostsim_menu_command(QZ_FOURCC("VwSc")), 1);
    EXPECT_EQ(hostsim_menu_command(QZ_FOURCC("StS2")), 1);
    EXPECT_EQ(hostsim_view_state().displayedStaffSet, 2);
    EXPECT_EQ(hostsim_menu_command(QZ_FOURCC("StS5")), 0);
    EXPECT_EQ(hostsim_view_state().displayedStaffSet, 2);
    EXPECT_EQ(hostsim_menu_command(QZ_FOURCC("ABCD")), 0);
    ASSERT_EQ(hostsim_menu_log_count(), 5u);
    hostsim_menu m{};
    ASSERT_TRUE(hostsim_menu_log_entry(2, &m));
    EXPECT_STREQ(m.chars, "StS2");
    EXPECT_EQ(m.result, 1);
    EXPECT_EQ(m.document, doc);
    /* Not a plug-in call: nothing for the call log. */
    EXPECT_EQ(hostsim_call_count("FX_ExecuteMenuItem"), 0u);
}

TEST_F(HostStateTest, MenuCommandsWithoutADocumentDoNothing)
{
    ASSERT_TRUE(hostsim_close_document(doc));
    EXPECT_EQ(hostsim_menu_command(QZ_FOURCC("VwSc")), 0);
    ASSERT_EQ(hostsim_menu_log_count(), 1u);
    hostsim_menu m{};
    ASSERT_TRUE(hostsim_menu_log_entry(0, &m));
    EXPECT_EQ(m.document, 0);
    EXPECT_EQ(m.result, 0);
}

/* ---- driver content ---- */

TEST_F(HostStateTest, ReplacingAListWithAShorterOneDropsTheRest)
{
    makeStaffSet(2, {1, 2, 3, 4, 5});
    makeStaffSet(2, {6, 1});
    EXPECT_EQ(staves(65500 + 1, 0), (std::vector<int16_t>{6, 1}));
    EXPECT_FALSE(exists(SOIu, -35, 2, 0));
}

TEST_F(HostStateTest, ResizeTravelsAsADetailRecordOfTheList)
{
    hostsim_staff_entry entries[] = {{1, 0, 100}, {3, -300, 75}};
    ASSERT_TRUE(hostsim_put_staff_list(65500, entries, 2));
    hostsim_staff_entry back[2];
    ASSERT_EQ(hostsim_staff_list(65500, 0, back, 2), 2u);
    EXPECT_EQ(back[1].resize, 75);
    EXPECT_EQ(back[0].resize, 100);
    EXPECT_TRUE(exists(DTLP, -36, 3, 0, 0));
    EXPECT_FALSE(exists(DTLP, -36, 1, 0, 0));
}

/* ---- documents and parts ---- */

TEST_F(HostStateTest, DocumentsAreEnumeratedAndSwitched)
{
    int16_t second = hostsim_new_document(HOSTSIM_SEED_EMPTY);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(V19), second);
    EXPECT_EQ(FX_GetNextEnigmaDocument(0, V19), doc);
    EXPECT_EQ(FX_GetNextEnigmaDocument(doc, V19), second);
    EXPECT_EQ(FX_GetNextEnigmaDocument(second, V19), 0);
    ASSERT_TRUE(FX_SetCurrentEnigmaDocument(doc, V19));
    EXPECT_EQ(hostsim_current_document(), doc);
    EXPECT_FALSE(FX_SetCurrentEnigmaDocument(99, V19));
}

TEST_F(HostStateTest, PartsAreEnumeratedAndNamed)
{
    EXPECT_EQ(FX_GetNextPartID(0, V19), 1);
    EXPECT_EQ(FX_GetNextPartID(1, V19), -1);
    uint16_t name[512];
    ASSERT_TRUE(FX_GetPartName_UTF16(1, name, V19));
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(name)), u"Part 1");
    EXPECT_FALSE(FX_SetCurrentPartID(7, V19));
    EXPECT_EQ(FX_GetCurrentPartID(V19), 0);
}

/* ---- selection, regions and slots ---- */

TEST_F(HostStateTest, RegionsGiveTheSelectionAndTheWholeDocument)
{
    hostsim_region sel{0, 2, 3, 0, 0, 4, 5, 0x7FFFFFFF};
    ASSERT_TRUE(hostsim_set_selection(&sel));
    EREGION first, selection, whole;
    ASSERT_TRUE(FX_GetCurERegions(&first, &selection, &whole, V19));
    EXPECT_EQ(+selection.startSlot, 2);
    EXPECT_EQ(+selection.endSlot, 4);
    EXPECT_EQ(+selection.startMeasure, 3);
    EXPECT_EQ(std::memcmp(&first, &selection, sizeof first), 0);
    EXPECT_EQ(+whole.startSlot, 1);
    EXPECT_EQ(+whole.endSlot, 6);
    EXPECT_EQ(+whole.endMeasure, 8);
    EXPECT_EQ(+whole.endPosition, 0x7FFFFFFF);
    ASSERT_TRUE(hostsim_set_current_part(1));
    ASSERT_TRUE(FX_GetCurERegions(&first, &selection, &whole, V19));
    EXPECT_EQ(+whole.endSlot, 2);
}

TEST_F(HostStateTest, NoDocumentZeroesTheRegionsOrWritesGarbageOnRequest)
{
    hostsim_close_document(doc);
    EREGION r[3];
    std::memset(r, 0x11, sizeof r);
    EXPECT_FALSE(FX_GetCurERegions(&r[0], &r[1], &r[2], V19));
    EXPECT_EQ(+r[1].endSlot, 0);
    hostsim_selection_garbage(1);
    EXPECT_FALSE(FX_GetCurERegions(&r[0], &r[1], &r[2], V19));
    EXPECT_NE(+r[1].startMeasure, 0);
}

TEST_F(HostStateTest, SlotsMapToStavesOfTheCurrentPartsList)
{
    EXPECT_EQ(FX_SlotToInst(3, 0, V19), 3);
    EXPECT_EQ(FX_InstToSlot(5, 0, V19), 5);
    EXPECT_EQ(FX_SlotToInst(7, 0, V19), 0);
    ASSERT_TRUE(hostsim_set_current_part(1));
    EXPECT_EQ(FX_SlotToInst(1, 0, V19), 4);
    EXPECT_EQ(FX_InstToSlot(5, 0, V19), 2);
    EXPECT_EQ(FX_InstToSlot(1, 0, V19), 0);
    hostsim_set_current_part(0);
    makeStaffSet(2, {6, 2});
    EXPECT_EQ(FX_SlotToInst(1, 65501, V19), 6);
    EXPECT_EQ(FX_InstToSlot(2, 65501, V19), 2);
}

/* ---- names ---- */

TEST_F(HostStateTest, AutoNumberedNameDropsCaretCommandsAndUsesRealAccidentals)
{
    uint16_t buf[1000];
    ASSERT_TRUE(FX_AutoNumberedName_UTF16(2, 2, buf, 0, V19));
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(buf)), u"Clarinet in B\u266D");
    EXPECT_FALSE(FX_AutoNumberedName_UTF16(0, 6, buf, 0, V19));
    hostsim_auto_numbered_names(0);
    EXPECT_FALSE(FX_AutoNumberedName_UTF16(2, 2, buf, 0, V19));
}

/* ---- folders, fonts, alerts ---- */

TEST_F(HostStateTest, PreferenceFolderIsAFreshTemporaryDirectory)
{
    FinPathSpec25 ref{};
    ASSERT_TRUE(FX_GetFinalePathMac(16, &ref, V19));
    SimURL* url = ref.url; // a packed member: copied, never bound to a reference
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(url->magic, SIMURL_MAGIC);
    EXPECT_EQ(url->refcount, 1);
    std::string path = url->path;
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_TRUE(std::filesystem::is_empty(path));
    EXPECT_EQ(path, hostsim_folder(16));
    freeURL(url);
    EXPECT_EQ(hostsim_urls_handed_out(), 1u);
    hostsim_reset();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(HostStateTest, FolderFollowsTheDriverAndRefusesOtherVersionsAndSelectors)
{
    hostsim_set_folder(16, "/some/where/");
    FinPathSpec25 ref{};
    ASSERT_TRUE(FX_GetFinalePathMac(16, &ref, V19));
    SimURL* url = ref.url;
    EXPECT_STREQ(url->path, "/some/where");
    freeURL(url);
    FinPathSpec25 other{};
    EXPECT_FALSE(FX_GetFinalePathMac(16, &other, qz::kHostVersionUnicode));
    EXPECT_FALSE(FX_GetFinalePathMac(3, &other, V19));
    SimURL* none = other.url;
    EXPECT_EQ(none, nullptr);
}

TEST_F(HostStateTest, UserPreferencesLiveUnderTheConfigFolder)
{
    std::string scratch = hostsim_folder(16); // a temporary folder, removed at reset
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    std::string previous = saved ? saved : "";
    setenv("XDG_CONFIG_HOME", scratch.c_str(), 1);
    std::string folder = hostsim_use_user_preferences();
    if (saved)
        setenv("XDG_CONFIG_HOME", previous.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(folder, scratch + "/qzhost");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(std::string(hostsim_folder(16)), folder);
}

TEST_F(HostStateTest, FontNamesAndNumbersRoundTrip)
{
    uint16_t name[512];
    ASSERT_TRUE(FX_FontNumToName_UTF16(0, name, V19));
    EXPECT_EQ(std::u16string(reinterpret_cast<char16_t*>(name)), u"Times New Roman");
    EXPECT_FALSE(FX_FontNumToName_UTF16(42, name, V19));
    int16_t n = FX_FontNameToNum("Engraver", V19);
    char back[256];
    ASSERT_TRUE(FX_FontNumToName(n, back, V19));
    EXPECT_STREQ(back, "Engraver");
    EXPECT_EQ(FX_FontNameToNum("Engraver", V19), n);
}

TEST_F(HostStateTest, HostAlertIsLogged)
{
    hostsim_set_macho(0);
    EXPECT_FALSE(FX_IsMachO(V19));
    EXPECT_TRUE(FX_AlertMessage(nullptr, 48, 0, "Should not get here!", V19));
    ASSERT_EQ(hostsim_alert_count(), 1u);
    EXPECT_STREQ(hostsim_alert_text(0), "48: Should not get here!");
}

/* ---- failure injection ---- */

TEST_F(HostStateTest, RefuseTheNextCallsThenRecover)
{
    hostsim_fail("FX_GetCurrentEnigmaDocument", HOSTSIM_FAIL_REFUSE, 2);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(V19), 0);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(V19), 0);
    EXPECT_EQ(FX_GetCurrentEnigmaDocument(V19), doc);
}

TEST_F(HostStateTest, MissingBehaviourTouchesNoArgument)
{
    hostsim_fail("FX_LoadEData", HOSTSIM_FAIL_MISSING, -1);
    int16_t key[3] = {0, 0, 0};
    uint8_t buf[24];
    std::memset(buf, 0x33, sizeof buf);
    uint32_t size = 24;
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(FX_LoadEData(SOIu, key, buf, &size, V19));
    EXPECT_EQ(buf[0], 0x33);
    hostsim_call c{};
    ASSERT_TRUE(hostsim_call_log_entry(hostsim_call_log_count() - 1, &c));
    EXPECT_NE(std::string(c.text).find("missing (injected)"), std::string::npos);
    hostsim_fail("FX_LoadEData", HOSTSIM_FAIL_OFF, 0);
    EXPECT_TRUE(FX_LoadEData(SOIu, key, buf, &size, V19));
}

TEST_F(HostStateTest, RecordFailureHitsOnlyThatKey)
{
    int16_t bad[3] = {0, 1, 0};
    hostsim_fail_record("FX_LoadEData", SOIu, bad, 1);
    int16_t good[3] = {0, 0, 0};
    uint8_t buf[24];
    uint32_t size = 24;
    EXPECT_TRUE(FX_LoadEData(SOIu, good, buf, &size, V19));
    EXPECT_FALSE(FX_LoadEData(SOIu, bad, buf, &size, V19));
    EXPECT_TRUE(FX_LoadEData(SOIu, bad, buf, &size, V19));
}

/* ---- call log ---- */

TEST_F(HostStateTest, CallLogDecodesRecordCalls)
{
    hostsim_clear_call_log();
    int16_t key[3] = {0, 3, 0};
    uint8_t buf[24];
    uint32_t size = 24;
    ASSERT_TRUE(FX_LoadEData(SOIu, key, buf, &size, V19));
    ASSERT_EQ(hostsim_call_log_count(), 1u);
    hostsim_call c{};
    ASSERT_TRUE(hostsim_call_log_entry(0, &c));
    EXPECT_STREQ(c.function, "FX_LoadEData");
    EXPECT_EQ(c.tag, SOIu);
    EXPECT_EQ(c.key[1], 3);
    EXPECT_EQ(c.sizeIn, 24u);
    EXPECT_EQ(c.sizeOut, 24u);
    EXPECT_EQ(c.result, 1);
    EXPECT_NE(std::string(c.text).find("'SOIu'"), std::string::npos);
    EXPECT_EQ(hostsim_call_count("FX_LoadEData"), 1u);
}

TEST_F(HostStateTest, CallLogCanStopKeepingCallsUntilTheNextReset)
{
    hostsim_clear_call_log();
    int16_t key[3] = {0, 3, 0};
    uint8_t buf[24];
    uint32_t size = 24;
    hostsim_keep_call_log(0);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(FX_LoadEData(SOIu, key, buf, &size, V19)) << "the calls themselves still work";
    EXPECT_EQ(hostsim_call_log_count(), 0u);
    hostsim_reset();
    hostsim_new_document(seed());
    ASSERT_TRUE(FX_LoadEData(SOIu, key, buf, &size, V19));
    EXPECT_EQ(hostsim_call_log_count(), 1u);
}

} // namespace
