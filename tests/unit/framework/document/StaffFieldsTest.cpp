/* The staff layout's fields in memory: layouts by host version, line counts,
   hiding, transposition and notation style. No host is involved. */
#include <gtest/gtest.h>

#include <cstring>

#include "document/FCStaff.h"
#include "common/qz_host_versions.h"
#include "document/FCStaffStyleDef.h"
#include "support/HostVersionScope.h"

namespace
{
uint16_t ReadWord(const void* pField)
{
    uint16_t value = 0;
    std::memcpy(&value, pField, sizeof value);
    return value;
}

void WriteWord(void* pField, uint16_t value) { std::memcpy(pField, &value, sizeof value); }

ptrdiff_t OffsetOf(const __FCBaseData& record, const void* pField)
{
    return static_cast<const unsigned char*>(pField) - static_cast<const unsigned char*>(record._GetData());
}
} // namespace

/* ---- Layouts --------------------------------------------------------------- */

struct LayoutCase
{
    uint32_t host;
    uint32_t staffSize;
    uint32_t styleSize;
    uint32_t version;
};

class StaffLayoutTest : public ::testing::TestWithParam<LayoutCase>
{};

TEST_P(StaffLayoutTest, SizeAndRecordVersionFollowTheHost)
{
    const LayoutCase c = GetParam();
    HostVersionScope host(c.host);
    FCStaff staff;
    FCStaffStyleDef style;
    EXPECT_EQ(staff.DataSizeLoad(), c.staffSize);
    EXPECT_EQ(staff.EnigmaVersion(), c.version);
    EXPECT_EQ(style.DataSizeLoad(), c.styleSize);
    EXPECT_EQ(style.EnigmaVersion(), c.version);
    EXPECT_EQ(__FCStaffBase::_VersionToUse(), c.version);
}

TEST_P(StaffLayoutTest, FieldsOnlyInNewerLayoutsAreAbsentInOlderOnes)
{
    const LayoutCase c = GetParam();
    HostVersionScope host(c.host);
    FCStaff staff;
    FCStaffStyleDef style;
    EXPECT_EQ(staff._GetInstUUIDPtr() != nullptr, qz::IsUnicodeHost(c.version));
    EXPECT_EQ(style._GetInstUUIDPtr() != nullptr, qz::IsUnicodeHost(c.version));
    EXPECT_EQ(staff._GetMoreFlags2Ptr() != nullptr, c.version >= qz::kHostVersion12);
    EXPECT_EQ(style._GetMoreFlags3Ptr() != nullptr, c.version >= qz::kHostVersion12);
    /* Fields every layout has sit at the same offsets in staves and styles. */
    ASSERT_NE(staff._GetFullNamePtr(), nullptr);
    EXPECT_EQ(OffsetOf(staff, staff._GetFullNamePtr()), 30);
    EXPECT_EQ(OffsetOf(style, style._GetFullNamePtr()), 30);
    EXPECT_EQ(OffsetOf(staff, staff._GetAltFlag2Ptr()), 72);
    EXPECT_EQ(OffsetOf(style, style._GetHOtherRestPtr()), 26);
}

INSTANTIATE_TEST_SUITE_P(HostVersions, StaffLayoutTest,
                         ::testing::Values(LayoutCase{qz::kHostVersion10, 114, 144, qz::kHostVersion0F},
                                           LayoutCase{qz::kHostVersionUnicode, 132, 292, qz::kHostVersionUnicode},
                                           LayoutCase{0x11FFFFFF, 132, 292, qz::kHostVersionUnicode},
                                           LayoutCase{qz::kHostVersion12, 136, 296, qz::kHostVersion12},
                                           LayoutCase{qz::kHostVersion19, 136, 296, qz::kHostVersion12}));

TEST(StaffLayout, NewerFieldsOfStylesAreFurtherOutThanInStaves)
{
    HostVersionScope host(qz::kHostVersion19);
    FCStaff staff;
    FCStaffStyleDef style;
    EXPECT_EQ(OffsetOf(staff, staff._GetInstUUIDPtr()), 114);
    EXPECT_EQ(OffsetOf(style, style._GetInstUUIDPtr()), 274);
    EXPECT_EQ(OffsetOf(staff, staff._GetMoreFlags3Ptr()), 134);
    EXPECT_EQ(OffsetOf(style, style._GetMoreFlags2Ptr()), 292);
}

