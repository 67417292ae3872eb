#ifndef QZ_HOSTLINK_BRIDGEDATA_H
#define QZ_HOSTLINK_BRIDGEDATA_H

#include <stdint.h>

#include "common/qz_export.h"

/* Process-wide data of the host function bridge, exported so that the host
   and drivers can read it. */

/* Frames loaded and not yet freed (+1 per FX_LoadTGF, -1 per FX_FreeTGF). */
QZ_EXTERN_C QZ_EXPORT int32_t LoadedTGFCounter;
/* Whether frame cleaning gives an entry without notes one rest note record. */
QZ_EXTERN_C QZ_EXPORT uint8_t CanAddNoteRecordToRests;
/* Nesting depths of edit and mass-edit brackets. */
QZ_EXTERN_C QZ_EXPORT int32_t FinaleEditDepth;
QZ_EXTERN_C QZ_EXPORT int32_t MassEditDepth;

#endif
