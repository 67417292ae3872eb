#include "HostsimTest.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <nlohmann/json.hpp>
#include "common/qz_fourcc.h"
#include "common/qz_host_versions.h"

using namespace hostsim_test;

namespace
{

/* The document as text with `field` holding the given bytes (which the JSON
   library would not write itself). */
std::string WithBytes(nlohmann::json& document, nlohmann::json& field, const std::string& bytes)
{
    field = "@@bytes@@";
    std::string text = document.dump();
    return text.replace(text.find("@@bytes@@"), 9, bytes);
}

class DocumentFileTest : public HostsimTest
{
protected:
    void SetUp() override
    {
        HostsimTest::SetUp();
        dir = hostsim_folder(16);
        path = dir + "/doc.json";
    }
    static std::string read(const std::string& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void write(const std::string& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }
    bool save(int16_t id, const std::string& p)
    {
        char error[512] = "";
        bool ok = hostsim_save_document(id, p.c_str(), error, sizeof error) != 0;
        EXPECT_TRUE(ok) << error;
        return ok;
    }
    /* Opens `text` as a file; returns the error message, "" when it opened. */
    std::string openText(const std::string& text)
    {
        write(path, text);
        char error[512] = "";
        return hostsim_open_document(path.c_str(), error, sizeof error) ? std::string() : std::string(error);
    }
    nlohmann::json saved()
    {
        EXPECT_TRUE(save(doc, path));
        return nlohmann::json::parse(read(path));
    }

    std::string dir, path;
};

TEST_F(DocumentFileTest, SaveThenOpenIsByteIdentical)
{
    hostsim_region sel{0, 1, 2, 0, 0, 3, 4, 0x7FFFFFFF};
    hostsim_set_selection(&sel);
    FX_ExecuteMenuItem(QZ_FOURCC("VwSc"), V19);
    ASSERT_TRUE(save(doc, path));
    std::string first = read(path);
    char error[256] = "";
    int16_t reopened = hostsim_open_document(path.c_str(), error, sizeof error);
    ASSERT_GT(reopened, 0) << error;
    EXPECT_EQ(hostsim_current_document(), reopened);
    std::string second = dir + "/again.json";
    ASSERT_TRUE(save(reopened, second));
    EXPECT_EQ(read(second), first);
    EXPECT_EQ(hostsim_view_state().viewMode, HOSTSIM_VIEW_SCROLL);
    hostsim_region back{};
    hostsim_get_selection(&back);
    EXPECT_EQ(back.endMeasure, 4);
    EXPECT_EQ(staves(0, 1), (std::vector<int16_t>{4, 5}));
}

TEST_F(DocumentFileTest, SavingLeavesNoTemporaryFileBehind)
{
    ASSERT_TRUE(save(doc, path));
    ASSERT_TRUE(save(doc, path));
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 1u);
}

TEST_F(DocumentFileTest, SavingIntoAMissingFolderFailsAndKeepsNothing)
{
    char error[256] = "";
    EXPECT_FALSE(hostsim_save_document(doc, (dir + "/no/such/doc.json").c_str(), error, sizeof error));
    EXPECT_NE(std::string(error).find("cannot"), std::string::npos);
}

struct BadFile
{
    const char* what;
    std::function<std::string(const std::string& good, nlohmann::json j)> make;
    const char* expected; // part of the message
};

TEST_F(DocumentFileTest, BadFilesAreRefusedWithTheFieldNamedAndNothingChanged)
{
    nlohmann::json good = saved();
    std::string goodText = read(path);
    const BadFile cases[] = {
        {"truncated", [](const std::string& g, nlohmann::json) { return g.substr(0, g.size() / 2); },
         "not a complete JSON document"},
        {"wrong type",
         [](const std::string&, nlohmann::json j) {
             j["measures"] = "eight";
             return j.dump();
         },
         "'measures': must be an integer"},
        {"key as text",
         [](const std::string&, nlohmann::json j) {
             j["records"][0]["key"] = "1,0";
             return j.dump();
         },
         "'records[0].key': must be an array"},
        {"duplicate field",
         [](const std::string& g, nlohmann::json) {
             std::string t = g;
             t.insert(t.find('{') + 1, "\"title\": \"x\",");
             return t;
         },
         "'title': appears twice"},
        {"duplicate record",
         [](const std::string&, nlohmann::json j) {
             j["records"].push_back(j["records"][0]);
             return j.dump();
         },
         "duplicate record"},
        {"size differs",
         [](const std::string&, nlohmann::json j) {
             j["records"][0]["size"] = j["records"][0]["size"].get<int>() + 1;
             return j.dump();
         },
         ".size'"},
        {"fixed size wrong",
         [](const std::string&, nlohmann::json j) {
             for (auto& r : j["records"])
                 if (r["chars"] == "SOIu") {
                     r["bytes"] = r["bytes"].get<std::string>() + "00";
                     r["size"] = 25;
                     break;
                 }
             return j.dump();
         },
         "'SOIu' records are 24 bytes"},
        {"unknown version",
         [](const std::string&, nlohmann::json j) {
             j["formatVersion"] = 7;
             return j.dump();
         },
         "unknown version 7"},
        {"bad hex",
         [](const std::string&, nlohmann::json j) {
             j["records"][1]["bytes"] = "zz";
             return j.dump();
         },
         "not a hex digit"},
        {"part missing",
         [](const std::string&, nlohmann::json j) {
             j["currentPart"] = 5;
             return j.dump();
         },
         "'currentPart': names no part"},
        {"record of no part",
         [](const std::string&, nlohmann::json j) {
             for (auto& r : j["records"])
                 if (r["scope"] == 1) {
                     r["scope"] = 3;
                     break;
                 }
             return j.dump();
         },
         "names no part of the document"},
        {"missing field",
         [](const std::string&, nlohmann::json j) {
             j.erase("view");
             return j.dump();
         },
         "'view': missing"},
        {"key too short",
         [](const std::string&, nlohmann::json j) {
             j["records"][0]["key"] = {1};
             return j.dump();
         },
         "the tag takes"},
        {"overlong form in the title",
         [](const std::string&, nlohmann::json j) { return WithBytes(j, j["title"], "\xC0\xAF"); },
         "'title': is not well-formed UTF-8"},
        {"encoded surrogate in a part name",
         [](const std::string&, nlohmann::json j) { return WithBytes(j, j["parts"][0]["name"], "\xED\xA0\x80"); },
         "'parts[0].name': is not well-formed UTF-8"},
        {"value above U+10FFFF in a part name",
         [](const std::string&, nlohmann::json j) { return WithBytes(j, j["parts"][0]["name"], "A\xF4\x90\x80\x80"); },
         "'parts[0].name': is not well-formed UTF-8"},
        {"truncated sequence at the end of the title",
         [](const std::string&, nlohmann::json j) { return WithBytes(j, j["title"], "\xE2\x99"); },
         "'title': is not well-formed UTF-8"},
    };
    size_t docsBefore = 0;
    for (int16_t id = FX_GetNextEnigmaDocument(0, V19); id; id = FX_GetNextEnigmaDocument(id, V19))
        ++docsBefore;
    for (const BadFile& c : cases) {
        std::string error = openText(c.make(goodText, good));
        EXPECT_NE(error.find(c.expected), std::string::npos) << c.what << ": " << error;
        EXPECT_EQ(hostsim_current_document(), doc) << c.what;
    }
    size_t docsAfter = 0;
    for (int16_t id = FX_GetNextEnigmaDocument(0, V19); id; id = FX_GetNextEnigmaDocument(id, V19))
        ++docsAfter;
    EXPECT_EQ(docsAfter, docsBefore);
}

TEST_F(DocumentFileTest, AFileForAnotherProfileIsRefused)
{
    ASSERT_TRUE(save(doc, path));
    hostsim_set_profile(qz::kHostVersion10);
    char error[256] = "";
    EXPECT_FALSE(hostsim_open_document(path.c_str(), error, sizeof error));
    EXPECT_NE(std::string(error).find("hostVersion"), std::string::npos) << error;
}

TEST_F(DocumentFileTest, HostSaveWritesTheDocumentsFileAndClearsDirty)
{
    ASSERT_TRUE(save(doc, path));
    std::u16string name = u"Edit";
    FX_StartFinaleEdit_UTF16(reinterpret_cast<const uint16_t*>(name.c_str()), V19);
    int16_t key[3] = {3, 0, 0};
    FX_DeleteEData(SODT, key, V19);
    FX_EndFinaleEdit(V19);
    ASSERT_TRUE(hostsim_dirty(doc));
    EXPECT_TRUE(FX_SaveDocument(doc, nullptr, 0, V19));
    EXPECT_FALSE(hostsim_dirty(doc));
    EXPECT_EQ(read(path).find("\"key\": [\n  3,"), std::string::npos);
    char error[256] = "";
    ASSERT_GT(hostsim_open_document(path.c_str(), error, sizeof error), 0) << error;
    EXPECT_FALSE(exists(SODT, 3, 0));
    EXPECT_TRUE(exists(SODT, 2, 0));
}

} // namespace
