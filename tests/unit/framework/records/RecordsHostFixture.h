#ifndef TESTS_UNIT_RECORDS_RECORDSHOSTFIXTURE_H
#define TESTS_UNIT_RECORDS_RECORDSHOSTFIXTURE_H

/* The shared host fixture (simulated host loaded, bridge up, test document
   seeded, strict mode) plus the few driver calls the record tests need.

   Record writes by the plug-in must happen inside a host edit, so by default
   every test runs inside one edit opened through the bridge and ended at the
   end of the test; fixtures that test edits themselves turn that off. */

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

#include "support/HostsimFixture.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"
#include "hostsim/hostsim_api.h"

#define Api(name) (Host()->name)

class RecordsHostTest : public HostsimFixture
{
protected:
    /* Whether the test runs inside one host edit. */
    virtual bool RunInsideEdit() const { return true; }

    void SetUp() override
    {
        HostsimFixture::SetUp();
        ASSERT_NE(Host(), nullptr) << LoadError();
        if (RunInsideEdit()) {
            static const uint16_t kName[] = {'R', 'e', 'c', 'o', 'r', 'd', 's', 0};
            _editOpen = FX_StartFinaleEdit_UTF16(kName, qz::kHostVersion19) != 0;
        }
    }

    void TearDown() override
    {
        if (_editOpen)
            FX_EndFinaleEdit(qz::kHostVersion19);
        _editOpen = false;
        HostsimFixture::TearDown();
    }

private:
    bool _editOpen = false;

public:
    /* Native-order 16-bit words as the bytes of a record of size bytes
       (zeros after the words). */
    static std::vector<uint8_t> Words(std::initializer_list<int16_t> words, size_t size = 12)
    {
        std::vector<uint8_t> bytes(std::max(size, words.size() * 2), 0);
        size_t at = 0;
        for (int16_t w : words) {
            std::memcpy(bytes.data() + at, &w, 2);
            at += 2;
        }
        return bytes;
    }

    static std::vector<int16_t> Key(std::initializer_list<int16_t> parts)
    {
        std::vector<int16_t> key(parts);
        key.resize(3, 0);
        return key;
    }

    void PutRecord(uint32_t tag, std::initializer_list<int16_t> key, const std::vector<uint8_t>& bytes)
    {
        ASSERT_TRUE(Api(hostsim_put_other)(tag, Key(key).data(), bytes.data(), uint32_t(bytes.size())));
    }

    std::vector<uint8_t> StoredBytes(uint32_t tag, std::initializer_list<int16_t> key)
    {
        uint32_t size = 0;
        const std::vector<int16_t> k = Key(key);
        if (!Api(hostsim_get_record)(tag, k.data(), -1, nullptr, &size))
            return {};
        std::vector<uint8_t> bytes(size);
        Api(hostsim_get_record)(tag, k.data(), -1, bytes.data(), &size);
        return bytes;
    }

    /* The stored bytes, for comparison with Words(...). */
    std::vector<uint8_t> StoredWords(uint32_t tag, std::initializer_list<int16_t> key) { return StoredBytes(tag, key); }

    bool RecordExists(uint32_t tag, std::initializer_list<int16_t> key)
    {
        uint32_t size = 0;
        return Api(hostsim_get_record)(tag, Key(key).data(), -1, nullptr, &size) != 0;
    }

    /* Number of incidents stored under item (whatever their numbers). */
    int IncidentCount(uint32_t tag, int16_t item)
    {
        constexpr size_t kCapacity = 1024;
        std::unique_ptr<int16_t[][3]> keys(new int16_t[kCapacity][3]);
        const size_t n = Api(hostsim_list_records)(tag, -1, keys.get(), kCapacity);
        int count = 0;
        for (size_t i = 0; i < n && i < kCapacity; ++i)
            count += keys[i][0] == item ? 1 : 0;
        return count;
    }

    void PutStaffList(uint16_t item, std::initializer_list<int16_t> staves)
    {
        std::vector<hostsim_staff_entry> entries;
        int32_t distance = 0;
        for (int16_t staff : staves) {
            entries.push_back({staff, distance, 100});
            distance -= 300;
        }
        ASSERT_TRUE(Api(hostsim_put_staff_list)(item, entries.data(), entries.size()));
    }

    /* Measure records 1 to count. */
    void PutMeasures(int16_t count)
    {
        for (int16_t m = 1; m <= count; ++m)
            PutRecord(QZ_FOURCC("SOMS"), {m, 0}, std::vector<uint8_t>(30, 0));
    }

    /* A region record over slots of one staff list, whole measures. */
    static EREGION MakeRegion(int16_t startSlot, int16_t endSlot, int16_t startMeasure, int16_t endMeasure,
                              uint16_t staffList = 0)
    {
        EREGION r{};
        r.startStaffList = staffList;
        r.endStaffList = staffList;
        r.startSlot = startSlot;
        r.endSlot = endSlot;
        r.startMeasure = startMeasure;
        r.endMeasure = endMeasure;
        r.endPosition = 0x7FFFFFFF;
        return r;
    }

    /* Selects slots startSlot..endSlot of the global list in the measures
       startMeasure..endMeasure (whole measures). */
    void Select(int16_t startSlot, int16_t endSlot, int16_t startMeasure, int16_t endMeasure)
    {
        hostsim_region region{0, startSlot, startMeasure, 0, 0, endSlot, endMeasure, 0x7FFFFFFF};
        ASSERT_TRUE(Api(hostsim_set_selection)(&region));
    }

    size_t CallCount() { return Api(hostsim_call_log_count)(); }
    size_t CallCount(const char* function) { return Api(hostsim_call_count)(function); }
    int16_t CurrentDocument() { return Api(hostsim_current_document)(); }
    void SwitchToNewDocument()
    {
        const int16_t id = Api(hostsim_new_document)(HOSTSIM_SEED_EMPTY);
        Api(hostsim_set_current_document)(id);
    }
    void SwitchToDocument(int16_t id) { Api(hostsim_set_current_document)(id); }
    void SetIncidentCompaction(bool on) { Api(hostsim_set_incident_compaction)(on ? 1 : 0); }
    void FailNext(const char* function) { Api(hostsim_fail)(function, HOSTSIM_FAIL_REFUSE, 1); }
    void FailRecordOnce(const char* function, uint32_t tag, std::initializer_list<int16_t> key)
    {
        Api(hostsim_fail_record)(function, tag, Key(key).data(), 1);
    }
    void RefuseNextEditStart() { Api(hostsim_refuse_edit_start)(1); }
    void IgnoreViolations() { Api(hostsim_clear_violations)(); }
    size_t UndoDepth() { return Api(hostsim_undo_depth)(); }
    const char* UndoName() { return Api(hostsim_undo_name)(); }
    bool Undo() { return Api(hostsim_undo)() != 0; }
    int32_t OpenEditDepth() { return Api(hostsim_open_edit_depth)(); }
};

#endif
