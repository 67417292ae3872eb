/* Document files of the simulated host (JSON), read through the driver API as
 * the host program reads them: a refused file leaves every open document as
 * it was, and an accepted file, saved and read again, is the same document
 * and saves to the same text.
 *
 * Input: the file's contents. */
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "FuzzCheck.h"
#include "hostsim/hostsim_api.h"

namespace
{
/* Document ids grow with every file read; the engine starts a new session
   before they come near the end of their range. */
constexpr int16_t kSessionIdLimit = 30000;

struct Session
{
    std::string folder;
    int16_t resident = 0; /* a document that stays open throughout */
    int16_t newest = 0;   /* the highest document id handed out so far */

    std::string Path(const char* name) const { return folder + "/" + name; }
};

void RemoveFiles(const Session& session)
{
    for (const char* name : {"input.json", "saved.json", "again.json"})
        std::remove(session.Path(name).c_str());
}

Session& TheSession()
{
    static Session session = [] {
        Session s;
        const char* base = std::getenv("TMPDIR");
        std::string pattern = std::string(base && *base ? base : "/tmp") + "/qz-fuzz-document-XXXXXX";
        if (!mkdtemp(pattern.data()))
            FuzzCheck::Fail(__FILE__, __LINE__, "mkdtemp", "a private folder for the files");
        s.folder = pattern;
        return s;
    }();
    return session;
}

void EndSession()
{
    Session& session = TheSession();
    hostsim_reset();
    RemoveFiles(session);
    rmdir(session.folder.c_str());
}

void StartSession(Session& session)
{
    hostsim_reset();
    session.resident = hostsim_new_document(HOSTSIM_SEED_TEST);
    session.newest = session.resident;
    FUZZ_CHECK(session.resident > 0, "the resident document opens");
}

/* What a refused file must leave alone. */
struct Snapshot
{
    int16_t current;
    std::string text;
    int dirty;

    bool operator==(const Snapshot& other) const
    {
        return current == other.current && text == other.text && dirty == other.dirty;
    }
};

Snapshot Take(int16_t resident)
{
    return Snapshot{hostsim_current_document(), hostsim_describe_document(resident), hostsim_dirty(resident)};
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/* The description without its first lines, which name the document's id and
   file. */
std::string Content(int16_t id)
{
    std::string text = hostsim_describe_document(id);
    size_t start = text.find('\n');
    start = start == std::string::npos ? text.size() : start + 1;
    if (text.compare(start, 6, "file: ") == 0) {
        const size_t end = text.find('\n', start);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return text.substr(start);
}

void CheckRefusal(const std::string& path, const char* error)
{
    FUZZ_CHECK(std::strlen(error) > 0, "a refusal says why");
    /* The message is cut to the caller's buffer. */
    char small[8];
    std::memset(small, 0x7f, sizeof small);
    FUZZ_CHECK(hostsim_open_document(path.c_str(), small, 5) == 0, "a refusal is repeatable");
    FUZZ_CHECK(std::strlen(small) < 5 && small[5] == 0x7f, "the message stays inside its buffer");
}

void CheckAccepted(Session& session, int16_t id)
{
    FUZZ_CHECK(hostsim_current_document() == id, "an opened document becomes the current one");
    char error[256] = "";
    const std::string saved = session.Path("saved.json"), again = session.Path("again.json");
    FUZZ_CHECK(hostsim_save_document(id, saved.c_str(), error, sizeof error), "an accepted document saves");
    const int16_t reopened = hostsim_open_document(saved.c_str(), error, sizeof error);
    FUZZ_CHECK(reopened > 0, std::string("a saved document reads back: ") + error);
    session.newest = reopened;
    FUZZ_CHECK(Content(reopened) == Content(id), "a saved document reads back the same");
    FUZZ_CHECK(hostsim_save_document(reopened, again.c_str(), error, sizeof error), "a reread document saves");
    FUZZ_CHECK(ReadAll(saved) == ReadAll(again), "saving a reread document gives the same file");
    FUZZ_CHECK(hostsim_close_document(reopened) && hostsim_close_document(id), "the documents close");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Session& session = TheSession();
    const bool first = session.resident == 0;
    if (first || session.newest > kSessionIdLimit)
        StartSession(session);
    /* Registered once the engine exists, so that it runs before the engine
       goes away. */
    if (first)
        std::atexit(EndSession);

    const std::string input = session.Path("input.json");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const Snapshot before = Take(session.resident);
    char error[512];
    std::memset(error, 0, sizeof error);
    const int16_t id = hostsim_open_document(input.c_str(), error, sizeof error);
    if (id == 0) {
        FUZZ_CHECK(Take(session.resident) == before, "a refused file leaves the open documents alone");
        CheckRefusal(input, error);
        return 0;
    }
    FUZZ_CHECK(id > 0 && id != session.resident, "an accepted file opens as a new document");
    CheckAccepted(session, id);
    FUZZ_CHECK(hostsim_set_current_document(session.resident), "the resident document is still open");
    FUZZ_CHECK(Take(session.resident) == before, "reading a file leaves the other documents alone");
    return 0;
}
