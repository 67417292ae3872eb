/* Settings pairs made from settings-file lines and found by key. */

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "strings/FCSettingsPairs.h"
#include "strings/FCStrings.h"

namespace
{

std::unique_ptr<FCStrings> Lines(const std::vector<std::string>& texts)
{
    auto lines = std::make_unique<FCStrings>();
    for (const std::string& text : texts) {
        auto* pLine = new FCString();
        pLine->SetCString(text.c_str());
        lines->Add(pLine);
    }
    return lines;
}

std::string Text(FCString* pString) { return pString ? pString->GetCString() : "<null>"; }

/* "key=value" for each pair, in list order. */
std::vector<std::string> PairTexts(FCSettingsPairs* pPairs)
{
    std::vector<std::string> texts;
    for (int i = 0; i < pPairs->GetCount(); ++i)
        texts.push_back(Text(pPairs->GetItemAt(i)->GetKey()) + "=" + Text(pPairs->GetItemAt(i)->GetValue()));
    return texts;
}

} // namespace

TEST(SettingsPairs, OnlyLinesWithAKeyBeforeTheFirstEqualsSignBecomePairs)
{
    auto lines = Lines({"no pair here", "=starts with equals", "", "A=1", " spaced  =  two words \t", "formula=a=b=c",
                        "empty=", "=", "tail=x"});
    std::unique_ptr<FCSettingsPairs> pPairs(lines->CreateSettingsPairs());
    ASSERT_NE(pPairs, nullptr);
    EXPECT_EQ((std::vector<std::string>{"A=1", "spaced=two words", "formula=a=b=c", "empty=", "tail=x"}),
              PairTexts(pPairs.get()));
}

TEST(SettingsPairs, AKeyMadeOnlyOfBlanksGivesAnEmptyKey)
{
    /* The "=" lies after the first character, so the line is a pair. */
    auto lines = Lines({"  =value"});
    std::unique_ptr<FCSettingsPairs> pPairs(lines->CreateSettingsPairs());
    EXPECT_EQ((std::vector<std::string>{"=value"}), PairTexts(pPairs.get()));
}

TEST(SettingsPairs, FindKeyIgnoresLetterCaseAndTakesTheFirstMatch)
{
    auto lines = Lines({"qzstaffsetp_windowx=10", "QZSTAFFSETP_WINDOWX=20", "Other=3"});
    std::unique_ptr<FCSettingsPairs> pPairs(lines->CreateSettingsPairs());
    FCString key("QZStaffSetP_WindowX");
    FCSettingsPair* pFound = pPairs->FindKey(&key);
    ASSERT_NE(pFound, nullptr);
    EXPECT_EQ("qzstaffsetp_windowx", Text(pFound->GetKey()));
    EXPECT_EQ("10", Text(pFound->GetValue()));

    FCString missing("QZSTAFFSETP_WINDOWY");
    EXPECT_EQ(nullptr, pPairs->FindKey(&missing));
    EXPECT_EQ(nullptr, pPairs->FindKey(nullptr));
}

TEST(SettingsPairs, APairCopiesAndTrimsItsTexts)
{
    FCString key(" k ");
    FCString value("\tv v\r\n");
    FCSettingsPair pair(&key, &value);
    key.SetCString("changed");
    EXPECT_EQ("k", Text(pair.GetKey()));
    EXPECT_EQ("v v", Text(pair.GetValue()));

    std::unique_ptr<FCSettingsPair> pCopy(pair.CreateCopy());
    FCString other(" other ");
    pair.SetValue(&other);
    EXPECT_EQ("v v", Text(pCopy->GetValue()));
    EXPECT_EQ("other", Text(pair.GetValue()));

    FCSettingsPair empty(nullptr, nullptr);
    EXPECT_TRUE(empty.GetKey()->IsEmpty());
    EXPECT_TRUE(empty.GetValue()->IsEmpty());
}
