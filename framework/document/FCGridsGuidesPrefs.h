#ifndef FRAMEWORK_DOCUMENT_FCGRIDSGUIDESPREFS_H
#define FRAMEWORK_DOCUMENT_FCGRIDSGUIDESPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's grid and guide preferences. */
class FCGridsGuidesPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(132)
};

#endif
