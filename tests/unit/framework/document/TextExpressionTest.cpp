#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "document/FCCategoryDef.h"
#include "common/qz_fourcc.h"
#include "document/FCRawText.h"
#include "document/FCTextBlock.h"
#include "document/FCTextExpressionDef.h"
#include "document/FCTextExpressionDefs.h"
#include "support/TextHostFixture.h"

namespace
{
constexpr uint32_t kExpressionTag = QZ_FOURCC("SODT");
constexpr uint32_t kBlockTag = QZ_FOURCC("SOTX");
constexpr uint32_t kExpressionTextTag = QZ_FOURCC("txxp");
constexpr uint32_t kEnclosureTag = QZ_FOURCC("otDe");
constexpr uint32_t kCategoryTag = QZ_FOURCC("SOMC");

std::vector<int> Items(FCTextExpressionDefs& list)
{
    std::vector<int> items;
    for (int i = 0; i < list.GetCount(); ++i)
        items.push_back(list.GetItemAt(i)->GetItemNo());
    return items;
}
} // namespace

class TextExpressions : public TextHostTest
{
protected:
    /* The host refuses the deletion: the stored record stays byte for byte. */
    static void ExpectRefusedDeletionKeepsTheRecord(FCTextExpressionDef& expression)
    {
        const int16_t item = static_cast<int16_t>(expression.GetItemNo());
        const std::vector<uint8_t> before = Stored(kExpressionTag, item);
        const int16_t key[4] = {item, 0, 0, 0};
        Host()->hostsim_fail_record("FX_DeleteEData", kExpressionTag, key, 1);
        EXPECT_FALSE(expression.DeepDeleteData());
        EXPECT_EQ(Stored(kExpressionTag, item), before);
    }
};

TEST_P(TextExpressions, ListingStepsOverGapsInTheNumbering)
{
    Delete(kExpressionTag, 2);
    ASSERT_EQ(Host()->hostsim_put_text_expression(5, 1, "Expr 5", "five", 0), 5);
    FCTextExpressionDefs list;
    EXPECT_EQ(list.LoadAll(), 3);
    EXPECT_EQ(Items(list), (std::vector<int>{1, 3, 5}));
    FCString description;
    list.GetItemAt(2)->GetDescription(&description);
    EXPECT_EQ(Text(description), "Expr 5");
}

TEST_P(TextExpressions, ListingStartsAtTheFirstExistingItem)
{
    Delete(kExpressionTag, 1);
    FCTextExpressionDefs list;
    list.LoadAll();
    EXPECT_EQ(Items(list), (std::vector<int>{2, 3}));
}

TEST_P(TextExpressions, CreatedExpressionReadsBackWithItsTextBlockAndRawText)
{
    FCString text("^font(Times New Roman)^size(12)^efx(0)QZ Staff Set Panel Data");
    FCString description("Set 3: Winds");
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.SaveNewTextBlock(&text));
    expression.SetDescription(&description);
    ASSERT_TRUE(expression.SaveNew());
    const int16_t item = static_cast<int16_t>(expression.GetItemNo());
    ASSERT_GT(item, 3);

    const std::vector<uint8_t> block = Stored(kBlockTag, expression.GetTextBlockID());
    ASSERT_EQ(block.size(), 26u);
    EXPECT_EQ(uint16_t(Word(block, 24)), 0x7870);
    EXPECT_EQ(Word(block, 8), 100);
    EXPECT_EQ(uint16_t(Word(block, 14)), 0x1A08);
    const int16_t rawNumber = Word(block, 0);
    EXPECT_EQ(Stored(kExpressionTextTag, rawNumber).size(),
              Unicode() ? 2 * (text.GetLength() + 1) : text.GetLength() + 1);

    FCTextExpressionDef loaded;
    ASSERT_TRUE(loaded.Load(static_cast<uint16_t>(item)));
    FCString readDescription;
    loaded.GetDescription(&readDescription);
    EXPECT_EQ(Text(readDescription), "Set 3: Winds");
    FCString* pText = loaded.CreateTextString();
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(Text(*pText), Text(text));
    delete pText;
}

TEST_P(TextExpressions, RecordSizesFollowTheDescription)
{
    FCTextExpressionDef empty;
    ASSERT_TRUE(empty.SaveNew());
    EXPECT_EQ(Stored(kExpressionTag, static_cast<int16_t>(empty.GetItemNo())).size(), Unicode() ? 38u : 36u);

    FCTextExpressionDef five;
    FCString description("Horns");
    five.SetDescription(&description);
    ASSERT_TRUE(five.SaveNew());
    EXPECT_EQ(Stored(kExpressionTag, static_cast<int16_t>(five.GetItemNo())).size(), Unicode() ? 46u : 41u);

    FCString none("");
    five.SetDescription(&none);
    ASSERT_TRUE(five.Save());
    EXPECT_EQ(Stored(kExpressionTag, static_cast<int16_t>(five.GetItemNo())).size(), Unicode() ? 38u : 36u);
}

TEST_P(TextExpressions, TextStringIsReplacedUnderTheSameRawText)
{
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(1));
    FCString replacement("changed");
    ASSERT_TRUE(expression.SaveTextString(&replacement));
    FCString* pText = expression.CreateTextString();
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(Text(*pText), "changed");
    delete pText;
}

TEST_P(TextExpressions, RefusedDeletionLeavesTheRecordAsItWas)
{
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(1));
    expression.SetLinkValue(7);
    ASSERT_TRUE(expression.Save());
    ExpectRefusedDeletionKeepsTheRecord(expression);
    EXPECT_EQ(expression.GetLinkValue(), 7);
}

