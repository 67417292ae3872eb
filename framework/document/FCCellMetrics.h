#ifndef FRAMEWORK_DOCUMENT_FCCELLMETRICS_H
#define FRAMEWORK_DOCUMENT_FCCELLMETRICS_H

#include <cstdint>

#include "core/__FCBase.h"

class FCCell;

/* The host's layout metrics of one cell. The host fills the metrics record
 * and may hang data of its own on it, so metrics that were loaded are handed
 * back to the host (FreeMetrics) before the object loads again or goes away. */
class FCCellMetrics : public __FCBase
{
public:
    /* Bytes reserved for the host's metrics record. */
    static constexpr uint32_t kRecordSize = 256;

    FCCellMetrics();
    ~FCCellMetrics() override;
    FCCellMetrics(const FCCellMetrics&) = delete;
    FCCellMetrics& operator=(const FCCellMetrics&) = delete;

    const char* ClassName() const override;

    /* Asks the host for the cell's metrics (after freeing any held ones);
       false for a null cell or when the host gives none. */
    bool LoadAtCell(FCCell* pCell);
    /* Hands loaded metrics back to the host; nothing when none are held. */
    void FreeMetrics();
    bool IsLoaded() const { return _loaded; }
    /* The metrics record as the host filled it (null unless loaded). */
    const void* _GetRecord() const { return _loaded ? _record : nullptr; }

private:
    alignas(8) unsigned char _record[kRecordSize];
    bool _loaded;
};

#endif
