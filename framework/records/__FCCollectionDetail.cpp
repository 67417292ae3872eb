#include "records/__FCCollectionDetail.h"

const char* __FCCollectionDetail::ClassName() const { return "__FCCollectionDetail"; }
