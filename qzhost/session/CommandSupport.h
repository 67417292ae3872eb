#ifndef QZHOST_COMMANDSUPPORT_H
#define QZHOST_COMMANDSUPPORT_H

/* Helpers shared by the session commands: argument checks, the panel's
   controls as the driver sees them, and the yes/no words of expectations. */

#include "common/qz_host_document.h"
#include "common/qz_staffset_panel.h"
#include "qzhost/session/Session.h"
#include "qzhost/session/SessionCommand.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

/* Checks a command's arguments; the first problem becomes the error. */
class ArgumentCheck
{
public:
    ArgumentCheck(const CommandArguments& args, const char* usage) : _args(args), _usage(usage) {}

    bool Count(size_t min, size_t max);
    bool Count(size_t count) { return Count(count, count); }
    bool Integer(size_t index, long long min, long long max, long long& out, bool hex = false);
    bool Text(size_t index, std::string& out);
    /* One of the words given; out is its position. */
    bool Choice(size_t index, std::initializer_list<const char*> words, int& out);
    bool YesNo(size_t index, bool& out);
    Outcome Error() const { return Outcome::Error(_problem); }

private:
    bool Fail(const std::string& problem);
    const CommandArguments& _args;
    const char* _usage;
    std::string _problem;
};

/* The panel: layout, list, name edit and the controls whose state shows. */
using qz::kPanelLayout;
using qz::kPanelList;
constexpr int kPanelEdit = qz::kPanelNameEdit;
constexpr int kPanelRows = qz::kStaffSetCount + 1;
const std::vector<int>& PanelControls();

/* The panel's window number, or an error when the plug-in or the panel is
   not there. */
bool RequirePanel(Session& session, int& window, Outcome& error);
/* The outcome of a driver action (QZUI_ codes). */
Outcome UiOutcome(int code, const std::string& what);

/* The cells of a list row in column order ("col1", "col2", ...). */
std::vector<std::string> PanelRowCells(const Session& session, int window, int row);
/* Moves the panel's clock by milliseconds (its timers that fall due fire in
   order, in one plug-in call): the virtual clock of `wait` in a script, and
   real time in the terminal and the window, which move it as time passes. */
Outcome AdvancePanelClock(Session& session, long long milliseconds);
/* What `wait MS` does on the session's clock: the virtual clock moves at
   once; where the session follows real time (Session::SetRealTimeWait), MS
   milliseconds of it pass. */
Outcome LetTimePass(Session& session, long long milliseconds);
/* The nine rows of the list, each row's cells joined by '|'. */
std::vector<std::string> PanelRows(const Session& session, int window);
/* What reading the rows again and again keeps between reads: the order of
   the cells' columns (read again for another window or column count) and
   the buffers. */
struct PanelRowsScratch
{
    int window = 0, count = -1;
    std::vector<int> columns;
    std::string texts;
    std::vector<std::pair<const char*, size_t>> cells; /* in texts */
};
/* The rows as PanelRows reads them, into `rows` (their buffers reused). */
void ReadPanelRows(const Session& session, int window, PanelRowsScratch& scratch, std::vector<std::string>& rows);
/* Controls of PanelControls() that are enabled, in that order. */
std::vector<int> EnabledPanelControls(const Session& session, int window);

/* Staff set N (1-8) as the score stores it; empty when it does not exist. */
std::vector<hostsim_staff_entry> ScoreStaffSet(const Session& session, int number);
/* One field of staff set N's entries, in order. */
using StaffEntryField = long long (*)(const hostsim_staff_entry& entry);
/* expect <field> N "V,V,...": staff set N's values of one field (each listed
   value within [min, max]) against the list; "" expects no staff set. */
Outcome ExpectStaffSetField(Session& session, const CommandArguments& args, const char* usage, long long min,
                            long long max, StaffEntryField field);

std::string JoinInts(const std::vector<long long>& values, const char* separator);
std::string YesNoWord(bool value);

/* Done when the texts are equal; else "expected "EXPECTED", got "GOT"". */
Outcome CompareText(const std::string& expected, const std::string& got);
/* expect ... yes|no against the actual state. */
Outcome ExpectYesNo(const CommandArguments& args, const char* usage, bool actual);
/* Runs one user action on the open panel as a user event; the action gets
   the driver and the panel's window number and returns a QZUI_ code. */
Outcome PanelAction(Session& session, const std::string& what,
                    const std::function<int(const UiDriver& ui, int window)>& action);
#endif
