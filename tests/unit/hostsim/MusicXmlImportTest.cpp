/* The sample scores of tests/data/musicxml imported staff by staff, and the
   imported documents saved and opened again. */

#include "MusicXmlTest.h"

using namespace musicxml_test;

namespace
{

using Staves = std::vector<Staff>;
using Groups = std::vector<Group>;

class MusicXmlImportTest : public MusicXmlTest
{};

TEST_F(MusicXmlImportTest, PianoGrandStaffGivesTwoBracedStavesSpacedByTheFilesLayout)
{
    ASSERT_NE(importSample("piano.musicxml"), 0);
    EXPECT_EQ(current().title, "Nocturne"); // work-title before movement-title
    EXPECT_EQ(current().measures, 4);
    // Scaling 7.05556 mm per 40 tenths is 2 EVPUs a tenth; a staff is 40 tenths
    // high. The defaults' staff-distance 80 spaces every staff, the piano's
    // first print gives its second staff 60; a later print does not count.
    EXPECT_EQ(scoreStaves(), (Staves{{1, "Voice", "V.", 0}, {2, "Piano", "Pno.", -240}, {3, "", "", -440}}));
    EXPECT_EQ(groups(), (Groups{{2, 3, HOSTSIM_BRACKET_BRACE, "", ""}}));
    EXPECT_EQ(partNames(), (std::vector<std::string>{"Score", "Voice", "Piano"}));
    EXPECT_EQ(listStaves(1), (Staves{{1, "Voice", "V.", 0}}));
    EXPECT_EQ(listStaves(2), (Staves{{2, "Piano", "Pno.", 0}, {3, "", "", -200}}));
    EXPECT_TRUE(current().path.empty()) << "an imported score must not be saved over its MusicXML file";
}

TEST_F(MusicXmlImportTest, TransposingInstrumentsKeepTheirAccidentalsAsCaretCommands)
{
    ASSERT_NE(importSample("transposing.musicxml"), 0);
    EXPECT_EQ(current().title, "Transposition Study");
    EXPECT_EQ(current().measures, 2);
    // Without any layout in the file every staff lies 288 below the one above.
    EXPECT_EQ(scoreStaves(), (Staves{
                                 {1, "Clarinet in B^flat()", "Cl. in B^flat()", 0},
                                 {2, "Horn in F", "Hn.", -288},
                                 {3, "Trumpet in E^flat()", "Tpt.", -576},
                                 {4, "Alto Saxophone in E^flat()", "A. Sax.", -864},
                                 {5, "Horn in F^sharp() ^^ solo", "", -1152},
                                 {6, "Bass Clarinet in B^flat()^flat() (low)", "B. Cl.", -1440},
                             }));
    EXPECT_TRUE(groups().empty());
    // Linked parts carry the names as the file writes them.
    EXPECT_EQ(partNames(),
              (std::vector<std::string>{"Score", "Clarinet in Bb", "Horn in F", "Trumpet in E\u266D",
                                        "Alto Saxophone in Eb", "Horn in F\u266F ^ solo", "Bass Clarinet"}));
    for (int16_t p = 1; p <= 6; ++p) {
        Staves own = listStaves(p);
        ASSERT_EQ(own.size(), 1u) << "part " << p;
        EXPECT_EQ(own[0].number, p);
        EXPECT_EQ(own[0].distance, 0);
    }
}

TEST_F(MusicXmlImportTest, NestedGroupsComeOutermostFirstWithTheirNames)
{
    ASSERT_NE(importSample("nested_groups.musicxml"), 0);
    EXPECT_EQ(scoreStaves().size(), 6u);
    // A stop with no start is ignored; a group never stopped ends with the last part.
    EXPECT_EQ(groups(), (Groups{
                            {1, 2, HOSTSIM_BRACKET_BRACKET, "Woodwinds", "Ww."},
                            {3, 6, HOSTSIM_BRACKET_BRACKET, "Strings", "Str."},
                            {3, 4, HOSTSIM_BRACKET_SQUARE, "Violins", ""},
                            {6, 6, HOSTSIM_BRACKET_LINE, "", ""},
                        }));
    EXPECT_EQ(current().measures, 3);
}

TEST_F(MusicXmlImportTest, TimewiseScoreGivesTheSameKindOfDocument)
{
    ASSERT_NE(importSample("timewise.musicxml"), 0);
    EXPECT_EQ(current().title, "Timewise Duet");
    EXPECT_EQ(current().measures, 3);
    // No scaling: a staff space of 24 EVPUs, so (70 + 40) tenths are 264.
    EXPECT_EQ(scoreStaves(), (Staves{{1, "Violin", "Vln.", 0}, {2, "Piano", "", -264}, {3, "", "", -528}}));
    EXPECT_EQ(groups(), (Groups{{2, 3, HOSTSIM_BRACKET_BRACE, "", ""}}));
    EXPECT_EQ(listStaves(2), (Staves{{2, "Piano", "", 0}, {3, "", "", -264}}));
}

TEST_F(MusicXmlImportTest, OrchestralScoreAndItsCompressedFormGiveTheSameDocument)
{
    int16_t plain = importSample("orchestral.musicxml");
    ASSERT_NE(plain, 0);
    Staves staves = scoreStaves();
    ASSERT_EQ(staves.size(), 19u);
    EXPECT_EQ(staves[3], (Staff{4, "Clarinet in B^flat()", "Cl. in B^flat()", -567})); // 105 tenths at 1.8
    // Violin I's own print: 100 tenths above it.
    EXPECT_EQ(staves[14].distance - staves[13].distance, -252);
    EXPECT_EQ(groups().size(), 6u);
    EXPECT_EQ(current().parts.size(), 18u);
    EXPECT_EQ(current().measures, 8);

    int16_t packed = importSample("orchestral.mxl");
    ASSERT_NE(packed, 0);
    std::string a = hostsim_describe_document(plain), b = hostsim_describe_document(packed);
    a.erase(0, a.find('\n')); // the first line names the document id
    b.erase(0, b.find('\n'));
    EXPECT_EQ(a, b);
}

TEST_F(MusicXmlImportTest, ImportSaveOpenGivesTheSameDocument)
{
    for (const char* name :
         {"piano.musicxml", "transposing.musicxml", "nested_groups.musicxml", "timewise.musicxml", "orchestral.mxl"}) {
        SCOPED_TRACE(name);
        int16_t imported = importSample(name);
        ASSERT_NE(imported, 0);
        std::string before = hostsim_describe_document(imported);
        char msg[512] = "";
        std::string saved = file("saved.json"), again = file("again.json");
        ASSERT_TRUE(hostsim_save_document(imported, saved.c_str(), msg, sizeof msg)) << msg;
        int16_t opened = hostsim_open_document_file(saved.c_str(), msg, sizeof msg);
        ASSERT_NE(opened, 0) << msg;
        ASSERT_TRUE(hostsim_save_document(opened, again.c_str(), msg, sizeof msg)) << msg;
        EXPECT_EQ(read(saved), read(again));
        // The described documents differ only in their id and file lines.
        std::string after = hostsim_describe_document(opened);
        for (std::string* text : {&before, &after}) {
            text->erase(0, text->find('\n') + 1);
            if (text->compare(0, 6, "file: ") == 0)
                text->erase(0, text->find('\n') + 1);
        }
        EXPECT_EQ(before, after);
    }
}

TEST_F(MusicXmlImportTest, DocumentFilesAreOpenedByContentNotByName)
{
    std::string score = write("score.json", read(sample("timewise.musicxml")));
    std::string packed = write("packed.xml", read(sample("orchestral.mxl")));
    char msg[512] = "";
    ASSERT_NE(hostsim_open_document_file(score.c_str(), msg, sizeof msg), 0) << msg;
    EXPECT_EQ(current().title, "Timewise Duet");
    ASSERT_NE(hostsim_open_document_file(packed.c_str(), msg, sizeof msg), 0) << msg;
    EXPECT_EQ(scoreStaves().size(), 19u);

    std::string json = file("doc.musicxml");
    ASSERT_TRUE(hostsim_save_document(hostsim::Engine::instance().currentId(), json.c_str(), msg, sizeof msg));
    int16_t id = hostsim_open_document_file(json.c_str(), msg, sizeof msg);
    ASSERT_NE(id, 0) << msg;
    EXPECT_EQ(current().path, json); // a hostsim document keeps its file

    std::string text = write("notes.txt", "just some words\n");
    EXPECT_EQ(hostsim_open_document_file(text.c_str(), msg, sizeof msg), 0);
    EXPECT_EQ(std::string(msg), text + ": neither a hostsim document (JSON) nor a MusicXML file");
    EXPECT_EQ(hostsim::Engine::instance().currentId(), id);
}

TEST_F(MusicXmlImportTest, Utf16FilesReadLikeTheirUtf8Form)
{
    std::string utf8 = read(sample("transposing.musicxml"));
    std::u16string units = u"\uFEFF";
    for (size_t i = 0; i < utf8.size(); ++i) { // the sample is ASCII but for its U+266D and U+266F
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            units += char16_t(c);
        }
        else {
            units += char16_t(((c & 0x0F) << 12) | ((utf8[i + 1] & 0x3F) << 6) | (utf8[i + 2] & 0x3F));
            i += 2;
        }
    }
    std::string le, be;
    for (char16_t u : units) {
        le += char(u & 0xFF), le += char(u >> 8);
        be += char(u >> 8), be += char(u & 0xFF);
    }
    int16_t original = importSample("transposing.musicxml");
    std::string expected = hostsim_describe_document(original);
    expected.erase(0, expected.find('\n'));
    for (const std::string& bytes : {le, be.substr(2)}) { // with a byte order mark, and big-endian without
        int16_t id = import(write("utf16.musicxml", bytes));
        ASSERT_NE(id, 0) << error;
        std::string text = hostsim_describe_document(id);
        EXPECT_EQ(text.erase(0, text.find('\n')), expected);
    }
}

