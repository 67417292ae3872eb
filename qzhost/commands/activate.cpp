/* activate */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunActivate(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "activate");
    if (!check.Count(0))
        return check.Error();
    return PanelAction(session, "activate", [](const UiDriver& ui, int window) { return ui.qzui_activate(window, 1); });
}

} // namespace

QZHOST_SESSION_COMMAND(activate, "activate", "activate", "makes the panel the active window", RunActivate);
