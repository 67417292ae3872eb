#include "hostsim/DocumentDescriber.h"

#include <cstdio>
#include <sstream>

#include "common/qz_host_document.h"
#include "hostsim/DocumentReader.h"
#include "hostsim/RecordKey.h"

namespace hostsim
{

namespace
{

std::string staffLabel(const DocumentReader& r, int16_t staff)
{
    std::string name = r.staffName(staff, true);
    return name.empty() ? "Staff #" + std::to_string(staff) : name;
}

void listEntries(std::ostream& out, const DocumentReader& r, const std::vector<StaffEntry>& list)
{
    for (size_t i = 0; i < list.size(); ++i) {
        out << "    " << (i + 1) << ". staff " << list[i].staff << " \"" << staffLabel(r, list[i].staff)
            << "\" distance " << list[i].distance;
        if (list[i].resize != 100)
            out << " resize " << list[i].resize << "%";
        out << "\n";
    }
}

const char* bracketName(GroupBracket b)
{
    static const char* const kNames[] = {"no bracket", "brace", "bracket", "line", "square"};
    size_t i = size_t(b);
    return i < sizeof kNames / sizeof kNames[0] ? kNames[i] : "unknown bracket";
}

void listGroups(std::ostream& out, const std::vector<GroupSpan>& groups)
{
    if (groups.empty())
        return; // documents without groups print as before
    out << "groups:\n";
    for (const GroupSpan& g : groups) {
        out << "  " << g.number << ": staves " << g.startStaff << "-" << g.endStaff << " " << bracketName(g.bracket);
        if (!g.fullName.empty())
            out << " \"" << g.fullName << "\"";
        if (!g.abbrName.empty())
            out << " / \"" << g.abbrName << "\"";
        out << "\n";
    }
}

std::string regionText(const Region& s)
{
    std::ostringstream o;
    o << "list " << s.startList << " slot " << s.startSlot << " measure " << s.startMeasure << " pos " << s.startPos
      << " to list " << s.endList << " slot " << s.endSlot << " measure " << s.endMeasure << " pos " << s.endPos;
    return o.str();
}

} // namespace

std::string DocumentDescriber::describe(const Document& doc, uint32_t hostVersion)
{
    DocumentReader r(doc, hostVersion);
    std::ostringstream out;
    out << "document " << doc.id() << " \"" << doc.title << "\"" << (doc.dirty ? " (modified)" : "") << "\n";
    if (!doc.path.empty())
        out << "file: " << doc.path << "\n";
    out << "host version: " << tagHex(hostVersion) << "; measures: " << doc.measures
        << "; records: " << doc.store().size() << "\n";

    out << "staves:\n";
    for (int16_t s : r.staves()) {
        out << "  " << s << ": \"" << staffLabel(r, s) << "\"";
        std::string abbr = r.staffName(s, false);
        if (!abbr.empty())
            out << " / \"" << abbr << "\"";
        out << "\n";
    }
    out << "score staff list:\n";
    listEntries(out, r, r.staffList(0, 0));
    listGroups(out, r.groups());
    out << "staff sets:\n";
    for (int n = 1; n <= 8; ++n) {
        std::vector<StaffEntry> set = r.staffList(0, qz::StaffSetItem(n));
        std::string name = r.staffSetName(n);
        out << "  " << n << ": " << (set.empty() ? "(none)" : std::to_string(set.size()) + " staves")
            << (name.empty() ? "" : " \"" + name + "\"") << "\n";
        listEntries(out, r, set);
    }
    out << "categories:\n";
    for (const CategoryInfo& c : r.categories())
        out << "  item " << c.item << ": id " << c.id << " \"" << c.name << "\"\n";
    out << "text expressions:\n";
    for (const ExpressionInfo& e : r.expressions())
        out << "  item " << e.item << ": \"" << e.description << "\" category " << (e.categoryWord & 0x3FFF)
            << " bits 0x" << tagHex(e.categoryWord).substr(4) << " text \"" << e.text << "\"\n";
    out << "parts:\n";
    for (const PartInfo& p : doc.parts) {
        out << "  " << p.id << ": \"" << p.name << "\" order " << p.order
            << (p.id == doc.currentPart ? " (current)" : "") << "\n";
        if (p.id != 0)
            listEntries(out, r, r.staffList(p.id, 0));
    }
    out << "selection: " << (doc.selection.hasMeasures() ? regionText(doc.selection) : "none") << "\n";
    out << "view: " << (doc.view.mode == ViewMode::Scroll ? "scroll" : "page") << ", showing "
        << (doc.view.displayedStaffSet ? "staff set " + std::to_string(doc.view.displayedStaffSet)
                                       : std::string("all staves"))
        << "\n";
    out << "undo: " << doc.undoSteps().size() << " step(s)";
    if (!doc.undoSteps().empty())
        out << ", last \"" << doc.undoSteps().back().name << "\"";
    out << "; redo: " << doc.redoSteps().size() << " step(s)\n";
    return out.str();
}

} // namespace hostsim
