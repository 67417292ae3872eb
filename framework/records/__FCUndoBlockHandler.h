#ifndef FRAMEWORK_CORE___FCUNDOBLOCKHANDLER_H
#define FRAMEWORK_CORE___FCUNDOBLOCKHANDLER_H

#include "core/__FCBase.h"

class FCUndoBlock;

/* One change to the document, run by an FCUndoBlock inside one host edit.
 *
 * Virtual operations after those of __FCBase: Execute. */
class __FCUndoBlockHandler : public __FCBase
{
    FCUndoBlock* _pundoblock; /* the block running this handler; not owned */

public:
    __FCUndoBlockHandler();

    const char* ClassName() const override;

    /* The change: true when it succeeded and stays, false when the edit is
       to be cancelled. */
    virtual bool Execute() = 0;

    /* The block running the handler (null outside a run, and during a run
       whose edit the host refused to open). */
    FCUndoBlock* GetUndoBlock() const { return _pundoblock; }
    void _SetUndoBlock(FCUndoBlock* pBlock) { _pundoblock = pBlock; }
};

#endif
