/* expect shaded yes|no */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectShaded(Session& session, const CommandArguments& args)
{
    int window = 0;
    Outcome error;
    if (!RequirePanel(session, window, error))
        return error;
    return ExpectYesNo(args, "expect shaded yes|no", session.Ui().qzui_window_shaded(window) == 1);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_shaded, "expect shaded", "expect shaded yes|no", "checks whether the panel is shaded",
                    RunExpectShaded);
