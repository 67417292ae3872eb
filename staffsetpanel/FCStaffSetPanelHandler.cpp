#include "staffsetpanel/FCStaffSetPanelHandler.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "document/FCMusicRegion.h"
#include "document/FCPart.h"
#include "document/FCSystemStaff.h"
#include "document/FCSystemStaves.h"
#include "document/FCTextExpressionDef.h"
#include "document/FCTextExpressionDefs.h"
#include "common/qz_host_document.h"
#include "common/qz_host_versions.h"
#include "hostlink/fx_host_abi.h"

namespace
{
/* A new list entry: every field zero but the staff, the distance and the
   resize (none). */
FCSystemStaff* NewEntry(int16_t staff, int32_t distance)
{
    FCSystemStaff* pEntry = new FCSystemStaff();
    pEntry->SetStaff(staff);
    pEntry->SetDistance(distance);
    pEntry->SetResize(FCSystemStaff::kNoResize);
    return pEntry;
}

/* Adds shift to the distance of every entry from index first on. */
void ShiftFrom(FCSystemStaves* pList, int first, int32_t shift)
{
    for (int index = first; index < pList->GetCount(); ++index) {
        FCSystemStaff* pEntry = pList->GetItemAt(index);
        pEntry->SetDistance(pEntry->GetDistance() + shift);
    }
}

/* True when a stored entry holds what a new entry saves: the very bytes of
   its record and its resize, which lives in a detail record of its own. */
bool SameEntry(const FCSystemStaff* pStored, const FCSystemStaff* pNew)
{
    const uint64_t size = std::min<uint64_t>(pNew->DataSizeSave(), pNew->_GetDataCapacity());
    return pStored->GetLoadedSize() == size && pNew->_GetData() &&
           std::memcmp(pStored->_GetData(), pNew->_GetData(), static_cast<size_t>(size)) == 0 &&
           pStored->GetResize() == pNew->GetResize();
}

int IndexOfStaff(const FCSystemStaves& list, int16_t staff)
{
    const FCSystemStaff* pEntry = list.FindStaff(staff);
    return pEntry ? list.GetIndexOf(pEntry) : -1;
}

/* Index in the staff set of the first staff at or below score index from
   that the set holds; -1 when none. */
int FindAnchor(const FCSystemStaves& score, int from, const FCSystemStaves& staffSet)
{
    for (int index = from; index < score.GetCount(); ++index) {
        const int found = IndexOfStaff(staffSet, score.GetItemAt(index)->GetStaff());
        if (found >= 0)
            return found;
    }
    return -1;
}

/* The staves at the slots of a region's start list, top to bottom; slots
   without a staff are left out. */
std::vector<int16_t> RegionStaves(const FCMusicRegion& region)
{
    const int first = std::min<int>(region.GetStartSlot(), region.GetEndSlot());
    const int last = std::max<int>(region.GetStartSlot(), region.GetEndSlot());
    std::vector<int16_t> staves;
    for (int slot = std::max(first, 1); slot <= last; ++slot) {
        const int16_t staff =
            FX_SlotToInst(static_cast<int16_t>(slot), region.GetStartStaffList(), qz::kInterfaceVersion);
        if (staff > 0)
            staves.push_back(staff);
    }
    return staves;
}

/* The staff list entries of the staves in the score's current selection. */
void LoadSelectedStaves(FCSystemStaves* pSelected)
{
    FCMusicRegion selection;
    selection.SetCurrentSelection();
    pSelected->LoadAllForRegion(&selection);
}

} // namespace

FCStaffSetPanelHandler::FCStaffSetPanelHandler(FCString* pName, int staffSet, FCUI* pUI, FCMusicRegion* pRegion)
    : _pUI(pUI), _staffsetnumber(staffSet), _pRegion(pRegion), _operationkind(OPERATION_CREATE), _pTemplate(nullptr)
{
    if (pName)
        _name.SetString(pName);
}

FCStaffSetPanelHandler::~FCStaffSetPanelHandler() = default;

uint16_t FCStaffSetPanelHandler::_StaffSetItem(int staffSet) { return qz::StaffSetItem(staffSet); }

bool FCStaffSetPanelHandler::_IsValidStaffSet(int staffSet)
{
    return staffSet >= kFirstStaffSet && staffSet <= kLastStaffSet;
}

