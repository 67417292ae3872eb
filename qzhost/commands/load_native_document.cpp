/* Document loader: the engine's own document files (JSON). */

#include "qzhost/session/DocumentLoaders.h"
#include "qzhost/session/HostEngine.h"

namespace
{

bool ClaimsNative(const std::string&, const std::string&) { return true; }

int16_t OpenNative(const HostEngine& host, const std::string& path, std::string& error)
{
    char message[1024] = "";
    int16_t id = host.hostsim_open_document(path.c_str(), message, sizeof message);
    if (!id)
        error = "cannot open '" + path + "': " + message;
    return id;
}

} // namespace

QZHOST_DOCUMENT_LOADER(native, (DocumentLoader{"host document", ClaimsNative, OpenNative, 0}));
