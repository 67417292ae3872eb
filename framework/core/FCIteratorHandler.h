#ifndef FRAMEWORK_CORE_FCITERATORHANDLER_H
#define FRAMEWORK_CORE_FCITERATORHANDLER_H

#include "core/__FCBase.h"

/* The object that steers a walk, a search or a sort over a list or a browser.
 * Subclasses override the answers they need.
 *
 * Virtual operations after those of __FCBase, in slot order:
 *   Iterate, SecondPassIterate, IterateIndex, Match, Compare,
 *   PreProcess, PreProcessIfExist, PostProcess, PostProcessIfExist. */
class FCIteratorHandler : public __FCBase
{
public:
    const char* ClassName() const override;

    /* One element of a walk; false stops the walk. */
    virtual bool Iterate(__FCBase* pObject);
    virtual bool SecondPassIterate(__FCBase* pObject);
    /* One element of an indexed walk; false stops the walk. */
    virtual bool IterateIndex(__FCBase* pObject, int index);
    /* True for the element a search is looking for. */
    virtual bool Match(__FCBase* pObject);
    /* Sort order: greater than 0 when a belongs after b. */
    virtual int Compare(__FCBase* pA, __FCBase* pB);
    /* Called by browsers around a walk; collections do not call them. */
    virtual bool PreProcess();
    virtual bool PreProcessIfExist();
    virtual void PostProcess();
    virtual void PostProcessIfExist();
};

#endif
