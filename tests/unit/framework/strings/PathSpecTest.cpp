/* The owning folder reference and streams that find their folder by it. */

#include <gtest/gtest.h>

#include <CoreFoundation/CoreFoundation.h>

#include <string>

#include "strings/FCTextFileStream.h"
#include "core/FinaleVersion.h"
#include "strings/OwnedFinPathSpec25.h"
#include "StreamTestFiles.h"

namespace
{

/* A host folder record for a path, as the host fills one (the caller
   releases its URL). */
FinPathSpec25 HostSpec(const std::string& path)
{
    CFStringRef text = CFStringCreateWithCString(kCFAllocatorDefault, path.c_str(), kCFStringEncodingUTF8);
    FinPathSpec25 pathRecord{};
    pathRecord.field0 = 7;
    pathRecord.url = CFURLCreateWithFileSystemPath(kCFAllocatorDefault, text, kCFURLPOSIXPathStyle, true);
    CFRelease(text);
    return pathRecord;
}

std::string PathOf(const OwnedFinPathSpec25& pathRecord)
{
    char buffer[512] = {};
    return pathRecord.GetFileSystemPath(buffer, sizeof buffer) ? buffer : "<none>";
}

struct HostVersion
{
    explicit HostVersion(uint32_t version) : saved(GetFinaleFrameworkVersion()) { SetFinaleFrameworkVersion(version); }
    ~HostVersion() { SetFinaleFrameworkVersion(saved); }
    uint32_t saved;
};

} // namespace

TEST(PathSpec, CopiesOwnTheirURLs)
{
    FinPathSpec25 host = HostSpec("/some/folder");
    OwnedFinPathSpec25 first(&host);
    CFRelease(host.url); /* the copy does not depend on the host's record */
    EXPECT_EQ(7, first.GetField0());
    EXPECT_EQ("/some/folder", PathOf(first));

    OwnedFinPathSpec25 second(first);
    EXPECT_NE(first.GetURL(), second.GetURL());
    OwnedFinPathSpec25 third;
    EXPECT_FALSE(third.HasURL());
    third = second;
    EXPECT_EQ("/some/folder", PathOf(third));
    EXPECT_EQ(7, third.GetField0());

    /* Assigning an empty reference releases the URL held. */
    third = OwnedFinPathSpec25();
    EXPECT_FALSE(third.HasURL());
    EXPECT_EQ(0, third.GetField0());
}

TEST(PathSpec, AssigningAnObjectToItselfKeepsAValidURL)
{
    FinPathSpec25 host = HostSpec("/self/assigned");
    OwnedFinPathSpec25 pathRecord(&host);
    CFRelease(host.url);
    OwnedFinPathSpec25& same = pathRecord;
    pathRecord = same;
    ASSERT_TRUE(pathRecord.HasURL());
    EXPECT_EQ("/self/assigned", PathOf(pathRecord));
    EXPECT_EQ(7, pathRecord.GetField0());
}

TEST(PathSpec, AStreamFindsItsFileInTheHostFolderOnNewerHostsOnly)
{
    TempFolder folder;
    WriteBytes(folder.File("f.txt"), "k=v\n");
    FinPathSpec25 host = HostSpec(folder.path);
    FCString name("f.txt");
    FCTextFileStream stream(&host, &name);
    CFRelease(host.url);
    FCString path;
    {
        HostVersion version(0x19000000u);
        ASSERT_TRUE(stream._MakeFullPath(&path));
        EXPECT_EQ(folder.File("f.txt"), path.GetUTF8String());
        EXPECT_TRUE(stream.OpenRead());
        stream.Close();
    }
    {
        HostVersion version(0x18000000u);
        EXPECT_FALSE(stream._MakeFullPath(&path));
        EXPECT_FALSE(stream.OpenRead());
    }
    FCTextFileStream noFolder(static_cast<FinPathSpec25*>(nullptr), &name);
    EXPECT_FALSE(noFolder._MakeFullPath(&path));
}
