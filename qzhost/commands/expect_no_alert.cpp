/* expect no-alert */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectNoAlert(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect no-alert");
    if (!check.Count(0))
        return check.Error();
    const std::deque<AlertRecord>& alerts = session.RecordedAlerts();
    if (alerts.empty())
        return Outcome::Done();
    return Outcome::Expected("no alert", "alert " + qzscript::Quote(alerts.front().title));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_no_alert, "expect no-alert", "expect no-alert", "checks that no alert is left unchecked",
                    RunExpectNoAlert);
