#include "records/__FCNoInciCellDetail.h"

const char* __FCNoInciCellDetail::ClassName() const { return "__FCNoInciCellDetail"; }

bool __FCNoInciCellDetail::LoadFirst() { return __FCCellDetail::LoadFirst(); }

bool __FCNoInciCellDetail::LoadNext() { return false; }

bool __FCNoInciCellDetail::SaveNew() { return false; }
