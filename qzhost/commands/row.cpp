/* row N */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunRow(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "row N");
    long long row = 0;
    if (!check.Count(1) || !check.Integer(0, -1, kPanelRows - 1, row))
        return check.Error();
    return PanelAction(session, "row " + std::to_string(row), [&](const UiDriver& ui, int window) {
        return ui.qzui_select_row(window, kPanelList, static_cast<int>(row));
    });
}

} // namespace

QZHOST_SESSION_COMMAND(row, "row", "row N", "selects a row of the panel's list (-1 clears the selection)", RunRow);
