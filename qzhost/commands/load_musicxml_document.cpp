/* Document loader: MusicXML scores (plain or compressed), told apart from the
   engine's own JSON documents by their first bytes, whatever the file's name. */

#include "common/qz_score_file.h"
#include "qzhost/session/DocumentLoaders.h"
#include "qzhost/session/HostEngine.h"

namespace
{

bool ClaimsMusicXml(const std::string&, const std::string& head) { return qz::LooksLikeMusicXml(head); }

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
