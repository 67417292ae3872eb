#include "qzhost/session/DocumentLoaders.h"

#include <algorithm>
#include <fstream>
#include <vector>

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
    const auto byPriority = [](const DocumentLoader& a, const DocumentLoader& b) { return a.priority > b.priority; };
    for (const DocumentLoader* loader : Registry<DocumentLoader>::Instance().Sorted(byPriority))
        if (loader->claims(path, head))
            return loader->open(host, path, error);
    error = "'" + path + "' is not a document qzhost can open";
    return 0;
}
