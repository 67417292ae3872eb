/* expect region STAVES MEASURES | expect region none */

#include "qzhost/session/CommandSupport.h"

#include <cstdint>

namespace
{

const char* const kUsage = "expect region STAVES MEASURES | expect region none";

std::string RangeText(int first, int last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

/* The selection in the words of the select command. */
std::string RegionText(const hostsim_region& region)
{
    if (region.startMeasure == 0 && region.endMeasure == 0)
        return "none";
    return RangeText(region.startSlot, region.endSlot) + " " + RangeText(region.startMeasure, region.endMeasure);
}

Outcome RunExpectRegion(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, kUsage);
    std::string expected;
    if (args.size() == 1 && args[0].text == "none")
        expected = "none";
    else {
        std::string staves, measures, problem;
        if (!check.Count(2) || !check.Text(0, staves) || !check.Text(1, measures))
            return check.Error();
        qzscript::Range slots, bars;
        if (!qzscript::ParseRange(staves, 1, INT16_MAX, slots, problem) ||
            !qzscript::ParseRange(measures, 1, INT16_MAX, bars, problem))
            return Outcome::Error(problem);
        expected = RangeText(slots.first, slots.last) + " " + RangeText(bars.first, bars.last);
    }
    const HostEngine& host = session.Host();
    if (!host.hostsim_current_document())
        return Outcome::Error("no document is open");
    hostsim_region region{};
    const std::string got = host.hostsim_get_selection(&region) ? RegionText(region) : "none";
    return CompareText(expected, got);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_region, "expect region", kUsage,
                    "checks the score's selection: staff slots and measures, or none", RunExpectRegion);
