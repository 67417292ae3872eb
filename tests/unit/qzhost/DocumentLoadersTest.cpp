/* Opening document files: the loader that claims a file opens it, higher
   priorities are asked first, and a missing file reaches no loader. */

#include "qzhost/session/DocumentLoaders.h"
#include "qzhost/session/HostEngine.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace
{

std::string gOpenedBy;

bool ClaimsXml(const std::string& path, const std::string& head)
{
    return path.size() > 4 && (path.compare(path.size() - 4, 4, ".xml") == 0 || head.rfind("<?xml", 0) == 0);
}
bool ClaimsAll(const std::string&, const std::string&) { return true; }
int16_t OpenXml(const HostEngine&, const std::string& path, std::string& error)
{
    gOpenedBy = "xml";
    if (path.find("bad") != std::string::npos) {
        error = "malformed";
        return 0;
    }
    return 7;
}
int16_t OpenNative(const HostEngine&, const std::string&, std::string&)
{
    gOpenedBy = "native";
    return 3;
}

/* Registered in the order that would be wrong without priorities. */
QZHOST_DOCUMENT_LOADER(fallback, (DocumentLoader{"native", ClaimsAll, OpenNative, 0}));
QZHOST_DOCUMENT_LOADER(xml, (DocumentLoader{"xml", ClaimsXml, OpenXml, 10}));

class DocumentLoaders : public ::testing::Test
{
protected:
    std::string Make(const std::string& name, const std::string& text)
    {
        std::string path = ::testing::TempDir() + name;
        std::ofstream(path) << text;
        made.push_back(path);
        return path;
    }
    void TearDown() override
    {
        for (const std::string& path : made)
            std::remove(path.c_str());
    }
    HostEngine host; /* no engine: the fake loaders never call it */
    std::vector<std::string> made;
};

} // namespace

TEST_F(DocumentLoaders, TheFirstClaimingLoaderByPriorityOpensTheFile)
{
    std::string error;
    gOpenedBy.clear();
    EXPECT_EQ(OpenDocumentFile(host, Make("score.xml", "<score/>"), error), 7);
    EXPECT_EQ(gOpenedBy, "xml");
    gOpenedBy.clear();
    EXPECT_EQ(OpenDocumentFile(host, Make("score.dat", "<?xml version=\"1.0\"?>"), error), 7)
        << "claimed by its first bytes";
    EXPECT_EQ(gOpenedBy, "xml");
    gOpenedBy.clear();
    EXPECT_EQ(OpenDocumentFile(host, Make("score.json", "{}"), error), 3);
    EXPECT_EQ(gOpenedBy, "native");
}

TEST_F(DocumentLoaders, TheClaimingLoadersErrorIsReportedWithoutTryingOthers)
{
    std::string error;
    gOpenedBy.clear();
    EXPECT_EQ(OpenDocumentFile(host, Make("bad.xml", "<score"), error), 0);
    EXPECT_EQ(error, "malformed");
    EXPECT_EQ(gOpenedBy, "xml");
}

TEST_F(DocumentLoaders, AMissingFileReachesNoLoader)
{
    std::string error;
    gOpenedBy.clear();
    EXPECT_EQ(OpenDocumentFile(host, ::testing::TempDir() + "no-such-score.xml", error), 0);
    EXPECT_EQ(gOpenedBy, "");
    EXPECT_NE(error.find("no-such-score.xml"), std::string::npos) << error;
}
