/* show panel|doc|view|log */

#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/Screen.h"

#include <iostream>

namespace
{

Outcome RunShow(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "show panel|doc|view|log");
    int what = 0;
    if (!check.Count(1) || !check.Choice(0, {"panel", "doc", "view", "log"}, what))
        return check.Error();
    if (what == 2) {
        Screen::View(session, true, std::cout);
        Screen::Selection(session, std::cout);
        Screen::Undo(session, std::cout);
    }
    else {
        static void (*const kParts[])(Session&, std::ostream&) = {Screen::Panel, Screen::Document, nullptr,
                                                                  Screen::Log};
        kParts[what](session, std::cout);
    }
    std::cout.flush();
    return Outcome::Done();
}

} // namespace

QZHOST_LOOK_COMMAND(show, "show", "show panel|doc|view|log",
                    "prints the panel, the document, the score view or the log of alerts, beeps and menu commands",
                    RunShow);
