#include "document/FCCellClefChange.h"

FCRECORD_CLASS_DEFINE(FCCellClefChange, 11, 0x6F744345)
