#ifndef FRAMEWORK_DOCUMENT_FCMUSICCHARACTERPREFS_H
#define FRAMEWORK_DOCUMENT_FCMUSICCHARACTERPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's music character preferences. */
class FCMusicCharacterPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(164)
};

#endif