TEST(StaffLayout, CloneOfAnUnloadedStaffCopiesNothing)
{
    HostVersionScope host(qz::kHostVersion19);
    FCStaff source;
    WriteWord(source._GetMoreFlags3Ptr(), 0xBEEF);
    WriteWord(source._GetFullNamePtr(), 7);
    FCStaff copy;
    copy.CloneMemoryFrom(&source); /* the source is not loaded: nothing copied */
    EXPECT_EQ(ReadWord(copy._GetFullNamePtr()), 0);
}

/* ---- Line counts ------------------------------------------------------------ */

TEST(StaffLines, OneLineUsesTheMaskForm)
{
    FCStaff staff;
    staff.SetLineCount(1);
    EXPECT_EQ(ReadWord(staff._GetTopLinesPtr()), 1);
    EXPECT_EQ(ReadWord(staff._GetBotLinesPtr()), 4);
    EXPECT_EQ(staff.GetLineCount(), 1);
}

TEST(StaffLines, OtherCountsArePlainNumbers)
{
    FCStaff staff;
    staff.SetLineCount(1);
    staff.SetLineCount(5);
    EXPECT_EQ(ReadWord(staff._GetTopLinesPtr()), 0);
    EXPECT_EQ(ReadWord(staff._GetBotLinesPtr()), 5);
    EXPECT_EQ(staff.GetLineCount(), 5);
}

TEST(StaffLines, CountsAboveTwelveAndNegativeOnesChangeNothing)
{
    FCStaff staff;
    staff.SetLineCount(5);
    staff.SetLineCount(13);
    staff.SetLineCount(-1);
    EXPECT_EQ(ReadWord(staff._GetTopLinesPtr()), 0);
    EXPECT_EQ(staff.GetLineCount(), 5);
}

TEST(StaffLines, MasksCountSetBitsButNotTheMarkerBit)
{
    FCStaff staff;
    WriteWord(staff._GetTopLinesPtr(), 0x0003);
    WriteWord(staff._GetBotLinesPtr(), 0x0005);
    EXPECT_EQ(staff.GetLineCount(), 3);
}

/* ---- Showing lines and hiding ------------------------------------------------- */

TEST(StaffHiding, LinesShownBitIsInvertedOnOldHosts)
{
    {
        HostVersionScope host(qz::kHostVersion19);
        FCStaff staff;
        staff.SetShowStaffLines(true);
        EXPECT_EQ(ReadWord(staff._GetInstFlagPtr()) & 0x0004, 0x0004);
        EXPECT_TRUE(staff.GetShowStaffLines());
    }
    {
        HostVersionScope host(qz::kHostVersion0E);
        FCStaff staff;
        staff.SetShowStaffLines(true);
        EXPECT_EQ(ReadWord(staff._GetInstFlagPtr()) & 0x0004, 0);
        EXPECT_TRUE(staff.GetShowStaffLines());
    }
}

TEST(StaffHiding, AllowHidingIsTheClearedNoHideBit)
{
    HostVersionScope host(qz::kHostVersion19);
    FCStaff staff;
    WriteWord(staff._GetFlagPtr(), 0x2000);
    staff.SetAllowHiding(false);
    EXPECT_EQ(ReadWord(staff._GetFlagPtr()), 0x2001);
    EXPECT_FALSE(staff.GetAllowHiding());
    staff.SetAllowHiding(true);
    EXPECT_EQ(ReadWord(staff._GetFlagPtr()), 0x2000);
    EXPECT_TRUE(staff.GetAllowHiding());
}

TEST(StaffHiding, AllowHidingDoesNotExistBeforeHost16)
{
    HostVersionScope host(qz::kHostVersion0F);
    FCStaff staff;
    staff.SetAllowHiding(false);
    EXPECT_EQ(ReadWord(staff._GetFlagPtr()), 0);
    EXPECT_FALSE(staff.GetAllowHiding());
}

