/* Files that are not importable scores: each is refused with one message
   that names the file and the problem, and nothing is opened or changed. */

#include <zip.h>

#include <functional>
#include <utility>

#include "MusicXmlTest.h"

using namespace musicxml_test;

namespace
{

using Members = std::vector<std::pair<std::string, std::string>>;

const char kContainer[] =
    "<?xml version='1.0'?><container><rootfiles><rootfile full-path='score.xml'/></rootfiles></container>";

std::string partwise(const std::string& partList, const std::string& parts)
{
    return "<?xml version='1.0'?><score-partwise version='4.0'><part-list>" + partList + "</part-list>" + parts +
           "</score-partwise>";
}

class MusicXmlBadInputTest : public MusicXmlTest
{
protected:
    void SetUp() override
    {
        MusicXmlTest::SetUp();
        resident = hostsim_new_document(HOSTSIM_SEED_TEST_QZ);
        residentRecords = hostsim_record_count();
    }

    /* A zip archive of the members (compressed); its path. */
    std::string zip(const std::string& name, const Members& members)
    {
        std::string path = file(name);
        int code = 0;
        zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
        EXPECT_NE(z, nullptr);
        if (!z)
            return path;
        for (const auto& [member, contents] : members) {
            zip_source_t* src = zip_source_buffer(z, contents.data(), contents.size(), 0);
            zip_int64_t index = zip_file_add(z, member.c_str(), src, ZIP_FL_OVERWRITE);
            EXPECT_GE(index, 0);
            zip_set_file_compression(z, zip_uint64_t(index), ZIP_CM_DEFLATE, 1);
        }
        EXPECT_EQ(zip_close(z), 0);
        return path;
    }

    /* Importing `path` fails with "<path>: <...problem...>", one line, and
       leaves the open documents as they were. Opening by content gives the
       same message, unless the file has no content to tell its kind by. */
    void expectRefused(const std::string& path, const std::string& problem, bool byContentToo = true)
    {
        SCOPED_TRACE(path);
        EXPECT_EQ(import(path), 0);
        EXPECT_EQ(error.compare(0, path.size() + 2, path + ": "), 0) << error;
        EXPECT_NE(error.find(problem), std::string::npos) << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
        char msg[1024] = "";
        EXPECT_EQ(hostsim_open_document_file(path.c_str(), msg, sizeof msg), 0);
        if (byContentToo) {
            EXPECT_EQ(std::string(msg), error);
        }
        EXPECT_NE(std::string(msg).find(path), std::string::npos) << msg;
        EXPECT_EQ(hostsim::Engine::instance().documents().size(), 1u);
        EXPECT_EQ(hostsim::Engine::instance().currentId(), resident);
        EXPECT_EQ(hostsim_record_count(), residentRecords);
        EXPECT_FALSE(hostsim_dirty(resident));
    }

    /* Closes the document an accepted import opened; the resident one is current again. */
    void closeImported()
    {
        int16_t id = hostsim::Engine::instance().currentId();
        if (id != resident)
            hostsim_close_document(id);
        hostsim_set_current_document(resident);
    }

