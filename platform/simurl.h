#ifndef SIMURL_H
#define SIMURL_H

/* The URL object of the Core Foundation stand-in, shared with the simulated
   host: whoever makes one allocates it and its path with malloc (refcount 1);
   CFRelease frees both when the count drops to zero. */

#include <stdint.h>

#define SIMURL_MAGIC 0x5355524Cu /* 'SURL' */

typedef struct SimURL
{
    uint32_t magic; /* SIMURL_MAGIC */
    int32_t refcount;
    char* path;          /* malloc'd absolute UTF-8 file-system path, no trailing '/' */
    struct SimURL* base; /* NULL */
} SimURL;

#endif
