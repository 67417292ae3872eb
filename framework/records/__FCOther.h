#ifndef FRAMEWORK_CORE___FCOTHER_H
#define FRAMEWORK_CORE___FCOTHER_H

#include "records/__FCBaseData.h"

/* Base of the host's "other" records: records keyed by an item number, with
   or without an incident number. */
class __FCOther : public __FCBaseData
{
public:
    const char* ClassName() const override;
};

#endif
