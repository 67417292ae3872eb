/* press ID|"Title" */

#include "qzhost/session/CommandSupport.h"

namespace
{

/* The tag of the button with this title; 0 when none. */
int FindButton(const Session& session, int window, const std::string& title)
{
    const UiDriver& ui = session.Ui();
    const int count = ui.qzui_element_count(window);
    for (int i = 0; i < count; ++i) {
        const int tag = ui.qzui_element_tag_at(window, i);
        qzui_element info{};
        if (ui.qzui_element_info(window, tag, &info) == QZUI_OK && info.kind == QZUI_KIND_PUSH_BUTTON &&
            ui.ElementText(window, tag) == title)
            return tag;
    }
    return 0;
}

Outcome RunPress(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "press ID|\"Title\"");
    long long tag = 0;
    if (!check.Count(1) || (!args[0].quoted && !check.Integer(0, 1, 32767, tag)))
        return check.Error();
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    if (args[0].quoted && !(tag = FindButton(session, window, args[0].text)))
        return Outcome::Error("the panel has no button " + qzscript::Quote(args[0].text));
    return PanelAction(session, "press " + std::to_string(tag), [&](const UiDriver& ui, int panel) {
        return ui.qzui_press_button(panel, static_cast<int>(tag));
    });
}

} // namespace

QZHOST_SESSION_COMMAND(press, "press", "press ID|\"Title\"", "presses a button by its ID or its title", RunPress);
