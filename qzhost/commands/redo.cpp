/* redo */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunRedo(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "redo");
    if (!check.Count(0))
        return check.Error();
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    return session.Host().hostsim_redo() ? Outcome::Done() : Outcome::Error("nothing to redo");
}

} // namespace

QZHOST_SESSION_COMMAND(redo, "redo", "redo", "redoes the last undone step of the current document", RunRedo);
