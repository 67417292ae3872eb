#include "records/__FCBrowserBase.h"

const char* __FCBrowserBase::ClassName() const { return "__FCBrowserBase"; }
