#ifndef FRAMEWORK_DOCUMENT_FCGENERALPREFS_H
#define FRAMEWORK_DOCUMENT_FCGENERALPREFS_H

#include "document/__FCPrefsBase.h"

/* The document's general preferences. */
class FCGeneralPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(66)
    /* General preferences are stored in layout 0x0D000000. */
    uint32_t EnigmaVersion() const override;
    /* The measurement unit (a MEASUREMENTUNITS code). */
    FCRECORD_FIELD(MeasurementUnit, int16_t, 0)
};

#endif
