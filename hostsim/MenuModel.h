#ifndef HOSTSIM_MENUMODEL_H
#define HOSTSIM_MENUMODEL_H

#include <cstdint>

#include "hostsim/Document.h"

namespace hostsim
{

/* The host's menu commands as far as the host models them: the view mode and
   the displayed staff set. */
class MenuModel
{
public:
    /* True for the codes of the plug-in's menu command table. */
    static bool isKnown(uint32_t code);
    /* Carries out the command on the document; returns the host's answer. */
    static int32_t execute(Document& doc, int16_t scope, uint32_t code);
    static bool staffSetExists(const Document& doc, int16_t scope, int n);
};

} // namespace hostsim

#endif
