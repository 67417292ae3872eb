/* expect alert "TITLE" ["TEXT"] */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunExpectAlert(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect alert \"TITLE\" [\"TEXT\"]");
    std::string expected;
    std::string text;
    if (!check.Count(1, 2) || !check.Text(0, expected) || (args.size() == 2 && !check.Text(1, text)))
        return check.Error();
    std::deque<AlertRecord>& alerts = session.RecordedAlerts();
    if (alerts.empty())
        return Outcome::Expected("alert " + qzscript::Quote(expected), "no alert");
    const AlertRecord got = alerts.front();
    alerts.pop_front();
    if (expected != got.title)
        return Outcome::Expected("alert " + qzscript::Quote(expected), "alert " + qzscript::Quote(got.title));
    if (got.message.find(text) == std::string::npos)
        return Outcome::Expected("a message with " + qzscript::Quote(text), qzscript::Quote(got.message));
    return Outcome::Done();
}

} // namespace

QZHOST_LOOK_COMMAND(expect_alert, "expect alert", "expect alert \"TITLE\" [\"TEXT\"]",
                    "checks (and consumes) the oldest alert shown, and that its message holds TEXT", RunExpectAlert);
