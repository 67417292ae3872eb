#ifndef HOSTSIM_API_CONTENT_H
#define HOSTSIM_API_CONTENT_H

/* A document's content: writing it the way another program would (applied
   without an edit, journaled as "external") and reading it back. */

#include "hostsim/hostsim_api_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Content -------------------------------------------------------------- */
HOSTSIM_API int hostsim_add_staff(int16_t number, const char* fullName, const char* abbrName);
HOSTSIM_API int hostsim_put_staff_list(uint16_t item, const hostsim_staff_entry* entries, size_t count);
HOSTSIM_API int hostsim_put_category(int16_t item, int16_t categoryId, const char* name);
/* Returns the expression's item (item <= 0 takes the next free one), 0 on failure. */
HOSTSIM_API int16_t hostsim_put_text_expression(int16_t item, int16_t categoryId, const char* description,
                                                const char* text, uint16_t flags);
HOSTSIM_API int hostsim_put_other(uint32_t tag, const int16_t* key, const void* bytes, uint32_t size);
HOSTSIM_API int hostsim_delete_record(uint32_t tag, const int16_t* key);
/* Writes a staff list in the score (part 0) whatever part is current,
   without an edit; count 0 deletes the list. */
HOSTSIM_API int hostsim_put_score_staff_list(uint16_t item, const hostsim_staff_entry* entries, size_t count);
/* Item of the first expression category with exactly this name, 0 when none. */
HOSTSIM_API int16_t hostsim_find_category(const char* name);
/* Adds a category with a new item and a new category ID; returns the item, 0 on failure. */
HOSTSIM_API int16_t hostsim_add_category(const char* name);
/* Deletes every category with exactly this name; returns how many went. */
HOSTSIM_API int hostsim_remove_categories(const char* name);

/* ---- Reading back ---------------------------------------------------------- */
/* part < 0: the current part. With bytes null only the size is given. */
HOSTSIM_API int hostsim_get_record(uint32_t tag, const int16_t* key, int16_t part, void* bytes, uint32_t* size);
/* Fills up to `capacity` keys (three parts each); returns the number of records. */
HOSTSIM_API size_t hostsim_list_records(uint32_t tag, int16_t part, int16_t (*keys)[3], size_t capacity);
HOSTSIM_API size_t hostsim_record_count(void);
HOSTSIM_API size_t hostsim_staff_list(uint16_t item, int16_t part, hostsim_staff_entry* out, size_t capacity);
/* Reads the current document's text expressions (in item order) and returns
   how many there are; hostsim_expression_at then gives them one by one. */
HOSTSIM_API size_t hostsim_expression_count(void);
HOSTSIM_API int hostsim_expression_at(size_t index, hostsim_expression* out);
/* The staff groups of the current document's score (in item order), read
   like the expressions: the count first, then one by one. */
HOSTSIM_API size_t hostsim_group_count(void);
HOSTSIM_API int hostsim_group_at(size_t index, hostsim_group* out);
/* A staff's full (full != 0) or abbreviated name as stored (caret text), "" when none. */
HOSTSIM_API const char* hostsim_staff_name(int16_t staff, int full);
HOSTSIM_API hostsim_view hostsim_view_state(void);
HOSTSIM_API int hostsim_dirty(int16_t docId);
HOSTSIM_API int32_t hostsim_counter(uint32_t tag, int16_t part);
HOSTSIM_API int32_t hostsim_open_edit_depth(void);

#ifdef __cplusplus
}
#endif

#endif
