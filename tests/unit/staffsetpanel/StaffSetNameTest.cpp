/* Staff set names stored in text expressions of the "QZ Plug-in Data"
   category, under the UTF-16 and the 8-bit host profiles. */

#include <algorithm>
#include <string>
#include <vector>

#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "document/FCTextExpressionDefs.h"
#include "ui/FCUI.h"
#include "HandlerHostFixture.h"
#include "ui/driver/qzui_driver.h"

namespace
{
using H = FCStaffSetPanelHandler;
constexpr uint32_t kTextBlockTag = 0x534F5458; /* 'SOTX' */
} // namespace

using StaffSetNames = TestSeedHandlerTest;

TEST_P(StaffSetNames, RenameCreatesOneExpressionInTheCategoryAndReusesIt)
{
    PutStaffSet(3, {{1, 0, 100}});
    const size_t before = Expressions().size();
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 3, "Violins", false));
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 3, "Cellos", false));
    const std::vector<StoredExpression> all = Expressions();
    ASSERT_EQ(all.size(), before + 1);
    EXPECT_EQ(all.back().description, Prefix(3) + "Cellos");
    EXPECT_EQ(all.back().text, szExpressionStandardString);
    hostsim_expression raw{};
    ASSERT_TRUE(H().hostsim_expression_at(all.size() - 1, &raw));
    EXPECT_EQ(raw.categoryWord, kCategoryID) << "only the category bits are set";
    EXPECT_EQ(StoredName(3), "Cellos");
}

TEST_P(StaffSetNames, AnEmptyNameDeletesTheRecordAndKeepsItsTextBlock)
{
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 2, "Brass", false));
    hostsim_expression raw{};
    ASSERT_TRUE(H().hostsim_expression_at(Expressions().size() - 1, &raw));
    const int16_t block[3] = {raw.textBlock, 0, 0};
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 2, "", false));
    EXPECT_TRUE(NameDescriptions(2, kCategoryID).empty());
    EXPECT_EQ(StoredName(2), "");
    uint32_t size = 0;
    EXPECT_TRUE(H().hostsim_get_record(kTextBlockTag, block, -1, nullptr, &size));
    /* Nothing stored: removing changes nothing and leaves no step, nor does
       storing the name held. */
    EXPECT_FALSE(Command(H::OPERATION_RENAME, 2, "", false));
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 2, "Brass", false));
    EXPECT_FALSE(Command(H::OPERATION_RENAME, 2, "Brass", false));
}

TEST_P(StaffSetNames, ANameHoldingThePrefixTextReadsBackUnchanged)
{
    const std::string name = "A " + Prefix(3) + "B";
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 3, name.c_str(), false));
    EXPECT_EQ(StoredName(3), name);
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 3, Prefix(3).c_str(), false));
    EXPECT_EQ(StoredName(3), Prefix(3));
}

TEST_P(StaffSetNames, KeepsLettersBeyondAsciiInTheHostsTextForm)
{
    const char* name = "Bl\xC3\xA4ser & Fl\xC3\xBCgelhorn";
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 4, name, false));
    /* An 8-bit host keeps the text in the platform's escaped ASCII form. */
    const std::string expected = GetParam() >= 0x11000000u ? name : "Bl\\u00e4ser & Fl\\u00fcgelhorn";
    EXPECT_EQ(StoredName(4), expected);
    EXPECT_EQ(NameDescriptions(4, kCategoryID), std::vector<std::string>{Prefix(4) + expected});
}

TEST_P(StaffSetNames, StaffSetOnesPrefixDoesNotMatchStaffSetTen)
{
    PutNameExpression(kCategoryID, "QZ Staff Set Panel 10:Ten");
    EXPECT_EQ(StoredName(1), "");
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 1, "One", false));
    EXPECT_EQ(NameDescriptions(1, kCategoryID), std::vector<std::string>{Prefix(1) + "One"});
    EXPECT_EQ(Expressions().back().description, Prefix(1) + "One");
}

TEST_P(StaffSetNames, OnlyExpressionsOfTheSpecialCategoryAreNames)
{
    PutNameExpression(1, Prefix(5) + "Elsewhere");
    EXPECT_EQ(StoredName(5), "");
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 5, "Here", false));
    EXPECT_EQ(NameDescriptions(5, 1), std::vector<std::string>{Prefix(5) + "Elsewhere"});
    EXPECT_EQ(NameDescriptions(5, kCategoryID), std::vector<std::string>{Prefix(5) + "Here"});
}

TEST_P(StaffSetNames, OfTwoExpressionsForOneSetTheLowerItemIsUsed)
{
    PutNameExpression(kCategoryID, Prefix(6) + "First");
    PutNameExpression(kCategoryID, Prefix(6) + "Second");
    EXPECT_EQ(StoredName(6), "First");
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 6, "Renamed", false));
    EXPECT_EQ(NameDescriptions(6, kCategoryID),
              (std::vector<std::string>{Prefix(6) + "Renamed", Prefix(6) + "Second"}));
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 6, "", false));
    EXPECT_EQ(NameDescriptions(6, kCategoryID), std::vector<std::string>{Prefix(6) + "Second"});
}

