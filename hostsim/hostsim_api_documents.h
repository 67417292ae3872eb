#ifndef HOSTSIM_API_DOCUMENTS_H
#define HOSTSIM_API_DOCUMENTS_H

/* Documents and parts: making, opening, importing, saving, switching and
   describing them. */

#include "hostsim/hostsim_api_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Documents and parts -------------------------------------------------- */
HOSTSIM_API int16_t hostsim_new_document(int seed);
HOSTSIM_API int hostsim_close_document(int16_t id);
HOSTSIM_API int hostsim_set_current_document(int16_t id);
HOSTSIM_API int16_t hostsim_current_document(void);
HOSTSIM_API int hostsim_add_part(int16_t docId, int16_t partId, const char* name, const int16_t* staves,
                                 const int32_t* distances, size_t count);
HOSTSIM_API int hostsim_set_current_part(int16_t partId);
HOSTSIM_API int16_t hostsim_current_part(void);
HOSTSIM_API int hostsim_set_measures(int16_t count);
/* Document files (JSON). On failure `error` receives a message naming the
   problem and the field; the open documents are untouched. */
HOSTSIM_API int16_t hostsim_open_document(const char* path, char* error, size_t errorSize);
HOSTSIM_API int hostsim_save_document(int16_t id, const char* path, char* error, size_t errorSize);
/* MusicXML 3.0 to 4.0 (partwise or timewise; plain XML or the compressed
   zip form, told apart by content) imported as a new current document with
   no file of its own. On failure `error` receives "<path>: <problem>" and
   nothing is opened or changed. */
HOSTSIM_API int16_t hostsim_import_musicxml(const char* path, char* error, size_t errorSize);
/* Opens a document file of either kind, chosen by the file's content: a
   MusicXML score is imported, a hostsim document file (JSON) is opened. */
HOSTSIM_API int16_t hostsim_open_document_file(const char* path, char* error, size_t errorSize);
/* A generated score made current: staves named from an orchestral list,
   text expressions in several categories with the staff set names among
   them, staff sets of random sizes; the same sizes and seed give the same
   document. Returns its id, 0 (with a message in `error`) for sizes the host
   cannot hold. */
HOSTSIM_API int16_t hostsim_new_large_document(const hostsim_large_score* sizes, char* error, size_t errorSize);
/* The document rendered as text for people and tests. */
HOSTSIM_API const char* hostsim_describe_document(int16_t id);
/* The document's records and number counters as bytes (id <= 0: the current
   document): equal images mean equal documents, record by record. Valid
   until the next call; *size receives the length (0 without a document). */
HOSTSIM_API const uint8_t* hostsim_document_image(int16_t id, size_t* size);
/* The current document's number of measures, 0 without a document. */
HOSTSIM_API int16_t hostsim_measure_count(void);

#ifdef __cplusplus
}
#endif

#endif
