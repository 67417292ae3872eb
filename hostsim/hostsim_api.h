#ifndef HOSTSIM_API_H
#define HOSTSIM_API_H

/* Driver control API of the simulated host engine (libfxhostsim.so).

   A driver (the host program or a test harness) calls these between plug-in
   calls to build documents, play the user's host-side actions, inject
   failures and read back state and logs. All functions have C linkage and can
   be resolved with dlsym; the typedef HOSTSIM_FN(name) gives the pointer type
   of each.

   Texts are UTF-8. Returned `const char*` texts stay valid until the next call
   of the same function (or, for log entries, until that log is cleared).
   Documents and records are addressed in the current document unless a
   function takes a document id. Content written through this API is applied
   without an edit and journaled as "external". */

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define HOSTSIM_API __attribute__((visibility("default")))
#else
#define HOSTSIM_API
#endif

/* ---- Seeds, policies, modes ------------------------------------------- */
enum
{
    HOSTSIM_SEED_EMPTY = 0,   /* no records; part 0 only               */
    HOSTSIM_SEED_TEST = 1,    /* the small exact test document          */
    HOSTSIM_SEED_TEST_QZ = 2, /* the same plus "QZ Plug-in Data" (id 9) */
    HOSTSIM_SEED_DEMO = 3     /* the demo score                         */
};
enum
{
    HOSTSIM_ALLOC_NEXT = 0,
    HOSTSIM_ALLOC_LOWEST_FREE = 1
};
enum
{
    HOSTSIM_FAIL_OFF = 0,
    HOSTSIM_FAIL_REFUSE = 1,
    HOSTSIM_FAIL_MISSING = 2
};
enum
{
    HOSTSIM_VIEW_PAGE = 0,
    HOSTSIM_VIEW_SCROLL = 1
};
enum
{
    HOSTSIM_SEVERITY_INFO = 0,
    HOSTSIM_SEVERITY_WARNING = 1,
    HOSTSIM_SEVERITY_ERROR = 2
};
enum
{
    HOSTSIM_EDIT_OPEN = 0,
    HOSTSIM_EDIT_COMMITTED = 1,
    HOSTSIM_EDIT_CANCELLED = 2,
    HOSTSIM_EDIT_UNBRACKETED = 3,
    HOSTSIM_EDIT_EXTERNAL = 4
};

/* The host region record, unpacked (the host's own form is 20 packed bytes). */
typedef struct hostsim_region
{
    uint16_t startList;
    int16_t startSlot;
    int16_t startMeasure;
    int32_t startPos;
    uint16_t endList;
    int16_t endSlot;
    int16_t endMeasure;
    int32_t endPos;
} hostsim_region;

typedef struct hostsim_staff_entry
{
    int16_t staff;
    int32_t distance;
    int16_t resize; /* percent; 100 = no resize detail record */
} hostsim_staff_entry;

typedef struct hostsim_expression
{
    int16_t item;
    int16_t textBlock;
    uint16_t categoryWord; /* the word at offset 26: bits 0-13 category id */
    uint16_t flags;
    const char* description; /* UTF-8 */
    const char* text;        /* the expression's raw text, UTF-8 */
} hostsim_expression;

/* How a staff group is marked at the left of its staves. */
enum
{
    HOSTSIM_BRACKET_NONE = 0,
    HOSTSIM_BRACKET_BRACE = 1,
    HOSTSIM_BRACKET_BRACKET = 2,
    HOSTSIM_BRACKET_LINE = 3,
    HOSTSIM_BRACKET_SQUARE = 4
};

typedef struct hostsim_group
{
    int16_t number;     /* the group's item */
    int16_t startStaff; /* first and last staff of the group */
    int16_t endStaff;
    int16_t bracket;      /* HOSTSIM_BRACKET_* */
    const char* fullName; /* caret texts, UTF-8; "" = none */
    const char* abbrName;
} hostsim_group;

typedef struct hostsim_view
{
    int32_t viewMode;          /* HOSTSIM_VIEW_* */
    int32_t displayedStaffSet; /* 0 = all staves, 1-8 */
} hostsim_view;

typedef struct hostsim_call
{
    uint32_t seq;
    const char* function;
    uint32_t tag; /* 0 when the call has none */
    int16_t key[3];
    int32_t keyParts; /* 0 when the call has no key */
    uint32_t sizeIn, sizeOut;
    uint32_t version;
    int32_t result;
    int16_t document, part;
    int32_t editDepth;
    int32_t inPluginCall;
    int32_t createdBySave;
    const char* text; /* the whole entry, decoded, one line */
} hostsim_call;

