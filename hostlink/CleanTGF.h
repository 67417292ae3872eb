#ifndef QZ_HOSTLINK_CLEANTGF_H
#define QZ_HOSTLINK_CLEANTGF_H

#include "hostlink/fx_types.h"

namespace fxhost
{

// Normalises a frame before it goes back to the host: unique non-zero note
// IDs, ID bits 16-20 in each note's flag word, unused note slots cleared and,
// when CanAddNoteRecordToRests is set, one rest note record for an entry
// without notes. A null frame, or one without an entry array, is left alone.
void CleanTGF(EXTGF2005a* frame);

} // namespace fxhost

#endif
