#include "qzhost/validate/session/ReferenceModelReadout.h"

#include "common/qz_fourcc.h"
#include "common/qz_host_document.h"
#include "qzhost/session/Session.h"

#include <cstdio>
#include <algorithm>
#include <cstring>

namespace
{

const char* const kCategoryName = "QZ Plug-in Data";
const char* const kPrefixStart = "QZ Staff Set Panel ";

/* The category ID of the special category, -1 when there is none. */
int SpecialCategoryId(const HostEngine& host)
{
    const int16_t item = host.hostsim_find_category(kCategoryName);
    if (item <= 0)
        return -1;
    const int16_t key[3] = {item, 0, 0};
    uint8_t bytes[512] = {};
    uint32_t size = sizeof bytes;
    if (!host.hostsim_get_record(QZ_FOURCC("SOMC"), key, 0, bytes, &size) || size < 2)
        return -1;
    int16_t id = 0;
    std::memcpy(&id, bytes, sizeof id);
    return id;
}

/* "QZ Staff Set Panel N:NAME" gives N and NAME; false for anything else. */
bool ParseDescription(const std::string& description, ModelNameExpression& out)
{
    const size_t start = std::strlen(kPrefixStart);
    if (description.compare(0, start, kPrefixStart) != 0)
        return false;
    size_t at = start;
    int number = 0;
    while (at < description.size() && description[at] >= '0' && description[at] <= '9' && number < 100000)
        number = number * 10 + (description[at++] - '0');
    if (at == start || at >= description.size() || description[at] != ':')
        return false;
    out.staffSet = number;
    out.name = description.substr(at + 1);
    return true;
}

/* A staff list (item 0: the score's) in slot order, read in one call
   when it is of a usual length. */
std::vector<ModelEntry> ReadStaffList(const HostEngine& host, uint16_t item, int16_t part)
{
    std::vector<hostsim_staff_entry> entries(64);
    const size_t count = host.hostsim_staff_list(item, part, entries.data(), entries.size());
    if (count > entries.size()) {
        entries.resize(count);
        entries.resize(host.hostsim_staff_list(item, part, entries.data(), entries.size()));
    }
    else {
        entries.resize(count);
    }
    std::vector<ModelEntry> list;
    list.reserve(entries.size());
    for (const hostsim_staff_entry& entry : entries)
        list.push_back(ModelEntry{entry.staff, entry.distance, entry.resize});
    return list;
}

} // namespace

DocumentReadout ReadDocument(const Session& session)
{
    const HostEngine& host = session.Host();
    DocumentReadout readout;
    for (int n = 1; n <= 8; ++n)
        readout.document.sets[static_cast<size_t>(n - 1)] = ReadStaffList(host, qz::StaffSetItem(n), 0);
    const int category = SpecialCategoryId(host);
    readout.categoryExists = category >= 0;
    const size_t count = host.hostsim_expression_count();
    for (size_t i = 0; i < count; ++i) {
        hostsim_expression expression{};
        if (!host.hostsim_expression_at(i, &expression))
            continue;
        ModelNameExpression name;
        if (category >= 0 && (expression.categoryWord & 0x3FFF) == category &&
            ParseDescription(expression.description ? expression.description : "", name))
            readout.document.names[expression.item] = name;
        else
            readout.document.otherExpressions.push_back(expression.item);
    }
    return readout;
}

std::vector<ModelEntry> ReadScoreList(const Session& session) { return ReadStaffList(session.Host(), 0, 0); }

std::string DisplayStaffName(const std::string& caretText)
{
    static const struct
    {
        const char* caret;
        const char* sign;
    } kSigns[] = {{"^flat()", "\u266D"}, {"^sharp()", "\u266F"}, {"^natural()", "\u266E"}};
    std::string text = caretText;
    for (const auto& sign : kSigns)
        for (size_t at = text.find(sign.caret); at != std::string::npos; at = text.find(sign.caret, at))
            text.replace(at, std::strlen(sign.caret), sign.sign);
    return text;
}

