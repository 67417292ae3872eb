/* undo */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunUndo(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "undo");
    if (!check.Count(0))
        return check.Error();
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    return session.Host().hostsim_undo() ? Outcome::Done() : Outcome::Error("nothing to undo");
}

} // namespace

QZHOST_SESSION_COMMAND(undo, "undo", "undo", "undoes the last step of the current document", RunUndo);
