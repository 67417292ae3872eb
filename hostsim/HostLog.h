#ifndef HOSTSIM_HOSTLOG_H
#define HOSTSIM_HOSTLOG_H

#include <cstdint>
#include <deque>
#include <string>

#include "hostsim/RecordKey.h"
#include "hostsim/Region.h"

namespace hostsim
{

/* Entries keep their strings in place (deque), so the C API can hand out
   pointers that stay valid until the log is cleared. */
struct CallEntry
{
    uint32_t seq = 0;
    std::string function;
    uint32_t tag = 0;
    int16_t key[3] = {0, 0, 0};
    int32_t keyParts = 0;
    uint32_t sizeIn = 0, sizeOut = 0, version = 0;
    int32_t result = 0;
    int16_t document = 0, part = 0;
    int32_t editDepth = 0;
    bool inPluginCall = false;
    bool createdBySave = false;
    std::string note; // "refused (injected)", "missing (injected)", ...
    /* The key a step arrived at, shown after the note as "-> key". */
    bool hasStep = false;
    RecordKey stepKey;
    int stepShape = 0; // a KeyShape
    std::string text;  // made on demand (HostLog::textOf)
};

enum class EditOutcome : int32_t
{
    Open = 0,
    Committed = 1,
    Cancelled = 2,
    Unbracketed = 3,
    External = 4
};

struct EditEntry
{
    std::string name;
    int16_t document = 0;
    EditOutcome outcome = EditOutcome::Open;
    int32_t depth = 0;
    std::deque<std::string> ops;
    std::string text;
};

struct MenuEntry
{
    uint32_t seq = 0;
    uint32_t code = 0;
    char chars[5] = {0, 0, 0, 0, 0};
    int16_t document = 0, part = 0;
    int32_t result = 0;
};

struct ScrollEntry
{
    int16_t measure = 0, staff = 0;
};

/* One selection or symbol dialog the host ran. */
struct DialogEntry
{
    std::string function;
    int16_t kind = 0; // selection dialogs; 0 for the symbol dialog
    int32_t preselected = 0;
    intptr_t window = 0;
    std::string fontName; // symbol dialog
    int16_t size = 0, style = 0;
    int32_t answer = 0;
    int32_t changed = 0;
};

enum class Severity : int32_t
{
    Info = 0,
    Warning = 1,
    Error = 2
};

struct Violation
{
    Severity severity = Severity::Error;
    std::string text;
};

/* The host's logs: calls, edits, menu commands, redraws, alerts, scrolls,
   dialogs and strict violations. */
class HostLog
{
public:
    std::deque<CallEntry> calls;
    std::deque<EditEntry> edits;
    std::deque<MenuEntry> menus;
    std::deque<Region> redraws;
    std::deque<std::string> alerts;
    std::deque<ScrollEntry> scrolls;
    std::deque<DialogEntry> dialogs;
    std::deque<Violation> violations;

    /* A new entry at the end of the call log, numbered, for the caller to
       fill in; while calls are not kept, a scratch entry instead. */
    CallEntry& addCall();
    /* Whether calls go into the log (kept until clear). */
    void keepCalls(bool keep) { keepCalls_ = keep; }
    bool keepsCalls() const { return keepCalls_; }
    /* The entry as one decoded line, made when first asked for. */
    static const std::string& textOf(CallEntry& e);
    void addEdit(EditEntry e);
    void addMenu(MenuEntry e);
    void addViolation(Severity s, std::string text);

    size_t countViolations(Severity min) const;
    std::string violationsText(Severity min) const;
    std::string callsText();

    void clear();

private:
    uint32_t seq_ = 0;
    bool keepCalls_ = true;
    CallEntry scratch_;
};

} // namespace hostsim

#endif
