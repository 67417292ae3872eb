/* expect file FILE "TEXT" */

#include "qzhost/session/CommandSupport.h"

#include <fstream>
#include <sstream>

namespace
{

Outcome RunExpectFile(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect file FILE \"TEXT\"");
    std::string file, text;
    if (!check.Count(2) || !check.Text(0, file) || !check.Text(1, text))
        return check.Error();
    std::ifstream in(session.ResolvePath(file), std::ios::binary);
    if (!in)
        return Outcome::Expected("file " + file + " containing " + qzscript::Quote(text), "no such file");
    std::ostringstream content;
    content << in.rdbuf();
    if (content.str().find(text) != std::string::npos)
        return Outcome::Done();
    return Outcome::Expected("file " + file + " containing " + qzscript::Quote(text), qzscript::Quote(content.str()));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_file, "expect file", "expect file FILE \"TEXT\"", "checks that a file contains the text",
                    RunExpectFile);
