#include "strings/__FCBaseStream.h"

const char* __FCBaseStream::ClassName() const { return "__FCBaseStream"; }
