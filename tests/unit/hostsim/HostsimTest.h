#ifndef HOSTSIM_TEST_H
#define HOSTSIM_TEST_H

/* Shared set-up of the engine's unit tests: a fresh engine (profile A,
   strict) with the test document current, and small helpers for records. */

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "hostsim/Engine.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "hostsim/RecordLayout.h"
#include "hostlink/fx_host_abi.h"
#include "hostsim/hostsim_api.h"

namespace hostsim_test
{

constexpr uint32_t V19 = qz::kHostVersion19;
constexpr uint32_t SOIu = QZ_FOURCC("SOIu"), SODT = QZ_FOURCC("SODT"), SOMC = QZ_FOURCC("SOMC"),
                   SOIS = QZ_FOURCC("SOIS"), SOTX = QZ_FOURCC("SOTX"), TXXP = QZ_FOURCC("txxp"),
                   DTLP = QZ_FOURCC("dtLP"), OTDE = QZ_FOURCC("otDe");

class HostsimTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hostsim_reset();
        hostsim_set_strict(1);
        doc = hostsim_new_document(seed());
    }
    void TearDown() override { hostsim_reset(); }
    virtual int seed() const { return HOSTSIM_SEED_TEST_QZ; }

    static std::vector<uint8_t> record(uint32_t tag, int16_t a, int16_t b, int16_t part = -1, int16_t c = 0)
    {
        int16_t key[3] = {a, b, c};
        uint32_t size = 0;
        if (!hostsim_get_record(tag, key, part, nullptr, &size))
            return {};
        std::vector<uint8_t> bytes(size);
        hostsim_get_record(tag, key, part, bytes.data(), &size);
        return bytes;
    }
    static bool exists(uint32_t tag, int16_t a, int16_t b, int16_t part = -1, int16_t c = 0)
    {
        int16_t key[3] = {a, b, c};
        uint32_t size = 0;
        return hostsim_get_record(tag, key, part, nullptr, &size) != 0;
    }
    static std::vector<int16_t> staves(uint16_t item, int16_t part = -1)
    {
        hostsim_staff_entry e[64];
        size_t n = hostsim_staff_list(item, part, e, 64);
        std::vector<int16_t> out;
        for (size_t i = 0; i < n && i < 64; ++i)
            out.push_back(e[i].staff);
        return out;
    }
    static std::vector<uint8_t> systemStaff(int16_t staff, int32_t distance)
    {
        hostsim::Bytes b(24, 0);
        hostsim::RecordLayout::set(b, hostsim::Field::SystemStaffNumber, staff, V19);
        hostsim::RecordLayout::set(b, hostsim::Field::SystemStaffDistance, distance, V19);
        return b;
    }
    static size_t violations() { return hostsim_violation_count(HOSTSIM_SEVERITY_WARNING); }
    static bool violationMentions(const std::string& text)
    {
        return std::string(hostsim_violations_text(HOSTSIM_SEVERITY_INFO)).find(text) != std::string::npos;
    }

    int16_t doc = 0;
};

} // namespace hostsim_test

#endif
