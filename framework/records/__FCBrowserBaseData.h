#ifndef FRAMEWORK_CORE___FCBROWSERBASEDATA_H
#define FRAMEWORK_CORE___FCBROWSERBASEDATA_H

#include "records/__FCBrowserBase.h"

class __FCBaseData;

/* Browses every record of one record class, from LoadFirst through
 * LoadNext, with a scratch element that lives for one walk.
 *
 * Virtual operations after those of __FCBrowserBase: CreateElement. */
class __FCBrowserBaseData : public __FCBrowserBase
{
public:
    const char* ClassName() const override;

    /* PreProcess, then Iterate on each record (false stops), then
       PostProcessIfExist and PostProcess; returns the number of records for
       which Iterate returned true. */
    int ForEach(FCIteratorHandler* pHandler) override;
    /* The first record for which Match is true, as a new object the caller
       owns; null when none matches. */
    __FCBase* FindFirst(FCIteratorHandler* pHandler) override;

    /* A new, unloaded element of the browsed class (caller owns it). */
    virtual __FCBaseData* CreateElement() = 0;
};

#endif
