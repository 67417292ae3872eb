/* expect name N "NAME" */

#include "qzhost/session/CommandSupport.h"
#include "qzhost/validate/session/ReferenceModelReadout.h"

namespace
{

Outcome RunExpectName(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect name N \"NAME\"");
    long long number = 0;
    std::string expected;
    if (!check.Count(2) || !check.Integer(0, 1, 8, number) || !check.Text(1, expected))
        return check.Error();
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    const DocumentReadout readout = ReadDocument(session);
    return CompareText(expected, readout.document.Name(static_cast<int>(number), readout.categoryExists));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_name, "expect name", "expect name N \"NAME\"",
                    "checks the name the document stores for staff set N (\"\" when none)", RunExpectName);