TEST_F(MusicXmlImportTest, PlainNamesWithSignsAndDisplayFormsMixSafely)
{
    // A literal caret is doubled so that it never starts a command; external
    // entities stay unresolved text; names collapse their white space.
    std::string path = write("names.musicxml", R"(<?xml version="1.0"?>
<!DOCTYPE score-partwise [ <!ENTITY secret SYSTEM "file:///etc/passwd"> ]>
<score-partwise version="3.0">
  <part-list>
    <score-part id="a"><part-name>&secret;</part-name></score-part>
    <score-part id="b"><part-name>  Oboe
        d'amore  </part-name><part-abbreviation>^font(Zapf)</part-abbreviation></score-part>
    <score-part id="c"><part-name>Flute</part-name>
      <part-name-display><accidental-text>sharp</accidental-text></part-name-display></score-part>
    <score-part id="d"><part-name/></score-part>
  </part-list>
  <part id="a"><measure number="1"/></part>
</score-partwise>)");
    ASSERT_NE(import(path), 0) << error;
    Staves staves = scoreStaves();
    ASSERT_EQ(staves.size(), 4u);
    EXPECT_EQ(staves[0].full, "&secret;");
    EXPECT_EQ(staves[1].full, "Oboe d'amore");
    EXPECT_EQ(staves[1].abbr, "^^font(Zapf)");
    EXPECT_EQ(staves[2].full, "^sharp()"); // the display form wins even when it is a sign alone
    EXPECT_EQ(staves[3].full, "");
    EXPECT_EQ(partNames().back(), "Part 4"); // a part with no name still gets one
    EXPECT_EQ(current().title, "names");     // no title in the file: the file's name
}

