/* The framework reads what the host holds: the staves with their names, the
   score's staff list, the staff sets, the categories and the text
   expressions of the seeded documents, read through the FC classes alone,
   agree with the host's own description of the document. */
#include <gtest/gtest.h>

#include <memory>
#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "common/qz_host_document.h"
#include "document/FCCategoryDef.h"
#include "document/FCCategoryDefs.h"
#include "document/FCPart.h"
#include "document/FCStaff.h"
#include "document/FCStaves.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "document/FCTextExpressionDef.h"
#include "document/FCTextExpressionDefs.h"
#include "support/StavesHostFixture.h"

class HostDescription : public StavesHostTest, public ::testing::WithParamInterface<int>
{
protected:
    int Seed() const override { return GetParam(); }

    /* The lines of one section of the host's description ("staves:" up to
       the next section heading). */
    std::string Section(const std::string& heading, const std::string& next) const
    {
        const std::string text = H().hostsim_describe_document(document);
        const size_t start = text.find(heading + "\n");
        /* The optional "groups:" section also ends the one before it. */
        const size_t end = std::min(text.find(next + "\n", start), text.find("groups:\n", start));
        if (start == std::string::npos || end == std::string::npos)
            return "(missing " + heading + ")";
        return text.substr(start + heading.size() + 1, end - start - heading.size() - 1);
    }

    static std::vector<std::string> Lines(const std::string& text)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    /* How the description labels a staff: its full name, or "Staff #n". */
    static std::string Label(int16_t number)
    {
        FCStaff staff;
        if (!staff.Load(static_cast<uint16_t>(number)))
            return "(no staff)";
        const std::string name = Utf8(staff.CreateFullNameString());
        return name.empty() ? "Staff #" + std::to_string(number) : name;
    }

    /* One list as the description shows it, read with FCSystemStaves. */
    static std::string ListText(uint16_t item)
    {
        FCSystemStaves list;
        list.LoadAllForItem(item);
        std::ostringstream out;
        for (int i = 0; i < list.GetCount(); ++i) {
            const FCSystemStaff* pEntry = list.GetItemAt(i);
            out << "    " << (i + 1) << ". staff " << pEntry->GetStaff() << " \"" << Label(pEntry->GetStaff())
                << "\" distance " << pEntry->GetDistance();
            if (pEntry->GetResize() != 100)
                out << " resize " << pEntry->GetResize() << "%";
            out << "\n";
        }
        return out.str();
    }
};

TEST_P(HostDescription, StavesAndTheirNames)
{
    FCStaves staves;
    ASSERT_GT(staves.LoadAll(), 0);
    std::ostringstream expected;
    for (int i = 0; i < staves.GetCount(); ++i) {
        const FCStaff* pStaff = staves.GetItemAt(i);
        const int16_t number = static_cast<int16_t>(pStaff->GetItemNo());
        expected << "  " << number << ": \"" << Label(number) << "\"";
        const std::string abbreviation = Utf8(pStaff->CreateAbbreviatedNameString());
        if (!abbreviation.empty())
            expected << " / \"" << abbreviation << "\"";
        expected << "\n";
    }
    EXPECT_EQ(expected.str(), Section("staves:", "score staff list:"));
}

TEST_P(HostDescription, TheScoreListAndTheStaffSets)
{
    /* Read from a linked part, as the panel does: the lists live in the score. */
    ASSERT_TRUE(H().hostsim_set_current_part(1));
    FCPart score(0);
    ASSERT_TRUE(score.SwitchTo());
    EXPECT_EQ(ListText(0), Section("score staff list:", "staff sets:"));
    std::ostringstream sets;
    for (int n = 1; n <= 8; ++n) {
        FCSystemStaves set;
        const int count = set.LoadAllForItem(qz::StaffSetItem(n));
        sets << "  " << n << ": " << (count == 0 ? "(none)" : std::to_string(count) + " staves") << "\n"
             << ListText(qz::StaffSetItem(n));
    }
    EXPECT_TRUE(score.SwitchBack());
    /* The host may name a staff set after its count; the rest must agree. */
    const std::vector<std::string> expected = Lines(sets.str());
    const std::vector<std::string> held = Lines(Section("staff sets:", "categories:"));
    ASSERT_EQ(expected.size(), held.size()) << sets.str();
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(held[i].compare(0, expected[i].size(), expected[i]), 0) << held[i];
}

TEST_P(HostDescription, Categories)
{
    FCCategoryDefs categories;
    ASSERT_GT(categories.LoadAll(), 0);
    std::ostringstream expected;
    for (int i = 0; i < categories.GetCount(); ++i) {
        const FCCategoryDef* pCategory = categories.GetItemAt(i);
        FCString name;
        pCategory->GetName(&name);
        expected << "  item " << pCategory->GetItemNo() << ": id " << pCategory->GetID() << " \""
                 << name.GetUTF8String() << "\"\n";
    }
    EXPECT_EQ(expected.str(), Section("categories:", "text expressions:"));
}

TEST_P(HostDescription, TextExpressions)
{
    FCTextExpressionDefs expressions;
    const int count = expressions.LoadAll();
    ASSERT_EQ(static_cast<size_t>(count), H().hostsim_expression_count());
    for (int i = 0; i < count; ++i) {
        hostsim_expression held{};
        ASSERT_TRUE(H().hostsim_expression_at(static_cast<size_t>(i), &held));
        const FCTextExpressionDef* pExpression = expressions.GetItemAt(i);
        EXPECT_EQ(pExpression->GetItemNo(), held.item);
        EXPECT_EQ(pExpression->GetCategoryID(), held.categoryWord & 0x3FFF);
        EXPECT_EQ(Utf8(pExpression->CreateDescription()), held.description);
        EXPECT_EQ(Utf8(pExpression->CreateTextString()), held.text);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, HostDescription, ::testing::Values(HOSTSIM_SEED_TEST_QZ, HOSTSIM_SEED_DEMO),
                         [](const ::testing::TestParamInfo<int>& seed) {
                             return seed.param == HOSTSIM_SEED_DEMO ? std::string("Demo") : std::string("Test");
                         });
