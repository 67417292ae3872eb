#ifndef FRAMEWORK_DOCUMENT_FCMUSICREGION_H
#define FRAMEWORK_DOCUMENT_FCMUSICREGION_H

#include <cstdint>

#include "records/FCRecordField.h"
#include "core/__FCBase.h"
#include "hostlink/fx_types.h"

class FCCell;
class FCCells;
class FCIteratorHandler;

/* The fields of the host region record, in record order: name, type, byte
   offset in the 20-byte record. */
#define FCMUSICREGION_FIELDS(X)    \
    X(StartStaffList, uint16_t, 0) \
    X(StartSlot, int16_t, 2)       \
    X(StartMeasure, int16_t, 4)    \
    X(StartMeasurePos, int32_t, 6) \
    X(EndStaffList, uint16_t, 10)  \
    X(EndSlot, int16_t, 12)        \
    X(EndMeasure, int16_t, 14)     \
    X(EndMeasurePos, int32_t, 16)

/* A rectangular stretch of music in one document: a range of staff slots
 * of a staff list, from a position in a start measure to a position in an
 * end measure. Slots are 1-based positions in a staff list; list 0 is the
 * part's global staff list. A region whose start and end measure are both 0
 * has no measures (nothing is selected).
 *
 * Besides the host region record the region keeps the document it belongs
 * to and the token of music copied or cut from it and not yet released.
 *
 * Virtual operations after those of __FCBase: IsIdentical(FCMusicRegion*). */
class FCMusicRegion : public __FCBase
{
public:
    /* End position meaning "to the end of the measure". */
    static constexpr int32_t kEndOfMeasure = 0x7FFFFFFF;

    /* Copies a host region record and takes the current document; with null
       the region is empty and belongs to no document (id 0). */
    explicit FCMusicRegion(const EREGION* pRegion = nullptr);

    const char* ClassName() const override;
    using __FCBase::IsIdentical;
    /* Same start list, same staves at the start and end slots (each slot
       through its own list), same measures and positions. The documents and
       clip tokens are not compared. */
    virtual bool IsIdentical(const FCMusicRegion* pOther) const;

#define FCMUSICREGION_ACCESSORS(NAME, TYPE, OFFSET)                                           \
    TYPE Get##NAME() const { return FCRecordField<TYPE>(OFFSET).Read(_region, kRecordSize); } \
    void Set##NAME(TYPE value) { FCRecordField<TYPE>(OFFSET).Write(_region, kRecordSize, value); }
    FCMUSICREGION_FIELDS(FCMUSICREGION_ACCESSORS)
#undef FCMUSICREGION_ACCESSORS

    int16_t GetDocumentID() const { return _documentID; }
    int32_t GetClipToken() const { return _cliptoken; }

    /* ---- Construction and assignment -------------------------------------- */
    /* Copies the record and takes the current document (null: no change). */
    void SetEnigmaRegion(const EREGION* pRegion);
    /* Copies the eight record fields out (null: nothing). */
    void GetEnigmaRegion(EREGION* pRegion) const;
    /* Copies the record fields and document of another region. */
    void SetRegion(const FCMusicRegion* pOther);
    /* The user's current selection of the current document. Nothing is
       selected (no measures) when the host cannot tell; the result is whether
       the host answered. */
    bool SetCurrentSelection();
    /* A region spanning the whole current document; false when the host
       cannot tell (the region is then empty). */
    bool SetFullDocument();
    /* Makes the region the host's selection; only in its own document. */
    bool SetInDocument();
    /* Every staff of the start list, from slot 1 to the last consecutive slot
       that holds a staff. */
    bool SetFullMeasureStack();
    /* Swaps start and end slot when the end slot is below the start slot. */
    void AssureSortedStaves();
    /* Expresses both slots in the global staff list. */
    void ConvertToGlobalInstrumentList();
    /* Moves the start (left) or the end (right) so that the region spans
       duration units; false (unchanged) when the music is too short. */
    bool SetDurationOffsetLeft(int duration);
    bool SetDurationOffsetRight(int duration);

    /* ---- Queries ----------------------------------------------------------- */
    bool IsEmpty() const;
    bool IsMeasureIncluded(short measure) const;
    bool IsFullMeasureIncluded(short measure) const;
    bool IsMeasurePosWithin(int measure, int position) const;
    bool IsStartPos(int measure, int position) const;
    bool IsCellPosWithin(FCCell* pCell, int position) const;
    bool IsSlotIncluded(short slot) const;
    /* The staff sits at a slot of the start list inside the slot range. */
    bool IsStaffIncluded(short staff) const;
    bool IsPartial() const;
    bool IsMeasurePartial(short measure) const;
    bool IsAbsoluteEndMeasurePos() const;
    /* The end measure exists and is the document's last measure. */
    bool IsLastEndMeasure() const;
    bool IsFullDocumentSpan() const;
    bool IsCurrentDocument() const;
    bool IsOverlapping(const FCMusicRegion* pOther) const;
    /* Duration units covered, measured on the staff at the start slot. */
    int CalcDuration() const;

    /* ---- Staves and cells -------------------------------------------------- */
    /* Hands an FCStaff for every slot to the handler; returns the number of
       staves handed over (including the one that stopped the walk). */
    int ForEachStaff(FCIteratorHandler* pHandler) const;
    /* A new collection of the region's cells; the caller owns it. */
    FCCells* CreateCells() const;

    /* ---- Music operations -------------------------------------------------- */
    bool CopyMusic();
    bool CutMusic();
    bool CutDeleteMusic();
    bool PasteMusic();
    bool ReleaseMusic();
    bool Redraw() const;
    bool RebeamMusic() const;
    bool RebarMusic(int option, bool flag1, bool flag2) const;

    /* The staff at a slot of a staff list (0 or below when none). */
    static int16_t _SlotToStaff(int slot, uint16_t staffList);
    /* The slot of a staff in a staff list (0 or below when not in it). */
    static int16_t _StaffToSlot(int staff, uint16_t staffList);

private:
    static constexpr uint32_t kRecordSize = 20;

    bool _ReadHostRegion(int which);
    bool _PassesPositionTests(int measure, int position) const;
    int32_t _MeasureDuration(int measure) const;
    bool _CopyCut(int16_t mode);
    void _MakeClipRecord(EREGIONCLIP* pClip) const;

    unsigned char _region[kRecordSize];
    int16_t _documentID;
    int32_t _cliptoken;
};

#endif
