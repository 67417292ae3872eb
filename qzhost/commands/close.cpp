/* close */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunClose(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "close");
    if (!check.Count(0))
        return check.Error();
    return PanelAction(session, "close",
                       [](const UiDriver& ui, int window) { return ui.qzui_press_close_box(window); });
}

} // namespace

QZHOST_SESSION_COMMAND(close, "close", "close", "clicks the panel's close box", RunClose);
