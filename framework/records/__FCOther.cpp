#include "records/__FCOther.h"

const char* __FCOther::ClassName() const { return "__FCOther"; }
