/* view all|N */

#include "common/qz_fourcc.h"
#include "qzhost/session/CommandSupport.h"

#include <cstdint>

namespace
{

const char* const kUsage = "view all|N";

Outcome RunView(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, kUsage);
    long long number = 0;
    if (!check.Count(1) || (args[0].text != "all" && !check.Integer(0, 1, 8, number)))
        return check.Error();
    const HostEngine& host = session.Host();
    if (!host.hostsim_current_document())
        return Outcome::Error("no document is open");
    /* The View menu switches the way the panel does: to the scroll view,
       then to the staff set (0 = all staves). */
    host.hostsim_menu_command(QZ_FOURCC("VwSc"));
    host.hostsim_menu_command(QZ_FOURCC("DOes"));
    if (host.hostsim_menu_command(QZ_FOURCC("StS0") + static_cast<uint32_t>(number)))
        return Outcome::Done();
    return Outcome::Error("staff set " + std::to_string(number) + " does not exist");
}

} // namespace

QZHOST_SESSION_COMMAND(view, "view", kUsage, "the host's View menu: shows all staves or staff set N in the score view",
                       RunView);
