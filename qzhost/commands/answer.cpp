/* answer yes|no|ok|cancel */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunAnswer(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "answer yes|no|ok|cancel");
    int choice = 0;
    if (!check.Count(1) || !check.Choice(0, {"ok", "cancel", "yes", "no"}, choice))
        return check.Error();
    session.QueueAnswer(choice); /* the words are in answer-code order */
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(answer, "answer", "answer yes|no|ok|cancel",
                       "queues the answer to the next alert (cancel: also to a file dialog)", RunAnswer);
