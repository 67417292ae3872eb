#ifndef FRAMEWORK_CORE___FCCOLLECTIONINCIOTHER_H
#define FRAMEWORK_CORE___FCCOLLECTIONINCIOTHER_H

#include <cstdint>

#include "records/__FCCollectionData.h"

class __FCInciOther;

/* A list of incident records (__FCInciOther), typically all incidents of one
 * item.
 *
 * Virtual operations after those of __FCCollectionData, in slot order:
 *   DeleteDataForItem, LoadAllForItem, SaveAllForItem. */
class __FCCollectionInciOther : public __FCCollectionData
{
public:
    const char* ClassName() const override;

    /* Deletes every incident of item, from the last down to 0. True also
       when the item has none. */
    virtual bool DeleteDataForItem(uint16_t item);
    /* Loads incidents 0, 1, 2, ... of item until one fails; returns the count. */
    virtual int LoadAllForItem(uint16_t item);
    /* Replaces all incidents of item by the list's elements, in list order. */
    virtual bool SaveAllForItem(uint16_t item);

    /* Number of consecutive incidents of item from 0, counted with one
       scratch record (the list itself is left as it is). */
    int CountForItem(uint16_t item);
    /* The same count with a scratch record of the caller's (its key and data
       change), for callers that count many items. */
    static int CountIncidentsOf(__FCInciOther* pScratch, uint16_t item);

    /* Copies the incidents of fromItem over those of toItem and removes
       toItem's surplus incidents. */
    bool SaveDataAs(uint16_t fromItem, uint16_t toItem);
    /* The first element with key (item, incident), else null. */
    __FCInciOther* FindItemNo(uint16_t item, int16_t incident) const;

protected:
    /* Scratch element of the list's class as an incident record. */
    __FCInciOther* _CreateScratchInci();
    /* Number of consecutive incidents of item from 0 that load. */
    int _CountIncidents(__FCInciOther* pScratch, uint16_t item, int from = 0);
};

#endif
