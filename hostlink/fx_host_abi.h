#ifndef FX_HOST_ABI_H
#define FX_HOST_ABI_H

/* The host's FX_ functions, each listed once. Rows:
     X(result, FX_Name, (typed parameters), (argument names), confirmed)
   confirmed is 1 when the host's argument list is known as stated, 0 when the
   list was designed here (record and buffer pointers, signed 16-bit flags and
   numbers). Every function takes the unsigned 32-bit interface version last.
   Text: _UTF16 members take zero-terminated UTF-16 units, _UTF32 UTF-32,
   their twins 8-bit text; buffers filled by the host hold 256 bytes (8-bit),
   512 units (UTF-16), 1000 units for FX_AutoNumberedName_UTF16.

   The bridge (hostlink/) generates one exported forwarder per row; the
   simulated host implements rows under the same declarations. */

#include "hostlink/fx_types.h"
#include "common/qz_export.h"

/* Members the bridge wraps with logic of its own (counting, frame cleaning,
   preference-record emulation). */
#define FX_HOST_LOGIC_FUNCTIONS(X)                                                                                   \
    X(fxbool, FX_LoadEData, (uint32_t tag, const int16_t* key, void* buffer, uint32_t* size, uint32_t version),      \
      (tag, key, buffer, size, version), 1)                                                                          \
    X(fxbool, FX_SaveEData, (uint32_t tag, const int16_t* key, const void* buffer, uint32_t size, uint32_t version), \
      (tag, key, buffer, size, version), 1)                                                                          \
    X(intptr_t, FX_LoadTGF, (EXTGF2005a * frame, int16_t staff, int16_t measure, int16_t layer, uint32_t version),   \
      (frame, staff, measure, layer, version), 0)                                                                    \
    X(intptr_t, FX_FreeTGF, (EXTGF2005a * frame, uint32_t version), (frame, version), 0)                             \
    X(fxbool, FX_SaveTGF, (EXTGF2005a * frame, uint32_t version), (frame, version), 0)                               \
    X(fxbool, FX_InsertEXENTRY, (EXTGF2005a * frame, int16_t entryIndex, int16_t count, uint32_t version),           \
      (frame, entryIndex, count, version), 0)                                                                        \
    X(fxbool, FX_DeleteEXENTRY, (EXTGF2005a * frame, int16_t entryIndex, int16_t count, uint32_t version),           \
      (frame, entryIndex, count, version), 0)                                                                        \
    X(fxbool, FX_StartFinaleEdit, (const char* name, uint32_t version), (name, version), 1)                          \
    X(fxbool, FX_StartFinaleEdit_UTF16, (const uint16_t* name, uint32_t version), (name, version), 1)                \
    X(fxbool, FX_EndFinaleEdit, (uint32_t version), (version), 1)                                                    \
    X(fxbool, FX_CancelFinaleEdit, (uint32_t version), (version), 1)                                                 \
    X(fxbool, FX_StartMassEdit, (uint32_t version), (version), 0)                                                    \
    X(fxbool, FX_EndMassEdit, (uint32_t version), (version), 0)

