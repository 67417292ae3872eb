/* write FILE "TEXT" */

#include "qzhost/session/CommandSupport.h"

#include <filesystem>
#include <fstream>

namespace
{

Outcome RunWrite(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "write FILE \"TEXT\"");
    std::string file, text;
    if (!check.Count(2) || !check.Text(0, file) || !check.Text(1, text))
        return check.Error();
    file = session.ResolvePath(file);
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out)
        return Outcome::Error("cannot write '" + file + "'");
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(write, "write", "write FILE \"TEXT\"", "creates or replaces a file with the text", RunWrite);
