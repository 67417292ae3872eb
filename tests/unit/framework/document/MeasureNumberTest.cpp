#include <gtest/gtest.h>

#include <string>

#include "document/FCMeasureNumberRegion.h"
#include "common/qz_host_versions.h"
#include "document/FCMeasureNumberRegions.h"
#include "strings/FCString.h"
#include "InMemoryRecord.h"

namespace
{
using Region = InMemoryRecord<FCMeasureNumberRegion>;

/* A region of measures first..last numbered from startNumber. */
Region* MakeRegion(int first, int last, int startNumber, FCMeasureNumberRegion::NUMBERINGSTYLE style)
{
    Region* pRegion = new Region();
    EXPECT_TRUE(pRegion->Prepare());
    pRegion->SetStartMeasure(static_cast<int16_t>(first));
    pRegion->SetEndMeasure(static_cast<int16_t>(last));
    pRegion->SetStartNumber(static_cast<int16_t>(startNumber));
    pRegion->SetNumberingStyle(style);
    return pRegion;
}

std::string Shown(const FCMeasureNumberRegion& region, int measure)
{
    FCString out;
    if (!region.GetDisplayedNumber(measure, &out))
        return "<none>";
    return out.GetCString();
}
} // namespace

TEST(MeasureNumberRegion, StoresEndPlusOneAndStartMinusOne)
{
    Region region;
    ASSERT_TRUE(region.Prepare());
    region.SetEndMeasure(8);
    region.SetStartNumber(1);
    const unsigned char* pBytes = static_cast<const unsigned char*>(region._GetData());
    EXPECT_EQ(FCRecordField<int16_t>(2).Read(pBytes, 350), 9);
    EXPECT_EQ(FCRecordField<int16_t>(4).Read(pBytes, 350), 0);
    EXPECT_EQ(region.GetEndMeasure(), 8);
    EXPECT_EQ(region.GetStartNumber(), 1);
}

TEST(MeasureNumberRegion, StylesSetBaseStartCharacterAndFlags)
{
    struct Expected
    {
        int base, startChar;
        bool countFromOne, noZero, doubleUp;
    };
    const Expected table[] = {{10, '0', true, false, false},
                              {26, 'a', false, false, true},
                              {26, 'A', false, false, true},
                              {26, 'a', false, true, false},
                              {26, 'A', false, true, false}};
    for (int style = 0; style < 5; ++style) {
        Region region;
        ASSERT_TRUE(region.Prepare());
        region.SetNumberingStyle(static_cast<FCMeasureNumberRegion::NUMBERINGSTYLE>(style));
        EXPECT_EQ(region.GetBase(), table[style].base) << style;
        EXPECT_EQ(region.GetStartChar(), table[style].startChar) << style;
        EXPECT_EQ(region.GetCountFromOne(), table[style].countFromOne) << style;
        EXPECT_EQ(region.GetNoZero(), table[style].noZero) << style;
        EXPECT_EQ(region.GetDoubleUp(), table[style].doubleUp) << style;
    }
}

TEST(MeasureNumberRegion, UnknownStyleChangesNothing)
{
    Region region;
    ASSERT_TRUE(region.Prepare());
    region.SetNumberingStyle(FCMeasureNumberRegion::NUMBERING_UPPERCASEDOUBLEUP);
    region.SetNumberingStyle(static_cast<FCMeasureNumberRegion::NUMBERINGSTYLE>(7));
    EXPECT_EQ(region.GetStartChar(), 'A');
    EXPECT_TRUE(region.GetDoubleUp());
}

TEST(MeasureNumberDisplay, DigitsCountFromTheStartNumber)
{
    Region* pRegion = MakeRegion(5, 200, 1, FCMeasureNumberRegion::NUMBERING_DIGITS);
    EXPECT_EQ(Shown(*pRegion, 5), "1");
    EXPECT_EQ(Shown(*pRegion, 14), "10");
    EXPECT_EQ(Shown(*pRegion, 104), "100");
    EXPECT_EQ(Shown(*pRegion, 4), "<none>");
    EXPECT_EQ(Shown(*pRegion, 201), "<none>");
    delete pRegion;
}

TEST(MeasureNumberDisplay, DoubledLetters)
{
    Region* pRegion = MakeRegion(1, 100, 1, FCMeasureNumberRegion::NUMBERING_LOWERCASEDOUBLEUP);
    EXPECT_EQ(Shown(*pRegion, 1), "a");
    EXPECT_EQ(Shown(*pRegion, 26), "z");
    EXPECT_EQ(Shown(*pRegion, 27), "aa");
    EXPECT_EQ(Shown(*pRegion, 28), "bb");
    EXPECT_EQ(Shown(*pRegion, 53), "aaa");
    delete pRegion;
    pRegion = MakeRegion(1, 100, 1, FCMeasureNumberRegion::NUMBERING_UPPERCASEDOUBLEUP);
    EXPECT_EQ(Shown(*pRegion, 28), "BB");
    delete pRegion;
}

