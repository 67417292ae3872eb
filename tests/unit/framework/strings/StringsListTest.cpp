#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "strings/FCNumbers.h"
#include "strings/__FCAlphaSorter.h"
#include "StringTestUtil.h"

namespace
{

using Strings = std::vector<std::string>;

std::unique_ptr<FCStrings> ListOf(std::initializer_list<const char*> texts)
{
    auto pList = std::make_unique<FCStrings>();
    for (const char* text : texts)
        pList->Add(text ? new FCString(text) : nullptr);
    return pList;
}

/* ---- Splitting ---- */

TEST(StringSplit, ParsedPiecesDropEmptyOnes)
{
    std::unique_ptr<FCStrings> p(FCString("a,,b").CreateParsedStrings(","));
    EXPECT_EQ(Texts(p.get()), (Strings{"a", "b"}));
    p.reset(FCString(";x; y,").CreateParsedStrings(",;"));
    EXPECT_EQ(Texts(p.get()), (Strings{"x", " y"}));
    p.reset(FCString("").CreateParsedStrings(","));
    EXPECT_EQ(p->GetCount(), 0);
    p.reset(FCString("whole").CreateParsedStrings(nullptr));
    EXPECT_EQ(Texts(p.get()), (Strings{"whole"}));
}

TEST(StringSplit, RowsByEveryLineEnd)
{
    std::unique_ptr<FCStrings> p(FCString("a\r\nb\rc\n").CreateRows());
    EXPECT_EQ(Texts(p.get()), (Strings{"a", "b", "c"}));
    p.reset(FCString("a\n\nb").CreateRows());
    EXPECT_EQ(Texts(p.get()), (Strings{"a", "", "b"}));
    p.reset(FCString("a\n").CreateRows());
    EXPECT_EQ(Texts(p.get()), (Strings{"a"}));
    p.reset(FCString("").CreateRows());
    EXPECT_EQ(p->GetCount(), 0);
    p.reset(FCString("\r\r\n").CreateRows());
    EXPECT_EQ(Texts(p.get()), (Strings{"", ""}));
}

/* ---- List operations ---- */

TEST(StringList, AddCopyAndCopyFromKeepNullEntries)
{
    FCStrings list;
    FCString original("one");
    list.AddCopy(&original);
    list.AddCopy(nullptr);
    original.SetCString("changed");
    EXPECT_EQ(Texts(&list), (Strings{"one"}));
    auto pOther = ListOf({"x", nullptr, "y"});
    list.CopyFrom(pOther.get());
    EXPECT_EQ(Texts(&list), (Strings{"x", "<null>", "y"}));
    EXPECT_NE(list.GetItemAt(0), pOther->GetItemAt(0));
    list.CopyFrom(nullptr);
    EXPECT_EQ(list.GetCount(), 3);
    list.CopyFrom(&list);
    EXPECT_EQ(Texts(&list), (Strings{"x", "<null>", "y"}));
    EXPECT_STREQ(list.ClassName(), "FCStrings");
}

TEST(StringList, FindByEqualText)
{
    auto pList = ListOf({nullptr, "a", "b", "a"});
    FCString b("b");
    FCString a("a");
    FCString c("c");
    EXPECT_EQ(pList->Find(&b), pList->GetItemAt(2));
    EXPECT_EQ(pList->Find(&a), pList->GetItemAt(1));
    EXPECT_EQ(pList->Find(&c), nullptr);
    EXPECT_EQ(pList->Find(nullptr), nullptr);
}

TEST(StringList, JoinWithSeparator)
{
    auto pList = ListOf({"a", nullptr, "b", "c"});
    FCString comma(", ");
    std::unique_ptr<FCString> p(pList->CreateString(&comma));
    EXPECT_EQ(Text(*p), "a, b, c");
    p.reset(pList->CreateString(nullptr));
    EXPECT_EQ(Text(*p), "abc");
    auto pTrailingNull = ListOf({"a", "b", nullptr});
    p.reset(pTrailingNull->CreateString(&comma));
    EXPECT_EQ(Text(*p), "a, b, ");
}

TEST(StringList, TrimAllAndClearEmpty)
{
    auto pList = ListOf({" a ", "", nullptr, "\t", "b"});
    pList->TrimWhitespaceAll();
    EXPECT_EQ(Texts(pList.get()), (Strings{"a", "", "<null>", "", "b"}));
    pList->ClearEmptyStrings();
    EXPECT_EQ(Texts(pList.get()), (Strings{"a", "b"}));
}

TEST(StringList, SortAlphabeticalKeepsNullPlaces)
{
    auto pList = ListOf({"pear", nullptr, "Apple", "apple", "fig"});
    pList->SortAlphabetical();
    EXPECT_EQ(Texts(pList.get()), (Strings{"Apple", "<null>", "apple", "fig", "pear"}));
}

TEST(StringList, AlphaSorterPutsNullFirst)
{
    __FCAlphaSorter sorter;
    FCString a("a");
    FCString b("b");
    EXPECT_LT(sorter.Compare(nullptr, &a), 0);
    EXPECT_GT(sorter.Compare(&a, nullptr), 0);
    EXPECT_EQ(sorter.Compare(nullptr, nullptr), 0);
    EXPECT_LT(sorter.Compare(&a, &b), 0);
    EXPECT_GT(sorter.Compare(&b, &a), 0);
    EXPECT_EQ(sorter.Compare(&a, &a), 0);
}

/* ---- Folders and fonts ---- */

class FolderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/fcstrings_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        ASSERT_EQ(mkdir((root + "/sub").c_str(), 0700), 0);
        for (const char* name : {"/one.txt", "/two\xC3\xA9.txt"}) {
            FILE* f = std::fopen((root + name).c_str(), "w");
            ASSERT_NE(f, nullptr);
            std::fclose(f);
        }
    }
    void TearDown() override
    {
        std::remove((root + "/one.txt").c_str());
        std::remove((root + "/two\xC3\xA9.txt").c_str());
        rmdir((root + "/sub").c_str());
        rmdir(root.c_str());
    }
    static Strings Sorted(const FCStrings& list)
    {
        Strings names;
        for (int i = 0; i < list.GetCount(); ++i) {
            FCString copy(*list.GetItemAt(i));
            names.push_back(copy.GetUTF8String());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string root;
};

TEST_F(FolderTest, FilesAndSubfoldersApart)
{
    FCString folder;
    folder.SetUTF8String(root.c_str());
    FCStrings files;
    EXPECT_TRUE(files.LoadFolderFiles(&folder));
    EXPECT_EQ(Sorted(files), (Strings{"one.txt", "two\xC3\xA9.txt"}));
    FCStrings folders;
    EXPECT_TRUE(folders.LoadSubfolders(&folder));
    EXPECT_EQ(Sorted(folders), (Strings{"sub"}));
}

TEST_F(FolderTest, MissingOrEmptyFolderIsRefused)
{
    FCStrings list;
    FCString empty;
    FCString missing((root + "/nothing").c_str());
    EXPECT_FALSE(list.LoadFolderFiles(nullptr));
    EXPECT_FALSE(list.LoadFolderFiles(&empty));
    EXPECT_FALSE(list.LoadFolderFiles(&missing));
    EXPECT_FALSE(list.LoadSubfolders(&missing));
    EXPECT_EQ(list.GetCount(), 0);
}

bool ListTwoFonts(FCStrings* pList)
{
    FCString a("Times");
    FCString b("Maestro");
    pList->AddCopy(&a);
    pList->AddCopy(&b);
    return true;
}

TEST(StringListFonts, PlatformListIsMergedWithoutDuplicates)
{
    FCStrings list;
    EXPECT_FALSE(list.LoadSystemFontNames());
    FCStrings::_pSystemFontLister = ListTwoFonts;
    FCString times("Times");
    list.AddCopy(&times);
    EXPECT_TRUE(list.LoadSystemFontNames());
    FCStrings::_pSystemFontLister = nullptr;
    EXPECT_EQ(Texts(&list), (Strings{"Times", "Maestro"}));
}

/* ---- Numbers ---- */

TEST(NumberList, IntegerAndFloatAreSetTogether)
{
    FCNumbers numbers;
    EXPECT_EQ(numbers.AddFloat(-2.75f), 1);
    EXPECT_EQ(numbers.AddInt(7), 2);
    EXPECT_EQ(numbers.GetItemAt(0)->GetInt(), -2);
    EXPECT_FLOAT_EQ(numbers.GetItemAt(0)->GetFloat(), -2.75f);
    EXPECT_FLOAT_EQ(numbers.GetItemAt(1)->GetFloat(), 7.0f);
    EXPECT_STREQ(numbers.ClassName(), "__FCCollection");
    EXPECT_STREQ(numbers.GetItemAt(0)->ClassName(), "FCNumber");
}

TEST(NumberList, UniqueIntegersAreAddedOnce)
{
    FCNumbers numbers;
    FCNumber* pFirst = numbers.AddUniqueInt(4);
    EXPECT_EQ(numbers.AddUniqueInt(4), pFirst);
    numbers.AddUniqueInt(5);
    EXPECT_EQ(numbers.GetCount(), 2);
    EXPECT_EQ(numbers.FindInt(5), numbers.GetItemAt(1));
    EXPECT_EQ(numbers.FindInt(6), nullptr);
    numbers.AddFloat(6.9f); /* integer part 6 */
    EXPECT_EQ(numbers.FindInt(6), numbers.GetItemAt(2));
}

TEST(NumberList, FloatsBeyondTheIntegerRangeAreHeld)
{
    FCNumber n;
    n.SetFloat(3e10f);
    EXPECT_EQ(n.GetInt(), INT32_MAX);
    n.SetFloat(-3e10f);
    EXPECT_EQ(n.GetInt(), INT32_MIN);
}

} // namespace
