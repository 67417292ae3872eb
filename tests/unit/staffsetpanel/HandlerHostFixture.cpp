#include "HandlerHostFixture.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "common/qz_host_document.h"
#include "document/FCMusicRegion.h"
#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "strings/FCString.h"
#include "records/FCUndoBlock.h"

std::ostream& operator<<(std::ostream& out, const SetEntry& entry)
{
    return out << "{staff " << entry.staff << ", distance " << entry.distance << ", resize " << entry.resize << "}";
}

void HandlerHostTest::SetUp()
{
    HostsimFixture::SetUp();
    char folder[] = "/tmp/qzhandlerXXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    _folder = folder;
}

void HandlerHostTest::TearDown()
{
    std::error_code ignored;
    if (!_folder.empty())
        std::filesystem::remove_all(_folder, ignored);
    HostsimFixture::TearDown();
}

bool HandlerHostTest::RunCommand(int kind, int staffSet, const char* name, bool withRegion)
{
    bool result = false;
    PluginCall("staff set command", [&] {
        FCString text;
        text.SetUTF8String(name);
        FCMusicRegion region;
        region.SetCurrentSelection();
        FCStaffSetPanelHandler handler(&text, staffSet, ui, withRegion ? &region : nullptr);
        handler.SetOperationKind(kind);
        handler.SetTemplate(staffSetTemplate);
        FCUndoBlock block;
        FCString undoText("Staff Set Panel");
        result = block.Execute(&handler, &undoText);
    });
    return result;
}

bool HandlerHostTest::Command(int kind, int staffSet, const char* name, bool withRegion)
{
    const std::string before = Records();
    const size_t steps = H().hostsim_undo_depth();
    const bool result = RunCommand(kind, staffSet, name, withRegion);
    const std::string after = Records();
    if (!result) {
        EXPECT_EQ(after, before) << "a failed command changed the document";
        EXPECT_EQ(H().hostsim_undo_depth(), steps) << "a failed command left an undo step";
        return false;
    }
    EXPECT_TRUE(after != before) << "a committed command changed nothing: its undo step does nothing";
    EXPECT_EQ(H().hostsim_undo_depth(), steps + 1);
    EXPECT_STREQ(H().hostsim_undo_name(), "Staff Set Panel");
    EXPECT_TRUE(H().hostsim_undo());
    EXPECT_EQ(Records(), before) << "undo did not restore the document";
    EXPECT_TRUE(H().hostsim_redo());
    EXPECT_EQ(Records(), after) << "redo did not repeat the command";
    return true;
}

std::string HandlerHostTest::Records() const
{
    const std::string path = _folder + "/document.json";
    char error[512] = "";
    if (!H().hostsim_save_document(document, path.c_str(), error, sizeof error)) {
        ADD_FAILURE() << "the host did not write its document: " << error;
        return {};
    }
    std::ifstream file(path);
    std::stringstream contents;
    contents << file.rdbuf();
    const nlohmann::json root = nlohmann::json::parse(contents.str(), nullptr, false);
    if (root.is_discarded() || !root.contains("records")) {
        ADD_FAILURE() << "unreadable document file";
        return {};
    }
    return root["records"].dump(1);
}

SetList HandlerHostTest::StaffSet(int staffSet) const
{
    hostsim_staff_entry entries[64];
    const size_t count = H().hostsim_staff_list(qz::StaffSetItem(staffSet), 0, entries, 64);
    SetList list;
    for (size_t i = 0; i < count && i < 64; ++i)
        list.push_back(SetEntry{entries[i].staff, entries[i].distance, entries[i].resize});
    return list;
}

void HandlerHostTest::PutStaffSet(int staffSet, const SetList& entries) const
{
    std::vector<hostsim_staff_entry> raw;
    for (const SetEntry& entry : entries)
        raw.push_back(hostsim_staff_entry{entry.staff, entry.distance, entry.resize});
    ASSERT_TRUE(H().hostsim_put_staff_list(qz::StaffSetItem(staffSet), raw.data(), raw.size()));
}

void HandlerHostTest::Select(int16_t firstSlot, int16_t lastSlot) const
{
    const hostsim_region region{0, firstSlot, 1, 0, 0, lastSlot, 1, 0x7FFFFFFF};
    ASSERT_TRUE(H().hostsim_set_selection(&region));
}

std::vector<StoredExpression> HandlerHostTest::Expressions() const
{
    std::vector<StoredExpression> all;
    const size_t count = H().hostsim_expression_count();
    for (size_t i = 0; i < count; ++i) {
        hostsim_expression expression{};
        if (H().hostsim_expression_at(i, &expression))
            all.push_back(StoredExpression{expression.item, expression.description ? expression.description : "",
                                           expression.text ? expression.text : ""});
    }
    return all;
}

std::vector<std::string> HandlerHostTest::NameDescriptions(int staffSet, int16_t categoryID) const
{
    std::vector<std::string> found;
    const size_t count = H().hostsim_expression_count();
    for (size_t i = 0; i < count; ++i) {
        hostsim_expression expression{};
        if (!H().hostsim_expression_at(i, &expression) || (expression.categoryWord & 0x3FFF) != categoryID)
            continue;
        const std::string description = expression.description ? expression.description : "";
        if (description.rfind(Prefix(staffSet), 0) == 0)
            found.push_back(description);
    }
    return found;
}

std::string HandlerHostTest::StoredName(int staffSet)
{
    std::string name;
    PluginCall("read name", [&] {
        FCStaffSetPanelHandler handler(nullptr, staffSet, nullptr, nullptr);
        FCString stored;
        handler.GetStoredName(&stored, staffSet);
        name = stored.GetUTF8String();
    });
    return name;
}

int16_t HandlerHostTest::PutNameExpression(int16_t categoryID, const std::string& description) const
{
    return H().hostsim_put_text_expression(0, categoryID, description.c_str(),
                                           "^font(Times New Roman)^size(12)^efx(0)QZ Staff Set Panel Data", 0);
}
