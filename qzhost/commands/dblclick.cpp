/* dblclick N */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunDoubleClick(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "dblclick N");
    long long row = 0;
    if (!check.Count(1) || !check.Integer(0, 0, kPanelRows - 1, row))
        return check.Error();
    return PanelAction(session, "dblclick " + std::to_string(row), [&](const UiDriver& ui, int window) {
        return ui.qzui_double_click_row(window, kPanelList, static_cast<int>(row));
    });
}

} // namespace

QZHOST_SESSION_COMMAND(dblclick, "dblclick", "dblclick N", "double-clicks a row of the panel's list", RunDoubleClick);
