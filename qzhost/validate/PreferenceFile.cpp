#include "qzhost/validate/PreferenceFile.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace PreferenceFile
{

const char* const kName = "qzpluginprefs.txt";
const char* const kOptionsName = "qzpluginoptions.txt";
const char* const kKeyX = "QZSTAFFSETP_WINDOWX";
const char* const kKeyY = "QZSTAFFSETP_WINDOWY";

namespace
{

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsWholeNumber(const std::string& text)
{
    const size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    return text.size() > start && text.find_first_not_of("0123456789", start) == std::string::npos;
}

/* A line as it can be quoted in a report. */
std::string Quoted(const std::string& line)
{
    std::string shown;
    for (char c : line.substr(0, 60)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte >= 0x20 && byte < 0x7F
                     ? std::string(1, c)
                     : "\\x" + std::string(1, "0123456789abcdef"[byte >> 4]) + "0123456789abcdef"[byte & 15];
    }
    return "\"" + shown + (line.size() > 60 ? "..." : "") + "\"";
}

} // namespace

bool Read(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

std::string Problem(const std::string& text, bool withPosition)
{
    if (text.empty())
        return "the file is empty";
    if (text.back() != '\n')
        return "the last line has no line feed";
    std::string x, y;
    size_t number = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        const std::string where = "line " + std::to_string(number) + " " + Quoted(line);
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0)
            return where + " is not a key=value pair";
        if (line.find('\r') != std::string::npos || line.find('\0') != std::string::npos)
            return where + " holds a carriage return or a NUL byte";
        const std::string key = Lower(line.substr(0, equals));
        if (key == Lower(kKeyX) && x.empty())
            x = line.substr(equals + 1);
        if (key == Lower(kKeyY) && y.empty())
            y = line.substr(equals + 1);
    }
    if (withPosition && (!IsWholeNumber(x) || !IsWholeNumber(y)))
        return std::string("the position pairs ") + kKeyX + "=" + Quoted(x) + ", " + kKeyY + "=" + Quoted(y) +
               " are missing or not whole numbers";
    return "";
}

} // namespace PreferenceFile
