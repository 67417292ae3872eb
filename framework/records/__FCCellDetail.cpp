#include "records/__FCCellDetail.h"

#include "hostlink/fx_host_abi.h"

__FCCellDetail::__FCCellDetail() : _pcell(nullptr), _hascell(false), _cellstaff(0), _cellmeasure(0) {}

const char* __FCCellDetail::ClassName() const { return "__FCCellDetail"; }

void __FCCellDetail::_AttachCell(__FCBase* pCell, int16_t staff, int16_t measure)
{
    _pcell = pCell;
    _hascell = true;
    _cellstaff = staff;
    _cellmeasure = measure;
}

void __FCCellDetail::_DetachCell()
{
    _pcell = nullptr;
    _hascell = false;
    _cellstaff = 0;
    _cellmeasure = 0;
}

void __FCCellDetail::_CopyCellTo(__FCCellDetail* pOther) const
{
    if (!pOther)
        return;
    if (_hascell)
        pOther->_AttachCell(_pcell, _cellstaff, _cellmeasure);
    else
        pOther->_DetachCell();
}

bool __FCCellDetail::_LoadCellIncident(int16_t incident)
{
    _SetKey(_cellstaff, _cellmeasure, incident);
    return LoadDataBlock();
}

bool __FCCellDetail::LoadFirst()
{
    if (!_hascell)
        return false;
    return _LoadCellIncident(0);
}

bool __FCCellDetail::LoadNext()
{
    const int16_t previous = _GetKeyPart(2);
    _SetKeyPart(2, static_cast<int16_t>(previous + 1));
    if (LoadDataBlock())
        return true;
    _SetKeyPart(2, previous);
    return false;
}

bool __FCCellDetail::SaveNew()
{
    if (!_hascell || !IsLoaded() || !_GetData())
        return false;
    const int16_t old[3] = {_GetKeyPart(0), _GetKeyPart(1), _GetKeyPart(2)};
    _SetKey(_cellstaff, _cellmeasure, -1);
    if (!FX_CreateEData(Tag(), _GetKey(), _GetData(), DataSizeSave(), EnigmaVersion())) {
        _SetKey(old[0], old[1], old[2]);
        return false;
    }
    _SaveMeasureFlag();
    return true;
}
