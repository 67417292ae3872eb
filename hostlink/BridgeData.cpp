#include "hostlink/BridgeData.h"

int32_t LoadedTGFCounter = 0;
uint8_t CanAddNoteRecordToRests = 1;
int32_t FinaleEditDepth = 0;
int32_t MassEditDepth = 0;
