#include "hostsim/FailureInjector.h"

#include <algorithm>

namespace hostsim
{

void FailureInjector::set(const std::string& function, FailMode mode, int32_t count)
{
    rules_.erase(std::remove_if(rules_.begin(), rules_.end(),
                                [&](const Rule& r) { return r.function == function && !r.record; }),
                 rules_.end());
    if (mode != FailMode::Off && count != 0)
        rules_.push_back(Rule{function, mode, count, std::nullopt});
}

void FailureInjector::setRecord(const std::string& function, uint32_t tag, const RecordKey& key, int32_t count)
{
    if (count != 0)
        rules_.push_back(Rule{function, FailMode::Refuse, count, std::make_pair(tag, key)});
}

FailMode FailureInjector::take(const std::string& function, std::optional<std::pair<uint32_t, RecordKey>> record)
{
    for (auto it = rules_.begin(); it != rules_.end(); ++it) {
        if (it->function != function)
            continue;
        if (it->record && it->record != record)
            continue;
        FailMode mode = it->mode;
        if (it->count > 0 && --it->count == 0)
            rules_.erase(it);
        return mode;
    }
    return FailMode::Off;
}

} // namespace hostsim
