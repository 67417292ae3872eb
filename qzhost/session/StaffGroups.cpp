#include "qzhost/session/StaffGroups.h"

#include "qzhost/session/HostEngine.h"
#include "qzhost/session/StaffNames.h"

#include <algorithm>

namespace
{

constexpr int16_t kScore = 0;

std::vector<int16_t> ScoreOrder(const HostEngine& host)
{
    std::vector<hostsim_staff_entry> entries(host.hostsim_staff_list(0, kScore, nullptr, 0));
    entries.resize(host.hostsim_staff_list(0, kScore, entries.data(), entries.size()));
    std::vector<int16_t> order;
    for (const hostsim_staff_entry& entry : entries)
        order.push_back(entry.staff);
    return order;
}

} // namespace

namespace StaffGroups
{

std::vector<StaffGroup> Read(const HostEngine& host)
{
    std::vector<StaffGroup> groups;
    if (!host.hostsim_current_document())
        return groups;
    const std::vector<int16_t> order = ScoreOrder(host);
    const size_t count = host.hostsim_group_count();
    for (size_t i = 0; i < count; ++i) {
        hostsim_group record{};
        if (!host.hostsim_group_at(i, &record))
            continue;
        auto first = std::find(order.begin(), order.end(), record.startStaff);
        auto last = std::find(order.begin(), order.end(), record.endStaff);
        if (first == order.end() || last == order.end())
            continue;
        if (first > last)
            std::swap(first, last);
        StaffGroup group;
        group.name = StaffNames::Plain(record.fullName ? record.fullName : "");
        group.bracket = record.bracket;
        group.staves.assign(first, last + 1);
        groups.push_back(group);
    }
    return groups;
}

const char* BracketWord(int bracket)
{
    static const char* const kWords[] = {"none", "brace", "bracket", "line", "square"};
    return bracket >= 0 && bracket < 5 ? kWords[bracket] : "none";
}

std::string Describe(const StaffGroup& group)
{
    std::string text = group.name.empty() ? std::string() : group.name + " ";
    text += std::to_string(group.staves.front());
    if (group.staves.size() > 1)
        text += "-" + std::to_string(group.staves.back());
    return text + " " + BracketWord(group.bracket);
}

} // namespace StaffGroups
