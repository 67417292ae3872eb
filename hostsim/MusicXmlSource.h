#ifndef HOSTSIM_MUSICXMLSOURCE_H
#define HOSTSIM_MUSICXMLSOURCE_H

#include <cstddef>
#include <string>

namespace hostsim
{

/* Reads the score text of a MusicXML file: the file itself when it is plain
   XML (.musicxml, .xml), or, for the compressed form (.mxl, a zip archive),
   the root file that META-INF/container.xml names. The kind is taken from
   the file's first bytes, never from its name. Nothing larger than
   kMaxScoreBytes is read, whether on disk or unpacked. */
class MusicXmlSource
{
public:
    static constexpr size_t kMaxScoreBytes = size_t(200) * 1024 * 1024;

    /* True when the bytes start a zip archive. */
    static bool isZip(const std::string& head);
    /* The first bytes of a file ("" when it cannot be read). */
    static std::string head(const std::string& path, size_t count);

    /* The score's XML text; false with the problem in `error` (without the
       file name, which the caller adds). */
    static bool read(const std::string& path, std::string& xml, std::string& error);

private:
    static bool readPlain(const std::string& path, std::string& xml, std::string& error);
    static bool readArchive(const std::string& path, std::string& xml, std::string& error);
};

} // namespace hostsim

#endif
