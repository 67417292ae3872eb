/* select STAVES MEASURES, select none */

#include "qzhost/session/CommandSupport.h"

#include <algorithm>

namespace
{

const char* const kUsage = "select STAVES MEASURES | select none";

Outcome RunSelect(Session& session, const CommandArguments& args)
{
    const HostEngine& host = session.Host();
    if (!host.hostsim_current_document())
        return Outcome::Error("no document is open");
    ArgumentCheck check(args, kUsage);
    if (args.size() == 1 && args[0].text == "none") {
        host.hostsim_clear_selection();
        return Outcome::Done();
    }
    std::string staves, measures, problem;
    if (!check.Count(2) || !check.Text(0, staves) || !check.Text(1, measures))
        return check.Error();
    const int slots = static_cast<int>(host.hostsim_staff_list(0, -1, nullptr, 0));
    if (slots == 0)
        return Outcome::Error("the score has no staves to select");
    qzscript::Range slotRange, measureRange;
    if (!qzscript::ParseRange(staves, 1, slots, slotRange, problem) ||
        !qzscript::ParseRange(measures, 1, std::max<int>(1, host.hostsim_measure_count()), measureRange, problem))
        return Outcome::Error(problem);
    hostsim_region region{};
    region.startSlot = static_cast<int16_t>(slotRange.first);
    region.endSlot = static_cast<int16_t>(slotRange.last);
    region.startMeasure = static_cast<int16_t>(measureRange.first);
    region.endMeasure = static_cast<int16_t>(measureRange.last);
    region.endPos = 0x7FFFFFFF;
    return host.hostsim_set_selection(&region) ? Outcome::Done() : Outcome::Error("the host refused the selection");
}

} // namespace

QZHOST_SESSION_COMMAND(select, "select", kUsage, "selects staff slots and measures in the score (e.g. 2-5 1-8)",
                       RunSelect);
