/* move X Y */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunMove(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "move X Y");
    long long x = 0, y = 0;
    if (!check.Count(2) || !check.Integer(0, -100000, 100000, x) || !check.Integer(1, -100000, 100000, y))
        return check.Error();
    return PanelAction(session, "move", [&](const UiDriver& ui, int window) {
        qzui_rect frame{};
        ui.qzui_window_frame(window, &frame);
        frame.left = static_cast<float>(x);
        frame.top = static_cast<float>(y);
        return ui.qzui_move_window(window, &frame);
    });
}

} // namespace

QZHOST_SESSION_COMMAND(move, "move", "move X Y", "moves the panel so that its left and top edges are X and Y", RunMove);
