/* Staff sets made in one go: from the demo score's groups, and from
   templates (their file format, and how their staves find the score's). */

#include <cstdio>
#include <fstream>

#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "staffsetpanel/QZStaffSetTemplate.h"
#include "HandlerHostFixture.h"

namespace
{
using H = FCStaffSetPanelHandler;

QZStaffSetTemplate::StaffSet TemplateSet(int number, const char* name, std::vector<QZStaffSetTemplate::Staff> staves)
{
    QZStaffSetTemplate::StaffSet set;
    set.number = number;
    set.name = name;
    set.staves = std::move(staves);
    return set;
}

std::string ReadError(const std::string& text)
{
    QZStaffSetTemplate staffSets;
    std::string error;
    EXPECT_FALSE(staffSets.ReadJSON(text, &error)) << text;
    return error;
}
} // namespace

TEST(StaffSetTemplateFile, RoundTripsWithItsFormatFirst)
{
    QZStaffSetTemplate saved;
    saved.GetStaffSets().push_back(
        TemplateSet(3, "Cordes \xC3\xA9", {{"Violin I", "Vln. I", 0, 100}, {"Clarinet in B^flat()", "Cl.", -288, 75}}));
    const std::string text = saved.CreateJSON();
    EXPECT_EQ(text.find("\"format\""), 4u);
    EXPECT_LT(text.find("\"version\""), text.find("\"staffsets\""));

    const std::string path = ::testing::TempDir() + "template-round-trip.json";
    ASSERT_TRUE(saved.WriteFile(path));
    QZStaffSetTemplate read;
    std::string error;
    ASSERT_TRUE(read.ReadFile(path, &error)) << error;
    EXPECT_EQ(read.CreateJSON(), text);
    ASSERT_EQ(read.GetStaffSets().size(), 1u);
    EXPECT_EQ(read.GetStaffSets()[0].staves[1].resize, 75);
    std::remove(path.c_str());
}

TEST(StaffSetTemplateFile, SaysWhyAFileIsNotATemplate)
{
    EXPECT_EQ(ReadError("{\n  \"format\": ,\n}"), "The file is not valid JSON (line 2, column 13).");
    EXPECT_EQ(ReadError("{\"format\": \"Other\", \"version\": 1, \"staffsets\": []}"),
              "The file is not a staff set template.");
    EXPECT_EQ(ReadError("{\"format\": \"QZ Staff Set Template\", \"version\": 2, \"staffsets\": []}"),
              "The template has version 2; this panel reads version 1.");
    EXPECT_EQ(ReadError("{\"format\": \"QZ Staff Set Template\", \"version\": 1, \"staffsets\": "
                        "[{\"number\": 9, \"name\": \"\", \"staves\": []}]}"),
              "Staff set number 9 is outside 1 to 8.");
    EXPECT_EQ(ReadError("{\"format\": \"QZ Staff Set Template\", \"version\": 1, \"staffsets\": "
                        "[{\"number\": 2, \"name\": \"\", \"staves\": []}, {\"number\": 2, \"name\": \"\", "
                        "\"staves\": []}]}"),
              "Staff set number 2 appears twice.");
    EXPECT_EQ(ReadError("{\"format\": \"QZ Staff Set Template\", \"version\": 1, \"staffsets\": "
                        "[{\"number\": 1, \"name\": 5, \"staves\": []}]}"),
              "\"name\" of a staff set has the wrong type.");

    const std::string path = ::testing::TempDir() + "template-too-large.json";
    std::ofstream(path) << std::string(QZStaffSetTemplate::kMaxFileSize + 1, ' ');
    QZStaffSetTemplate staffSets;
    std::string error;
    EXPECT_FALSE(staffSets.ReadFile(path, &error));
    EXPECT_EQ(error, "The file is larger than 1 MB.");
    std::remove(path.c_str());
    EXPECT_FALSE(staffSets.ReadFile(path, &error));
    EXPECT_EQ(error, "The file cannot be opened.");
}

using DemoGroups = DemoHandlerTest;

TEST_P(DemoGroups, MakesTheSectionsInTheFreeSetsOnce)
{
    ASSERT_TRUE(Command(H::OPERATION_FROMGROUPS, 1, "", false));
    EXPECT_EQ(StaffSet(2), (SetList{{5, 0, 100}, {6, -288, 100}, {7, -600, 100}, {8, -888, 100}}));
    EXPECT_EQ(StaffSet(3).size(), 5u);
    EXPECT_EQ(StaffSet(4), (SetList{{10, 0, 100}, {11, -288, 100}}));
    EXPECT_EQ(StoredName(2), "Brass");
    EXPECT_EQ(StoredName(3), "Strings");
    EXPECT_EQ(StoredName(4), "Violins");
    EXPECT_TRUE(StaffSet(5).empty());
    /* Every group now has its staff set: nothing is left to make. */
    EXPECT_FALSE(Command(H::OPERATION_FROMGROUPS, 1, "", false));
}

TEST_P(DemoGroups, MatchesTemplateStavesByNameThenAbbreviationAndClosesGaps)
{
    QZStaffSetTemplate source;
    source.GetStaffSets().push_back(TemplateSet(1, "Low",
                                                {{"Viola", "", 0, 100},
                                                 {"Violin I", "Vln. I", -300, 100},
                                                 {"Violin I", "Vln. I", -600, 100},
                                                 {"Cello", "Vc.", -900, 75}}));
    source.GetStaffSets().push_back(TemplateSet(6, "", {{"Harp", "Hp.", 0, 100}}));
    H::TemplatePlan plan;
    PluginCall("plan", [&] { FCStaffSetPanelHandler(nullptr, 1, nullptr, nullptr).PlanTemplate(source, &plan); });
    EXPECT_EQ(plan.missing, (std::vector<std::string>{"Violin I (staff set 1)", "Harp (staff set 6)"}));

    staffSetTemplate = &source;
    ASSERT_TRUE(Command(H::OPERATION_APPLYTEMPLATE, 1, "", false));
    EXPECT_EQ(StaffSet(1), (SetList{{12, 0, 100}, {10, -300, 100}, {13, -600, 75}}));
    EXPECT_EQ(StoredName(1), "Low");
    EXPECT_TRUE(StaffSet(6).empty());
}

INSTANTIATE_TEST_SUITE_P(Profiles, DemoGroups, HANDLER_HOST_PROFILES);
