#include "records/__FCUndoBlockHandler.h"

__FCUndoBlockHandler::__FCUndoBlockHandler() : _pundoblock(nullptr) {}

const char* __FCUndoBlockHandler::ClassName() const { return "__FCUndoBlockHandler"; }
