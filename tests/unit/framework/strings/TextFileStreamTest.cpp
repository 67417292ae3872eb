/* Text file streams on real files: reading lines, writing pairs and the safe
   replacement of a file. */

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "strings/FCSettingsPairs.h"
#include "strings/FCStrings.h"
#include "strings/FCTextFileStream.h"
#include "strings/FCTextFileUTF8Stream.h"
#include "StreamTestFiles.h"

namespace
{

std::vector<std::string> Texts(FCStrings* pLines)
{
    std::vector<std::string> texts;
    for (int i = 0; pLines && i < pLines->GetCount(); ++i)
        texts.push_back(pLines->GetItemAt(i)->GetCString());
    return texts;
}

class TextFileStreamTest : public ::testing::Test
{
protected:
    std::unique_ptr<FCTextFileStream> Stream(const char* name)
    {
        FCString fileName(name);
        return std::make_unique<FCTextFileStream>(folder.path.c_str(), &fileName);
    }

    TempFolder folder;
};

} // namespace

TEST_F(TextFileStreamTest, LinesEndAtLineFeedsAndCarriageReturns)
{
    WriteBytes(folder.File("a.txt"), "one\r\ntwo\rthree\n\nlast");
    auto pStream = Stream("a.txt");
    ASSERT_TRUE(pStream->OpenRead());
    std::unique_ptr<FCStrings> pLines(pStream->ReadStrings());
    /* A carriage return and line feed pair gives an extra empty line. */
    EXPECT_EQ((std::vector<std::string>{"one", "", "two", "three", "", "last"}), Texts(pLines.get()));
    EXPECT_EQ(nullptr, pStream->ReadString());
    EXPECT_TRUE(pStream->Close());
    EXPECT_FALSE(pStream->Close());
}

TEST_F(TextFileStreamTest, ReadStringKeepsTheLineEndAndBytesStayBytes)
{
    WriteBytes(folder.File("b.txt"), "caf\xE9=\x80\n");
    auto pStream = Stream("b.txt");
    ASSERT_TRUE(pStream->OpenRead());
    std::unique_ptr<FCString> pLine(pStream->ReadString());
    ASSERT_NE(pLine, nullptr);
    EXPECT_EQ(7u, pLine->GetLength());
    EXPECT_EQ(std::string("caf\xE9=\x80\n"), pLine->GetCString());
    pStream->Close();

    /* Written back, every byte is as it was read. */
    auto pOut = Stream("c.txt");
    ASSERT_TRUE(pOut->OpenWrite());
    EXPECT_TRUE(pOut->WriteText(pLine.get()));
    pOut->Close();
    EXPECT_EQ(std::string("caf\xE9=\x80\n"), ReadBytes(folder.File("c.txt")));
}

TEST_F(TextFileStreamTest, NothingIsReadOrWrittenWithoutAnOpenFile)
{
    auto pStream = Stream("missing.txt");
    EXPECT_FALSE(pStream->OpenRead());
    EXPECT_EQ(nullptr, pStream->ReadString());
    EXPECT_EQ(nullptr, pStream->ReadStrings());
    FCString text("x");
    EXPECT_FALSE(pStream->WriteText(&text));
    FCStrings lines;
    EXPECT_FALSE(pStream->WriteStrings(&lines));
    FCSettingsPairs pairs;
    EXPECT_FALSE(pStream->WriteSettingsPairs(&pairs));
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.txt")));
}

TEST_F(TextFileStreamTest, WritersWriteLinesAndPairLines)
{
    FCStrings lines;
    lines.AddCopy(std::make_unique<FCString>("first").get());
    lines.AddCopy(std::make_unique<FCString>("second").get());
    FCStrings pairLines;
    pairLines.AddCopy(std::make_unique<FCString>(" Key = a=b ").get());
    std::unique_ptr<FCSettingsPairs> pPairs(pairLines.CreateSettingsPairs());

    auto pStream = Stream("w.txt");
    ASSERT_TRUE(pStream->OpenWrite());
    EXPECT_TRUE(pStream->WriteStrings(&lines));
    EXPECT_TRUE(pStream->WriteSettingsPairs(pPairs.get()));
    pStream->Close();
    EXPECT_EQ("first\nsecond\nKey=a=b\n", ReadBytes(folder.File("w.txt")));

    /* "w+" empties an existing file. */
    ASSERT_TRUE(pStream->OpenWrite());
    pStream->Close();
    EXPECT_EQ("", ReadBytes(folder.File("w.txt")));
}

