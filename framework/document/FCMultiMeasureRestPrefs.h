#ifndef FRAMEWORK_DOCUMENT_FCMULTIMEASURERESTPREFS_H
#define FRAMEWORK_DOCUMENT_FCMULTIMEASURERESTPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's multimeasure rest preferences. */
class FCMultiMeasureRestPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(26)
};

#endif
