/* MusicXML import of the simulated host: plain scores are read from memory,
 * inputs that start like a zip archive go through a file as compressed
 * scores do. A refused input gives one line naming the input; an accepted one
 * gives a consistent document (staves 1..n in the score's list, each part's
 * list a run of it, groups inside it) that saves and reads back the same.
 *
 * Input: the file's contents. */
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "hostsim/DocumentFile.h"
#include "hostsim/DocumentReader.h"
#include "FuzzCheck.h"
#include "hostsim/MusicXmlImport.h"
#include "hostsim/MusicXmlSource.h"

namespace
{
constexpr uint32_t kHostVersion = 0x19000000u;

const std::string& ArchivePath()
{
    static const std::string path = [] {
        const char* base = std::getenv("TMPDIR");
        return std::string(base && *base ? base : "/tmp") + "/qz-fuzz-musicxml-" + std::to_string(::getpid()) + ".mxl";
    }();
    return path;
}

void RemoveArchive() { std::remove(ArchivePath().c_str()); }

void CheckDocument(const hostsim::Document& doc)
{
    hostsim::DocumentReader reader(doc, kHostVersion);
    const std::vector<hostsim::StaffEntry> score = reader.staffList(0, 0);
    FUZZ_CHECK(!score.empty() && score.size() == reader.staves().size(), "every staff is in the score's list");
    for (size_t i = 0; i < score.size(); ++i)
        FUZZ_CHECK(score[i].staff == int16_t(i + 1), "staves are numbered in score order");
    FUZZ_CHECK(score[0].distance == 0, "the first staff is the top of the list");
    size_t next = 0;
    for (const hostsim::PartInfo& part : doc.parts) {
        if (part.id == 0)
            continue;
        const std::vector<hostsim::StaffEntry> own = reader.staffList(part.id, 0);
        FUZZ_CHECK(!own.empty() && own[0].distance == 0, "a linked part starts at its own top staff");
        for (const hostsim::StaffEntry& e : own)
            FUZZ_CHECK(next < score.size() && score[next++].staff == e.staff, "parts hold runs of the score");
    }
    FUZZ_CHECK(next == score.size(), "the parts hold every staff");
    for (const hostsim::GroupSpan& g : reader.groups())
        FUZZ_CHECK(g.startStaff >= 1 && g.startStaff <= g.endStaff && size_t(g.endStaff) <= score.size(),
                   "groups lie inside the score");
    FUZZ_CHECK(doc.measures >= 1, "a score has measures");

    std::string error;
    const std::string json = hostsim::DocumentFile::toJson(doc, kHostVersion);
    std::unique_ptr<hostsim::Document> back = hostsim::DocumentFile::fromJson(json, kHostVersion, error);
    FUZZ_CHECK(back != nullptr, "an imported document reads back: " + error);
    FUZZ_CHECK(hostsim::DocumentFile::toJson(*back, kHostVersion) == json, "and saves the same");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    /* The path is made before the exit handler is registered, so that it is
       destroyed after the handler has run. */
    static const bool cleanup = !ArchivePath().empty() && std::atexit(RemoveArchive) == 0;
    (void)cleanup;
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string name = "input.musicxml", error;
    std::unique_ptr<hostsim::Document> doc;
    if (hostsim::MusicXmlSource::isZip(input)) {
        name = ArchivePath();
        std::ofstream(name, std::ios::binary | std::ios::trunc) << input;
        doc = hostsim::MusicXmlImport::import(name, 1, kHostVersion, error);
    }
    else {
        doc = hostsim::MusicXmlImport::fromXml(input, name, 1, kHostVersion, error);
    }
    if (!doc) {
        FUZZ_CHECK(error.compare(0, name.size() + 2, name + ": ") == 0, "a refusal names the input: " + error);
        FUZZ_CHECK(error.size() > name.size() + 2 && error.find('\n') == std::string::npos,
                   "a refusal says why, on one line");
        return 0;
    }
    CheckDocument(*doc);
    return 0;
}
