/* expect image "FINGERPRINT" */

#include "qzhost/session/CommandSupport.h"
#include "qzhost/validate/session/ReferenceModelReadout.h"

namespace
{

Outcome RunExpectImage(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect image \"FINGERPRINT\"");
    std::string expected;
    if (!check.Count(1) || !check.Text(0, expected))
        return check.Error();
    if (!session.Host().hostsim_current_document())
        return Outcome::Error("no document is open");
    return CompareText(expected, ImageFingerprint(DocumentImage(session)));
}

} // namespace

QZHOST_LOOK_COMMAND(expect_image, "expect image", "expect image \"FINGERPRINT\"",
                    "checks the fingerprint of the current document's records (the validator prints them)",
                    RunExpectImage);