TEST_F(TextFileStreamTest, FolderPathGetsOneSeparator)
{
    WriteBytes(folder.File("d.txt"), "x");
    FCString name("d.txt");
    FCString path;
    FCTextFileStream plain(folder.path.c_str(), &name);
    ASSERT_TRUE(plain._MakeFullPath(&path));
    EXPECT_EQ(folder.File("d.txt"), path.GetUTF8String());
    FCTextFileStream slashed((folder.path + "/").c_str(), &name);
    ASSERT_TRUE(slashed._MakeFullPath(&path));
    EXPECT_EQ(folder.File("d.txt"), path.GetUTF8String());

    FCTextFileStream none(static_cast<const char*>(nullptr), &name);
    EXPECT_FALSE(none._MakeFullPath(&path));
    EXPECT_FALSE(none.OpenRead());
}

TEST_F(TextFileStreamTest, AReplaceLeavesTheOldFileWholeUntilItIsCommitted)
{
    WriteBytes(folder.File("p.txt"), "old=1\n");
    chmod(folder.File("p.txt").c_str(), 0640);
    auto pStream = Stream("p.txt");
    ASSERT_TRUE(pStream->OpenReplace());
    FCString text("new=2\n");
    EXPECT_TRUE(pStream->WriteText(&text));
    EXPECT_EQ("old=1\n", ReadBytes(folder.File("p.txt")));
    EXPECT_TRUE(pStream->CommitReplace());
    EXPECT_FALSE(pStream->IsOpen());
    EXPECT_EQ("new=2\n", ReadBytes(folder.File("p.txt")));
    EXPECT_EQ(1u, folder.EntryCount());
    struct stat info;
    ASSERT_EQ(0, stat(folder.File("p.txt").c_str(), &info));
    EXPECT_EQ(0640u, info.st_mode & 0777);
    EXPECT_FALSE(pStream->CommitReplace());
}

TEST_F(TextFileStreamTest, AnAbandonedReplaceRemovesItsTemporaryFile)
{
    WriteBytes(folder.File("p.txt"), "old=1\n");
    {
        auto pStream = Stream("p.txt");
        ASSERT_TRUE(pStream->OpenReplace());
        FCString text("half");
        pStream->WriteText(&text);
        EXPECT_EQ(2u, folder.EntryCount());
    }
    EXPECT_EQ("old=1\n", ReadBytes(folder.File("p.txt")));
    EXPECT_EQ(1u, folder.EntryCount());

    auto pStream = Stream("p.txt");
    ASSERT_TRUE(pStream->OpenReplace());
    EXPECT_TRUE(pStream->Close());
    EXPECT_EQ(1u, folder.EntryCount());
}

TEST_F(TextFileStreamTest, AReplaceInAReadOnlyFolderFailsAndKeepsTheFile)
{
    WriteBytes(folder.File("p.txt"), "old=1\n");
    chmod(folder.File("p.txt").c_str(), 0644);
    chmod(folder.path.c_str(), 0555);
    WithoutSuperUserRights rights;
    if (!rights.Active())
        GTEST_SKIP() << "cannot give up the super-user's rights";
    auto pStream = Stream("p.txt");
    EXPECT_FALSE(pStream->OpenReplace());
    EXPECT_FALSE(pStream->CommitReplace());
    EXPECT_EQ("old=1\n", ReadBytes(folder.File("p.txt")));
}

TEST_F(TextFileStreamTest, Utf8StreamDecodesEachLine)
{
    WriteBytes(folder.File("u.txt"), "caf\xC3\xA9\n" + std::string(9000, 'a'));
    FCString name("u.txt");
    FCTextFileUTF8Stream stream(folder.path.c_str(), &name);
    ASSERT_TRUE(stream.OpenRead());
    std::unique_ptr<FCString> pFirst(stream.ReadString());
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(5u, pFirst->GetLength());
    EXPECT_EQ(0xE9, pFirst->GetItemAt(3));
    /* A line longer than the limit comes in two parts. */
    std::unique_ptr<FCString> pLong(stream.ReadString());
    ASSERT_NE(pLong, nullptr);
    EXPECT_EQ(FCTextFileUTF8Stream::kMaxLineBytes, pLong->GetLength());
    std::unique_ptr<FCString> pRest(stream.ReadString());
    ASSERT_NE(pRest, nullptr);
    EXPECT_EQ(9000u - FCTextFileUTF8Stream::kMaxLineBytes, pRest->GetLength());
}
