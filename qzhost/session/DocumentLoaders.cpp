#include "qzhost/session/DocumentLoaders.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace
{

std::vector<DocumentLoader>& Loaders()
{
    static std::vector<DocumentLoader> loaders;
    return loaders;
}

} // namespace

DocumentLoaderRegistration::DocumentLoaderRegistration(const DocumentLoader& loader)
{
    Loaders().push_back(loader);
    std::stable_sort(Loaders().begin(), Loaders().end(),
                     [](const DocumentLoader& a, const DocumentLoader& b) { return a.priority > b.priority; });
}

int16_t OpenDocumentFile(const HostEngine& host, const std::string& path, std::string& error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open '" + path + "': no such file or not readable";
        return 0;
    }
    std::string head(512, '\0');
    file.read(&head[0], static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(file.gcount()));
    for (const DocumentLoader& loader : Loaders())
        if (loader.claims(path, head))
            return loader.open(host, path, error);
    error = "'" + path + "' is not a document qzhost can open";
    return 0;
}
