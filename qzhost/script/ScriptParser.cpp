#include "qzhost/script/ScriptParser.h"

#include <cerrno>
#include <cstdlib>

namespace qzscript
{

namespace
{

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

/* The character an escape stands for; 0 for an unknown escape. */
char Unescape(char c)
{
    switch (c) {
    case '"': return '"';
    case '\\': return '\\';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    default: return 0;
    }
}

/* Reads a quoted text starting at text[pos] == '"'; pos ends after the
   closing quote. */
bool ReadQuoted(const std::string& text, size_t& pos, std::string& out, std::string& error)
{
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos == text.size())
            break;
        char escaped = Unescape(text[pos]);
        if (!escaped) {
            error = std::string("unknown escape \\") + text[pos] + " in a text";
            return false;
        }
        out += escaped;
    }
    error = "unterminated text (a double quote is missing)";
    return false;
}

} // namespace

bool ParseLine(const std::string& text, int number, Line& out, Error& error)
{
    out = Line();
    out.number = number;
    size_t pos = 0;
    while (pos < text.size()) {
        if (IsBlank(text[pos])) {
            ++pos;
            continue;
        }
        if (text[pos] == '#')
            break;
        Word word;
        std::string problem;
        if (text[pos] == '"') {
            word.quoted = true;
            if (!ReadQuoted(text, pos, word.text, problem)) {
                error = Error{number, problem};
                return false;
            }
        }
        else {
            while (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '"' && text[pos] != '#')
                word.text += text[pos++];
        }
        if (pos < text.size() && !IsBlank(text[pos]) && text[pos] != '#') {
            error = Error{number, "a text in double quotes must stand apart from other words"};
            return false;
        }
        out.words.push_back(word);
    }
    return true;
}

bool ParseScript(const std::string& text, std::vector<Line>& out, Error& error)
{
    out.clear();
    size_t start = 0;
    for (int number = 1; start <= text.size(); ++number) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        Line line;
        if (!ParseLine(text.substr(start, end - start), number, line, error))
            return false;
        if (!line.words.empty())
            out.push_back(line);
        start = end + 1;
    }
    return true;
}

bool ParseInteger(const std::string& text, long long min, long long max, long long& out, std::string& error, bool hex)
{
    const bool isHex = hex && text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* begin = text.c_str() + (isHex ? 2 : 0);
    bool wellFormed = *begin != 0 && !IsBlank(*begin) && *begin != '+';
    char* end = nullptr;
    errno = 0;
    long long value = wellFormed ? std::strtoll(begin, &end, isHex ? 16 : 10) : 0;
    if (!wellFormed || *end != 0 || errno == ERANGE || (isHex && *begin == '-')) {
        error = "'" + text + "' is not a number";
        return false;
    }
    if (value < min || value > max) {
        error = "'" + text + "' is out of range (" + std::to_string(min) + " to " + std::to_string(max) + ")";
        return false;
    }
    out = value;
    return true;
}

bool ParseRange(const std::string& text, int min, int max, Range& out, std::string& error)
{
    const size_t dash = text.find('-', 1);
    const std::string first = text.substr(0, dash);
    const std::string last = dash == std::string::npos ? first : text.substr(dash + 1);
    long long a = 0, b = 0;
    std::string problem;
    if (!ParseInteger(first, min, max, a, problem) || !ParseInteger(last, min, max, b, problem)) {
        error = "bad range '" + text + "': " + problem;
        return false;
    }
    if (a > b) {
        error = "bad range '" + text + "': the first number is greater than the last";
        return false;
    }
    out = Range{static_cast<int>(a), static_cast<int>(b)};
    return true;
}

bool ParseIntegerList(const std::string& text, long long min, long long max, std::vector<long long>& out,
                      std::string& error)
{
    out.clear();
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return true;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const size_t b = item.find_first_not_of(" \t"), e = item.find_last_not_of(" \t");
        item = b == std::string::npos ? std::string() : item.substr(b, e - b + 1);
        long long value = 0;
        if (!ParseInteger(item, min, max, value, error)) {
            error = "bad list \"" + text + "\": " + (item.empty() ? "an empty entry" : error);
            return false;
        }
        out.push_back(value);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

} // namespace qzscript