bool FCStaffSetPanelHandler::Execute()
{
    if (_operationkind == OPERATION_FROMGROUPS) {
        GroupsPlan plan;
        PlanFromGroups(&plan);
        return WritePlannedStaffSets(plan.sets);
    }
    if (_operationkind == OPERATION_APPLYTEMPLATE) {
        if (!_pTemplate)
            return false;
        TemplatePlan plan;
        PlanTemplate(*_pTemplate, &plan);
        return !_HoldsPlannedStaffSets(plan.sets) && WritePlannedStaffSets(plan.sets);
    }
    const int n = _staffsetnumber;
    if (!_IsValidStaffSet(n))
        return false;
    switch (_operationkind) {
    case OPERATION_MOVEUP: return SwapUpwards(n);
    case OPERATION_MOVEDOWN: return SwapDownwards(n);
    case OPERATION_DELETE: return _HoldsAnything(n) && DeleteStaffSet(n);
    case OPERATION_RENAME: return !_HoldsName() && _StoreName();
    case OPERATION_CREATE:
        if (!_pRegion || (_HoldsRegionList(n) && _HoldsName()))
            return false;
        return CreateRegionStaffSet(n) && _StoreName();
    case OPERATION_ADDSTAVES: return _pRegion && AddRegionStaves(n);
    case OPERATION_REMOVESTAVES: return _pRegion && RemoveRegionStaves(n);
    default: return false;
    }
}

bool FCStaffSetPanelHandler::_HoldsName()
{
    FCString stored;
    GetStoredName(&stored, _staffsetnumber);
    return stored.IsEqualString(&_name);
}

bool FCStaffSetPanelHandler::_HoldsAnything(int staffSet)
{
    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    if (FindStaffSetExpression(&expressions, staffSet))
        return true;
    const uint16_t item = _StaffSetItem(staffSet);
    return _InScore([&] {
        FCSystemStaves list;
        return list.LoadAllForItem(item) > 0;
    });
}

bool FCStaffSetPanelHandler::_StoreName()
{
    if (_name.IsEmpty())
        return DeleteStaffSetName(_staffsetnumber);
    return SaveStaffSetName(&_name, _staffsetnumber);
}

bool FCStaffSetPanelHandler::_WriteStaffSet(FCSystemStaves* pList, int staffSet)
{
    const uint16_t item = _StaffSetItem(staffSet);
    return pList->DeleteDataForItem(item) && pList->SaveAllForItem(item);
}

bool FCStaffSetPanelHandler::_BuildRegionList(FCSystemStaves* pList)
{
    if (!_pRegion)
        return false;
    const std::vector<int16_t> staves = RegionStaves(*_pRegion);
    if (staves.empty())
        return false;

    FCSystemStaves regionList;
    regionList.LoadAllForItem(_pRegion->GetStartStaffList());
    const FCSystemStaff* pTop = regionList.FindStaff(staves.front());
    if (!pTop)
        return false;
    const int32_t top = pTop->GetDistance();

    for (size_t k = 0; k < staves.size(); ++k) {
        const FCSystemStaff* pEntry = regionList.FindStaff(staves[k]);
        const int32_t distance = pEntry ? pEntry->GetDistance() - top : -kStaffSpacing * static_cast<int32_t>(k + 1);
        pList->Add(NewEntry(staves[k], distance));
    }
    return true;
}

bool FCStaffSetPanelHandler::CreateRegionStaffSet(int staffSet)
{
    FCSystemStaves newList;
    if (!_IsValidStaffSet(staffSet) || !_BuildRegionList(&newList))
        return false;
    return _InScore([&] { return _WriteStaffSet(&newList, staffSet); });
}

bool FCStaffSetPanelHandler::_HoldsRegionList(int staffSet)
{
    FCSystemStaves newList;
    if (!_BuildRegionList(&newList))
        return false;
    const uint16_t item = _StaffSetItem(staffSet);
    return _InScore([&] {
        FCSystemStaves stored;
        if (stored.LoadAllForItem(item) != newList.GetCount())
            return false;
        for (int index = 0; index < stored.GetCount(); ++index)
            if (!SameEntry(stored.GetItemAt(index), newList.GetItemAt(index)))
                return false;
        return true;
    });
}

