/* deactivate */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunDeactivate(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "deactivate");
    if (!check.Count(0))
        return check.Error();
    return PanelAction(session, "deactivate",
                       [](const UiDriver& ui, int window) { return ui.qzui_activate(window, 0); });
}

} // namespace

QZHOST_SESSION_COMMAND(deactivate, "deactivate", "deactivate", "makes another window (the score) active",
                       RunDeactivate);
