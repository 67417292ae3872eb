#ifndef TESTS_SUPPORT_FAKEENGINE_H
#define TESTS_SUPPORT_FAKEENGINE_H

/* Control interface of the small host engine that the bridge, start-up and
   module tests load. The engine declares itself the engine bundle (or,
   built with FAKE_ENGINE_BUNDLE_ID, a bundle of another identifier) and
   exports a handful of FX_ functions that record their calls and keep 12-byte
   'ot' records; every other host function is missing. */

#include <stdint.h>

#include "common/qz_export.h"

/* Forgets every record and call. */
QZ_EXTERN_C QZ_EXPORT void fake_engine_reset(void);
/* Number of calls of the named FX_ function since the last reset. */
QZ_EXTERN_C QZ_EXPORT int fake_engine_calls(const char* name);
/* Stores / reads one record of six 16-bit words (a read gives 0 when absent). */
QZ_EXTERN_C QZ_EXPORT void fake_engine_put_record(uint32_t tag, int16_t item, int16_t incident, const uint16_t* words);
QZ_EXTERN_C QZ_EXPORT int fake_engine_get_record(uint32_t tag, int16_t item, int16_t incident, uint16_t* words);
/* Number of record saves that named this tag since the last reset. */
QZ_EXTERN_C QZ_EXPORT int fake_engine_saves_of(uint32_t tag);
/* Result of the edit-bracket and frame functions (default 1). */
QZ_EXTERN_C QZ_EXPORT void fake_engine_set_result(int16_t result);
/* Fret instrument loads fill the whole buffer with this byte and return the
   given result. */
QZ_EXTERN_C QZ_EXPORT void fake_engine_set_fret_answer(uint8_t fill, int16_t result);
/* Version argument of the latest FX_ call. */
QZ_EXTERN_C QZ_EXPORT uint32_t fake_engine_last_version(void);
/* Note IDs of entry 0 as the host saw them in the latest frame call. */
QZ_EXTERN_C QZ_EXPORT int fake_engine_seen_note_ids(int16_t* ids, int maxIds);
/* A function of the engine bundle that is not a host function (answers 25). */
QZ_EXTERN_C QZ_EXPORT int qztest_engine_function(void);
/* Number of host functions in the shared table, as compiled in C. */
QZ_EXTERN_C QZ_EXPORT int fake_engine_host_function_count(void);

#endif
