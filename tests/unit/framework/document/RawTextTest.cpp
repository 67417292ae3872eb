#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/FCRawText.h"
#include "common/qz_fourcc.h"
#include "document/FCTextBlock.h"
#include "document/FCTextRepeatText.h"
#include "support/TextHostFixture.h"

namespace
{
constexpr uint32_t kDefaultTextTag = QZ_FOURCC("txbl");
} // namespace

using RawTexts = TextHostTest;

TEST_P(RawTexts, NewTextRoundTripsUnderTheHostsNumber)
{
    FCString text;
    text.SetUTF8String(Unicode() ? "Viol\xC3\xB2n \xE2\x99\xAD" : "Violin");
    FCRawText raw;
    raw.SetText(&text);
    EXPECT_EQ(raw.GetLoadedSize(), (text.GetLength() + 1) * (Unicode() ? 2 : 1));
    ASSERT_TRUE(raw.SaveNew());
    const int16_t number = raw.GetItemNo();
    EXPECT_GT(number, 0);

    FCRawText loaded;
    ASSERT_TRUE(loaded.Load(number));
    FCString* pRead = loaded.CreateString();
    EXPECT_TRUE(pRead->IsEqualString(&text));
    delete pRead;
}

TEST_P(RawTexts, SaveNewWithoutTextIsRefused)
{
    FCRawText raw;
    EXPECT_FALSE(raw.SaveNew());
    EXPECT_EQ(raw.GetItemNo(), 0);
}

TEST_P(RawTexts, TextWithoutTerminatorEndsAtTheRecordEnd)
{
    const std::vector<uint8_t> bytes =
        Unicode() ? std::vector<uint8_t>{'a', 0, 'b', 0, 'c', 0} : std::vector<uint8_t>{'a', 'b', 'c'};
    const int16_t key[4] = {40, 0, 0, 0};
    ASSERT_TRUE(Host()->hostsim_put_other(kDefaultTextTag, key, bytes.data(), uint32_t(bytes.size())));
    FCRawText raw;
    ASSERT_TRUE(raw.Load(40));
    FCString text("untouched");
    raw.GetText(&text);
    EXPECT_EQ(Text(text), "abc");
}

TEST_P(RawTexts, GetTextLeavesTheStringAloneWithoutText)
{
    FCRawText raw;
    FCString text("kept");
    raw.GetText(&text);
    EXPECT_EQ(Text(text), "kept");
    EXPECT_FALSE(raw.Load(999));
    raw.GetText(&text);
    EXPECT_EQ(Text(text), "kept");
}

TEST_P(RawTexts, LoadFirstFindsTheLowestNumber)
{
    FCRawText raw;
    ASSERT_TRUE(raw.LoadFirst());
    EXPECT_GE(raw.GetItemNo(), 1);
    const int16_t first = raw.GetItemNo();
    while (raw.LoadNext())
        EXPECT_GT(raw.GetItemNo(), first);
}

TEST_P(RawTexts, TheVersionPassedIsTheHostsOwn)
{
    FCRawText raw;
    EXPECT_EQ(raw.EnigmaVersion(), GetParam());
    EXPECT_EQ(raw.Tag(), kDefaultTextTag);
    raw.SetCustomTag(QZ_FOURCC("txxp"));
    EXPECT_EQ(raw.Tag(), QZ_FOURCC("txxp"));
    FCTextRepeatText repeatText;
    EXPECT_EQ(repeatText.Tag(), QZ_FOURCC("osRT"));
}

TEST_P(RawTexts, TextBlockOfAStaffNameGivesItsText)
{
    FCTextBlock block;
    ASSERT_TRUE(block.Load(1));
    FCString* pName = block.CreateRawTextString();
    ASSERT_NE(pName, nullptr);
    EXPECT_EQ(Text(*pName), "Flute");
    delete pName;
    FCTextBlock missing;
    ASSERT_FALSE(missing.Load(500));
}

TEST_P(RawTexts, NewTextBlockWithNewTextIsCreatedInOneGo)
{
    FCTextBlock block;
    FCString text("Oboe");
    ASSERT_TRUE(block.SaveNewRawTextString(&text));
    ASSERT_TRUE(block.SaveNew());
    FCTextBlock loaded;
    ASSERT_TRUE(loaded.Load(block.GetItemNo()));
    EXPECT_EQ(loaded.GetRawTextTag(), kDefaultTextTag);
    FCString* pText = loaded.CreateRawTextString();
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(Text(*pText), "Oboe");
    delete pText;
    ASSERT_TRUE(loaded.DeepDeleteData());
    EXPECT_FALSE(Exists(kDefaultTextTag, block.GetRawTextNumber()));
}

INSTANTIATE_TEST_SUITE_P(Profiles, RawTexts, TEXT_HOST_PROFILES);
