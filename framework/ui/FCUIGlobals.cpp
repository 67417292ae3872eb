#include "FCUIGlobals.h"

bool __bWindowshadeAllowed = true;