/* Members that only forward. */
#define FX_HOST_PLAIN_FUNCTIONS(X)                                                                                     \
    /* Records */                                                                                                      \
    X(fxbool, FX_CreateEData, (uint32_t tag, int16_t * key, const void* buffer, uint32_t size, uint32_t version),      \
      (tag, key, buffer, size, version), 1)                                                                            \
    X(fxbool, FX_DeleteEData, (uint32_t tag, const int16_t* key, uint32_t version), (tag, key, version), 1)            \
    X(fxbool, FX_PreviousEData, (uint32_t tag, int16_t * key, void* buffer, uint32_t* size, uint32_t version),         \
      (tag, key, buffer, size, version), 1)                                                                            \
    X(fxbool, FX_NextEData, (uint32_t tag, int16_t * key, void* buffer, uint32_t* size, uint32_t version),             \
      (tag, key, buffer, size, version), 1)                                                                            \
    X(fxbool, FX_DeleteMidiExpressions, (const EREGION* region, uint32_t version), (region, version), 0)               \
    X(fxbool, FX_DeleteTempoRecords, (const EREGION* region, uint32_t version), (region, version), 0)                  \
    X(fxbool, FX_GetPercMapRefData, (int16_t mapId, void* record, char* name, uint32_t version),                       \
      (mapId, record, name, version), 0)                                                                               \
    X(fxbool, FX_GetPercMapRefData_UTF16, (int16_t mapId, void* record, uint16_t* name, uint32_t version),             \
      (mapId, record, name, version), 0)                                                                               \
    X(fxbool, FX_CreatePercMapRefData, (const void* record, const char* name, uint32_t version),                       \
      (record, name, version), 0)                                                                                      \
    X(fxbool, FX_CreatePercMapRefData_UTF16, (const void* record, const uint16_t* name, uint32_t version),             \
      (record, name, version), 0)                                                                                      \
    /* Frames and entries */                                                                                           \
    X(int32_t, FX_GetTGFDuration, (EXTGF2005a * frame, uint32_t version), (frame, version), 0)                         \
    X(fxbool, FX_GetEntryMetrics,                                                                                      \
      (int32_t entryNumber, int16_t staff, int16_t measure, void* metrics, uint32_t version),                          \
      (entryNumber, staff, measure, metrics, version), 0)                                                              \
    X(fxbool, FX_GetTGFEntryMetrics, (EXTGF2005a * frame, int16_t entryIndex, void* metrics, uint32_t version),        \
      (frame, entryIndex, metrics, version), 0)                                                                        \
    X(fxbool, FX_GetEntryMetrics2009a,                                                                                 \
      (int32_t entryNumber, int16_t staff, int16_t measure, void* metrics, uint32_t version),                          \
      (entryNumber, staff, measure, metrics, version), 0)                                                              \
    X(fxbool, FX_GetTGFEntryMetrics2009a, (EXTGF2005a * frame, int16_t entryIndex, void* metrics, uint32_t version),   \
      (frame, entryIndex, metrics, version), 0)                                                                        \
    X(fxbool, FX_GetEntryMetrics2014,                                                                                  \
      (int32_t entryNumber, int16_t staff, int16_t measure, void* metrics, uint32_t version),                          \
      (entryNumber, staff, measure, metrics, version), 0)                                                              \
    X(fxbool, FX_GetTGFEntryMetrics2014, (EXTGF2005a * frame, int16_t entryIndex, void* metrics, uint32_t version),    \
      (frame, entryIndex, metrics, version), 0)                                                                        \
    X(fxbool, FX_FreeEntryMetrics, (void* metrics, uint32_t version), (metrics, version), 0)                           \
    X(fxbool, FX_NoteToMidi,                                                                                           \
      (EXTGF2005a * frame, int16_t entryIndex, int16_t noteIndex, int16_t * midiKey, uint32_t version),                \
      (frame, entryIndex, noteIndex, midiKey, version), 0)                                                             \
    X(fxbool, FX_NoteMover,                                                                                            \
      (EXTGF2005a * frame, int16_t entryIndex, int16_t noteIndex, int16_t steps, uint32_t version),                    \
      (frame, entryIndex, noteIndex, steps, version), 0)                                                               \
    X(fxbool, FX_SelectNote, (int32_t entryNumber, int16_t noteIndex, uint32_t version),                               \
      (entryNumber, noteIndex, version), 0)                                                                            \
    X(fxbool, FX_GetSyllable, (int16_t lyricType, int16_t textBlock, int16_t syllable, char* text, uint32_t version),  \
      (lyricType, textBlock, syllable, text, version), 0)                                                              \
    X(fxbool, FX_GetSyllable_UTF16,                                                                                    \
      (int16_t lyricType, int16_t textBlock, int16_t syllable, uint16_t * text, uint32_t version),                     \
      (lyricType, textBlock, syllable, text, version), 0)                                                              \
    X(fxbool, FX_SyllableInfo,                                                                                         \
      (int16_t lyricType, int16_t textBlock, int16_t syllable, void* info, char* text, uint32_t version),              \
      (lyricType, textBlock, syllable, info, text, version), 0)                                                        \
    X(fxbool, FX_SyllableInfo_UTF16,                                                                                   \
      (int16_t lyricType, int16_t textBlock, int16_t syllable, void* info, uint16_t* text, uint32_t version),          \
      (lyricType, textBlock, syllable, info, text, version), 0)                                                        \
    X(fxbool, FX_ReduceEntries, (EXTGF2005a * frame, int16_t flags, uint32_t version), (frame, flags, version), 0)     \
    X(fxbool, FX_CheckFin2012Accidentals, (EXTGF2005a * frame, uint32_t version), (frame, version), 0)                 \
    X(fxbool, FX_AnalyzeChord, (EXTGF2005a * frame, int16_t entryIndex, void* result, uint32_t version),               \
      (frame, entryIndex, result, version), 0)                                                                         \
    /* Measures, regions and layout */                                                                                 \
    X(fxbool, FX_RebeamRegion, (const EREGION* region, int16_t flags, uint32_t version), (region, flags, version), 0)  \
    X(fxbool, FX_RebarRegion,                                                                                          \
      (const EREGION* region, int16_t option1, int16_t option2, int16_t option3, int16_t flags, uint32_t version),     \
      (region, option1, option2, option3, flags, version), 0)                                                          \
    X(fxbool, FX_GetCurERegions, (EREGION * first, EREGION * selection, EREGION * wholeDocument, uint32_t version),    \
      (first, selection, wholeDocument, version), 1)                                                                   \
    X(fxbool, FX_SetCurERegionMac, (const EREGION* region, uint32_t version), (region, version), 1)                    \
    X(int32_t, FX_GetMeasureDuration, (int16_t staff, int16_t measure, uint32_t version), (staff, measure, version),   \
      0)                                                                                                               \
    X(fxbool, FX_GetMeasureMetrics, (int16_t staff, int16_t measure, void* metrics, uint32_t version),                 \
      (staff, measure, metrics, version), 0)                                                                           \
    X(fxbool, FX_FreeMeasureMetrics, (void* metrics, uint32_t version), (metrics, version), 0)                         \
    X(fxbool, FX_InsertMeasures, (int16_t atMeasure, int16_t count, uint32_t version), (atMeasure, count, version), 0) \
    X(fxbool, FX_DeleteMeasures, (int16_t firstMeasure, int16_t lastMeasure, uint32_t version),                        \
      (firstMeasure, lastMeasure, version), 0)                                                                         \
    X(fxbool, FX_GetKeySig, (int16_t staff, int16_t measure, uint16_t * keySig, uint32_t version),                     \
      (staff, measure, keySig, version), 0)                                                                            \
    X(fxbool, FX_UpdateLayout, (uint32_t version), (version), 0)                                                       \
    X(fxbool, FX_RedrawMusic, (const EREGION* region, uint32_t version), (region, version), 1)                         \
    X(fxbool, FX_ScrollTo, (int16_t measure, int16_t staff, uint32_t version), (measure, staff, version), 1)           \
    X(int16_t, FX_GetShowLayer, (uint32_t version), (version), 0)                                                      \
    X(int16_t, FX_GetMaxLayers, (uint32_t version), (version), 1)                                                      \
    X(int32_t, FX_CopyCutMusic, (const EREGIONCLIP* region, int16_t mode, uint32_t version), (region, mode, version),  \
      0)                                                                                                               \
    X(fxbool, FX_InsertMergeMusic, (int32_t token, const EREGIONCLIP* region, int16_t mode, uint32_t version),         \
      (token, region, mode, version), 1)                                                                               \
    X(fxbool, FX_DisposeFinClipFileToken, (int32_t token, uint32_t version), (token, version), 1)                      \
    X(fxbool, FX_MassMoverMac, (const EREGION* region, int16_t mode, void* options, uint32_t version),                 \
      (region, mode, options, version), 0)                                                                             \
    X(fxbool, FX_AutoRehearsalInsert, (int16_t measure, int16_t style, const char* text, uint32_t version),            \
      (measure, style, text, version), 0)                                                                              \
    X(fxbool, FX_AutoRehearsalInsert_UTF16, (int16_t measure, int16_t style, const uint16_t* text, uint32_t version),  \
      (measure, style, text, version), 0)                                                                              \
    X(fxbool, FX_AutoNumberedName_UTF16,                                                                               \
      (int16_t textBlock, int16_t itemNo, uint16_t * buffer, int32_t zero, uint32_t version),                          \
      (textBlock, itemNo, buffer, zero, version), 1)                                                                   \
    /* Host dialogs and alerts */                                                                                      \
    X(int16_t, FX_Dialog, (int16_t dialogId, void* handlerProc, void* userData, uint32_t version),                     \
      (dialogId, handlerProc, userData, version), 0)                                                                   \
    X(fxbool, FX_EndDialog, (void* dialog, int16_t result, uint32_t version), (dialog, result, version), 0)            \
    X(fxbool, FX_EnableDlgItem, (void* dialog, int16_t item, fxbool enable, uint32_t version),                         \
      (dialog, item, enable, version), 0)                                                                              \
    X(fxbool, FX_ShowHideDlgItem, (void* dialog, int16_t item, fxbool show, uint32_t version),                         \
      (dialog, item, show, version), 0)                                                                                \
    X(fxbool, FX_SetDlgFocus, (void* dialog, int16_t item, uint32_t version), (dialog, item, version), 0)              \
    X(fxbool, FX_GetDlgCntlVal, (void* dialog, int16_t item, char* text, uint32_t version),                            \
      (dialog, item, text, version), 0)                                                                                \
    X(fxbool, FX_SetDlgCntlVal, (void* dialog, int16_t item, const char* text, uint32_t version),                      \
      (dialog, item, text, version), 0)                                                                                \
    X(fxbool, FX_GetDlgCntlVal_UTF16, (void* dialog, int16_t item, uint16_t* text, uint32_t version),                  \
      (dialog, item, text, version), 0)                                                                                \
    X(fxbool, FX_SetDlgCntlVal_UTF16, (void* dialog, int16_t item, const uint16_t* text, uint32_t version),            \
      (dialog, item, text, version), 0)                                                                                \
    X(intptr_t, FX_GetDlgCntl, (void* dialog, int16_t item, uint32_t version), (dialog, item, version), 0)             \
    X(intptr_t, FX_GetDlgItemUser, (void* dialog, int16_t item, uint32_t version), (dialog, item, version), 0)         \
    X(fxbool, FX_SetDlgItemUser, (void* dialog, int16_t item, intptr_t value, uint32_t version),                       \
      (dialog, item, value, version), 0)                                                                               \
    X(int32_t, FX_GetDlgItemVal, (void* dialog, int16_t item, uint32_t version), (dialog, item, version), 0)           \
    X(fxbool, FX_SetDlgItemVal, (void* dialog, int16_t item, int32_t value, uint32_t version),                         \
      (dialog, item, value, version), 0)                                                                               \
    X(fxbool, FX_GetDlgString, (void* dialog, int16_t item, char* text, int16_t maxLength, uint32_t version),          \
      (dialog, item, text, maxLength, version), 0)                                                                     \
    X(fxbool, FX_GetDlgString_UTF16,                                                                                   \
      (void* dialog, int16_t item, uint16_t* text, int16_t maxLength, uint32_t version),                               \
      (dialog, item, text, maxLength, version), 0)                                                                     \
    X(fxbool, FX_SetDlgString, (void* dialog, int16_t item, const char* text, uint32_t version),                       \
      (dialog, item, text, version), 0)                                                                                \
    X(fxbool, FX_SetDlgString_UTF16, (void* dialog, int16_t item, const uint16_t* text, uint32_t version),             \
      (dialog, item, text, version), 0)                                                                                \
    X(fxbool, FX_SetTimer, (void* dialog, int16_t timerId, int32_t milliseconds, uint32_t version),                    \
      (dialog, timerId, milliseconds, version), 0)                                                                     \
    X(fxbool, FX_KillTimer, (void* dialog, int16_t timerId, uint32_t version), (dialog, timerId, version), 0)          \
    X(fxbool, FX_IsCocoaFXDLG, (void* dialog, uint32_t version), (dialog, version), 0)                                 \
    X(fxbool, FX_AlertMessage, (void* parent, int16_t alertType, int16_t flags, const char* text, uint32_t version),   \
      (parent, alertType, flags, text, version), 1)                                                                    \
    X(fxbool, FX_AlertMessage_UTF16,                                                                                   \
      (void* parent, int16_t alertType, int16_t flags, const uint16_t* text, uint32_t version),                        \
      (parent, alertType, flags, text, version), 0)                                                                    \
    X(fxbool, FX_FontDialog, (void* parent, char* fontName, int16_t* size, int16_t* effects, uint32_t version),        \
      (parent, fontName, size, effects, version), 0)                                                                   \
    X(fxbool, FX_FontDialog_UTF16,                                                                                     \
      (void* parent, uint16_t* fontName, int16_t* size, int16_t* effects, uint32_t version),                           \
      (parent, fontName, size, effects, version), 0)                                                                   \
    X(int16_t, FX_SymbolDialog, (const char* fontName, int16_t size, int16_t style, int16_t symbol, uint32_t version), \
      (fontName, size, style, symbol, version), 1)                                                                     \
    X(int32_t, FX_SymbolDialog_UTF32,                                                                                  \
      (const char* fontName, int16_t size, int16_t style, int32_t symbol, uint32_t version),                           \
      (fontName, size, style, symbol, version), 1)                                                                     \
    X(int16_t, FX_SelectionDialog,                                                                                     \
      (int16_t kind, void* window, int16_t preselected, fxbool* changed, uint32_t version),                            \
      (kind, window, preselected, changed, version), 1)                                                                \
    X(int16_t, FX_SelectExpressionDialog, (void* window, int16_t preselected, uint32_t version),                       \
      (window, preselected, version), 0)                                                                               \
    X(fxbool, FX_SelectFileToOpen, (void* parent, const char* title, FinPathSpec25* file, uint32_t version),           \
      (parent, title, file, version), 0)                                                                               \
    X(fxbool, FX_SelectFileToSave,                                                                                     \
      (void* parent, const char* title, const char* defaultName, FinPathSpec25* file, uint32_t version),               \
      (parent, title, defaultName, file, version), 0)                                                                  \
    X(fxbool, FX_SelectFolder, (void* parent, const char* title, FinPathSpec25* folder, uint32_t version),             \
      (parent, title, folder, version), 0)                                                                             \
    /* Fonts and text */                                                                                               \
    X(int16_t, FX_FontNameToNum, (const char* name, uint32_t version), (name, version), 0)                             \
    X(int16_t, FX_FontNameToNum_UTF16, (const uint16_t* name, uint32_t version), (name, version), 0)                   \
    X(fxbool, FX_FontNumToName, (int16_t fontNum, char* name, uint32_t version), (fontNum, name, version), 0)          \
    X(fxbool, FX_FontNumToName_UTF16, (int16_t fontNum, uint16_t * name, uint32_t version), (fontNum, name, version),  \
      0)                                                                                                               \
    X(fxbool, FX_SetDefaultMusicFont, (int16_t fontNum, int16_t size, int16_t effects, uint32_t version),              \
      (fontNum, size, effects, version), 1)                                                                            \
    X(int32_t, FX_GetTextEncoding, (uint32_t version), (version), 1)                                                   \
    X(fxbool, FX_GetTextMetrics_UTF16,                                                                                 \
      (const uint16_t* text, int16_t fontNum, int16_t size, int16_t effects, void* metrics, uint32_t version),         \
      (text, fontNum, size, effects, metrics, version), 0)                                                             \
    X(fxbool, FX_ParseCaretCommand,                                                                                    \
      (const char* text, int16_t* fontNum, int16_t* size, int16_t* effects, uint32_t version),                         \
      (text, fontNum, size, effects, version), 0)                                                                      \
    X(fxbool, FX_ParseCaretCommand_UTF16,                                                                              \
      (const uint16_t* text, int16_t* fontNum, int16_t* size, int16_t* effects, uint32_t version),                     \
      (text, fontNum, size, effects, version), 0)                                                                      \
    X(fxbool, FX_MidiNoteToString, (int16_t midiNote, char* text, uint32_t version), (midiNote, text, version), 0)     \
    X(fxbool, FX_MidiNoteToString_UTF16, (int16_t midiNote, uint16_t * text, uint32_t version),                        \
      (midiNote, text, version), 0)                                                                                    \
    X(int16_t, FX_StringToMidiNote, (const char* text, uint32_t version), (text, version), 0)                          \
    X(int16_t, FX_StringToMidiNote_UTF16, (const uint16_t* text, uint32_t version), (text, version), 0)                \
    /* Instruments, playback and MIDI */                                                                               \
    X(int16_t, FX_SlotToInst, (int16_t slot, uint16_t staffList, uint32_t version), (slot, staffList, version), 1)     \
    X(int16_t, FX_InstToSlot, (int16_t staff, uint16_t staffList, uint32_t version), (staff, staffList, version), 1)   \
    X(fxbool, FX_Playback, (const EREGION* region, int16_t flags, uint32_t version), (region, flags, version), 0)      \
    X(fxbool, FX_ListenToMidi, (int16_t mode, uint32_t version), (mode, version), 0)                                   \
    X(fxbool, FX_CopyMidi, (const EREGION* region, int16_t flags, uint32_t version), (region, flags, version), 0)      \
    X(fxbool, FX_PasteMidi, (const EREGION* region, int16_t flags, uint32_t version), (region, flags, version), 0)     \
    X(fxbool, FX_ProcessMidiData, (const EREGION* region, void* data, int32_t length, uint32_t version),               \
      (region, data, length, version), 0)                                                                              \
    X(fxbool, FX_ProcessMidiDataNoSplit, (const EREGION* region, void* data, int32_t length, uint32_t version),        \
      (region, data, length, version), 0)                                                                              \
    X(fxbool, FX_QueryK2Slot, (int16_t slot, char* name, uint32_t version), (slot, name, version), 0)                  \
    X(fxbool, FX_QueryK2Slot_UTF16, (int16_t slot, uint16_t * name, uint32_t version), (slot, name, version), 0)       \
    X(fxbool, FX_QueryAriaSlot, (int16_t slot, char* name, uint32_t version), (slot, name, version), 0)                \
    X(fxbool, FX_QueryAriaSlot_2010, (int16_t slot, char* name, uint32_t version), (slot, name, version), 0)           \
    X(fxbool, FX_QueryAriaSlot_2010_UTF16, (int16_t slot, uint16_t * name, uint32_t version), (slot, name, version),   \
      0)                                                                                                               \
    X(int16_t, FX_GetSMPParts, (void* parts, int16_t maxParts, uint32_t version), (parts, maxParts, version), 0)       \
    X(int16_t, FX_GetPlaybackSystem, (uint32_t version), (version), 0)                                                 \
    X(fxbool, FX_SetPlaybackSystem, (int16_t system, uint32_t version), (system, version), 0)                          \
    /* Documents, windows and printing */                                                                              \
    X(int16_t, FX_GetCurrentEnigmaDocument, (uint32_t version), (version), 1)                                          \
    X(fxbool, FX_SetCurrentEnigmaDocument, (int16_t docId, uint32_t version), (docId, version), 1)                     \
    X(int16_t, FX_GetNextEnigmaDocument, (int16_t docId, uint32_t version), (docId, version), 1)                       \
    X(int16_t, FX_NewEnigmaDocument, (int16_t flags, uint32_t version), (flags, version), 0)                           \
    X(fxbool, FX_CloseEnigmaDocument, (int16_t docId, uint32_t version), (docId, version), 0)                          \
    X(fxbool, FX_IsEnigmaDocumentDirty, (int16_t docId, uint32_t version), (docId, version), 0)                        \
    X(fxbool, FX_SetEnigmaDocumentDirty, (int16_t docId, fxbool dirty, uint32_t version), (docId, dirty, version), 0)  \
    X(int16_t, FX_OpenDocument, (const FinPathSpec25* file, int16_t flags, uint32_t version), (file, flags, version),  \
      0)                                                                                                               \
    X(fxbool, FX_SaveDocument, (int16_t docId, const FinPathSpec25* file, int32_t options, uint32_t version),          \
      (docId, file, options, version), 1)                                                                              \
    X(fxbool, FX_CloseCurrentDocumentWindow, (uint32_t version), (version), 0)                                         \
    X(fxbool, FX_GetDocumentPathMac, (int16_t docId, FinPathSpec25 * path, uint32_t version), (docId, path, version),  \
      1)                                                                                                               \
    X(int16_t, FX_GetWindowCount, (uint32_t version), (version), 0)                                                    \
    X(int16_t, FX_GetWindowInfoList, (EWINDOWINFO * list, int16_t maxCount, uint32_t version),                         \
      (list, maxCount, version), 0)                                                                                    \
    X(fxbool, FX_GetCurrentWindowInfo, (EWINDOWINFO * info, uint32_t version), (info, version), 0)                     \
    X(intptr_t, FX_GetCurrentWindow, (uint32_t version), (version), 0)                                                 \
    X(fxbool, FX_SetCurrentWindow, (void* window, uint32_t version), (window, version), 0)                             \
    X(fxbool, FX_GetPrintSettings, (void* printRecord, uint32_t version), (printRecord, version), 0)                   \
    X(fxbool, FX_PrintCurrentDocument, (const void* printRecord, uint32_t version), (printRecord, version), 0)         \
    X(fxbool, FX_PrintDocument, (int16_t docId, const void* printRecord, uint32_t version),                            \
      (docId, printRecord, version), 1)                                                                                \
    X(fxbool, FX_PrintDocuments, (const int16_t* docIds, int16_t count, const void* printRecord, uint32_t version),    \
      (docIds, count, printRecord, version), 0)                                                                        \
    X(int16_t, FX_CreateGraphic, (const FinPathSpec25* file, int16_t page, uint32_t version), (file, page, version),   \
      0)                                                                                                               \
    X(fxbool, FX_GetGraphicPathMac, (int16_t graphicId, FinPathSpec25 * path, uint32_t version),                       \
      (graphicId, path, version), 0)                                                                                   \
    X(fxbool, FX_ExportSvgFromShape, (int16_t shapeId, const FinPathSpec25* file, uint32_t version),                   \
      (shapeId, file, version), 0)                                                                                     \
    /* Parts of the score */                                                                                           \
    X(int16_t, FX_GetCurrentPartID, (uint32_t version), (version), 1)                                                  \
    X(fxbool, FX_SetCurrentPartID, (int16_t partId, uint32_t version), (partId, version), 1)                           \
    X(fxbool, FX_SetCurrentPartInView, (int16_t partId, uint32_t version), (partId, version), 0)                       \
    X(int16_t, FX_GetNextPartID, (int16_t partId, uint32_t version), (partId, version), 1)                             \
    X(fxbool, FX_GetPartName, (int16_t partId, char* name, uint32_t version), (partId, name, version), 0)              \
    X(fxbool, FX_GetPartName_UTF16, (int16_t partId, uint16_t * name, uint32_t version), (partId, name, version), 0)   \
    X(int16_t, FX_CountParts, (uint32_t version), (version), 0)                                                        \
    /* Edit brackets */                                                                                                \
    X(fxbool, FX_MassEditProgress, (int16_t percent, uint32_t version), (percent, version), 0)                         \
    /* Host environment and menus */                                                                                   \
    X(fxbool, FX_GetFinalePathMac, (int16_t selector, FinPathSpec25 * path, uint32_t pathVersion),                     \
      (selector, path, pathVersion), 1)                                                                                \
    X(fxbool, FX_IsMachO, (uint32_t version), (version), 1)                                                            \
    X(fxbool, FX_RebuildMenuSystem, (uint32_t version), (version), 0)                                                  \
    X(fxbool, FX_ExecuteMenuItem, (uint32_t commandCode, uint32_t version), (commandCode, version), 1)                 \
    X(fxbool, FX_EnableBusyDetection, (fxbool enable, uint32_t version), (enable, version), 0)                         \
    X(fxbool, FX_OpenHelpItem, (const char* item, uint32_t version), (item, version), 0)                               \
    X(fxbool, FX_OpenHelpItem_UTF16, (const uint16_t* item, uint32_t version), (item, version), 0)

/* Every host function. */
#define FX_HOST_FUNCTIONS(X)   \
    FX_HOST_LOGIC_FUNCTIONS(X) \
    FX_HOST_PLAIN_FUNCTIONS(X)

#define FX_HOST_DECLARE(result, name, params, args, confirmed) QZ_EXTERN_C QZ_EXPORT result name params;
FX_HOST_FUNCTIONS(FX_HOST_DECLARE)
#undef FX_HOST_DECLARE

#endif
