#include "records/__FCDetail.h"

const char* __FCDetail::ClassName() const { return "__FCDetail"; }
