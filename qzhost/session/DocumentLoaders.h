#ifndef QZHOST_DOCUMENTLOADERS_H
#define QZHOST_DOCUMENTLOADERS_H

/* Opening a document file: every loader registers itself (one source file
   each) and OpenDocumentFile asks them in turn. A loader first says whether
   the file is of its kind (by name or by its first bytes); the first that
   claims it opens it. The engine's own document files are the fallback. */

#include "qzhost/Registry.h"

#include <cstdint>
#include <string>

struct HostEngine;

struct DocumentLoader
{
    const char* name;
    /* Claims the file; head holds its first bytes. */
    bool (*claims)(const std::string& path, const std::string& head);
    /* Opens the file as a new current document of the engine: its id, or 0
       with the reason in error. */
    int16_t (*open)(const HostEngine& host, const std::string& path, std::string& error);
    /* Asked before loaders of a lower priority; the engine's own files are 0. */
    int priority;
};

#define QZHOST_DOCUMENT_LOADER(id, loader) QZHOST_REGISTER(DocumentLoader, id, loader)

/* Opens a document file through the first loader that claims it; nothing
   changes when it fails. The id of the new current document, or 0 with a
   message naming the file and the problem. */
int16_t OpenDocumentFile(const HostEngine& host, const std::string& path, std::string& error);

#endif