TEST(MeasureNumberDisplay, LettersContinuingAfterZ)
{
    Region* pRegion = MakeRegion(1, 100, 1, FCMeasureNumberRegion::NUMBERING_LOWERCASEAFTERZ);
    EXPECT_EQ(Shown(*pRegion, 1), "a");
    EXPECT_EQ(Shown(*pRegion, 26), "z");
    EXPECT_EQ(Shown(*pRegion, 27), "ba");
    delete pRegion;
    pRegion = MakeRegion(1, 100, 1, FCMeasureNumberRegion::NUMBERING_UPPERCASEAFTERZ);
    EXPECT_EQ(Shown(*pRegion, 28), "BB");
    delete pRegion;
}

TEST(MeasureNumberDisplay, BasesWithoutADisplayedFormAreRefusedNotLooped)
{
    Region* pRegion = MakeRegion(1, 10, 1, FCMeasureNumberRegion::NUMBERING_DIGITS);
    pRegion->SetBase(1);
    EXPECT_EQ(Shown(*pRegion, 3), "<none>");
    pRegion->SetBase(0);
    pRegion->SetDoubleUp(true);
    EXPECT_EQ(Shown(*pRegion, 3), "<none>");
    delete pRegion;
}

TEST(MeasureNumberDisplay, PrefixAndSuffixSurroundTheNumber)
{
    Region* pRegion = MakeRegion(3, 9, 10, FCMeasureNumberRegion::NUMBERING_DIGITS);
    FCString prefix("m. "), suffix("*");
    pRegion->SetPrefix(&prefix);
    pRegion->SetSuffix(&suffix);
    FCString* pShown = pRegion->CreateDisplayedString(4);
    ASSERT_NE(pShown, nullptr);
    EXPECT_STREQ(pShown->GetCString(), "m. 11*");
    delete pShown;
    EXPECT_EQ(pRegion->CreateDisplayedString(10), nullptr);
    delete pRegion;
}

TEST(MeasureNumberDisplay, OlderLayoutKeepsEightBitAffixes)
{
    HostVersionScope older(qz::kHostVersion10);
    Region* pRegion = MakeRegion(1, 4, 1, FCMeasureNumberRegion::NUMBERING_DIGITS);
    EXPECT_EQ(pRegion->DataSizeLoad(), 196u);
    EXPECT_EQ(pRegion->EnigmaVersion(), 0x0F000200u);
    FCString prefix("bar ");
    pRegion->SetPrefix(&prefix);
    const unsigned char* pBytes = static_cast<const unsigned char*>(pRegion->_GetData());
    EXPECT_EQ(pBytes[24], 'b');
    EXPECT_EQ(pBytes[25], 'a');
    FCString* pShown = pRegion->CreateDisplayedString(2);
    EXPECT_STREQ(pShown->GetCString(), "bar 2");
    delete pShown;
    delete pRegion;
}

class MeasureNumberRegionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        regions.Add(MakeRegion(1, 4, 1, FCMeasureNumberRegion::NUMBERING_DIGITS));
        Region* pLetters = MakeRegion(5, 8, 1, FCMeasureNumberRegion::NUMBERING_UPPERCASEDOUBLEUP);
        FCString prefix("(");
        FCString suffix(")");
        pLetters->SetPrefix(&prefix);
        pLetters->SetSuffix(&suffix);
        regions.Add(pLetters);
    }
    FCMeasureNumberRegions regions;
};

TEST_F(MeasureNumberRegionsTest, FindsTheFirstRegionIncludingAMeasure)
{
    EXPECT_EQ(regions.FindMeasure(3), regions.GetItemAt(0));
    EXPECT_EQ(regions.FindMeasure(5), regions.GetItemAt(1));
    EXPECT_EQ(regions.FindMeasure(9), nullptr);
}

TEST_F(MeasureNumberRegionsTest, StringFromNumber)
{
    FCString out;
    EXPECT_EQ(regions.CalcStringFromNumber(6, &out), 1);
    EXPECT_STREQ(out.GetCString(), "B");
    EXPECT_EQ(regions.CalcStringFromNumber(12, &out), -1);
    EXPECT_STREQ(out.GetCString(), "#12");
    EXPECT_EQ(regions.CalcStringFromNumber(12, nullptr), -1);

    FCMeasureNumberRegions none;
    EXPECT_EQ(none.CalcStringFromNumber(12, &out), -1);
    EXPECT_STREQ(out.GetCString(), "12");
}

TEST_F(MeasureNumberRegionsTest, NumberFromString)
{
    FCString text("(C)");
    EXPECT_EQ(regions.CalcNumberFromString(&text), 7);
    text.SetCString("#15");
    EXPECT_EQ(regions.CalcNumberFromString(&text), 15);
    text.SetCString("3");
    EXPECT_EQ(regions.CalcNumberFromString(&text), 3);
    text.SetCString("C");
    EXPECT_EQ(regions.CalcNumberFromString(&text), -1);
    EXPECT_EQ(regions.CalcNumberFromString(nullptr), -1);
}
