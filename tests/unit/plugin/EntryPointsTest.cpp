#include "plugin/FinaleExtension.h"

#include <gtest/gtest.h>

#include <vector>
#include "common/qz_host_versions.h"

namespace
{

using Bytes = std::vector<unsigned char>;

class EntryPoints : public ::testing::Test
{
protected:
    void TearDown() override { SetFinaleFrameworkVersion(FX_DEFAULT_HOST_VERSION); }
};

} // namespace

TEST_F(EntryPoints, VersionHandshakeStoresTheHostVersionAndAnswers0x0F000000)
{
    EXPECT_EQ(FinaleExtensionVersion(qz::kHostVersionUnicode), qz::kHostVersion0F);
    EXPECT_EQ(GetFinaleFrameworkVersion(), qz::kHostVersionUnicode);
    EXPECT_EQ(RunningFinaleVersion, qz::kHostVersionUnicode);
    EXPECT_EQ(Ext_getversion(qz::kHostVersion10), qz::kHostVersion0F);
    EXPECT_EQ(GetFinaleFrameworkVersion(), qz::kHostVersion10);
}

TEST_F(EntryPoints, InitSetsOnlyBitZeroOfTheFlags)
{
    uint8_t flags = 0xF0;
    EXPECT_EQ(FinaleExtensionInit(nullptr, &flags), 1);
    EXPECT_EQ(flags, 0xF1);
    EXPECT_EQ(FinaleExtensionInit(nullptr, &flags), 1);
    EXPECT_EQ(flags, 0xF1);
    flags = 0;
    EXPECT_EQ(Ext_init(&flags, &flags), 1);
    EXPECT_EQ(flags, 0x01);
}

TEST_F(EntryPoints, InitWithoutAFlagByteStillSucceeds) { EXPECT_EQ(FinaleExtensionInit(nullptr, nullptr), 1); }

TEST_F(EntryPoints, EnumerateFillsForEveryIndexUpToZeroOnly)
{
    for (int16_t index : {int16_t(0), int16_t(-1), int16_t(-32768)}) {
        Bytes record(FX_ENUM_RECORD_SIZE, 0xAB);
        EXPECT_EQ(FinaleExtensionEnumerate(nullptr, index, record.data()), 1) << index;
        EXPECT_EQ(record[0], 'Q') << index;
    }
    for (int16_t index : {int16_t(1), int16_t(2), int16_t(32767)}) {
        Bytes record(FX_ENUM_RECORD_SIZE, 0xAB);
        EXPECT_EQ(FinaleExtensionEnumerate(nullptr, index, record.data()), 0) << index;
        EXPECT_EQ(record, Bytes(FX_ENUM_RECORD_SIZE, 0xAB)) << index;
    }
}

TEST_F(EntryPoints, UTF16EnumerateFillsForIndexZeroExactly)
{
    for (int16_t index : {int16_t(-1), int16_t(1), int16_t(-32768)}) {
        Bytes record(FX_ENUM_UTF16_RECORD_SIZE, 0xAB);
        EXPECT_EQ(FinaleExtensionEnumerate_UTF16(nullptr, index, record.data()), 0) << index;
        EXPECT_EQ(record, Bytes(FX_ENUM_UTF16_RECORD_SIZE, 0xAB)) << index;
    }
}

TEST_F(EntryPoints, EnumerateWithoutARecordFillsNothing)
{
    EXPECT_EQ(FinaleExtensionEnumerate(nullptr, 0, nullptr), 0);
    EXPECT_EQ(FinaleExtensionEnumerate_UTF16(nullptr, 0, nullptr), 0);
}

TEST_F(EntryPoints, AliasesAnswerAsTheirEntryPoints)
{
    Bytes direct(FX_ENUM_RECORD_SIZE, 0x11), alias(FX_ENUM_RECORD_SIZE, 0x22);
    EXPECT_EQ(Ext_enumerate(nullptr, 0, alias.data()), FinaleExtensionEnumerate(nullptr, 0, direct.data()));
    EXPECT_EQ(alias, direct);
    EXPECT_EQ(Ext_enumerate(nullptr, 1, alias.data()), 0);

    Bytes directUTF16(FX_ENUM_UTF16_RECORD_SIZE, 0x11), aliasUTF16(FX_ENUM_UTF16_RECORD_SIZE, 0x11);
    EXPECT_EQ(Ext_enumerate_UTF16(nullptr, 0, aliasUTF16.data()), 1);
    FinaleExtensionEnumerate_UTF16(nullptr, 0, directUTF16.data());
    EXPECT_EQ(aliasUTF16, directUTF16);
    EXPECT_EQ(Ext_enumerate_UTF16(nullptr, -1, aliasUTF16.data()), 0);

    EXPECT_EQ(Ext_getmenustatus(), 1);
}

TEST_F(EntryPoints, MenuStatusIsAlwaysOne)
{
    EXPECT_EQ(FinaleExtensionGetMenuStatus(), 1);
    uint8_t flags = 0;
    FinaleExtensionInit(nullptr, &flags);
    FinaleExtensionVersion(qz::kHostVersion19);
    EXPECT_EQ(FinaleExtensionGetMenuStatus(), 1);
}
