#ifndef FRAMEWORK_STRINGS___FCBASESTREAM_H
#define FRAMEWORK_STRINGS___FCBASESTREAM_H

#include "core/__FCBase.h"

/* The base of the framework's streams.
 *
 * Virtual operations after those of __FCBase, in slot order:
 *   OpenRead, OpenWrite (both abstract). */
class __FCBaseStream : public __FCBase
{
public:
    const char* ClassName() const override;

    /* Opens the stream for reading from its start. */
    virtual bool OpenRead() = 0;
    /* Opens the stream for writing, created or emptied. */
    virtual bool OpenWrite() = 0;
};

#endif
