#ifndef FRAMEWORK_DOCUMENT_FCCELL_H
#define FRAMEWORK_DOCUMENT_FCCELL_H

#include <cstdint>
#include <memory>

#include "core/__FCBase.h"

class FCKeySignature;
class FCTimeSignature;
class FCIndependentCellDetail;

/* One measure of one staff. Once asked for them, the cell owns one key
 * signature and one time signature: the cell's own (independent) ones when
 * the staff keeps its own key and the cell has an independent detail record,
 * else the measure's. */
class FCCell : public __FCBase
{
public:
    FCCell(int measure, int staff);
    FCCell(const FCCell&) = delete;
    FCCell& operator=(const FCCell&) = delete;
    ~FCCell() override;

    const char* ClassName() const override;

    int GetMeasure() const { return _measure; }
    int GetStaff() const { return _staff; }

    /* Filled on the first call; later calls return the same object. */
    FCKeySignature* GetKeySignature();
    FCTimeSignature* GetTimeSignature();
    bool HasIndependentKeySig();
    bool HasIndependentTimeSig();

    /* Writes the cell's key and time signature into its existing
       independent detail record; true when there is nothing to save. */
    bool Save();
    /* Creates or updates the independent detail with the cell's key / time
       signature and marks it independent. */
    bool AssureSavedIndependentKeySig();
    bool AssureSavedIndependentTimeSig();

    /* The cell's independent detail record (the caller owns it), or null. */
    FCIndependentCellDetail* CreateIndependentCellDetail();

    /* The longest entry-frame duration of the cell's layers: layer 0 the
       visible layers, -1 all layers, 1 to the host's layer count one layer. */
    int CalcEntryDuration(int layer);

    /* True when the current staff settings at the cell marks an own key
       (bit 15 of its instrument-flags word). */
    bool _StaffHasOwnKey();

private:
    bool _AssureSavedIndependent(bool key);
    /* The independent detail when the staff keeps its own key, else null. */
    std::unique_ptr<FCIndependentCellDetail> _CreateOwnDetail();

    int _measure;
    int _staff;
    FCKeySignature* _pkeysig;
    FCTimeSignature* _ptimesig;
};

#endif
