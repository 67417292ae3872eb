/* Documents: identified, listed, switched with their host edits, paths. */
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <CoreFoundation/CoreFoundation.h>

#include "document/FCDocument.h"
#include "common/qz_host_versions.h"
#include "document/FCDocuments.h"
#include "core/FCIteratorHandler.h"
#include "document/FCPrintSettings.h"
#include "support/StavesHostFixture.h"

class Documents : public StavesHostTest
{
protected:
    void SetUp() override
    {
        StavesHostTest::SetUp();
        second = H().hostsim_new_document(HOSTSIM_SEED_TEST);
        ASSERT_GT(second, document);
        ASSERT_TRUE(H().hostsim_set_current_document(document));
    }
    struct EditEntry
    {
        std::string name;
        int16_t document;
        int32_t outcome;
    };
    std::vector<EditEntry> Edits() const
    {
        std::vector<EditEntry> edits;
        for (size_t i = 0; i < H().hostsim_edit_log_count(); ++i) {
            hostsim_edit edit{};
            if (H().hostsim_edit_log_entry(i, &edit) && edit.outcome != HOSTSIM_EDIT_EXTERNAL)
                edits.push_back(EditEntry{edit.name ? edit.name : "", edit.document, edit.outcome});
        }
        return edits;
    }
    int16_t second = 0;
};

TEST_F(Documents, ZeroOrBelowMeansTheCurrentDocument)
{
    EXPECT_EQ(FCDocument(0).GetID(), document);
    EXPECT_EQ(FCDocument(-4).GetID(), document);
    EXPECT_EQ(FCDocument(second).GetID(), second);
    FCDocument same(document);
    FCDocument other(second);
    EXPECT_TRUE(FCDocument().IsIdentical(&same));
    EXPECT_FALSE(same.IsIdentical(&other));
    EXPECT_FALSE(same.IsIdentical(nullptr));
}

TEST_F(Documents, LoadAllListsEveryOpenDocument)
{
    FCDocuments documents;
    ASSERT_EQ(documents.LoadAll(), 2);
    EXPECT_EQ(documents.GetItemAt(0)->GetID(), document);
    EXPECT_EQ(documents.GetItemAt(1)->GetID(), second);
    ASSERT_TRUE(H().hostsim_close_document(second));
    EXPECT_EQ(documents.LoadAll(), 1);
}

TEST_F(Documents, SwitchingEndsTheRunningEditAndResumesItOnTheWayBack)
{
    FCString outer("Outer step");
    outer._StartFinaleEdit();
    FCDocument::_lastundostring.SetString(&outer);

    FCDocument target(second);
    FCString inner("Inner step");
    ASSERT_TRUE(target.SwitchTo(&inner, true));
    EXPECT_EQ(H().hostsim_current_document(), second);
    EXPECT_TRUE(FCDocument::_lastundostring.IsEqualString(&inner));
    EXPECT_FALSE(target.SwitchTo(&inner, true));

    ASSERT_TRUE(target.SwitchBack(true));
    EXPECT_EQ(H().hostsim_current_document(), document);
    EXPECT_FALSE(target.SwitchBack(true));
    FX_EndFinaleEdit(qz::kHostVersion19);

    const std::vector<EditEntry> edits = Edits();
    ASSERT_EQ(edits.size(), 3u);
    EXPECT_EQ(edits[0].name, "Outer step");
    EXPECT_EQ(edits[0].document, document);
    EXPECT_EQ(edits[0].outcome, HOSTSIM_EDIT_COMMITTED);
    EXPECT_EQ(edits[1].name, "Inner step");
    EXPECT_EQ(edits[1].document, second);
    EXPECT_EQ(edits[2].name, "Outer step");
    EXPECT_EQ(edits[2].document, document);
    EXPECT_EQ(edits[2].outcome, HOSTSIM_EDIT_COMMITTED);
}

TEST_F(Documents, SwitchingWithoutKeepingCancelsTheRunningEdit)
{
    FCString outer("Discarded");
    outer._StartFinaleEdit();
    FCDocument::_lastundostring.SetString(&outer);
    FCDocument target(second);
    FCString inner("Other");
    ASSERT_TRUE(target.SwitchTo(&inner, false));
    ASSERT_TRUE(target.SwitchBack(false));
    FX_CancelFinaleEdit(qz::kHostVersion19);
    const std::vector<EditEntry> edits = Edits();
    ASSERT_FALSE(edits.empty());
    EXPECT_EQ(edits[0].outcome, HOSTSIM_EDIT_CANCELLED);
    EXPECT_FALSE(target.SwitchTo(nullptr, true));
}

TEST_F(Documents, ForEachWithScopeMakesEachDocumentCurrent)
{
    class Recorder : public FCIteratorHandler
    {
    public:
        explicit Recorder(const HostsimApi& host) : _host(host) {}
        bool Iterate(__FCBase*) override
        {
            current.push_back(_host.hostsim_current_document());
            return true;
        }
        std::vector<int16_t> current;

    private:
        const HostsimApi& _host;
    };
    FCDocuments documents;
    ASSERT_EQ(documents.LoadAll(), 2);
    Recorder recorder(H());
    FCString name("Each document");
    EXPECT_EQ(documents.ForEachWithScope(&recorder, &name), 2);
    EXPECT_EQ(recorder.current, (std::vector<int16_t>{document, second}));
    EXPECT_EQ(H().hostsim_current_document(), document);
    EXPECT_EQ(documents.ForEachWithScope(&recorder, nullptr), 0);
    FX_EndFinaleEdit(qz::kHostVersion19);
}

TEST_F(Documents, AnUnsavedDocumentIsUntitled)
{
    FCDocument doc(second);
    FCString path;
    ASSERT_TRUE(doc.GetPath(&path));
    EXPECT_EQ(std::string(path.GetUTF8String()), "Untitled (id=" + std::to_string(second) + ")");
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_FALSE(doc.GetPath(nullptr));
}

TEST_F(Documents, ASavedDocumentHasItsFilePath)
{
    const std::string file = std::string(H().hostsim_folder(16)) + "/saved score.json";
    char error[256] = {};
    ASSERT_TRUE(H().hostsim_save_document(document, file.c_str(), error, sizeof error)) << error;
    FCDocument doc(document);
    FCString path;
    ASSERT_TRUE(doc.GetPath(&path));
    EXPECT_EQ(std::string(path.GetUTF8String()), file);
    EXPECT_FALSE(doc.IsUntitled());

    FinPathSpec25 pathSpec;
    EXPECT_FALSE(doc.GetPathSpec(&pathSpec, qz::kHostVersionUnicode));
    EXPECT_FALSE(doc.GetPathSpec(nullptr, qz::kHostVersion19));
    ASSERT_TRUE(doc.GetPathSpec(&pathSpec, qz::kHostVersion19));
    const FXURLRef url = pathSpec.url; /* a packed member is read by value */
    ASSERT_NE(url, nullptr);
    CFRelease(url);
}

TEST_F(Documents, OpenOpensNothing)
{
    FCDocument doc;
    FCString path("/tmp/none.json");
    FCString other("x");
    EXPECT_FALSE(doc.Open(&path, true, &other));
    EXPECT_FALSE(doc.Open(nullptr, true, &other));
}

TEST_F(Documents, PrintingNeedsSettings)
{
    FCDocument doc(second);
    FCPrintSettings settings;
    EXPECT_FALSE(doc.Print(nullptr));
    EXPECT_TRUE(doc.Print(&settings));
    EXPECT_EQ(Calls("FX_PrintDocument"), 1u);
}
