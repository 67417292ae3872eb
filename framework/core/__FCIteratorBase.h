#ifndef FRAMEWORK_CORE___FCITERATORBASE_H
#define FRAMEWORK_CORE___FCITERATORBASE_H

#include "core/__FCBase.h"

/* Common base of the lists and of the record browsers. It adds nothing of its
   own. */
class __FCIteratorBase : public __FCBase
{};

#endif
