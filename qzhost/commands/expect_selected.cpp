/* expect selected N */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectSelected(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect selected N");
    long long expected = 0;
    if (!check.Count(1) || !check.Integer(0, -1, kPanelRows - 1, expected))
        return check.Error();
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    const int got = session.Ui().qzui_table_selected_row(window, kPanelList);
    return got == expected ? Outcome::Done()
                           : Outcome::Expected("row " + std::to_string(expected), "row " + std::to_string(got));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_selected, "expect selected", "expect selected N",
                    "checks the list's selected row (-1 for none)", RunExpectSelected);
