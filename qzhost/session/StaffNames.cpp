#include "qzhost/session/StaffNames.h"

#include "qzhost/session/HostEngine.h"

#include <cctype>

namespace
{

struct CaretSign
{
    const char* command;
    const char* sign;
};

const CaretSign kCaretSigns[] = {{"flat", "\u266D"}, {"sharp", "\u266F"}, {"natural", "\u266E"}};

} // namespace

namespace StaffNames
{

std::string Plain(const std::string& caretText)
{
    std::string plain;
    for (size_t at = 0; at < caretText.size();) {
        if (caretText.compare(at, 2, "^^") == 0) {
            plain += '^';
            at += 2;
            continue;
        }
        size_t end = at + 1;
        while (caretText[at] == '^' && end < caretText.size() &&
               std::isalpha(static_cast<unsigned char>(caretText[end])))
            ++end;
        const size_t close = caretText.find(')', end);
        if (caretText[at] != '^' || end == at + 1 || end >= caretText.size() || caretText[end] != '(' ||
            close == std::string::npos) {
            /* Text, or a caret that starts no command: kept as written. */
            plain += caretText[at++];
            continue;
        }
        const std::string command = caretText.substr(at + 1, end - at - 1);
        for (const CaretSign& sign : kCaretSigns)
            if (command == sign.command)
                plain += sign.sign;
        at = close + 1;
    }
    return plain;
}

std::string Shown(const HostEngine& host, int16_t staff)
{
    const char* name = host.hostsim_staff_name(staff, 1);
    return name && *name ? Plain(name) : "Staff #" + std::to_string(staff);
}

} // namespace StaffNames