    int16_t resident = 0;
    size_t residentRecords = 0;
};

TEST_F(MusicXmlBadInputTest, TextThatIsNotAMusicXmlScore)
{
    expectRefused(write("prose.xml", "<p>unclosed"), "not XML");
    expectRefused(write("empty.musicxml", ""), "not XML", false);
    expectRefused(write("page.xml", "<html><body>score</body></html>"),
                  "not a MusicXML score (the root element is <html>)");
    expectRefused(file("missing.musicxml"), "cannot open", false);
    expectRefused(dir.string(), "not a regular file", false);
}

TEST_F(MusicXmlBadInputTest, CompressedFilesWithoutAUsableRootFile)
{
    std::string score = read(sample("piano.musicxml"));
    expectRefused(zip("bare.mxl", {{"score.xml", score}}), "without META-INF/container.xml");
    expectRefused(zip("dangling.mxl", {{"META-INF/container.xml", kContainer}, {"other.xml", score}}),
                  "META-INF/container.xml names 'score.xml', which the archive does not hold");
    expectRefused(zip("nameless.mxl", {{"META-INF/container.xml", "<container><rootfiles/></container>"}}),
                  "names no MusicXML root file");
    expectRefused(zip("garbled.mxl", {{"META-INF/container.xml", "<container"}}),
                  "container.xml in the archive is not XML");
    // The archive itself is damaged past its signature.
    std::string good = read(zip("good.mxl", {{"META-INF/container.xml", kContainer}, {"score.xml", score}}));
    expectRefused(write("cut.mxl", good.substr(0, good.size() / 2)), "zip archive");
    // The same archive whole is fine.
    EXPECT_NE(import(file("good.mxl")), 0) << error;
    closeImported();
}

TEST_F(MusicXmlBadInputTest, FilesAbove200MegabytesAreNotRead)
{
    std::string big = file("huge.musicxml");
    std::filesystem::resize_file(write("huge.musicxml", "<score-partwise>"), 200ull * 1024 * 1024 + 1);
    expectRefused(big, "larger than 200 MB");
    // Exactly 200 MB is read (and then judged on its content).
    std::filesystem::resize_file(big, 200ull * 1024 * 1024);
    EXPECT_EQ(import(big), 0);
    EXPECT_EQ(error.find("larger than"), std::string::npos) << error;
    std::filesystem::remove(big);
    // A small archive that unpacks to more than 200 MB.
    std::string bomb = partwise("", "") + std::string(200u * 1024 * 1024, ' ');
    expectRefused(zip("bomb.mxl", {{"META-INF/container.xml", kContainer}, {"score.xml", bomb}}),
                  "'score.xml' in the archive is larger than 200 MB unpacked");
}

TEST_F(MusicXmlBadInputTest, PartsThatDoNotMatchThePartList)
{
    const std::string p1 = "<score-part id='P1'><part-name>A</part-name></score-part>";
    expectRefused(
        write("undeclared.musicxml", partwise(p1, "<part id='P1'><measure/></part><part id='P9'><measure/></part>")),
        "part 'P9' has music but is not declared in the part-list");
    expectRefused(
        write("undeclared_timewise.musicxml",
              "<score-timewise><part-list>" + p1 + "</part-list><measure><part id='P2'/></measure></score-timewise>"),
        "part 'P2' has music but is not declared");
    // Texts of the file appear in messages on one line.
    expectRefused(write("multiline.musicxml", partwise(p1, "<part id='P1'><measure/></part><part id='P\n9'/>")),
                  "part 'P 9' has music but is not declared");
    expectRefused(write("twice.musicxml", partwise(p1 + p1, "<part id='P1'><measure/></part>")),
                  "part 'P1' is declared twice");
    expectRefused(
        write("again.musicxml", partwise(p1, "<part id='P1'><measure/></part><part id='P1'><measure/></part>")),
        "part 'P1' has its music twice");
    expectRefused(write("noid.musicxml", partwise("<score-part/>", "")), "a score-part without an id");
    expectRefused(write("noparts.musicxml", partwise("", "")), "the part-list declares no parts");
    expectRefused(write("nomusic.musicxml", partwise(p1, "")), "the score has no measures");
    expectRefused(
        write("badstaves.musicxml",
              partwise(p1, "<part id='P1'><measure><attributes><staves>two</staves></attributes></measure></part>")),
        "part 'P1': <staves> holds 'two', not a staff count");
}

TEST_F(MusicXmlBadInputTest, MoreStavesOrMeasuresThanTheHostHolds)
{
    auto staves = [](const std::string& id, const std::string& n) {
        return "<part id='" + id + "'><measure><attributes><staves>" + n + "</staves></attributes></measure></part>";
    };
    const std::string p1 = "<score-part id='P1'/>", p2 = "<score-part id='P2'/>";
    expectRefused(write("one.musicxml", partwise(p1, staves("P1", "32768"))), "more than 32,767 staves (32768)");
    expectRefused(write("two.musicxml", partwise(p1 + p2, staves("P1", "20000") + staves("P2", "20000"))),
                  "more than 32,767 staves (40000)");
    expectRefused(write("vast.musicxml", partwise(p1, staves("P1", "99999999999999999999999"))), "not a staff count");
    std::string measures;
    for (int i = 0; i < 32768; ++i)
        measures += "<measure/>";
    expectRefused(write("long.musicxml", partwise(p1, "<part id='P1'>" + measures + "</part>")),
                  "more than 32,767 measures (32768)");
    // Many one-staff parts, each with names: the text blocks would run out.
    std::string list, parts;
    for (int i = 0; i < 11000; ++i) {
        std::string id = "P" + std::to_string(i);
        list +=
            "<score-part id='" + id + "'><part-name>N</part-name><part-abbreviation>A</part-abbreviation></score-part>";
    }
    expectRefused(write("names.musicxml", partwise(list, "<part id='P0'><measure/></part>")),
                  "more than 32,767 staff, part and group names");
}

TEST_F(MusicXmlBadInputTest, DeeplyNestedElements)
{
    std::string deep;
    for (int i = 0; i < 200000; ++i)
        deep += "<x>";
    for (int i = 0; i < 200000; ++i)
        deep += "</x>";
    expectRefused(write("deep.musicxml",
                        partwise("<score-part id='P1'/>", "<part id='P1'><measure>" + deep + "</measure></part>")),
                  "nested deeper than 100 levels");
    // The limit counts elements only: a hundred levels in all are fine, one more is not;
    // comments, CDATA, empty elements and quoted '>' or '/' do not nest.
    auto nested = [](int levels, const std::string& filler) {
        std::string x;
        for (int i = 0; i < levels; ++i)
            x += "<x a='>/' b=\"/>\">" + filler;
        for (int i = 0; i < levels; ++i)
            x += "</x>";
        return partwise("<score-part id='P1'/>", "<part id='P1'><measure>" + x + "</measure></part>");
    };
    const std::string filler = "<!-- <x><x> --><![CDATA[<x><x>]]><y/><y k='v' /><?pi <x>?>";
    EXPECT_NE(import(write("ninety_seven.musicxml", nested(97, filler))), 0) << error;
    closeImported();
    expectRefused(write("ninety_eight.musicxml", nested(98, filler)), "nested deeper than 100 levels");
    // Nesting that is not closed is refused as XML without a crash.
    expectRefused(write("open.musicxml", std::string(100000, '<') + "score-partwise>"), "not XML");
}

} // namespace
