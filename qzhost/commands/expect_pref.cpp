/* expect pref KEY "VALUE" */

#include "qzhost/session/CommandSupport.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace
{

std::string Trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/* The value of the first pair line whose key matches, ignoring case, as the
   panel reads its preferences file. */
bool FindPref(std::string content, const std::string& key, std::string& value)
{
    std::replace(content.begin(), content.end(), '\r', '\n');
    std::string line;
    std::istringstream lines(content);
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        if (equals == std::string::npos || equals == 0 || Lower(Trim(line.substr(0, equals))) != Lower(key))
            continue;
        value = Trim(line.substr(equals + 1));
        return true;
    }
    return false;
}

Outcome RunExpectPref(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect pref KEY \"VALUE\"");
    std::string key, expected;
    if (!check.Count(2) || !check.Text(0, key) || !check.Text(1, expected))
        return check.Error();
    const std::string file = session.PreferencesFolder() + "/qzpluginprefs.txt";
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return Outcome::Expected(key + " = " + qzscript::Quote(expected), "no preferences file");
    std::ostringstream content;
    content << in.rdbuf();
    std::string got;
    if (!FindPref(content.str(), key, got))
        return Outcome::Expected(key + " = " + qzscript::Quote(expected), "no such key");
    return CompareText(expected, got);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_pref, "expect pref", "expect pref KEY \"VALUE\"", "checks a value in the preferences file",
                    RunExpectPref);
