#ifndef FRAMEWORK_DOCUMENT_FCPAGEFORMATPREFS_H
#define FRAMEWORK_DOCUMENT_FCPAGEFORMATPREFS_H

#include "__FCPrefsBase.h"

/* The document's page format preferences. */
class FCPageFormatPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(48)
};

#endif
