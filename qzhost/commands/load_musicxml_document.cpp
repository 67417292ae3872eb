/* Document loader: MusicXML scores (plain or compressed), told apart from the
   engine's own JSON documents by their first bytes, whatever the file's name. */

#include "qzhost/session/DocumentLoaders.h"
#include "qzhost/session/HostEngine.h"

namespace
{

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

/* A zip container, UTF-16 text, or text whose first character is '<'. */
bool ClaimsMusicXml(const std::string&, const std::string& head)
{
    if (StartsWith(head, std::string("PK\x03\x04", 4)) || StartsWith(head, "\xFF\xFE") || StartsWith(head, "\xFE\xFF"))
        return true;
    size_t first = StartsWith(head, "\xEF\xBB\xBF") ? 3 : 0;
    first = head.find_first_not_of(" \t\r\n", first);
    return first != std::string::npos && head[first] == '<';
}

int16_t OpenMusicXml(const HostEngine& host, const std::string& path, std::string& error)
{
    char message[1024] = "";
    int16_t id = host.hostsim_import_musicxml(path.c_str(), message, sizeof message);
    if (!id)
        error = message;
    return id;
}

} // namespace

QZHOST_DOCUMENT_LOADER(musicxml, (DocumentLoader{"MusicXML score", ClaimsMusicXml, OpenMusicXml, 1}));
