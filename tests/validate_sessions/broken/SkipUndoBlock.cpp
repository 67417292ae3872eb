/* Linked in place of the undo block's Execute: the handler runs with no host
   edit around it, so its writes are neither undoable nor cancelled. */

#include "records/FCUndoBlock.h"
#include "records/__FCUndoBlockHandler.h"

extern "C" bool __wrap__ZN11FCUndoBlock7ExecuteEP20__FCUndoBlockHandlerP8FCString(FCUndoBlock*,
                                                                                  __FCUndoBlockHandler* handler,
                                                                                  FCString*)
{
    return handler && handler->Execute();
}