typedef struct hostsim_edit
{
    const char* name;
    int16_t document;
    int32_t outcome; /* HOSTSIM_EDIT_* */
    int32_t depth;
    int32_t operations;
    const char* text; /* name, outcome and the operations, one per line */
} hostsim_edit;

typedef struct hostsim_menu
{
    uint32_t seq;
    uint32_t code;
    char chars[5];
    int16_t document, part;
    int32_t result;
} hostsim_menu;

/* The host's current document window (FX_GetCurrentWindowInfo). */
typedef struct hostsim_window_info
{
    int32_t pageView;
    int16_t page;
    int16_t measure;
    int16_t zoom;    /* percent */
    intptr_t window; /* the window reference handed out */
} hostsim_window_info;

/* One selection dialog (kind, host window, preselected id) or symbol dialog
   (font name, size, style, preselected symbol) the host ran. */
typedef struct hostsim_dialog
{
    const char* function;
    int16_t kind;
    int32_t preselected;
    intptr_t window;
    const char* fontName; /* UTF-8; "" for selection dialogs */
    int16_t size, style;
    int32_t answer;
    int32_t changed; /* the change flag handed back (selection dialogs) */
} hostsim_dialog;

/* Sizes of a generated score (hostsim_new_large_document). */
typedef struct hostsim_large_score
{
    int64_t staves;      /* 0 to 32767 */
    int64_t measures;    /* 1 to 32767 */
    int64_t expressions; /* 0 to 32767, the staff set names included */
    int64_t staffSets;   /* 0 to 8, each with its name among the expressions */
    uint32_t seed;
} hostsim_large_score;

typedef struct hostsim_violation
{
    int32_t severity; /* HOSTSIM_SEVERITY_* */
    const char* text;
} hostsim_violation;

/* ---- Lifecycle ------------------------------------------------------------ */
HOSTSIM_API void hostsim_reset(void);
HOSTSIM_API void hostsim_set_profile(uint32_t hostVersion);
HOSTSIM_API uint32_t hostsim_profile(void);
HOSTSIM_API void hostsim_set_strict(int on);
HOSTSIM_API void hostsim_set_allocation_policy(int policy);
HOSTSIM_API void hostsim_set_incident_compaction(int on);
HOSTSIM_API void hostsim_set_part_scoped(uint32_t tag, int on);
HOSTSIM_API void hostsim_set_main_thread(void);
/* Brackets one plug-in entry call or UI event. The end checks that no edit is
   left open, that the current part is back to its value at the start and
   (pluginEditDepth >= 0) that the plug-in's edit depth equals the host's. */
HOSTSIM_API void hostsim_begin_plugin_call(const char* what);
HOSTSIM_API void hostsim_end_plugin_call(int32_t pluginEditDepth);

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

/* ---- Content -------------------------------------------------------------- */
HOSTSIM_API int hostsim_add_staff(int16_t number, const char* fullName, const char* abbrName);
HOSTSIM_API int hostsim_put_staff_list(uint16_t item, const hostsim_staff_entry* entries, size_t count);
HOSTSIM_API int hostsim_put_category(int16_t item, int16_t categoryId, const char* name);
/* Returns the expression's item (item <= 0 takes the next free one), 0 on failure. */
HOSTSIM_API int16_t hostsim_put_text_expression(int16_t item, int16_t categoryId, const char* description,
                                                const char* text, uint16_t flags);
HOSTSIM_API int hostsim_put_other(uint32_t tag, const int16_t* key, const void* bytes, uint32_t size);
HOSTSIM_API int hostsim_delete_record(uint32_t tag, const int16_t* key);

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

HOSTSIM_API size_t hostsim_call_log_count(void);
HOSTSIM_API int hostsim_call_log_entry(size_t index, hostsim_call* out);
HOSTSIM_API size_t hostsim_call_count(const char* function);
HOSTSIM_API const char* hostsim_call_log_text(void);
HOSTSIM_API void hostsim_clear_call_log(void);
/* Finished edits in order, then the edits still open (outcome OPEN). */
HOSTSIM_API size_t hostsim_edit_log_count(void);
HOSTSIM_API int hostsim_edit_log_entry(size_t index, hostsim_edit* out);
HOSTSIM_API void hostsim_clear_edit_log(void);
HOSTSIM_API size_t hostsim_menu_log_count(void);
HOSTSIM_API int hostsim_menu_log_entry(size_t index, hostsim_menu* out);
HOSTSIM_API void hostsim_clear_menu_log(void);
HOSTSIM_API size_t hostsim_redraw_count(void);
HOSTSIM_API int hostsim_last_redraw(hostsim_region* out);
HOSTSIM_API size_t hostsim_alert_count(void);
HOSTSIM_API const char* hostsim_alert_text(size_t index);
HOSTSIM_API size_t hostsim_urls_handed_out(void);
/* Entries of the last frame the plug-in saved (146 bytes each); returns the size. */
HOSTSIM_API size_t hostsim_saved_frame(void* bytes, size_t capacity);

