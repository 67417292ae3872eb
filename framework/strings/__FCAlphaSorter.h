#ifndef FRAMEWORK_CORE___FCALPHASORTER_H
#define FRAMEWORK_CORE___FCALPHASORTER_H

#include "core/FCIteratorHandler.h"

/* Orders strings (FCString elements) bytewise by their 8-bit forms. A null
   element (or one that is not a string) sorts before a string; two of them
   are equal. */
class __FCAlphaSorter : public FCIteratorHandler
{
public:
    const char* ClassName() const override;

    int Compare(__FCBase* pA, __FCBase* pB) override;
};

#endif
