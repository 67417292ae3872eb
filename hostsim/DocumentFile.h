#ifndef HOSTSIM_DOCUMENTFILE_H
#define HOSTSIM_DOCUMENTFILE_H

#include <cstdint>
#include <memory>
#include <string>

#include "hostsim/Document.h"

namespace hostsim
{

/* Document files: JSON holding every record (scope, tag, key, exact bytes in
   hex), the parts, the selection, the view state, the title and a format
   version. Writing is atomic (a temporary file in the same folder, flushed,
   synced and renamed over the target). Reading checks everything and refuses
   a malformed, truncated or inconsistent file with a message naming the
   problem and the field. */
class DocumentFile
{
public:
    static constexpr int kFormatVersion = 1;

    static std::string toJson(const Document& doc, uint32_t hostVersion);
    /* Null on failure, with the reason in `error`. The document's records are
       laid out for `hostVersion`; a file written for another version is refused. */
    static std::unique_ptr<Document> fromJson(const std::string& text, uint32_t hostVersion, std::string& error);

    static bool save(const Document& doc, uint32_t hostVersion, const std::string& path, std::string& error);
    static std::unique_ptr<Document> load(const std::string& path, uint32_t hostVersion, std::string& error);

    /* Writes `contents` to `path` atomically. */
    static bool writeAtomically(const std::string& path, const std::string& contents, std::string& error);
};

} // namespace hostsim

#endif
