#ifndef FRAMEWORK_DOCUMENT_FCMISCDOCPREFS_H
#define FRAMEWORK_DOCUMENT_FCMISCDOCPREFS_H

#include <cstdint>

#include "document/__FCPrefsBase.h"

/* Miscellaneous document options (the host's 104-byte preference set).
 * Only two options are reached; each is a 16-bit word, non-zero = on. */
class FCMiscDocPrefs : public __FCPrefsBase
{
    FCRECORD_CLASS_MEMBERS(104)

#define FCMISCDOCPREFS_OPTIONS(X)   \
    X(DoubleBarlineAtKeyChange, 12) \
    X(ConsolidateRestsAcrossLayers, 24)
#define FCMISCDOCPREFS_OPTION_ACCESSORS(NAME, OFFSET)                                 \
    bool Get##NAME() const { return _GetField(FCRecordField<int16_t>(OFFSET)) != 0; } \
    void Set##NAME(bool on) { _SetField(FCRecordField<int16_t>(OFFSET), int16_t(on ? 1 : 0)); }
    FCMISCDOCPREFS_OPTIONS(FCMISCDOCPREFS_OPTION_ACCESSORS)
#undef FCMISCDOCPREFS_OPTION_ACCESSORS
};

#endif
