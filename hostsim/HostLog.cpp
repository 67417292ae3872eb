#include "hostsim/HostLog.h"

#include "hostsim/RecordKey.h"

namespace hostsim
{

CallEntry& HostLog::addCall()
{
    if (!keepCalls_) {
        /* Read by nobody: only what would grow from call to call is emptied. */
        scratch_.note.clear();
        scratch_.text.clear();
        scratch_.seq = ++seq_;
        return scratch_;
    }
    CallEntry& e = calls.emplace_back();
    e.seq = ++seq_;
    return e;
}

const std::string& HostLog::textOf(CallEntry& e)
{
    std::string& t = e.text;
    if (!t.empty())
        return t;
    t = "#" + std::to_string(e.seq) + " " + e.function;
    if (e.tag)
        t += " tag=" + tagHex(e.tag) + "'" + tagChars(e.tag) + "'";
    if (e.keyParts) {
        t += " key=(";
        for (int i = 0; i < e.keyParts && i < 3; ++i)
            t += (i ? "," : "") + std::to_string(e.key[i]);
        t += ")";
    }
    if (e.sizeIn || e.sizeOut)
        t += " size=" + std::to_string(e.sizeIn) + "->" + std::to_string(e.sizeOut);
    t += " version=" + tagHex(e.version) + " result=" + std::to_string(e.result) +
         " doc=" + std::to_string(e.document) + " part=" + std::to_string(e.part) +
         " depth=" + std::to_string(e.editDepth);
    if (e.inPluginCall)
        t += " in-plugin-call";
    if (e.createdBySave)
        t += " created-by-save";
    std::string note = e.note;
    if (e.hasStep)
        note += (note.empty() ? "-> " : "; -> ") + e.stepKey.toString(static_cast<KeyShape>(e.stepShape));
    if (!note.empty())
        t += " [" + note + "]";
    return t;
}

void HostLog::addEdit(EditEntry e)
{
    static const char* const kOutcomes[] = {"still open", "committed", "cancelled", "unbracketed", "external"};
    e.text = "edit \"" + e.name + "\" doc " + std::to_string(e.document) + " depth " + std::to_string(e.depth) + ": " +
             kOutcomes[static_cast<int>(e.outcome)];
    if (e.ops.empty() && e.outcome == EditOutcome::Committed)
        e.text += " (empty step)";
    for (const std::string& op : e.ops)
        e.text += "\n  " + op;
    edits.push_back(std::move(e));
}

void HostLog::addMenu(MenuEntry e)
{
    e.seq = ++seq_;
    menus.push_back(e);
}

void HostLog::addViolation(Severity s, std::string text) { violations.push_back(Violation{s, std::move(text)}); }

size_t HostLog::countViolations(Severity min) const
{
    size_t n = 0;
    for (const Violation& v : violations)
        if (v.severity >= min)
            ++n;
    return n;
}

std::string HostLog::violationsText(Severity min) const
{
    static const char* const kNames[] = {"info", "warning", "error"};
    std::string s;
    for (const Violation& v : violations)
        if (v.severity >= min)
            s += std::string(kNames[static_cast<int>(v.severity)]) + ": " + v.text + "\n";
    return s;
}

std::string HostLog::callsText()
{
    std::string s;
    for (CallEntry& e : calls)
        s += textOf(e) + "\n";
    return s;
}

void HostLog::clear()
{
    calls.clear();
    edits.clear();
    menus.clear();
    redraws.clear();
    alerts.clear();
    scrolls.clear();
    dialogs.clear();
    violations.clear();
    seq_ = 0;
    keepCalls_ = true;
}

} // namespace hostsim
