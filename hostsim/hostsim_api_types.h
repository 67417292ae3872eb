#ifndef HOSTSIM_API_TYPES_H
#define HOSTSIM_API_TYPES_H

/* The driver API's export macro, constants and records, shared by every
   hostsim_api_*.h header, and HOSTSIM_FN(name), the pointer type of an API
   function. */

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
