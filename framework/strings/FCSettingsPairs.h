#ifndef FRAMEWORK_STRINGS_FCSETTINGSPAIRS_H
#define FRAMEWORK_STRINGS_FCSETTINGSPAIRS_H

#include "strings/FCSettingsPair.h"
#include "core/__FCCollection.h"

/* An owning list of settings pairs, in file order. Made from a settings
 * file's lines by FCStrings::CreateSettingsPairs. */
class FCSettingsPairs : public __FCCollection
{
public:
    const char* ClassName() const override;

    /* The pair at index (still owned by the list), or null. */
    FCSettingsPair* GetItemAt(int index) const;
    /* The first pair whose key equals the text, ignoring letter case (the
       pair stays owned by the list); null when none or for a null key. */
    FCSettingsPair* FindKey(FCString* pKey) const;
};

#endif
