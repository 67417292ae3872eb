#ifndef HOSTSIM_DOCUMENTDESCRIBER_H
#define HOSTSIM_DOCUMENTDESCRIBER_H

#include <cstdint>
#include <string>

#include "hostsim/Document.h"

namespace hostsim
{

/* Renders a document as text: staves and their names, the score's staff
   list, the eight staff sets, categories, text expressions, parts, the
   selection and the view. Stable output, for people and for tests. */
class DocumentDescriber
{
public:
    static std::string describe(const Document& doc, uint32_t hostVersion);
};

} // namespace hostsim

#endif
