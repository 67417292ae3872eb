#ifndef HOSTSIM_DRIVERCALL_H
#define HOSTSIM_DRIVERCALL_H

#include <string>

#include "hostsim/ContentWriter.h"

namespace hostsim
{

class Document;
class Engine;

/* What every driver API function starts with: the engine, after the strict
   check that no plug-in call is in progress. */
Engine& driver(const char* function);

/* Writes whole pieces of content into a document as the driver does: applied
   without an edit and journaled as "external". */
ContentWriter writerFor(Engine& e, Document& doc);

/* A text handed out until the next call of the same function. */
const char* keep(std::string& slot, std::string value);

} // namespace hostsim

#endif