TEST(StaffHiding, HideModeUsesTheTopBitsOfTheMoreFlags)
{
    HostVersionScope host(qz::kHostVersion19);
    FCStaff staff;
    WriteWord(staff._GetMoreFlagsPtr(), 0x0123);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_SCORE_ONLY);
    EXPECT_EQ(ReadWord(staff._GetMoreFlagsPtr()), 0x8123);
    EXPECT_EQ(staff.GetHideMode(), __FCStaffBase::STAFFHIDE_SCORE_ONLY);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_CUTAWAY);
    EXPECT_EQ(ReadWord(staff._GetMoreFlagsPtr()), 0x4123);
    EXPECT_EQ(staff.GetHideMode(), __FCStaffBase::STAFFHIDE_CUTAWAY);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_SCORE_AND_PARTS);
    EXPECT_EQ(staff.GetHideMode(), __FCStaffBase::STAFFHIDE_SCORE_AND_PARTS);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_NONE);
    EXPECT_EQ(ReadWord(staff._GetMoreFlagsPtr()), 0x0123);
}

TEST(StaffHiding, OldHostsKnowOnlyNoneAndFullHiding)
{
    HostVersionScope host(qz::kHostVersion0F);
    FCStaff staff;
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_SCORE_ONLY);
    EXPECT_EQ(ReadWord(staff._GetInstFlagPtr()), 0);
    EXPECT_EQ(ReadWord(staff._GetMoreFlagsPtr()), 0);
    EXPECT_EQ(staff.GetHideMode(), __FCStaffBase::STAFFHIDE_NONE);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_SCORE_AND_PARTS);
    EXPECT_EQ(ReadWord(staff._GetInstFlagPtr()), 0x0004);
    EXPECT_EQ(staff.GetHideMode(), __FCStaffBase::STAFFHIDE_SCORE_AND_PARTS);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_CUTAWAY);
    EXPECT_EQ(staff.GetHideMode(), __FCStaffBase::STAFFHIDE_SCORE_AND_PARTS);
    staff.SetHideMode(__FCStaffBase::STAFFHIDE_NONE);
    EXPECT_EQ(ReadWord(staff._GetInstFlagPtr()), 0);
}

TEST(StaffHiding, NotationStyleFromTheStaffFlags)
{
    FCStaff staff;
    EXPECT_EQ(staff.GetNotationStyle(), 0);
    WriteWord(staff._GetFlagPtr(), 0x0200);
    EXPECT_EQ(staff.GetNotationStyle(), 2);
    WriteWord(staff._GetFlagPtr(), 0x2200);
    EXPECT_EQ(staff.GetNotationStyle(), 1);
}

/* ---- Transposition ------------------------------------------------------------ */

TEST(StaffTransposition, OnlyTheIgnoredBitMeansNoTransposition)
{
    FCStaff staff;
    WriteWord(staff._GetTranspositionPtr(), 0x4000);
    EXPECT_EQ(staff.GetTransposeInterval(), 0);
    EXPECT_EQ(staff.GetTransposeAlteration(), 0);
}

TEST(StaffTransposition, SixBitFieldsAreSignedAndKeepTheirNeighbours)
{
    FCStaff staff;
    WriteWord(staff._GetTranspositionPtr(), 0x4000);
    staff.SetTransposeInterval(-2);
    staff.SetTransposeAlteration(-1);
    EXPECT_EQ(ReadWord(staff._GetTranspositionPtr()), 0x4000 | (0x3E << 6) | 0x3F);
    EXPECT_EQ(staff.GetTransposeInterval(), -2);
    EXPECT_EQ(staff.GetTransposeAlteration(), -1);
    staff.SetTransposeInterval(5);
    EXPECT_EQ(staff.GetTransposeInterval(), 5);
    EXPECT_EQ(staff.GetTransposeAlteration(), -1);
}

TEST(StaffTransposition, ByteEncodingCountsTheIntervalFromOne)
{
    FCStaff staff;
    WriteWord(staff._GetTranspositionPtr(), 0x2000 | 0x0004);
    EXPECT_EQ(staff.GetTransposeInterval(), 5);
    staff.SetTransposeInterval(1);
    EXPECT_EQ(ReadWord(staff._GetTranspositionPtr()), 0x2000);
    staff.SetTransposeAlteration(-3);
    EXPECT_EQ(ReadWord(staff._GetTranspositionPtr()), 0x2000 | 0x0D00);
    EXPECT_EQ(staff.GetTransposeAlteration(), -3);
    EXPECT_EQ(staff.GetTransposeInterval(), 1);
}
