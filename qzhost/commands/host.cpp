/* host 0x19000000 */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunHost(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "host VERSION");
    long long version = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 0xFFFFFFFFLL, version, true))
        return check.Error();
    if (session.HostProfileLocked())
        return Outcome::Error("the host profile must be set before any document and before load");
    session.Host().hostsim_set_profile(static_cast<uint32_t>(version));
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(host, "host", "host VERSION",
                       "sets the host version profile (e.g. 0x19000000), before doc and load", RunHost);
