#include "document/__FCCollectionNoInciCellDetail.h"

const char* __FCCollectionNoInciCellDetail::ClassName() const { return "__FCCollectionNoInciCellDetail"; }
