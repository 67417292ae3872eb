#ifndef TESTS_UNIT_STAVES_STAVESHOSTFIXTURE_H
#define TESTS_UNIT_STAVES_STAVESHOSTFIXTURE_H

/* Helpers shared by the staff, staff-list, part, document and region tests
   that run against the simulated host (test document by default). */

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "strings/FCString.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "support/HostsimFixture.h"
#include "hostlink/fx_host_abi.h"

class StavesHostTest : public HostsimFixture
{
protected:
    static constexpr uint32_t kSystemStaffTag = QZ_FOURCC("SOIu");
    static constexpr uint32_t kResizeTag = QZ_FOURCC("dtLP");
    static constexpr uint32_t kStaffTag = QZ_FOURCC("SOIS");
    static constexpr uint32_t kPartTag = QZ_FOURCC("otpD");

    const HostsimApi& H() const { return *Host(); }

    /* Writes a staff list into the current part of the current document. */
    void PutList(uint16_t item, const std::vector<hostsim_staff_entry>& entries) const
    {
        ASSERT_TRUE(H().hostsim_put_staff_list(item, entries.data(), entries.size()));
    }
    /* The staff numbers of a list as the host holds it (part < 0: current). */
    std::vector<int16_t> ListStaves(uint16_t item, int16_t part = -1) const
    {
        std::vector<int16_t> staves;
        for (const hostsim_staff_entry& e : List(item, part))
            staves.push_back(e.staff);
        return staves;
    }
    std::vector<hostsim_staff_entry> List(uint16_t item, int16_t part = -1) const
    {
        hostsim_staff_entry entries[128];
        const size_t count = H().hostsim_staff_list(item, part, entries, 128);
        return std::vector<hostsim_staff_entry>(entries, entries + (count < 128 ? count : 128));
    }
    /* A stored record's bytes (empty when absent). */
    std::vector<uint8_t> Record(uint32_t tag, int16_t a, int16_t b, int16_t c = 0, int16_t part = -1) const
    {
        int16_t key[3] = {a, b, c};
        uint32_t size = 0;
        if (!H().hostsim_get_record(tag, key, part, nullptr, &size))
            return {};
        std::vector<uint8_t> bytes(size ? size : 1);
        H().hostsim_get_record(tag, key, part, bytes.data(), &size);
        bytes.resize(size);
        return bytes;
    }
    static int16_t Word(const std::vector<uint8_t>& bytes, size_t offset)
    {
        int16_t value = 0;
        if (offset + 2 <= bytes.size())
            std::memcpy(&value, bytes.data() + offset, 2);
        return value;
    }
    /* Changes one 16-bit word of a stored record (test set-up). */
    void PatchWord(uint32_t tag, int16_t item, size_t offset, uint16_t value) const
    {
        std::vector<uint8_t> bytes = Record(tag, item, 0);
        ASSERT_GE(bytes.size(), offset + 2);
        std::memcpy(bytes.data() + offset, &value, 2);
        int16_t key[3] = {item, 0, 0};
        ASSERT_TRUE(H().hostsim_put_other(tag, key, bytes.data(), static_cast<uint32_t>(bytes.size())));
    }
    /* Stores a record of size bytes whose first word is value. */
    void PutRecord(uint32_t tag, int16_t item, uint32_t size, uint16_t value) const
    {
        std::vector<uint8_t> bytes(size, 0);
        std::memcpy(bytes.data(), &value, 2);
        int16_t key[3] = {item, 0, 0};
        ASSERT_TRUE(H().hostsim_put_other(tag, key, bytes.data(), size));
    }
    /* Stores a part definition record with its order id. */
    void PutPartRecord(int16_t part, uint16_t order) const
    {
        uint8_t bytes[12] = {};
        std::memcpy(bytes + 2, &order, 2);
        int16_t key[3] = {part, 0, 0};
        ASSERT_TRUE(H().hostsim_put_other(kPartTag, key, bytes, sizeof bytes));
    }
    void SetSelection(uint16_t list, int16_t startSlot, int16_t endSlot, int16_t startMeasure, int16_t endMeasure,
                      int32_t startPos = 0, int32_t endPos = 0x7FFFFFFF) const
    {
        hostsim_region region{list, startSlot, startMeasure, startPos, list, endSlot, endMeasure, endPos};
        ASSERT_TRUE(H().hostsim_set_selection(&region));
    }
    static std::string Utf8(FCString* pString)
    {
        std::string text = pString ? pString->GetUTF8String() : "(null)";
        delete pString;
        return text;
    }
    size_t Calls(const char* function) const { return H().hostsim_call_count(function); }

    /* Opens a host edit for the writes of a test and closes it at the end. */
    class Edit
    {
    public:
        Edit() { FCString("test edit")._StartFinaleEdit(); }
        ~Edit() { FX_EndFinaleEdit(qz::kHostVersion19); }
        Edit(const Edit&) = delete;
        Edit& operator=(const Edit&) = delete;
    };
};

/* The same against another host version profile. */
class StavesProfileHostTest : public StavesHostTest, public ::testing::WithParamInterface<uint32_t>
{
protected:
    uint32_t Profile() const override { return GetParam(); }
};

#endif
