#include "FCExpression.h"

FCRECORD_CLASS_DEFINE(FCExpression, 30, 0x534F4459)
