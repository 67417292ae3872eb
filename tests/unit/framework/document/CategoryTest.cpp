#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/FCCategoryDef.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "document/FCCategoryDefs.h"
#include "document/FCFontInfo.h"
#include "support/TextHostFixture.h"

namespace
{
std::vector<std::string> Names(FCCategoryDefs& list)
{
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i) {
        FCString name;
        list.GetItemAt(i)->GetName(&name);
        names.push_back(name.GetCString());
    }
    return names;
}

const FCCategoryDef* FindByName(FCCategoryDefs& list, const char* wanted)
{
    FCString target(wanted);
    for (int i = 0; i < list.GetCount(); ++i) {
        FCString name;
        list.GetItemAt(i)->GetName(&name);
        if (name.IsEqualString(&target))
            return list.GetItemAt(i);
    }
    return nullptr;
}
} // namespace

using CategoryList = TextHostTest;

TEST_P(CategoryList, FindsACategoryByItsExactNameInEitherLayout)
{
    FCCategoryDefs categories;
    ASSERT_EQ(categories.LoadAll(), 6);
    EXPECT_EQ(Names(categories), (std::vector<std::string>{"Category 1", "Category 2", "Category 3", "Category 4",
                                                           "Category 5", "QZ Plug-in Data"}));
    const FCCategoryDef* pData = FindByName(categories, "QZ Plug-in Data");
    ASSERT_NE(pData, nullptr);
    EXPECT_EQ(pData->GetID(), 9);
    EXPECT_EQ(pData->GetItemNo(), 6);
    EXPECT_EQ(FindByName(categories, "qz plug-in data"), nullptr);
    EXPECT_EQ(pData->GetLoadedSize(), Unicode() ? 296u : 104u);
    EXPECT_EQ(pData->EnigmaVersion(), Unicode() ? qz::kHostVersionUnicode : qz::kHostVersion0F);
}

TEST_P(CategoryList, StillListsTheOthersWhenCategoryOneIsGone)
{
    Delete(QZ_FOURCC("SOMC"), 1);
    FCCategoryDefs categories;
    ASSERT_EQ(categories.LoadAll(), 5);
    EXPECT_EQ(categories.GetItemAt(0)->GetItemNo(), 2);
    EXPECT_NE(FindByName(categories, "QZ Plug-in Data"), nullptr);
}

TEST_P(CategoryList, LoadingTwiceGivesTheSameList)
{
    FCCategoryDefs categories;
    categories.LoadAll();
    EXPECT_EQ(categories.LoadAll(), 6);
}

TEST_P(CategoryList, IdenticalComparesIdFlagsAndName)
{
    FCCategoryDef a, b;
    ASSERT_TRUE(a.Load(2));
    ASSERT_TRUE(b.Load(2));
    EXPECT_TRUE(a.IsIdentical(&b));
    ASSERT_TRUE(b.Load(3));
    EXPECT_FALSE(a.IsIdentical(&b));
    b.SetID(a.GetID());
    EXPECT_FALSE(a.IsIdentical(&b));
    FCString name;
    a.GetName(&name);
    b.SetName(&name);
    EXPECT_TRUE(a.IsIdentical(&b));
    EXPECT_FALSE(a.IsIdentical(nullptr));
}

TEST_P(CategoryList, FontsAreGivenOnlyWhenDefined)
{
    /* Item 7: text font defined (host font 2, 14 points, effects 1), music
       and number fonts not. */
    const size_t size = Unicode() ? 296 : 104;
    const size_t textFont = Unicode() ? 260 : 68;
    const size_t flags = Unicode() ? 294 : 102;
    std::vector<uint8_t> bytes(size, 0);
    const int16_t words[] = {2, 14, 1};
    std::memcpy(bytes.data() + textFont, words, sizeof words);
    const int16_t defined = 1;
    std::memcpy(bytes.data() + flags, &defined, 2);
    const int16_t key[4] = {7, 0, 0, 0};
    ASSERT_TRUE(Host()->hostsim_put_other(QZ_FOURCC("SOMC"), key, bytes.data(), uint32_t(size)));

    FCCategoryDef category;
    ASSERT_TRUE(category.Load(7));
    FCFontInfo font;
    ASSERT_TRUE(category.GetTextFontInfo(&font));
    FCString name;
    font.GetNameString(&name);
    EXPECT_EQ(Text(name), "Sim Sans");
    EXPECT_EQ(font.GetSize(), 14);
    EXPECT_EQ(font.GetEffects(), 1);

    FCFontInfo untouched;
    untouched.SetSize(99);
    EXPECT_FALSE(category.GetMusicFontInfo(&untouched));
    EXPECT_FALSE(category.GetNumberFontInfo(&untouched));
    EXPECT_EQ(untouched.GetSize(), 99);
    EXPECT_FALSE(category.GetTextFontInfo(nullptr));
}

INSTANTIATE_TEST_SUITE_P(Profiles, CategoryList, TEXT_HOST_PROFILES);
