#ifndef HOSTSIM_MUSICXMLSCORE_H
#define HOSTSIM_MUSICXMLSCORE_H

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/ContentWriter.h"

namespace pugi
{
class xml_node;
}

namespace hostsim
{

/* One score-part of a MusicXML score. Names are host caret texts. */
struct MusicXmlPart
{
    std::string id;
    std::string plainName;          // part-name as written, for the linked part
    std::string fullName, abbrName; // staff names, "" = none
    int64_t staves = 1;
    GroupBracket symbol = GroupBracket::Brace; // part-symbol of a multi-staff part
    /* staff-distance in tenths from the part's first print, by staff number
       (0 = every staff of the part). */
    std::map<int64_t, double> gaps;
    bool seen = false; // the part's music was found
};

/* A bracket or brace group of the part-list: parts firstPart..lastPart. */
struct MusicXmlGroup
{
    size_t firstPart = 0, lastPart = 0;
    std::string fullName, abbrName;
    GroupBracket bracket = GroupBracket::Bracket;
};

/* What the host document takes from a MusicXML score (partwise or
   timewise): title, parts with their staves and names, groups, staff
   distances and the measure count. The notes are stepped over, not read. */
class MusicXmlScore
{
public:
    static constexpr size_t kMaxDepth = 100; // nesting of elements
    static constexpr int64_t kMaxStaves = 32767;
    static constexpr int64_t kMaxMeasures = 32767;

    std::string title;
    std::vector<MusicXmlPart> parts;
    std::vector<MusicXmlGroup> groups;
    int64_t measures = 0;
    double evpuPerTenth = 2.4;             // a staff space of 24 EVPUs when the file gives no scaling
    std::map<int64_t, double> defaultGaps; // staff-layout of the defaults, as MusicXmlPart::gaps

    /* Parses the XML text (taken over: it is parsed in place); false with
       the problem in `error`. */
    bool parse(std::string xml, std::string& error);

    int64_t staffCount() const;
    /* A text from the file as it appears in messages: on one line, well-formed
       UTF-8, at most 64 bytes (cut at a character boundary, marked "..."). */
    static std::string shown(const std::string& text);
    /* The gap in tenths above staff `staff` (1-based) of part `part`, when the file gives one. */
    std::optional<double> gapAbove(size_t part, int64_t staff) const;

private:
    bool readPartList(const pugi::xml_node& list, std::string& error);
    void readDefaults(const pugi::xml_node& defaults);
    bool readPartwise(const pugi::xml_node& root, std::string& error);
    bool readTimewise(const pugi::xml_node& root, std::string& error);
    MusicXmlPart* declared(const pugi::xml_node& part, std::string& error);
    bool readMusic(const pugi::xml_node& content, MusicXmlPart& part, std::string& error);
    bool checkLimits(std::string& error) const;

    std::map<std::string, size_t> index_;
};

} // namespace hostsim

#endif