TEST_F(MusicXmlImportTest, MalformedUtf8InTextsIsReplacedSoTheDocumentStillSaves)
{
    // An overlong '/', an encoded surrogate and a stray continuation byte.
    std::string path =
        write("bytes.musicxml", "<score-partwise><movement-title>A\xC0\xAF"
                                "B</movement-title><part-list>"
                                "<score-part id='p'><part-name>Viola \xED\xA0\x80</part-name>"
                                "<part-abbreviation>Vla.\x80</part-abbreviation></score-part></part-list>"
                                "<part id='p'><measure/></part></score-partwise>");
    int16_t id = import(path);
    ASSERT_NE(id, 0) << error;
    EXPECT_EQ(current().title, "A\uFFFD\uFFFDB");
    EXPECT_EQ(scoreStaves(), (Staves{{1, "Viola \uFFFD\uFFFD\uFFFD", "Vla.\uFFFD", 0}}));
    EXPECT_EQ(partNames().back(), "Viola \uFFFD\uFFFD\uFFFD");
    char msg[512] = "";
    EXPECT_TRUE(hostsim_save_document(id, file("bytes.json").c_str(), msg, sizeof msg)) << msg;
}

TEST_F(MusicXmlImportTest, ExactlyTheLargestStaffCountIsAccepted)
{
    std::string path =
        write("wide.musicxml", "<score-partwise><part-list><score-part id='p'><part-name>Cluster</part-name>"
                               "</score-part></part-list><part id='p'><measure><attributes><staves>32767</staves>"
                               "</attributes></measure></part></score-partwise>");
    ASSERT_NE(import(path), 0) << error;
    Staves staves = scoreStaves();
    ASSERT_EQ(staves.size(), 32767u);
    EXPECT_EQ(staves.back().number, 32767);
    EXPECT_EQ(staves.back().distance, -288 * 32766);
    EXPECT_EQ(listStaves(1).size(), 32767u);
}

} // namespace
