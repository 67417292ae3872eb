#ifndef FX_TYPES_H
#define FX_TYPES_H

/* C types passed to and from the host's FX_ functions. Shared by the bridge
   (hostlink/), the framework and the simulated host; compiles as C and C++. */

#include <stddef.h>
#include <stdint.h>

#if defined(__APPLE__)
#include <CoreFoundation/CoreFoundation.h>
typedef CFURLRef FXURLRef;
#else
/* The URL stand-in shared with the simulated host (platform/simurl.h). */
struct SimURL;
typedef struct SimURL* FXURLRef;
#endif

/* Host success flag: non-zero means the host did it. */
typedef int16_t fxbool;

/* Region record: the first eight fields of a music region, 20 bytes without
   padding (the 32-bit positions sit at offsets 6 and 16). */
#pragma pack(push, 1)
typedef struct EREGION
{
    uint16_t startStaffList; /* 0 = the global staff list */
    int16_t startSlot;       /* 1-based */
    int16_t startMeasure;    /* 0 with an end measure of 0: no measures */
    int32_t startPosition;
    uint16_t endStaffList;
    int16_t endSlot;     /* inclusive */
    int16_t endMeasure;  /* inclusive */
    int32_t endPosition; /* 0x7FFFFFFF = to the end of the measure */
} EREGION;

/* Copy/cut/paste record: the region followed by two 32-bit values (both 1). */
typedef struct EREGIONCLIP
{
    EREGION region;
    int32_t value1;
    int32_t value2;
} EREGIONCLIP;
#pragma pack(pop)

/* Host folder reference: a 16-bit value followed at byte 2 by a URL
   reference, 10 bytes on a 64-bit build. */
#pragma pack(push, 2)
typedef struct FinPathSpec25
{
    int16_t field0;
    FXURLRef url;
} FinPathSpec25;
#pragma pack(pop)

/* Fret instrument record, loaded whole (108 bytes). */
typedef struct EDTFretInstrument
{
    uint8_t bytes[108];
} EDTFretInstrument;

/* Frame of entries (host-defined). Only the fields below are touched on this
   side; the struct covers them and nothing more. */
typedef struct EXTGF2005a
{
    uint8_t bytes[24];
} EXTGF2005a;

/* Byte offsets inside a frame, its entries and their note slots. */
enum
{
    FX_TGF_ENTRIES_OFFSET = 14,     /* pointer to the entry array */
    FX_TGF_ENTRY_COUNT_OFFSET = 22, /* signed 16-bit entry count */
    FX_TGF_ENTRY_SIZE = 146,
    FX_ENTRY_FLAGS_OFFSET = 11,      /* flag byte; bit 0: rest made by the bridge */
    FX_ENTRY_NOTE_COUNT_OFFSET = 14, /* signed 16-bit, 0 to 12 */
    FX_ENTRY_NOTES_OFFSET = 16,
    FX_ENTRY_MAX_NOTES = 12,
    FX_NOTE_SLOT_SIZE = 10,
    FX_NOTE_ID_OFFSET = 4,   /* signed 16-bit note ID */
    FX_NOTE_FLAGS_OFFSET = 6 /* 32-bit flag word; bits 16-20: low 5 bits of the ID */
};

/* Current document window, as the host describes it. */
typedef struct EWINDOWINFO
{
    fxbool pageView;
    int16_t page;
    int16_t measure;
    int16_t zoom; /* percent */
    void* window;
} EWINDOWINFO;

#ifdef __cplusplus
static_assert(sizeof(EREGION) == 20, "EREGION is 20 bytes");
static_assert(sizeof(EREGIONCLIP) == 28, "EREGIONCLIP is 28 bytes");
static_assert(sizeof(FinPathSpec25) == 2 + sizeof(void*), "FinPathSpec25 is packed");
static_assert(offsetof(FinPathSpec25, url) == 2, "URL at byte 2");
static_assert(sizeof(EDTFretInstrument) == 108, "fret instrument is 108 bytes");
#else
_Static_assert(sizeof(EREGION) == 20, "EREGION is 20 bytes");
_Static_assert(sizeof(EREGIONCLIP) == 28, "EREGIONCLIP is 28 bytes");
_Static_assert(sizeof(FinPathSpec25) == 2 + sizeof(void*), "FinPathSpec25 is packed");
_Static_assert(offsetof(FinPathSpec25, url) == 2, "URL at byte 2");
_Static_assert(sizeof(EDTFretInstrument) == 108, "fret instrument is 108 bytes");
#endif

#endif
