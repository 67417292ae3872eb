#ifndef FRAMEWORK_DOCUMENT_FCPAGEFORMATPREFS_H
#define FRAMEWORK_DOCUMENT_FCPAGEFORMATPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's page format preferences. */
class FCPageFormatPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(48)
};

#endif
