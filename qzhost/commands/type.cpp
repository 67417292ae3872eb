/* type "TEXT" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunType(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "type \"TEXT\"");
    std::string text;
    if (!check.Count(1) || !check.Text(0, text))
        return check.Error();
    return PanelAction(session, "type", [&](const UiDriver& ui, int window) {
        return ui.qzui_type_text(window, kPanelEdit, text.c_str());
    });
}

} // namespace

QZHOST_SESSION_COMMAND(type, "type", "type \"TEXT\"", "replaces the name edit's text, as typing does", RunType);
