#ifndef FINALEEXTENSIONTYPES_H
#define FINALEEXTENSIONTYPES_H

/* The plug-in interface as the host sees it: the layouts of the two
   enumeration records and the types of the exported entry points. Plain C,
   without dependencies, so that a host program can include it too. */

#include <stdint.h>

/* 8-bit enumeration record: three texts of 64 bytes, then a 32-bit field. */
#define FX_ENUM_TEXT_BYTES 64
#define FX_ENUM_TEXT_COUNT 3
#define FX_ENUM_TAIL_OFFSET (FX_ENUM_TEXT_BYTES * FX_ENUM_TEXT_COUNT) /* 192 */
#define FX_ENUM_RECORD_SIZE (FX_ENUM_TAIL_OFFSET + 4)                 /* 196 */

/* UTF-16 enumeration record: three fields of 128 code units, then a 32-bit
   field. At most FX_ENUM_UTF16_TEXT_LIMIT - 1 units of each text are written,
   followed by a zero unit. */
#define FX_ENUM_UTF16_FIELD_UNITS 128
#define FX_ENUM_UTF16_TEXT_LIMIT 64
#define FX_ENUM_UTF16_FIELD_BYTES (FX_ENUM_UTF16_FIELD_UNITS * 2)
#define FX_ENUM_UTF16_TAIL_OFFSET (FX_ENUM_UTF16_FIELD_BYTES * FX_ENUM_TEXT_COUNT) /* 768 */
#define FX_ENUM_UTF16_RECORD_SIZE (FX_ENUM_UTF16_TAIL_OFFSET + 4)                  /* 772 */

/* Value answered by the version handshake; host version assumed until the
   handshake has happened. */
#define FX_EXTENSION_VERSION_ANSWER 0x0F000000u
#define FX_DEFAULT_HOST_VERSION 0x19000000u

typedef int (*FX_MainProc)(int argc, char** argv);
typedef int16_t (*FX_InitializeGlobalsProc)(void);
typedef uint32_t (*FX_VersionProc)(uint32_t hostVersion);
typedef int32_t (*FX_InitProc)(void* host, uint8_t* flags);
typedef int16_t (*FX_EnumerateProc)(void* host, int16_t index, void* record);
typedef int16_t (*FX_EnumerateUTF16Proc)(void* host, int16_t index, void* record);
typedef int32_t (*FX_GetMenuStatusProc)(void);
typedef void* (*FX_InvokeProc)(void* hostWindow);
typedef void (*FX_TerminateProc)(void);

#endif
