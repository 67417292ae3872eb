#ifndef HOSTSIM_SEEDBUILDER_H
#define HOSTSIM_SEEDBUILDER_H

#include <cstdint>
#include <memory>

#include "hostsim/ContentWriter.h"
#include "hostsim/Document.h"

namespace hostsim
{

/* Builds the built-in documents by code: the empty document, the small exact
   test document (optionally with the "QZ Plug-in Data" category) and the demo
   score. */
class SeedBuilder
{
public:
    static std::unique_ptr<Document> empty(int16_t id);
    static std::unique_ptr<Document> test(int16_t id, uint32_t hostVersion, bool withCategory);
    static std::unique_ptr<Document> demo(int16_t id, uint32_t hostVersion);
    /* A writer that puts records straight into the store of a document that
       is being built (no edit, no log). */
    static ContentWriter writer(Document& doc, uint32_t hostVersion);
};

} // namespace hostsim

#endif
