#include "document/FCCellMetrics.h"

#include <cstring>

#include "common/qz_host_versions.h"
#include "document/FCCell.h"
#include "hostlink/fx_host_abi.h"

namespace
{} // namespace

FCCellMetrics::FCCellMetrics() : _record{}, _loaded(false) {}

FCCellMetrics::~FCCellMetrics() { FreeMetrics(); }

const char* FCCellMetrics::ClassName() const { return "FCCellMetrics"; }

bool FCCellMetrics::LoadAtCell(FCCell* pCell)
{
    FreeMetrics();
    if (!pCell || pCell->GetStaff() < 1 || pCell->GetStaff() > INT16_MAX || pCell->GetMeasure() < 1 ||
        pCell->GetMeasure() > INT16_MAX)
        return false;
    std::memset(_record, 0, sizeof _record);
    _loaded = FX_GetMeasureMetrics(static_cast<int16_t>(pCell->GetStaff()), static_cast<int16_t>(pCell->GetMeasure()),
                                   _record, qz::kInterfaceVersion) != 0;
    return _loaded;
}

void FCCellMetrics::FreeMetrics()
{
    if (!_loaded)
        return;
    FX_FreeMeasureMetrics(_record, qz::kInterfaceVersion);
    _loaded = false;
}