bool FCStaffSetPanelHandler::AddRegionStaves(int staffSet)
{
    if (!_IsValidStaffSet(staffSet))
        return false;
    FCSystemStaves selected;
    LoadSelectedStaves(&selected);

    return _InScore([&] {
        FCSystemStaves score;
        FCSystemStaves members;
        score.LoadAllForItem(0);
        if (members.LoadAllForItem(_StaffSetItem(staffSet)) == 0)
            return false;
        bool changed = false;
        for (int i = 0; i < selected.GetCount(); ++i) {
            const int16_t staff = selected.GetItemAt(i)->GetStaff();
            if (members.FindStaff(staff))
                continue;
            const int scoreIndex = IndexOfStaff(score, staff);
            if (scoreIndex < 0)
                return false;
            const int anchor = FindAnchor(score, scoreIndex, members);
            if (anchor < 0) {
                const int32_t last = members.GetItemAt(members.GetCount() - 1)->GetDistance();
                members.Add(NewEntry(staff, last - kStaffSpacing));
            }
            else {
                /* Inserted at the top, the staff takes the old top's place. */
                const int32_t distance = anchor >= 1 ? members.GetItemAt(anchor - 1)->GetDistance() - kStaffSpacing
                                                     : members.GetItemAt(0)->GetDistance();
                members.InsertItemAt(NewEntry(staff, distance), anchor);
                ShiftFrom(&members, anchor + 1, -kStaffSpacing);
            }
            changed = true;
        }
        return changed && _WriteStaffSet(&members, staffSet);
    });
}

bool FCStaffSetPanelHandler::RemoveRegionStaves(int staffSet)
{
    if (!_IsValidStaffSet(staffSet))
        return false;
    FCSystemStaves selected;
    LoadSelectedStaves(&selected);

    const uint16_t item = _StaffSetItem(staffSet);
    return _InScore([&] {
        FCSystemStaves members;
        members.LoadAllForItem(item);
        bool changed = false;
        for (int i = 0; i < selected.GetCount(); ++i) {
            const int index = IndexOfStaff(members, selected.GetItemAt(i)->GetStaff());
            if (index < 0)
                continue;
            /* The entries below move up by the removed staff's distance from
               the one above it; the staff that becomes the top takes the
               removed top's distance. */
            const int32_t removed = members.GetItemAt(index)->GetDistance();
            const int32_t above = index >= 1 ? members.GetItemAt(index - 1)->GetDistance() : 0;
            const int32_t below = members.GetCount() >= 2 ? members.GetItemAt(1)->GetDistance() : 0;
            const int32_t shift =
                _ClosingShift(removed, index >= 1 ? &above : nullptr, members.GetCount() >= 2 ? &below : nullptr);
            members.ClearItemAt(index);
            ShiftFrom(&members, index, shift);
            changed = true;
        }
        if (!changed || !members.DeleteDataForItem(item))
            return false;
        if (members.GetCount() > 0)
            return members.SaveAllForItem(item);
        return _DeepDeleteName(staffSet);
    });
}

int32_t FCStaffSetPanelHandler::_ClosingShift(int32_t removed, const int32_t* pAbove, const int32_t* pNewTop)
{
    if (pAbove)
        return *pAbove - removed;
    return pNewTop ? removed - *pNewTop : 0;
}

bool FCStaffSetPanelHandler::Swap(int staffSetA, int staffSetB)
{
    if (!_IsValidStaffSet(staffSetA) || !_IsValidStaffSet(staffSetB))
        return false;
    /* Nothing moves between one position and itself, or between two empty ones. */
    if (staffSetA == staffSetB || (!_HoldsAnything(staffSetA) && !_HoldsAnything(staffSetB)))
        return false;

    FCTextExpressionDefs expressions;
    expressions.LoadAll();
    FCTextExpressionDef* pExpressionA = FindStaffSetExpression(&expressions, staffSetA);
    FCTextExpressionDef* pExpressionB = FindStaffSetExpression(&expressions, staffSetB);
    FCString nameA;
    FCString nameB;
    if (pExpressionA)
        _ReadName(pExpressionA, staffSetA, &nameA);
    if (pExpressionB)
        _ReadName(pExpressionB, staffSetB, &nameB);
    if (pExpressionA && !_WriteName(pExpressionA, staffSetB, &nameA))
        return false;
    if (pExpressionB && !_WriteName(pExpressionB, staffSetA, &nameB))
        return false;

    const uint16_t itemA = _StaffSetItem(staffSetA);
    const uint16_t itemB = _StaffSetItem(staffSetB);
    return _InScore([&] {
        FCSystemStaves listA;
        FCSystemStaves listB;
        listA.LoadAllForItem(itemA);
        listB.LoadAllForItem(itemB);
        return listA.DeleteDataForItem(itemA) && listB.DeleteDataForItem(itemB) && listA.SaveAllForItem(itemB) &&
               listB.SaveAllForItem(itemA);
    });
}

bool FCStaffSetPanelHandler::DeleteStaffSet(int staffSet)
{
    if (!_IsValidStaffSet(staffSet))
        return false;
    if (!_DeepDeleteName(staffSet))
        return false;
    const uint16_t item = _StaffSetItem(staffSet);
    return _InScore([&] {
        FCSystemStaves list;
        return list.DeleteDataForItem(item);
    });
}