/* Strict-mode violations (severity >= minSeverity are counted). */
HOSTSIM_API size_t hostsim_violation_count(int minSeverity);
HOSTSIM_API int hostsim_violation_at(size_t index, hostsim_violation* out);
HOSTSIM_API const char* hostsim_violations_text(int minSeverity);
HOSTSIM_API void hostsim_clear_violations(void);

/* ---- Undo ------------------------------------------------------------------ */
HOSTSIM_API int hostsim_undo(void);
HOSTSIM_API int hostsim_redo(void);
HOSTSIM_API size_t hostsim_undo_depth(void);
HOSTSIM_API size_t hostsim_redo_depth(void);
HOSTSIM_API const char* hostsim_undo_name(void);

/* ---- Selection ------------------------------------------------------------- */
HOSTSIM_API int hostsim_set_selection(const hostsim_region* region);
HOSTSIM_API int hostsim_clear_selection(void);
HOSTSIM_API int hostsim_get_selection(hostsim_region* out);

/* ---- Folders and fonts ----------------------------------------------------- */
HOSTSIM_API int hostsim_set_folder(int16_t selector, const char* path);
/* The folder for a selector ("" when none); selector 16 defaults to a fresh
   temporary directory, made on first use and removed at reset. */
HOSTSIM_API const char* hostsim_folder(int16_t selector);
/* For interactive sessions: selector 16 becomes the user's own preferences
   folder ($XDG_CONFIG_HOME/qzhost, else ~/.config/qzhost), made when
   missing, so the panel's settings last from one run to the next. Returns
   the folder, "" when there is none. */
HOSTSIM_API const char* hostsim_use_user_preferences(void);
HOSTSIM_API int hostsim_set_font(int16_t number, const char* name);

/* ---- Failure injection ----------------------------------------------------- */
/* count < 0: always; count > 0: the next `count` calls; mode OFF clears. */
HOSTSIM_API void hostsim_fail(const char* function, int mode, int32_t count);
HOSTSIM_API void hostsim_fail_record(const char* function, uint32_t tag, const int16_t* key, int32_t count);
HOSTSIM_API void hostsim_refuse_edit_start(int32_t count);
HOSTSIM_API void hostsim_auto_numbered_names(int on);
HOSTSIM_API void hostsim_selection_garbage(int on);
HOSTSIM_API void hostsim_set_macho(int on);
/* Answer of the host's selection and symbol dialogs. */
HOSTSIM_API void hostsim_set_dialog_answer(int32_t answer);

/* ---- Document window, scrolling, dialogs ------------------------------------ */
/* The window the host reports; null (the state after a reset): the host
   cannot tell and FX_GetCurrentWindowInfo refuses. */
HOSTSIM_API void hostsim_set_window_info(const hostsim_window_info* info);
/* Successful FX_ScrollTo requests, and the last one's measure and staff. */
HOSTSIM_API size_t hostsim_scroll_count(void);
HOSTSIM_API int hostsim_last_scroll(int16_t* measure, int16_t* staff);
/* Change flag of the selection dialogs: 0 or 1, or -1 (after a reset) for
   "changed when the answer differs from the preselected id". */
HOSTSIM_API void hostsim_set_dialog_changed(int32_t changed);
HOSTSIM_API size_t hostsim_dialog_count(void);
HOSTSIM_API int hostsim_dialog_entry(size_t index, hostsim_dialog* out);

#ifdef __cplusplus
}
#endif

/* Pointer type of an API function, for drivers that resolve them with dlsym:
   HOSTSIM_FN(hostsim_reset) p = (HOSTSIM_FN(hostsim_reset))dlsym(h, "hostsim_reset"); */
#ifdef __cplusplus
#define HOSTSIM_FN(name) decltype(&::name)
#else
#define HOSTSIM_FN(name) __typeof__(&name)
#endif

#endif
