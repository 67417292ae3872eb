/* staffset N "STAFF,STAFF,..." */

#include "qzhost/session/CommandSupport.h"

namespace
{

const char* const kUsage = "staffset N \"STAFF,STAFF,...\"";
constexpr int32_t kStaffSpacing = 288;

Outcome RunStaffSet(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, kUsage);
    long long number = 0;
    std::string text, problem;
    if (!check.Count(2) || !check.Integer(0, 1, 8, number) || !check.Text(1, text))
        return check.Error();
    std::vector<long long> staves;
    if (!qzscript::ParseIntegerList(text, 1, 32767, staves, problem))
        return Outcome::Error(problem);
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    std::vector<hostsim_staff_entry> entries;
    for (size_t i = 0; i < staves.size(); ++i)
        entries.push_back(
            hostsim_staff_entry{static_cast<int16_t>(staves[i]), -kStaffSpacing * static_cast<int32_t>(i), 100});
    const uint16_t item = qz::StaffSetItem(number);
    return session.Host().hostsim_put_score_staff_list(item, entries.data(), entries.size())
               ? Outcome::Done()
               : Outcome::Error("the host refused the staff list");
}

} // namespace

QZHOST_SESSION_COMMAND(staffset, "staffset", kUsage, "writes staff set N as another program would (\"\" deletes it)",
                       RunStaffSet);
