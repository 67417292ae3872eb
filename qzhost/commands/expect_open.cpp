/* expect open yes|no */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectOpen(Session& session, const CommandArguments& args)
{
    const int window = session.PanelWindow();
    const bool open = window && session.Ui().qzui_window_visible(window) == 1;
    return ExpectYesNo(args, "expect open yes|no", open);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_open, "expect open", "expect open yes|no", "checks whether the panel's window is on screen",
                    RunExpectOpen);
