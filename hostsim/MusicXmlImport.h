#ifndef HOSTSIM_MUSICXMLIMPORT_H
#define HOSTSIM_MUSICXMLIMPORT_H

#include <cstdint>
#include <memory>
#include <string>

#include "hostsim/Document.h"

namespace hostsim
{

class MusicXmlScore;

/* Builds a host document from a MusicXML file: one staff per staff of each
   score-part, named from the part's (display) names, in part-list order and
   spaced from the file's staff layout; the score's global list; the groups
   of the part-list and of multi-staff parts; one linked part per score-part;
   the title and the measure count. The document has no file of its own:
   saving it needs a path, so the MusicXML file is never overwritten. */
class MusicXmlImport
{
public:
    static constexpr int32_t kDefaultStaffStep = 288; // EVPUs, when the file gives no distance
    static constexpr int16_t kMaxTextBlocks = 32767;
    static constexpr int16_t kMaxGroups = 32767;

    /* Null on failure, with "<path>: <problem>" in `error`. */
    static std::unique_ptr<Document> import(const std::string& path, int16_t id, uint32_t hostVersion,
                                            std::string& error);
    /* The same from the score's XML text; `name` stands for the file in
       messages and is the title when the score has none. */
    static std::unique_ptr<Document> fromXml(std::string xml, const std::string& name, int16_t id, uint32_t hostVersion,
                                             std::string& error);

private:
    static std::unique_ptr<Document> build(const MusicXmlScore& score, const std::string& name, int16_t id,
                                           uint32_t hostVersion, std::string& error);
};

} // namespace hostsim

#endif
