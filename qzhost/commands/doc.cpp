/* doc demo|test|empty, doc open FILE, doc save FILE */

#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/DocumentLoaders.h"

namespace
{

const char* const kUsage = "doc demo|test|empty | doc open FILE | doc save FILE";

Outcome RunDoc(Session& session, const CommandArguments& args)
{
    ArgumentCheck check(args, kUsage);
    int kind = 0;
    if (!check.Count(1, 2) || !check.Choice(0, {"demo", "test", "empty", "open", "save"}, kind))
        return check.Error();
    const HostEngine& host = session.Host();
    if (kind < 3) {
        if (!check.Count(1))
            return check.Error();
        static const int kSeeds[] = {HOSTSIM_SEED_DEMO, HOSTSIM_SEED_TEST_QZ, HOSTSIM_SEED_EMPTY};
        return host.hostsim_new_document(kSeeds[kind]) ? Outcome::Done()
                                                       : Outcome::Error("the host could not make the document");
    }
    std::string file;
    if (!check.Count(2) || !check.Text(1, file))
        return check.Error();
    file = session.ResolvePath(file);
    std::string error;
    if (kind == 3)
        return OpenDocumentFile(host, file, error) ? Outcome::Done() : Outcome::Error(error);
    const int16_t document = host.hostsim_current_document();
    if (!document)
        return Outcome::Error("no document is open");
    char message[1024] = "";
    if (!host.hostsim_save_document(document, file.c_str(), message, sizeof message))
        return Outcome::Error("cannot save '" + file + "': " + message);
    return Outcome::Done();
}

} // namespace

QZHOST_SESSION_COMMAND(doc, "doc", kUsage, "opens a new built-in document, opens a file or saves the current document",
                       RunDoc);
