#include "hostsim/MusicXmlSource.h"

#include <sys/stat.h>
#include <zip.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>

#include <pugixml.hpp>

#include "hostsim/MusicXmlScore.h"

namespace hostsim
{

namespace
{

constexpr char kContainer[] = "META-INF/container.xml";
constexpr size_t kMaxContainerBytes = 1024 * 1024;

std::string sizeText(size_t bytes) { return std::to_string(bytes / (1024 * 1024)) + " MB"; }

struct ZipCloser
{
    void operator()(zip_t* z) const { zip_discard(z); }
};
using Archive = std::unique_ptr<zip_t, ZipCloser>;

struct EntryCloser
{
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

/* Reads one archive member whole, refusing members above `limit` bytes. */
bool readMember(zip_t* zip, zip_int64_t index, const std::string& name, size_t limit, std::string& out,
                std::string& error)
{
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(zip, zip_uint64_t(index), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) {
        error = "cannot read '" + MusicXmlScore::shown(name) + "' in the archive: " + zip_strerror(zip);
        return false;
    }
    if (st.size > limit) {
        error = "'" + MusicXmlScore::shown(name) + "' in the archive is larger than " + sizeText(limit) + " unpacked";
        return false;
    }
    std::unique_ptr<zip_file_t, EntryCloser> file(zip_fopen_index(zip, zip_uint64_t(index), 0));
    if (!file) {
        error = "cannot read '" + MusicXmlScore::shown(name) + "' in the archive: " + zip_strerror(zip);
        return false;
    }
    out.assign(size_t(st.size), '\0');
    size_t got = 0;
    while (got < out.size()) {
        zip_int64_t n = zip_fread(file.get(), &out[got], out.size() - got);
        if (n <= 0)
            break;
        got += size_t(n);
    }
    char extra; // a member longer than its directory entry says is damaged
    if (got != out.size() || zip_fread(file.get(), &extra, 1) != 0) {
        error = "'" + MusicXmlScore::shown(name) + "' in the archive is damaged";
        return false;
    }
    return true;
}

/* The root file the container names: the first one of MusicXML media type
   (or of no stated type). */
bool rootFileName(const std::string& containerXml, std::string& name, std::string& error)
{
    pugi::xml_document doc;
    pugi::xml_parse_result r = doc.load_buffer(containerXml.data(), containerXml.size());
    if (!r) {
        error = std::string(kContainer) + " in the archive is not XML (" + r.description() + ")";
        return false;
    }
    for (pugi::xml_node f : doc.child("container").child("rootfiles").children("rootfile")) {
        std::string type = f.attribute("media-type").as_string();
        if (!type.empty() && type != "application/vnd.recordare.musicxml+xml")
            continue;
        name = f.attribute("full-path").as_string();
        if (!name.empty())
            return true;
    }
    error = std::string(kContainer) + " in the archive names no MusicXML root file";
    return false;
}

} // namespace

bool MusicXmlSource::isZip(const std::string& head) { return head.compare(0, 4, "PK\x03\x04", 4) == 0; }

std::string MusicXmlSource::head(const std::string& path, size_t count)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes(count, '\0');
    in.read(&bytes[0], std::streamsize(count));
    bytes.resize(size_t(in.gcount()));
    return bytes;
}

bool MusicXmlSource::read(const std::string& path, std::string& xml, std::string& error)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error = "not a regular file";
        return false;
    }
    if (uint64_t(st.st_size) > kMaxScoreBytes) {
        error = "the file is larger than " + sizeText(kMaxScoreBytes);
        return false;
    }
    return isZip(head(path, 4)) ? readArchive(path, xml, error) : readPlain(path, xml, error);
}

bool MusicXmlSource::readPlain(const std::string& path, std::string& xml, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0 || uint64_t(size) > kMaxScoreBytes) {
        error = "the file is larger than " + sizeText(kMaxScoreBytes);
        return false;
    }
    in.seekg(0);
    xml.assign(size_t(size), '\0');
    if (!in.read(&xml[0], size)) {
        error = "cannot read the file";
        return false;
    }
    return true;
}

bool MusicXmlSource::readArchive(const std::string& path, std::string& xml, std::string& error)
{
    int code = 0;
    Archive zip(zip_open(path.c_str(), ZIP_RDONLY, &code));
    if (!zip) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, code);
        error = std::string("not a readable zip archive: ") + zip_error_strerror(&ze);
        zip_error_fini(&ze);
        return false;
    }
    zip_int64_t container = zip_name_locate(zip.get(), kContainer, 0);
    if (container < 0) {
        error = std::string("a zip archive without ") + kContainer + " (not a compressed MusicXML file)";
        return false;
    }
    std::string containerXml, root;
    if (!readMember(zip.get(), container, kContainer, kMaxContainerBytes, containerXml, error) ||
        !rootFileName(containerXml, root, error))
        return false;
    zip_int64_t index = zip_name_locate(zip.get(), root.c_str(), 0);
    if (index < 0 && root[0] == '/')
        index = zip_name_locate(zip.get(), root.c_str() + 1, 0);
    if (index < 0) {
        error =
            std::string(kContainer) + " names '" + MusicXmlScore::shown(root) + "', which the archive does not hold";
        return false;
    }
    return readMember(zip.get(), index, root, kMaxScoreBytes, xml, error);
}

} // namespace hostsim
