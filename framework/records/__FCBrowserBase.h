#ifndef FRAMEWORK_CORE___FCBROWSERBASE_H
#define FRAMEWORK_CORE___FCBROWSERBASE_H

#include "core/__FCIteratorBase.h"

class FCIteratorHandler;

/* Walks records of the document one at a time, without building a list.
 * A browser keeps no state between calls.
 *
 * Virtual operations after those of __FCBase, in slot order:
 *   ForEach, FindFirst, then the one abstract operation of the subclass. */
class __FCBrowserBase : public __FCIteratorBase
{
public:
    const char* ClassName() const override;

    /* Calls the handler for each record; returns the number of visits. */
    virtual int ForEach(FCIteratorHandler* pHandler) = 0;
    /* The first record the handler matches (the caller owns it), or null. */
    virtual __FCBase* FindFirst(FCIteratorHandler* pHandler) = 0;
};

#endif
