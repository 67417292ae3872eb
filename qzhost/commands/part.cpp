/* part N */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunPart(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "part N");
    long long part = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 32767, part))
        return check.Error();
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    if (!session.Host().hostsim_set_current_part(static_cast<int16_t>(part)))
        return Outcome::Error("the document has no part " + std::to_string(part));
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(part, "part", "part N", "makes part N current (0 = the score)", RunPart);
