/* expect dirty yes|no */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectDirty(Session& session, const CommandArguments& args)
{
    const int16_t document = session.Host().hostsim_current_document();
    if (!document)
        return Outcome::Error("no document is open");
    return ExpectYesNo(args, "expect dirty yes|no", session.Host().hostsim_dirty(document) != 0);
}

} // namespace

QZHOST_LOOK_COMMAND(expect_dirty, "expect dirty", "expect dirty yes|no",
                    "checks whether the current document has unsaved changes", RunExpectDirty);
