/* MusicXML import of an orchestral score of 10,000 measures (20 parts, two of
   them grand staves, four notes a measure in each): the whole file read,
   parsed and turned into a host document, against its floor, pugixml's parse
   of the same text alone (in memory, with the importer's options), in the
   same run. The notes are stepped over, so the time follows the file's size. */

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include <pugixml.hpp>

#include "BenchTable.h"
#include "hostsim/hostsim_api.h"

namespace
{

constexpr int kMeasures = 10000;

struct Instrument
{
    const char* name;
    int staves;
};

constexpr Instrument kOrchestra[] = {
    {"Flute 1", 1}, {"Flute 2", 1}, {"Oboe", 1},       {"Clarinet in Bb", 1}, {"Bassoon", 1},
    {"Horn 1", 1},  {"Horn 2", 1},  {"Trumpet", 1},    {"Trombone", 1},       {"Tuba", 1},
    {"Timpani", 1}, {"Harp", 2},    {"Piano", 2},      {"Violin I", 1},       {"Violin II", 1},
    {"Viola", 1},   {"Cello", 1},   {"Contrabass", 1}, {"Percussion", 1},     {"Celesta", 1},
};

std::string measureOf(int number, const Instrument& in)
{
    std::string m = "<measure number=\"" + std::to_string(number) + "\">";
    if (number == 1)
        m += "<attributes><divisions>1</divisions><key><fifths>0</fifths></key><time><beats>4</beats>"
             "<beat-type>4</beat-type></time>" +
             std::string(in.staves > 1 ? "<staves>2</staves>" : "") +
             "<clef><sign>G</sign><line>2</line></clef></attributes>";
    static const char kSteps[] = "CDEFGAB";
    for (int beat = 0; beat < 4; ++beat)
        m += std::string("<note><pitch><step>") + kSteps[(number + beat) % 7] +
             "</step><octave>4</octave></pitch><duration>1</duration><voice>1</voice><type>quarter</type></note>";
    return m + "</measure>\n";
}

/* Writes the score once per process; its path. */
const std::string& scoreFile()
{
    static const std::string path = [] {
        std::string p = "/tmp/qz-bench-orchestra-" + std::to_string(::getpid()) + ".musicxml";
        std::ofstream out(p, std::ios::binary);
        out << "<?xml version=\"1.0\"?>\n<score-partwise version=\"4.0\"><work><work-title>Long Symphony</work-title>"
               "</work><defaults><scaling><millimeters>7</millimeters><tenths>40</tenths></scaling>"
               "<staff-layout><staff-distance>80</staff-distance></staff-layout></defaults>\n<part-list>";
        int id = 0;
        for (const Instrument& in : kOrchestra)
            out << "<score-part id=\"P" << ++id << "\"><part-name>" << in.name << "</part-name></score-part>";
        out << "</part-list>\n";
        id = 0;
        for (const Instrument& in : kOrchestra) {
            out << "<part id=\"P" << ++id << "\">\n";
            for (int m = 1; m <= kMeasures; ++m)
                out << measureOf(m, in);
            out << "</part>\n";
        }
        out << "</score-partwise>\n";
        return p;
    }();
    return path;
}

int64_t FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    return int64_t(in.tellg());
}

void Import(benchmark::State& state)
{
    const std::string& path = scoreFile();
    hostsim_reset();
    char error[512] = "";
    for (auto _ : state) {
        int16_t id = hostsim_import_musicxml(path.c_str(), error, sizeof error);
        if (!id) {
            state.SkipWithError(error);
            break;
        }
        hostsim_close_document(id);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * FileBytes(path));
}

/* The parse alone: a fresh copy of the text (made outside the timing) parsed
   in place with the options the importer uses. */
void Parse(benchmark::State& state)
{
    std::ifstream in(scoreFile(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (auto _ : state) {
        state.PauseTiming();
        std::string copy = text;
        state.ResumeTiming();
        pugi::xml_document doc;
        if (!doc.load_buffer_inplace(&copy[0], copy.size(),
                                     pugi::parse_minimal | pugi::parse_escapes | pugi::parse_cdata)) {
            state.SkipWithError("the score does not parse");
            break;
        }
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(text.size()));
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::RegisterBenchmark("musicxml import/orchestra", Import)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("musicxml parse/orchestra", Parse)->Unit(benchmark::kMillisecond);
    BenchTable table;
    table.AddRatioTarget("musicxml import/orchestra", "musicxml parse/orchestra", 2);
    const int result = BenchTable::Main(argc, argv, table);
    std::remove(scoreFile().c_str());
    return result;
}
