#ifndef TESTS_UNIT_DATARECORDS_DATAHOSTFIXTURE_H
#define TESTS_UNIT_DATARECORDS_DATAHOSTFIXTURE_H

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "support/TextHostFixture.h"

/* Record helpers over the editing host fixture. */
class DataHostTest : public EditingHostTest
{
protected:
    static void Put(uint32_t tag, std::vector<int16_t> key, const std::vector<int16_t>& words, size_t size = 0)
    {
        key.resize(4, 0);
        std::vector<uint8_t> bytes(std::max(size, words.size() * 2), 0);
        if (!words.empty())
            std::memcpy(bytes.data(), words.data(), words.size() * 2);
        ASSERT_TRUE(Host()->hostsim_put_other(tag, key.data(), bytes.data(), uint32_t(bytes.size())));
    }
    static std::vector<int16_t> StoredWords(uint32_t tag, std::vector<int16_t> key)
    {
        key.resize(4, 0);
        uint32_t size = 0;
        if (!Host()->hostsim_get_record(tag, key.data(), -1, nullptr, &size))
            return {};
        std::vector<int16_t> words((size + 1) / 2, 0);
        Host()->hostsim_get_record(tag, key.data(), -1, words.data(), &size);
        return words;
    }
    /* Calls of a host function (with that tag, when tag is not 0) since the
       log was last cleared. */
    static int Calls(const char* function, uint32_t tag = 0)
    {
        int count = 0;
        for (size_t i = 0; i < Host()->hostsim_call_log_count(); ++i) {
            hostsim_call call{};
            if (Host()->hostsim_call_log_entry(i, &call) && std::string(call.function) == function &&
                (tag == 0 || call.tag == tag))
                ++count;
        }
        return count;
    }
};

#endif
