#ifndef FRAMEWORK_CORE_FCUNDOBLOCK_H
#define FRAMEWORK_CORE_FCUNDOBLOCK_H

#include "core/__FCBase.h"

class FCString;
class __FCUndoBlockHandler;

/* Runs one change (an __FCUndoBlockHandler) inside one named host edit, so
 * that the host shows it as one undoable step: the edit is ended when the
 * change reports success and cancelled when it reports failure. While the
 * change runs it may split itself into further named steps (AddSession).
 * Undo names reach the host cut to their first 63 UTF-16 code units. */
class FCUndoBlock : public __FCBase
{
    bool _running; /* set while Execute runs a handler */

public:
    /* Interface version of the edit calls. */
    static constexpr unsigned kEditVersion = 0x19000000;
    /* Code units of an undo name that reach the host. */
    static constexpr int kMaxUndoNameLength = 63;

    FCUndoBlock();

    /* Runs pHandler inside one host edit named pName and returns the
       handler's result; false without calling anything for null arguments. */
    bool Execute(__FCUndoBlockHandler* pHandler, FCString* pName);
    /* Only while a handler runs: ends (keepPrevious) or cancels the current
       step and opens a new one named pName. Returns whether the host opened
       it; false (and nothing called) outside a run or for a null name. */
    bool AddSession(FCString* pName, bool keepPrevious);

    bool IsRunning() const { return _running; }

    /* The name of the most recently opened edit step (process-wide; the
       document class exposes the same string as its last undo string). */
    static FCString* _GetLastUndoString();
};

#endif
