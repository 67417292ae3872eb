#ifndef TESTS_UNIT_TEXTRECORDS_TEXTHOSTFIXTURE_H
#define TESTS_UNIT_TEXTRECORDS_TEXTHOSTFIXTURE_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "common/qz_host_versions.h"
#include "support/HostsimFixture.h"
#include "hostlink/fx_host_abi.h"

/* The host fixture on the test document with one edit open around each test
   (the host accepts document changes only inside an edit). */
class EditingHostTest : public HostsimFixture
{
protected:
    void SetUp() override
    {
        HostsimFixture::SetUp();
        const uint16_t name[] = {'t', 'e', 's', 't', 0};
        editOpen = Profile() >= qz::kHostVersionUnicode ? FX_StartFinaleEdit_UTF16(name, qz::kHostVersion19) != 0
                                                        : FX_StartFinaleEdit("test", qz::kHostVersion19) != 0;
    }
    void TearDown() override
    {
        if (editOpen)
            FX_EndFinaleEdit(qz::kHostVersion19);
        HostsimFixture::TearDown();
    }
    bool editOpen = false;
};

/* Run once per host profile: the current one (UTF-16 texts, newer layouts)
   and an older one (8-bit texts, older layouts). */
class TextHostTest : public EditingHostTest, public ::testing::WithParamInterface<uint32_t>
{
protected:
    uint32_t Profile() const override { return GetParam(); }
    bool Unicode() const { return GetParam() >= qz::kHostVersionUnicode; }

    static std::vector<uint8_t> Stored(uint32_t tag, int16_t item, int16_t inci = 0)
    {
        const int16_t key[4] = {item, inci, 0, 0};
        uint32_t size = 0;
        if (!Host()->hostsim_get_record(tag, key, -1, nullptr, &size))
            return {};
        std::vector<uint8_t> bytes(size);
        Host()->hostsim_get_record(tag, key, -1, bytes.data(), &size);
        return bytes;
    }
    static bool Exists(uint32_t tag, int16_t item) { return !Stored(tag, item).empty(); }
    static void Delete(uint32_t tag, int16_t item)
    {
        const int16_t key[4] = {item, 0, 0, 0};
        ASSERT_TRUE(Host()->hostsim_delete_record(tag, key));
    }
    static int16_t Word(const std::vector<uint8_t>& bytes, size_t offset)
    {
        int16_t value = 0;
        if (offset + 2 <= bytes.size())
            std::memcpy(&value, bytes.data() + offset, 2);
        return value;
    }
    static std::string Text(FCString& s) { return s.GetCString(); }
};

#define TEXT_HOST_PROFILES ::testing::Values(qz::kHostVersion19, qz::kHostVersion10)

#endif
