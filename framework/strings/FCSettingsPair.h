#ifndef FRAMEWORK_STRINGS_FCSETTINGSPAIR_H
#define FRAMEWORK_STRINGS_FCSETTINGSPAIR_H

#include "strings/FCString.h"
#include "core/__FCBase.h"

/* One key and value of a settings text file ("key=value"). Both texts are
 * copies, stored without leading and trailing white space.
 *
 * Keeps the virtual operations of __FCBase (ClassName included). */
class FCSettingsPair : public __FCBase
{
    FCString _key;
    FCString _value;

public:
    /* Copies both texts (a null text gives an empty one) and trims them. */
    FCSettingsPair(FCString* pKey, FCString* pValue);

    FCString* GetKey() { return &_key; }
    FCString* GetValue() { return &_value; }
    /* Replaces the value by a copy of the text (trimmed); null empties it. */
    void SetValue(FCString* pValue);
    /* A new pair with the same key and value; the caller owns it. */
    FCSettingsPair* CreateCopy();
};

#endif
