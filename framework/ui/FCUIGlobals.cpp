#include "ui/FCUIGlobals.h"

bool __bWindowshadeAllowed = true;
