#include "staffsetpanel/QZStaffSetTemplate.h"

#include <cstdio>
#include <fstream>
#include <limits>
#include <sstream>

#include <nlohmann/json.hpp>

const char* const QZStaffSetTemplate::kFormat = "QZ Staff Set Template";

namespace
{
using Json = nlohmann::ordered_json;

constexpr int kFirstNumber = 1;
constexpr int kLastNumber = 8;

/* A JSON parse error's position as "line L, column C" of the text. */
std::string PositionOf(const std::string& text, size_t byte)
{
    size_t line = 1;
    size_t column = 1;
    for (size_t i = 0; i < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        }
        else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

/* The value of a required member of the given kind; throws a message. */
const Json& Member(const Json& object, const char* key, Json::value_t kind, const char* what)
{
    const auto found = object.find(key);
    if (found == object.end())
        throw std::runtime_error(std::string(what) + " has no \"" + key + "\".");
    const bool isNumber = kind == Json::value_t::number_integer;
    if (isNumber ? !found->is_number_integer() : found->type() != kind)
        throw std::runtime_error(std::string("\"") + key + "\" of " + what + " has the wrong type.");
    return *found;
}

int32_t Int32Member(const Json& object, const char* key, const char* what)
{
    const Json& value = Member(object, key, Json::value_t::number_integer, what);
    const int64_t number = value.get<int64_t>();
    if (number < std::numeric_limits<int32_t>::min() || number > std::numeric_limits<int32_t>::max())
        throw std::runtime_error(std::string("\"") + key + "\" of " + what + " is out of range.");
    return static_cast<int32_t>(number);
}

QZStaffSetTemplate::Staff ReadStaff(const Json& object)
{
    if (!object.is_object())
        throw std::runtime_error("A staff is not an object.");
    QZStaffSetTemplate::Staff staff;
    staff.fullName = Member(object, "fullname", Json::value_t::string, "a staff").get<std::string>();
    staff.abbreviatedName = Member(object, "abbreviatedname", Json::value_t::string, "a staff").get<std::string>();
    staff.distance = Int32Member(object, "distance", "a staff");
    staff.resize = Int32Member(object, "resize", "a staff");
    return staff;
}

QZStaffSetTemplate::StaffSet ReadStaffSet(const Json& object)
{
    if (!object.is_object())
        throw std::runtime_error("A staff set is not an object.");
    QZStaffSetTemplate::StaffSet set;
    set.number = Int32Member(object, "number", "a staff set");
    if (set.number < kFirstNumber || set.number > kLastNumber)
        throw std::runtime_error("Staff set number " + std::to_string(set.number) + " is outside 1 to 8.");
    set.name = Member(object, "name", Json::value_t::string, "a staff set").get<std::string>();
    for (const Json& staff : Member(object, "staves", Json::value_t::array, "a staff set"))
        set.staves.push_back(ReadStaff(staff));
    return set;
}

} // namespace

std::string QZStaffSetTemplate::CreateJSON() const
{
    Json root;
    root["format"] = kFormat;
    root["version"] = kVersion;
    Json sets = Json::array();
    for (const StaffSet& set : _staffsets) {
        Json staves = Json::array();
        for (const Staff& staff : set.staves)
            staves.push_back(Json{{"fullname", staff.fullName},
                                  {"abbreviatedname", staff.abbreviatedName},
                                  {"distance", staff.distance},
                                  {"resize", staff.resize}});
        sets.push_back(Json{{"number", set.number}, {"name", set.name}, {"staves", staves}});
    }
    root["staffsets"] = sets;
    /* Texts that are not valid UTF-8 are written with replacement characters. */
    return root.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

bool QZStaffSetTemplate::ReadJSON(const std::string& text, std::string* pError)
{
    try {
        const Json root = Json::parse(text);
        if (!root.is_object())
            throw std::runtime_error("The file holds no JSON object.");
        const auto format = root.find("format");
        if (format == root.end() || !format->is_string() || format->get<std::string>() != kFormat)
            throw std::runtime_error("The file is not a staff set template.");
        const int32_t version = Int32Member(root, "version", "the template");
        if (version > kVersion || version < 1)
            throw std::runtime_error("The template has version " + std::to_string(version) +
                                     "; this panel reads version " + std::to_string(kVersion) + ".");
        std::vector<StaffSet> sets;
        for (const Json& set : Member(root, "staffsets", Json::value_t::array, "the template")) {
            sets.push_back(ReadStaffSet(set));
            for (size_t other = 0; other + 1 < sets.size(); ++other)
                if (sets[other].number == sets.back().number)
                    throw std::runtime_error("Staff set number " + std::to_string(sets.back().number) +
                                             " appears twice.");
        }
        _staffsets.swap(sets);
        return true;
    }
    catch (const Json::parse_error& error) {
        if (pError)
            *pError = "The file is not valid JSON (" + PositionOf(text, error.byte > 0 ? error.byte - 1 : 0) + ").";
    }
    catch (const std::exception& error) {
        if (pError)
            *pError = error.what();
    }
    return false;
}

bool QZStaffSetTemplate::WriteFile(const std::string& path) const
{
    const std::string temporary = path + ".saving";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << CreateJSON();
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

bool QZStaffSetTemplate::ReadFile(const std::string& path, std::string* pError)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (pError)
            *pError = "The file cannot be opened.";
        return false;
    }
    std::string text;
    char buffer[65536];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        text.append(buffer, static_cast<size_t>(in.gcount()));
        if (text.size() > kMaxFileSize) {
            if (pError)
                *pError = "The file is larger than 1 MB.";
            return false;
        }
    }
    if (in.bad()) {
        if (pError)
            *pError = "The file cannot be read.";
        return false;
    }
    return ReadJSON(text, pError);
}
