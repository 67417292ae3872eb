#ifndef FRAMEWORK_DOCUMENT_FCEXPRESSION_H
#define FRAMEWORK_DOCUMENT_FCEXPRESSION_H

#include <cstdint>

#include "records/__FCCollectionInciOther.h"
#include "records/__FCInciOther.h"
#include "document/__FCRecordClassMacros.h"

class FCCell;
class FCMusicRegion;

/* An expression assignment to a measure (24 bytes; keyed by the measure
 * and an incident). The staff it is attached to and its position in the
 * measure (in EDUs) are the first fields of the record. */
class FCExpression : public __FCInciOther
{
    FCRECORD_CLASS_MEMBERS(24)

#define FCEXPRESSION_FIELDS(X) \
    X(Staff, int16_t, 0)       \
    X(MeasurePos, int32_t, 4)
    FCEXPRESSION_FIELDS(FCRECORD_FIELD)

    /* Makes the object hold a fresh zeroed record, ready to be saved as new. */
    void PrepareNew() { _PrepareNewRecord(kRecordSize); }
    /* Attaches the assignment to the cell's staff and creates it as a new
       incident of the cell's measure. False for a null cell, a cell outside
       the host's item numbers, or an object holding no record. */
    bool SaveNewToCell(FCCell* pCell);
    /* True when the assignment is attached to that staff. */
    bool IsVisibleOnStaff(int staff) const;
};

/* A list of expression assignments. */
class FCExpressions : public __FCCollectionInciOther
{
public:
    const char* ClassName() const override;
    __FCBaseData* CreateElement() override;
    FCExpression* GetItemAt(int index) const;
    /* Loads the assignments of the cell's measure attached to the cell's
       staff; returns the count (0 for null). */
    int LoadAllInCell(FCCell* pCell);
    /* Loads the assignments of every measure of the region that are
       attached to a staff of the region and lie within its positions;
       returns the count (0 for null or an empty region). */
    int LoadAllForRegion(FCMusicRegion* pRegion);

private:
    /* Appends copies of the measure's assignments that pass the test. */
    template <class TEST>
    void _AppendFromMeasure(int measure, TEST keep);
};

#endif
