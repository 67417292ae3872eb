#ifndef HOSTSIM_FAILUREINJECTOR_H
#define HOSTSIM_FAILUREINJECTOR_H

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/RecordKey.h"

namespace hostsim
{

enum class FailMode : uint8_t
{
    Off,
    Refuse,
    Missing
};

/* Injected failures: per function, or per function, tag and key; always
   (count < 0) or for the next `count` matching calls. */
class FailureInjector
{
public:
    void set(const std::string& function, FailMode mode, int32_t count);
    void setRecord(const std::string& function, uint32_t tag, const RecordKey& key, int32_t count);
    /* The mode for this call, consuming one count of the matching rule. */
    FailMode take(const std::string& function, std::optional<std::pair<uint32_t, RecordKey>> record);
    void clear() { rules_.clear(); }
    bool empty() const { return rules_.empty(); }

private:
    struct Rule
    {
        std::string function;
        FailMode mode = FailMode::Off;
        int32_t count = -1;
        std::optional<std::pair<uint32_t, RecordKey>> record;
    };
    std::vector<Rule> rules_;
};

} // namespace hostsim

#endif
