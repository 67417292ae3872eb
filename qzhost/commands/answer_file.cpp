/* answer file "PATH" */

#include "qzhost/session/CommandSupport.h"

namespace
{

Outcome RunAnswerFile(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "answer file \"PATH\"");
    std::string path;
    if (!check.Count(1) || !check.Text(0, path))
        return check.Error();
    if (path.empty())
        return Outcome::Error("an empty path (answer cancel cancels a file dialog)");
    session.QueueFileAnswer(path);
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(answer_file, "answer file", "answer file \"PATH\"",
                       "queues the file chosen in the next file dialog", RunAnswerFile);