TEST_P(TextExpressions, RefusedDeletionKeepsAnInForceLinkOfZero)
{
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(2));
    expression._SetFlag(FCRecordFlag<uint16_t>(10, 0x2000), true);
    ASSERT_TRUE(expression.Save());
    ExpectRefusedDeletionKeepsTheRecord(expression);
    EXPECT_TRUE(expression._GetFlag(FCRecordFlag<uint16_t>(10, 0x2000)));
}

TEST_P(TextExpressions, RefusedLinkClearingChangesNothing)
{
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(1));
    expression.SetLinkValue(3);
    ASSERT_TRUE(expression.Save());
    const int16_t key[4] = {1, 0, 0, 0};
    Host()->hostsim_fail_record("FX_SaveEData", kExpressionTag, key, 1);
    EXPECT_FALSE(expression.DeepDeleteData());
    EXPECT_EQ(expression.GetLinkValue(), 3);
    EXPECT_TRUE(Exists(kExpressionTag, 1));
}

TEST_P(TextExpressions, DeepDeletionRemovesTheEnclosureButKeepsTheTextBlock)
{
    const int16_t key[4] = {3, 0, 0, 0};
    const std::vector<uint8_t> frame(12, 1);
    ASSERT_TRUE(Host()->hostsim_put_other(kEnclosureTag, key, frame.data(), 12));
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(3));
    expression.SetHasEnclosure(true);
    ASSERT_TRUE(expression.Save());

    ASSERT_TRUE(expression.DeepDeleteData());
    EXPECT_FALSE(Exists(kExpressionTag, 3));
    EXPECT_FALSE(Exists(kEnclosureTag, 3));
    EXPECT_TRUE(Exists(kBlockTag, expression.GetTextBlockID()));
}

TEST_P(TextExpressions, DeleteTextBlockRemovesBlockAndRawText)
{
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(1));
    const std::vector<uint8_t> block = Stored(kBlockTag, expression.GetTextBlockID());
    ASSERT_FALSE(block.empty());
    const uint32_t rawTag = 0x74780000u | uint16_t(Word(block, 24));
    ASSERT_TRUE(Exists(rawTag, Word(block, 0)));
    ASSERT_TRUE(expression.DeleteTextBlock());
    EXPECT_FALSE(Exists(kBlockTag, expression.GetTextBlockID()));
    EXPECT_FALSE(Exists(rawTag, Word(block, 0)));
    EXPECT_TRUE(Exists(kExpressionTag, 1));
}

TEST_P(TextExpressions, DeepSaveAsCopiesTextAndEnclosure)
{
    const int16_t key[4] = {2, 0, 0, 0};
    const std::vector<uint8_t> frame(12, 4);
    ASSERT_TRUE(Host()->hostsim_put_other(kEnclosureTag, key, frame.data(), 12));
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.Load(2));
    expression.SetHasEnclosure(true);
    const int16_t oldBlock = expression.GetTextBlockID();
    ASSERT_TRUE(expression.DeepSaveAs(20));

    EXPECT_NE(expression.GetTextBlockID(), oldBlock);
    EXPECT_EQ(Stored(kEnclosureTag, 20), frame);
    FCTextExpressionDef copy;
    ASSERT_TRUE(copy.Load(20));
    FCString* pCopied = copy.CreateTextString();
    FCTextExpressionDef original;
    ASSERT_TRUE(original.Load(2));
    FCString* pOriginal = original.CreateTextString();
    ASSERT_TRUE(pCopied && pOriginal);
    EXPECT_EQ(Text(*pCopied), Text(*pOriginal));
    delete pCopied;
    delete pOriginal;
}

TEST_P(TextExpressions, AssignToCategoryCopiesTheDefaults)
{
    const size_t size = Unicode() ? 296 : 104;
    const size_t defaults = Unicode() ? 278 : 86;
    std::vector<uint8_t> bytes(size, 0);
    const int16_t id = 12;
    std::memcpy(bytes.data(), &id, 2);
    const int16_t values[] = {101, 102, 103, 104, 105, 106};
    std::memcpy(bytes.data() + defaults, values, sizeof values);
    const int16_t key[4] = {7, 0, 0, 0};
    ASSERT_TRUE(Host()->hostsim_put_other(kCategoryTag, key, bytes.data(), uint32_t(size)));

    FCCategoryDef category;
    ASSERT_TRUE(category.Load(7));
    FCTextExpressionDef expression;
    ASSERT_TRUE(expression.AssignToCategory(&category));
    EXPECT_EQ(expression.GetCategoryID(), 12);
    const int16_t expected[][2] = {{12, 102}, {14, 101}, {16, 103}, {24, 104}, {30, 106}, {32, 105}};
    for (const auto& pair : expected)
        EXPECT_EQ(expression._GetField(FCRecordField<int16_t>(uint32_t(pair[0]))), pair[1]) << pair[0];
    EXPECT_EQ(expression.GetUseCategoryFont(), Unicode());
    EXPECT_EQ(expression.GetUseCategoryPos(), Unicode());

    FCCategoryDef unnumbered;
    EXPECT_FALSE(expression.AssignToCategory(&unnumbered));
    EXPECT_FALSE(expression.AssignToCategory(nullptr));
}

INSTANTIATE_TEST_SUITE_P(Profiles, TextExpressions, TEXT_HOST_PROFILES);
