/* expect edit "TEXT" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectEdit(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect edit \"TEXT\"");
    std::string expected;
    if (!check.Count(1) || !check.Text(0, expected))
        return check.Error();
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    return CompareText(expected, session.Ui().ElementText(window, kPanelEdit));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_edit, "expect edit", "expect edit \"TEXT\"", "checks the name edit's text", RunExpectEdit);