std::map<int, std::string> ReadStaffNames(const Session& session, const std::vector<ModelEntry>& score)
{
    std::map<int, std::string> names;
    for (const ModelEntry& entry : score) {
        const char* name = session.Host().hostsim_staff_name(static_cast<int16_t>(entry.staff), 1);
        names[entry.staff] = DisplayStaffName(name ? name : "");
    }
    return names;
}

std::vector<ModelGroup> ReadGroups(const Session& session, const std::vector<ModelEntry>& score)
{
    const auto indexOf = [&score](int staff) {
        for (size_t i = 0; i < score.size(); ++i)
            if (score[i].staff == staff)
                return static_cast<int>(i);
        return -1;
    };
    std::vector<ModelGroup> groups;
    const size_t count = session.Host().hostsim_group_count();
    for (size_t i = 0; i < count; ++i) {
        hostsim_group group{};
        if (!session.Host().hostsim_group_at(i, &group))
            continue;
        const int first = indexOf(group.startStaff), last = indexOf(group.endStaff);
        if (first < 0 || last < 0 || first == last)
            continue;
        groups.push_back(
            ModelGroup{std::min(first, last), std::max(first, last), group.fullName ? group.fullName : ""});
    }
    return groups;
}

std::map<int, ModelStaffTexts> ReadStaffTexts(const Session& session, const std::vector<ModelEntry>& score)
{
    std::map<int, ModelStaffTexts> texts;
    for (const ModelEntry& entry : score) {
        /* Each name is copied before the next call reuses the engine's buffer. */
        ModelStaffTexts& staff = texts[entry.staff];
        const char* full = session.Host().hostsim_staff_name(static_cast<int16_t>(entry.staff), 1);
        staff.full = full ? full : "";
        const char* abbreviated = session.Host().hostsim_staff_name(static_cast<int16_t>(entry.staff), 0);
        staff.abbreviated = abbreviated ? abbreviated : "";
    }
    return texts;
}

std::vector<uint8_t> DocumentImage(const Session& session)
{
    size_t size = 0;
    const uint8_t* bytes = session.Host().hostsim_document_image(0, &size);
    return bytes ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>();
}

namespace
{
bool Same(const uint8_t* bytes, size_t size, const std::vector<uint8_t>& image)
{
    if (!bytes)
        return image.empty();
    return size == image.size() && (size == 0 || std::memcmp(bytes, image.data(), size) == 0);
}
} // namespace

bool SameImage(const Session& session, const std::vector<uint8_t>& image)
{
    size_t size = 0;
    const uint8_t* bytes = session.Host().hostsim_document_image(0, &size);
    return Same(bytes, size, image);
}

bool ImageChanged(const Session& session, const std::vector<uint8_t>& image, std::vector<uint8_t>& now)
{
    size_t size = 0;
    const uint8_t* bytes = session.Host().hostsim_document_image(0, &size);
    if (Same(bytes, size, image))
        return false;
    now.assign(bytes, bytes ? bytes + size : bytes);
    return true;
}

std::string ImageFingerprint(const std::vector<uint8_t>& image)
{
    uint64_t hash = 1469598103934665603ULL; /* FNV-1a, 64 bits */
    for (uint8_t byte : image)
        hash = (hash ^ byte) * 1099511628211ULL;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string DescribeStaffSet(const DocumentReadout& readout, int n)
{
    std::string text = std::to_string(n) + ":";
    const std::vector<ModelEntry>& entries = readout.document.sets[static_cast<size_t>(n - 1)];
    for (size_t i = 0; i < entries.size(); ++i)
        text += (i ? "," : " ") + std::to_string(entries[i].staff) + "/" + std::to_string(entries[i].distance) + "/" +
                std::to_string(entries[i].resize);
    return text + " \"" + readout.document.Name(n, readout.categoryExists) + "\"";
}

std::string FirstStaffSetDifference(const DocumentReadout& got, const DocumentReadout& expected)
{
    for (int n = 1; n <= 8; ++n) {
        const std::string have = DescribeStaffSet(got, n), want = DescribeStaffSet(expected, n);
        if (have != want)
            return "staff set " + have + " where " + want + " was expected";
    }
    return "";
}
