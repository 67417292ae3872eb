#ifndef FRAMEWORK_CORE___FCTEMPOELEMENTSORTER_H
#define FRAMEWORK_CORE___FCTEMPOELEMENTSORTER_H

#include "core/FCIteratorHandler.h"

/* Orders tempo elements by the first signed 16-bit word of their record,
   ascending. Elements that are not records (or hold no bytes) count as 0. */
class __FCTempoElementSorter : public FCIteratorHandler
{
public:
    const char* ClassName() const override;

    /* -1, 0 or 1. */
    int Compare(__FCBase* pA, __FCBase* pB) override;
};

#endif