TEST_P(StaffSetNames, TheFirstOfTwoCategoriesWithTheExactNameIsTheSpecialOne)
{
    ASSERT_TRUE(H().hostsim_put_category(7, 11, "QZ Plug-in Data"));
    ASSERT_TRUE(Command(H::OPERATION_RENAME, 2, "Two", false));
    EXPECT_EQ(NameDescriptions(2, kCategoryID), std::vector<std::string>{Prefix(2) + "Two"});
    EXPECT_TRUE(NameDescriptions(2, 11).empty());
}

TEST_P(StaffSetNames, FindsTheExpressionInAListTheCallerLoaded)
{
    const int16_t item = PutNameExpression(kCategoryID, Prefix(7) + "Seven");
    PluginCall("find", [&] {
        FCStaffSetPanelHandler handler(nullptr, 7, nullptr, nullptr);
        FCTextExpressionDefs list;
        list.LoadAll();
        const FCTextExpressionDef* pFound = handler.FindStaffSetExpression(&list, 7);
        ASSERT_NE(pFound, nullptr);
        EXPECT_EQ(pFound->GetItemNo(), item);
        EXPECT_EQ(handler.FindStaffSetExpression(&list, 6), nullptr);
        EXPECT_EQ(handler.FindStaffSetExpression(nullptr, 7), nullptr);
        EXPECT_EQ(handler.FindSpecialCategoryID(), kCategoryID);
    });
}

INSTANTIATE_TEST_SUITE_P(Profiles, StaffSetNames, HANDLER_HOST_PROFILES);

using NamesWithoutCategory = NoCategoryHandlerTest;

TEST_P(NamesWithoutCategory, NearMissesOfTheCategoryNameDoNotCount)
{
    ASSERT_TRUE(H().hostsim_put_category(6, 9, "qz plug-in data"));
    ASSERT_TRUE(H().hostsim_put_category(7, 10, "QZ Plug-in Data "));
    PutNameExpression(9, Prefix(1) + "Hidden");
    EXPECT_EQ(StoredName(1), "");
    EXPECT_FALSE(Command(H::OPERATION_RENAME, 1, "Any", false));
}

TEST_P(NamesWithoutCategory, CreatingWithANameFailsWholeAndWithoutOneSucceeds)
{
    Select(1, 2);
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 2, "Named"));
    EXPECT_TRUE(StaffSet(2).empty());
    ASSERT_TRUE(Command(H::OPERATION_CREATE, 2, ""));
    EXPECT_EQ(StaffSet(2), (SetList{{1, 0, 100}, {2, -300, 100}}));
}

INSTANTIATE_TEST_SUITE_P(Profiles, NamesWithoutCategory, HANDLER_HOST_PROFILES);

namespace
{
struct ShownAlert
{
    int kind;
    std::string title;
    std::string message;
};

std::vector<ShownAlert>* gShownAlerts = nullptr;

int RecordAlert(void*, int kind, const char* title, const char* message, const char* const*, int)
{
    if (gShownAlerts)
        gShownAlerts->push_back(ShownAlert{kind, title, message});
    return 0;
}
} // namespace

/* Without the category, with a UI whose alerts the headless bridge reports. */
class MissingCategoryAlert : public NoCategoryHandlerTest
{
protected:
    void SetUp() override
    {
        NoCategoryHandlerTest::SetUp();
        gShownAlerts = &shown;
        qzui_set_alert_callback(&RecordAlert, nullptr);
        ui = &userInterface;
    }
    void TearDown() override
    {
        qzui_set_alert_callback(nullptr, nullptr);
        gShownAlerts = nullptr;
        NoCategoryHandlerTest::TearDown();
    }
    FCUI userInterface{nullptr};
    std::vector<ShownAlert> shown;
};

TEST_P(MissingCategoryAlert, SavingANameExplainsHowToCreateTheCategory)
{
    Select(1, 2);
    EXPECT_FALSE(Command(H::OPERATION_CREATE, 2, "Named"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, QZUI_ALERT_INFO);
    EXPECT_EQ(shown[0].title, "Category doesn't exist");
    EXPECT_EQ(shown[0].message,
              "To be able to save the staff set name to the document, an expression category named 'QZ Plug-in "
              "Data' (exact name, without the quotes) needs to be created MANUALLY first, such as:\n\n1. Select "
              "'Document/Category Designer...' in Finale\n2. Create a duplicate of any category and name the "
              "duplicate 'QZ Plug-in Data'.");
    EXPECT_TRUE(StaffSet(2).empty());
}

TEST_P(MissingCategoryAlert, ReadingRemovingAndMovingNamesStaySilent)
{
    PutStaffSet(3, {{1, 0, 100}});
    EXPECT_EQ(StoredName(3), "");
    /* No name to remove: nothing changes and no step is left. */
    EXPECT_FALSE(Command(H::OPERATION_RENAME, 3, "", false));
    EXPECT_TRUE(Command(H::OPERATION_MOVEDOWN, 3));
    EXPECT_TRUE(Command(H::OPERATION_DELETE, 4));
    EXPECT_TRUE(shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, MissingCategoryAlert, HANDLER_HOST_PROFILES);
