/* expect alert "TITLE" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectAlert(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect alert \"TITLE\"");
    std::string expected;
    if (!check.Count(1) || !check.Text(0, expected))
        return check.Error();
    std::deque<AlertRecord>& alerts = session.RecordedAlerts();
    if (alerts.empty())
        return Outcome::Expected("alert " + qzscript::Quote(expected), "no alert");
    const std::string got = alerts.front().title;
    alerts.pop_front();
    return expected == got ? Outcome::Done()
                           : Outcome::Expected("alert " + qzscript::Quote(expected), "alert " + qzscript::Quote(got));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_alert, "expect alert", "expect alert \"TITLE\"",
                    "checks (and consumes) the oldest alert shown", RunExpectAlert);
