#include "hostsim/MusicXmlImport.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "hostsim/ContentWriter.h"
#include "hostsim/MusicXmlScore.h"
#include "hostsim/MusicXmlSource.h"
#include "hostsim/SeedBuilder.h"

namespace hostsim
{

namespace
{

constexpr double kStaffHeightTenths = 40; // four staff spaces of ten tenths
constexpr int32_t kMaxStep = 65535;       // keeps 32,767 staves within a 32-bit position

/* The title when the score has none: the file name without folder and extension. */
std::string stem(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

/* Distance from the top of the staff above to the top of this one, in EVPUs. */
int32_t stepAbove(const MusicXmlScore& score, size_t part, int64_t staff)
{
    std::optional<double> gap = score.gapAbove(part, staff);
    if (!gap)
        return MusicXmlImport::kDefaultStaffStep;
    double evpu = std::round((*gap + kStaffHeightTenths) * score.evpuPerTenth);
    return int32_t(std::clamp(evpu, double(-kMaxStep), double(kMaxStep)));
}

/* Text blocks the document needs: staff names, part names and group names. */
int64_t textBlocksNeeded(const MusicXmlScore& score)
{
    int64_t n = 0;
    for (const MusicXmlPart& p : score.parts)
        n += 1 + !p.fullName.empty() + !p.abbrName.empty();
    for (const MusicXmlGroup& g : score.groups)
        n += !g.fullName.empty() + !g.abbrName.empty();
    return n;
}

std::string partName(const MusicXmlPart& p, size_t index)
{
    return p.plainName.empty() ? "Part " + std::to_string(index + 1) : p.plainName;
}

} // namespace

std::unique_ptr<Document> MusicXmlImport::import(const std::string& path, int16_t id, uint32_t hostVersion,
                                                 std::string& error)
{
    std::string xml;
    if (!MusicXmlSource::read(path, xml, error)) {
        error = path + ": " + error;
        return nullptr;
    }
    return fromXml(std::move(xml), path, id, hostVersion, error);
}

std::unique_ptr<Document> MusicXmlImport::fromXml(std::string xml, const std::string& name, int16_t id,
                                                  uint32_t hostVersion, std::string& error)
{
    MusicXmlScore score;
    if (!score.parse(std::move(xml), error)) {
        error = name + ": " + error;
        return nullptr;
    }
    return build(score, name, id, hostVersion, error);
}

std::unique_ptr<Document> MusicXmlImport::build(const MusicXmlScore& score, const std::string& name, int16_t id,
                                                uint32_t hostVersion, std::string& error)
{
    int64_t blocks = textBlocksNeeded(score);
    if (blocks > kMaxTextBlocks) {
        error = name + ": more than 32,767 staff, part and group names (" + std::to_string(blocks) + ")";
        return nullptr;
    }
    size_t groups = score.groups.size();
    for (const MusicXmlPart& p : score.parts)
        groups += p.staves > 1;
    if (groups > size_t(kMaxGroups)) {
        error = name + ": more than 32,767 staff groups (" + std::to_string(groups) + ")";
        return nullptr;
    }
    std::unique_ptr<Document> doc = SeedBuilder::empty(id);
    doc->title = score.title.empty() ? stem(name) : score.title;
    doc->measures = int16_t(score.measures);
    ContentWriter w = SeedBuilder::writer(*doc, hostVersion);

    std::vector<StaffEntry> all;
    std::vector<size_t> firstEntry; // index in `all` of each part's first staff
    int32_t y = 0;
    for (size_t p = 0; p < score.parts.size(); ++p) {
        const MusicXmlPart& part = score.parts[p];
        firstEntry.push_back(all.size());
        for (int64_t s = 1; s <= part.staves; ++s) {
            auto number = int16_t(all.size() + 1);
            if (!all.empty())
                y -= stepAbove(score, p, s);
            // The part's names belong to its first staff; the others are marked by the part's group.
            w.staff(number, s == 1 ? part.fullName : "", s == 1 ? part.abbrName : "");
            all.push_back(StaffEntry{number, y, 100});
        }
    }
    w.staffList(0, 0, all);

    w.partRecord(0, 0, "Score");
    for (size_t p = 0; p < score.parts.size(); ++p) {
        auto partId = int16_t(p + 1);
        std::string pname = partName(score.parts[p], p);
        doc->parts.push_back(PartInfo{partId, pname, uint16_t(partId)});
        w.partRecord(partId, uint16_t(partId), pname);
        size_t end = p + 1 < firstEntry.size() ? firstEntry[p + 1] : all.size();
        std::vector<StaffEntry> own(all.begin() + long(firstEntry[p]), all.begin() + long(end));
        for (StaffEntry& e : own)
            e.distance -= all[firstEntry[p]].distance;
        w.staffList(partId, 0, own);
    }

    int16_t groupNo = 0;
    auto lastStaffOf = [&](size_t p) {
        return p + 1 < firstEntry.size() ? all[firstEntry[p + 1] - 1].staff : all.back().staff;
    };
    for (const MusicXmlGroup& g : score.groups)
        w.group(GroupSpan{++groupNo, all[firstEntry[g.firstPart]].staff, lastStaffOf(g.lastPart), g.fullName,
                          g.abbrName, g.bracket});
    for (size_t p = 0; p < score.parts.size(); ++p)
        if (score.parts[p].staves > 1)
            w.group(GroupSpan{++groupNo, all[firstEntry[p]].staff, lastStaffOf(p), "", "", score.parts[p].symbol});
    return doc;
}

} // namespace hostsim
