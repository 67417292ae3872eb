#include "qzhost/window/ScoreReader.h"

#include "common/qz_host_document.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/StaffNames.h"

#include <algorithm>

namespace
{

constexpr int16_t kCurrentPart = -1;

std::vector<hostsim_staff_entry> StaffList(const HostEngine& host, uint16_t item, int16_t part)
{
    std::vector<hostsim_staff_entry> entries(host.hostsim_staff_list(item, part, nullptr, 0));
    entries.resize(host.hostsim_staff_list(item, part, entries.data(), entries.size()));
    return entries;
}

std::string RangeWord(int first, int last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

} // namespace

ScoreModel ScoreReader::Read(const Session& session)
{
    const HostEngine& host = session.Host();
    ScoreModel model;
    model.pluginEntry = session.PluginLoaded() ? session.MenuText() : std::string();
    model.documentOpen = host.hostsim_current_document() != 0;
    if (!model.documentOpen)
        return model;
    model.displayedStaffSet = host.hostsim_view_state().displayedStaffSet;
    model.measures = host.hostsim_measure_count();
    /* The view shows the current part's own order, or the staff set's
       staves in the set's order; the selection counts slots in the former.
       Staff sets are looked up where the host's View menu looks for them:
       in the current part. */
    const std::vector<hostsim_staff_entry> order = StaffList(host, 0, kCurrentPart);
    const std::vector<hostsim_staff_entry> shown =
        model.displayedStaffSet == 0 ? order : StaffList(host, qz::StaffSetItem(model.displayedStaffSet), kCurrentPart);
    for (const hostsim_staff_entry& entry : shown) {
        ScoreRow row;
        row.staff = entry.staff;
        row.name = StaffNames::Shown(host, entry.staff);
        const auto found = std::find_if(order.begin(), order.end(), [&](const hostsim_staff_entry& candidate) {
            return candidate.staff == entry.staff;
        });
        row.slot = found == order.end() ? 0 : static_cast<int>(found - order.begin()) + 1;
        model.rows.push_back(row);
    }
    model.PlaceBrackets(StaffGroups::Read(host));
    hostsim_region region{};
    if (host.hostsim_get_selection(&region) && (region.startMeasure != 0 || region.endMeasure != 0)) {
        model.selection.firstSlot = region.startSlot;
        model.selection.lastSlot = region.endSlot;
        model.selection.firstMeasure = region.startMeasure;
        model.selection.lastMeasure = region.endMeasure;
    }
    for (int set = 1; set <= ScoreModel::kStaffSets; ++set)
        model.staffSets[static_cast<size_t>(set)] =
            host.hostsim_staff_list(qz::StaffSetItem(set), kCurrentPart, nullptr, 0) > 0;
    model.undoSteps = host.hostsim_undo_depth();
    model.redoSteps = host.hostsim_redo_depth();
    model.undoName = host.hostsim_undo_name();
    model.redoName = host.hostsim_redo_name();
    return model;
}

std::vector<std::string> ScoreReader::SelectWords(const ScoreSelection& selection)
{
    if (selection.Empty())
        return {"select", "none"};
    return {"select", RangeWord(selection.firstSlot, selection.lastSlot),
            RangeWord(selection.firstMeasure, selection.lastMeasure)};
}
