#ifndef FRAMEWORK_CORE___FCBROWSERNOINCIOTHER_H
#define FRAMEWORK_CORE___FCBROWSERNOINCIOTHER_H

#include <cstdint>

#include "records/__FCBrowserBaseData.h"

class __FCNoInciOther;

/* A browser of records keyed by an item number alone (__FCNoInciOther).
   CreateElement must give an __FCNoInciOther. */
class __FCBrowserNoInciOther : public __FCBrowserBaseData
{
public:
    const char* ClassName() const override;

    /* A new element loaded with Load(item) (the caller owns it), or null. */
    __FCNoInciOther* LoadAnElement(uint16_t item);
    /* Loads item and walks from it to the last record, calling Iterate for
       each (false stops); returns the number of records for which Iterate
       returned true. */
    int ToEndFrom(uint16_t item, FCIteratorHandler* pHandler);
    /* Number of records from item 1 to the last. */
    int GetCount();
};

#endif
