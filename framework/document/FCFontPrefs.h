#ifndef FRAMEWORK_DOCUMENT_FCFONTPREFS_H
#define FRAMEWORK_DOCUMENT_FCFONTPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's font preferences. */
class FCFontPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(6)
};

#endif
