#include "hostsim/DocumentFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>
#include <unistd.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "common/qz_utf.h"
#include "hostsim/TagRules.h"

namespace hostsim
{

using nlohmann::json;

namespace
{

constexpr const char* kFormatName = "qz-host-document";

/* A refusal while reading: the problem and the field it concerns. */
struct FileError
{
    std::string message;
};

[[noreturn]] void refuse(const std::string& field, const std::string& problem)
{
    throw FileError{"field '" + field + "': " + problem};
}

std::string hexOf(const Bytes& b)
{
    static const char* const digits = "0123456789abcdef";
    std::string s;
    s.reserve(b.size() * 2);
    for (uint8_t v : b) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

/* ---- typed reading of one JSON value, with the field path for messages ---- */

const json& member(const json& obj, const std::string& path, const char* name)
{
    if (!obj.is_object())
        refuse(path, "must be an object");
    auto it = obj.find(name);
    if (it == obj.end())
        refuse(path.empty() ? name : path + "." + name, "missing");
    return *it;
}

std::string childPath(const std::string& path, const char* name) { return path.empty() ? name : path + "." + name; }

int64_t integer(const json& obj, const std::string& path, const char* name, int64_t lo, int64_t hi)
{
    const json& v = member(obj, path, name);
    if (!v.is_number_integer())
        refuse(childPath(path, name), "must be an integer");
    int64_t n =
        v.is_number_unsigned() ? int64_t(std::min<uint64_t>(v.get<uint64_t>(), uint64_t(INT64_MAX))) : v.get<int64_t>();
    if (n < lo || n > hi)
        refuse(childPath(path, name),
               "value " + std::to_string(n) + " outside " + std::to_string(lo) + " to " + std::to_string(hi));
    return n;
}

std::string text(const json& obj, const std::string& path, const char* name)
{
    const json& v = member(obj, path, name);
    if (!v.is_string())
        refuse(childPath(path, name), "must be a string");
    return v.get<std::string>();
}

uint32_t hex32(const json& obj, const std::string& path, const char* name)
{
    std::string s = text(obj, path, name);
    if (s.size() != 8)
        refuse(childPath(path, name), "must be eight hex digits");
    uint32_t v = 0;
    for (char c : s) {
        int d = hexDigit(c);
        if (d < 0)
            refuse(childPath(path, name), "must be eight hex digits");
        v = (v << 4) | uint32_t(d);
    }
    return v;
}

Bytes hexBytes(const json& obj, const std::string& path, const char* name)
{
    std::string s = text(obj, path, name);
    if (s.size() % 2)
        refuse(childPath(path, name), "odd number of hex digits");
    Bytes b(s.size() / 2);
    for (size_t i = 0; i < b.size(); ++i) {
        int hi = hexDigit(s[2 * i]), lo = hexDigit(s[2 * i + 1]);
        if (hi < 0 || lo < 0)
            refuse(childPath(path, name), "not a hex digit at " + std::to_string(2 * i));
        b[i] = uint8_t(hi << 4 | lo);
    }
    return b;
}

const json& array(const json& obj, const std::string& path, const char* name)
{
    const json& v = member(obj, path, name);
    if (!v.is_array())
        refuse(childPath(path, name), "must be an array");
    return v;
}

constexpr int64_t kI16Min = std::numeric_limits<int16_t>::min(), kI16Max = std::numeric_limits<int16_t>::max();
constexpr int64_t kI32Min = std::numeric_limits<int32_t>::min(), kI32Max = std::numeric_limits<int32_t>::max();

/* ---- the region's fields, one table for both directions ---- */

struct RegionField
{
    const char* name;
    int64_t lo, hi;
    int64_t (*get)(const Region&);
    void (*set)(Region&, int64_t);
};

#define HOSTSIM_REGION_FIELD(field, type, lo, hi)                                                               \
    RegionField                                                                                                 \
    {                                                                                                           \
#field, lo, hi,                                                                                         \
            [](const Region& r) { return int64_t(r.field); }, [](Region & r,                                    \
                                                                 int64_t v) { r.field = static_cast<type>(v); } \
    }

const RegionField kRegionFields[] = {
    HOSTSIM_REGION_FIELD(startList, uint16_t, 0, 65535),
    HOSTSIM_REGION_FIELD(startSlot, int16_t, kI16Min, kI16Max),
    HOSTSIM_REGION_FIELD(startMeasure, int16_t, kI16Min, kI16Max),
    HOSTSIM_REGION_FIELD(startPos, int32_t, kI32Min, kI32Max),
    HOSTSIM_REGION_FIELD(endList, uint16_t, 0, 65535),
    HOSTSIM_REGION_FIELD(endSlot, int16_t, kI16Min, kI16Max),
    HOSTSIM_REGION_FIELD(endMeasure, int16_t, kI16Min, kI16Max),
    HOSTSIM_REGION_FIELD(endPos, int32_t, kI32Min, kI32Max),
};
#undef HOSTSIM_REGION_FIELD

json keyJson(const RecordKey& key, KeyShape shape)
{
    json k = json::array();
    if (shape == KeyShape::StaffMeasurePos) {
        int32_t pos = int32_t((uint32_t(key.words[2]) << 16) | key.words[3]);
        return json::array({key.part(0), key.part(1), pos});
    }
    for (size_t i = 0; i < RecordKey::wordCount(shape); ++i)
        k.push_back(key.part(i));
    return k;
}

RecordKey readKey(const json& rec, const std::string& path, KeyShape shape)
{
    const json& k = array(rec, path, "key");
    size_t parts = shape == KeyShape::StaffMeasurePos ? 3 : RecordKey::wordCount(shape);
    if (k.size() != parts)
        refuse(path + ".key", "has " + std::to_string(k.size()) + " parts, the tag takes " + std::to_string(parts));
    int16_t raw[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < parts; ++i) {
        bool wide = shape == KeyShape::StaffMeasurePos && i == 2;
        std::string p = path + ".key[" + std::to_string(i) + "]";
        if (!k[i].is_number_integer())
            refuse(p, "must be an integer");
        int64_t v = k[i].get<int64_t>();
        if (v < (wide ? kI32Min : kI16Min) || v > (wide ? kI32Max : kI16Max))
            refuse(p, "out of range");
        if (wide) {
            int32_t pos = int32_t(v);
            std::memcpy(raw + 2, &pos, sizeof pos);
        }
        else {
            raw[i] = int16_t(v);
        }
    }
    return RecordKey::read(shape, raw);
}

void readRecords(const json& root, Document& doc, uint32_t hostVersion)
{
    const json& records = array(root, "", "records");
    for (size_t i = 0; i < records.size(); ++i) {
        const json& rec = records[i];
        std::string path = "records[" + std::to_string(i) + "]";
        RecordId id;
        id.scope = int16_t(integer(rec, path, "scope", -1, kI16Max));
        if (id.scope >= 0 && !doc.part(id.scope))
            refuse(path + ".scope", "names no part of the document");
        id.tag = hex32(rec, path, "tag");
        if (rec.contains("chars") && rec["chars"] != tagChars(id.tag))
            refuse(path + ".chars", "does not match the tag " + tagHex(id.tag));
        KeyShape shape = TagRules::shape(id.tag);
        id.key = readKey(rec, path, shape);
        Bytes bytes = hexBytes(rec, path, "bytes");
        int64_t size = integer(rec, path, "size", 0, kI32Max);
        if (size_t(size) != bytes.size())
            refuse(path + ".size", std::to_string(size) + " but the bytes hold " + std::to_string(bytes.size()));
        auto fixed = TagRules::fixedSize(id.tag, hostVersion);
        if (fixed && *fixed != bytes.size())
            refuse(path + ".size", "'" + tagChars(id.tag) + "' records are " + std::to_string(*fixed) + " bytes");
        if (doc.store().find(id))
            refuse(path + ".key", "duplicate record " + id.key.toString(shape));
        doc.store().restore(id, bytes);
    }
}

void readCounters(const json& root, Document& doc)
{
    RecordStore::Counters counters;
    const json& list = array(root, "", "counters");
    for (size_t i = 0; i < list.size(); ++i) {
        std::string path = "counters[" + std::to_string(i) + "]";
        int16_t scope = int16_t(integer(list[i], path, "scope", -1, kI16Max));
        uint32_t tag = hex32(list[i], path, "tag");
        int32_t last = int32_t(integer(list[i], path, "last", kI16Min, kI16Max));
        if (!counters.emplace(std::make_pair(scope, tag), last).second)
            refuse(path, "duplicate counter");
    }
    doc.store().restoreCounters(counters);
}

void readParts(const json& root, Document& doc)
{
    const json& parts = array(root, "", "parts");
    doc.parts.clear();
    std::set<int16_t> ids;
    for (size_t i = 0; i < parts.size(); ++i) {
        std::string path = "parts[" + std::to_string(i) + "]";
        PartInfo p;
        p.id = int16_t(integer(parts[i], path, "id", 0, kI16Max));
        p.name = text(parts[i], path, "name");
        p.order = uint16_t(integer(parts[i], path, "order", 0, 65535));
        if (!ids.insert(p.id).second)
            refuse(path + ".id", "duplicate part " + std::to_string(p.id));
        doc.parts.push_back(p);
    }
    if (!ids.count(0))
        refuse("parts", "the score (part 0) is missing");
    doc.currentPart = int16_t(integer(root, "", "currentPart", 0, kI16Max));
    if (!ids.count(doc.currentPart))
        refuse("currentPart", "names no part of the document");
}

void readState(const json& root, Document& doc)
{
    doc.title = text(root, "", "title");
    doc.measures = int16_t(integer(root, "", "measures", 0, kI16Max));
    const json& sel = member(root, "", "selection");
    for (const RegionField& f : kRegionFields)
        f.set(doc.selection, integer(sel, "selection", f.name, f.lo, f.hi));
    const json& view = member(root, "", "view");
    std::string mode = text(view, "view", "mode");
    if (mode != "page" && mode != "scroll")
        refuse("view.mode", "must be \"page\" or \"scroll\"");
    doc.view.mode = mode == "scroll" ? ViewMode::Scroll : ViewMode::Page;
    doc.view.displayedStaffSet = int(integer(view, "view", "displayedStaffSet", 0, 8));
    const json& font = member(root, "", "musicFont");
    doc.musicFont.number = int16_t(integer(font, "musicFont", "number", kI16Min, kI16Max));
    doc.musicFont.size = int16_t(integer(font, "musicFont", "size", kI16Min, kI16Max));
    doc.musicFont.effects = int16_t(integer(font, "musicFont", "effects", kI16Min, kI16Max));
}

/* The path of the first key or string value holding a NUL character, or ""
   when there is none. */
std::string pathOfNul(const json& v, const std::string& path)
{
    if (v.is_string())
        return v.get_ref<const std::string&>().find('\0') != std::string::npos ? path : "";
    if (v.is_object()) {
        for (auto it = v.begin(); it != v.end(); ++it) {
            const std::string child = path.empty() ? it.key() : path + "." + it.key();
            if (it.key().find('\0') != std::string::npos)
                return child;
            std::string found = pathOfNul(it.value(), child);
            if (!found.empty())
                return found;
        }
    }
    if (v.is_array()) {
        for (size_t i = 0; i < v.size(); ++i) {
            std::string found = pathOfNul(v[i], path + "[" + std::to_string(i) + "]");
            if (!found.empty())
                return found;
        }
    }
    return "";
}

/* Refuses a file with malformed UTF-8, naming the field that holds it: the
   malformed sequence is replaced by an escaped NUL, which only a string can
   hold, and the parsed copy is searched for it. */
[[noreturn]] void refuseMalformedText(const std::string& contents, size_t at)
{
    size_t end = at;
    char32_t ignored = 0;
    qz::DecodeUtf8(contents.data(), contents.size(), end, ignored);
    const std::string problem = "is not well-formed UTF-8 (byte " + std::to_string(at) + " of the file)";
    std::string field;
    try {
        field = pathOfNul(json::parse(contents.substr(0, at) + "\\u0000" + contents.substr(end)), "");
    }
    catch (const json::exception&) {
    }
    refuse(field.empty() ? "(document)" : field, problem);
}

/* A reading of the text that keeps nothing but the field names of the
   objects still open, and the first name that appears twice in one of them. */
class DuplicateFieldFinder
{
public:
    const std::string& duplicate() const { return _duplicate; }

    bool null() { return true; }
    bool boolean(bool) { return true; }
    bool number_integer(json::number_integer_t) { return true; }
    bool number_unsigned(json::number_unsigned_t) { return true; }
    bool number_float(json::number_float_t, const std::string&) { return true; }
    bool string(std::string&) { return true; }
    bool binary(json::binary_t&) { return true; }
    bool start_array(std::size_t) { return true; }
    bool end_array() { return true; }
    bool start_object(std::size_t)
    {
        _open.emplace_back();
        return true;
    }
    bool end_object()
    {
        _open.pop_back();
        return true;
    }
    bool key(std::string& name)
    {
        if (!_open.back().insert(name).second)
            _duplicate = name;
        return _duplicate.empty();
    }
    bool parse_error(std::size_t, const std::string&, const json::exception&) { return false; }

private:
    std::vector<std::set<std::string>> _open;
    std::string _duplicate;
};

/* Parses, refusing malformed UTF-8 and duplicate field names inside any
   object. The names are looked for in a second reading of their own: a
   parse that watches every value is quadratic in the length of an array of
   objects. */
json parseStrict(const std::string& contents)
{
    const size_t malformed = qz::FindMalformedUtf8(contents);
    if (malformed != std::string::npos)
        refuseMalformedText(contents, malformed);
    json root;
    try {
        root = json::parse(contents);
    }
    catch (const json::exception& e) {
        throw FileError{std::string("not a complete JSON document (") + e.what() + ")"};
    }
    DuplicateFieldFinder finder;
    json::sax_parse(contents, &finder);
    if (!finder.duplicate().empty())
        refuse(finder.duplicate(), "appears twice in one object");
    return root;
}

} // namespace

std::string DocumentFile::toJson(const Document& doc, uint32_t hostVersion)
{
    json root;
    root["format"] = kFormatName;
    root["formatVersion"] = kFormatVersion;
    root["hostVersion"] = tagHex(hostVersion);
    root["title"] = doc.title;
    root["measures"] = doc.measures;
    root["currentPart"] = doc.currentPart;
    json parts = json::array();
    for (const PartInfo& p : doc.parts)
        parts.push_back({{"id", p.id}, {"name", p.name}, {"order", p.order}});
    root["parts"] = parts;
    json sel = json::object();
    for (const RegionField& f : kRegionFields)
        sel[f.name] = f.get(doc.selection);
    root["selection"] = sel;
    root["view"] = {{"mode", doc.view.mode == ViewMode::Scroll ? "scroll" : "page"},
                    {"displayedStaffSet", doc.view.displayedStaffSet}};
    root["musicFont"] = {
        {"number", doc.musicFont.number}, {"size", doc.musicFont.size}, {"effects", doc.musicFont.effects}};
    json counters = json::array();
    for (const auto& [k, last] : doc.store().counters())
        counters.push_back({{"scope", k.first}, {"tag", tagHex(k.second)}, {"last", last}});
    root["counters"] = counters;
    json records = json::array();
    for (const auto& [id, bytes] : doc.store().records()) {
        records.push_back({{"scope", id.scope},
                           {"tag", tagHex(id.tag)},
                           {"chars", tagChars(id.tag)},
                           {"key", keyJson(id.key, TagRules::shape(id.tag))},
                           {"size", bytes.size()},
                           {"bytes", hexOf(bytes)}});
    }
    root["records"] = records;
    return root.dump(1) + "\n";
}

std::unique_ptr<Document> DocumentFile::fromJson(const std::string& contents, uint32_t hostVersion, std::string& error)
{
    try {
        json root = parseStrict(contents);
        if (!root.is_object())
            refuse("(document)", "must be an object");
        if (text(root, "", "format") != kFormatName)
            refuse("format", "not a hostsim document");
        int64_t version = integer(root, "", "formatVersion", 0, kI32Max);
        if (version != kFormatVersion)
            refuse("formatVersion", "unknown version " + std::to_string(version) + " (this host reads " +
                                        std::to_string(kFormatVersion) + ")");
        uint32_t fileHost = hex32(root, "", "hostVersion");
        if (profileFor(fileHost) != profileFor(hostVersion))
            refuse("hostVersion",
                   "written for host version " + tagHex(fileHost) + ", this host runs " + tagHex(hostVersion));
        auto doc = std::make_unique<Document>(0);
        readState(root, *doc);
        readParts(root, *doc);
        readRecords(root, *doc, hostVersion);
        readCounters(root, *doc);
        return doc;
    }
    catch (const FileError& e) {
        error = e.message;
        return nullptr;
    }
}

bool DocumentFile::writeAtomically(const std::string& path, const std::string& contents, std::string& error)
{
    std::string tmpl = path + ".tmp-XXXXXX";
    int fd = mkstemp(tmpl.data());
    if (fd < 0) {
        error = "cannot create a temporary file next to " + path + ": " + std::strerror(errno);
        return false;
    }
    const char* p = contents.data();
    size_t left = contents.size();
    bool ok = true;
    while (ok && left) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok) {
            p += n;
            left -= size_t(n);
        }
    }
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && std::rename(tmpl.c_str(), path.c_str()) == 0;
    if (!ok) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        ::unlink(tmpl.c_str());
        return false;
    }
    std::string dir = path.find('/') == std::string::npos ? "." : path.substr(0, path.rfind('/') + 1);
    int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool DocumentFile::save(const Document& doc, uint32_t hostVersion, const std::string& path, std::string& error)
{
    return writeAtomically(path, toJson(doc, hostVersion), error);
}

std::unique_ptr<Document> DocumentFile::load(const std::string& path, uint32_t hostVersion, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return nullptr;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    std::unique_ptr<Document> doc = fromJson(buf.str(), hostVersion, error);
    if (!doc) {
        error = path + ": " + error;
        return nullptr;
    }
    doc->path = path;
    return doc;
}

} // namespace hostsim
