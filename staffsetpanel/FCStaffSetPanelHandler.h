#ifndef STAFFSETPANEL_FCSTAFFSETPANELHANDLER_H
#define STAFFSETPANEL_FCSTAFFSETPANELHANDLER_H

#include <cstdint>
#include <string>
#include <vector>

#include "document/FCPart.h"
#include "strings/FCString.h"
#include "records/__FCUndoBlockHandler.h"

class FCMusicRegion;
class __FCNoInciOther;
class FCSystemStaves;
class FCTextExpressionDef;
class FCTextExpressionDefs;
class FCUI;
class QZStaffSetTemplate;

/* Name of the expression category that holds the staff set names. The user
   creates it; the panel never does. */
extern const char* const szSpecialCategoryName;
/* Text of a name expression created by the panel. */
extern const char* const szExpressionStandardString;

/* One change to the document's eight staff sets, carried out by Execute
 * inside one host edit (run it through FCUndoBlock::Execute with the undo
 * text "Staff Set Panel").
 *
 * Staff set n (1 to 8) is the staff list stored under item qz::StaffSetItem(n)
 * of the system staff records, always read and written in the score. Its name lives
 * in a text expression of the category named szSpecialCategoryName whose
 * description is "QZ Staff Set Panel " + n + ":" followed by the name.
 *
 * Every document operation returns false when it did not carry out the whole
 * change (nothing to do, bad input or a host refusal); the undo block then
 * cancels the host edit, so that nothing is left half-written. A command
 * that would change nothing (a rename to the name held, a create that makes
 * the list and the name the set holds, a move between two empty positions,
 * a delete of a missing staff set) fails the same way, so that it leaves
 * no empty undo step. The handler
 * keeps no document data between calls.
 *
 * Virtual operations after those of __FCUndoBlockHandler: none (Execute is
 * overridden here). */
class FCStaffSetPanelHandler : public __FCUndoBlockHandler
{
    FCUI* _pUI;                           /* not owned; shows the missing-category alert */
    FCString _name;                       /* owned copy of the name to store */
    int32_t _staffsetnumber;              /* 1 to 8 */
    FCMusicRegion* _pRegion;              /* not owned; may be null */
    int32_t _operationkind;               /* an OPERATIONKINDS value */
    const QZStaffSetTemplate* _pTemplate; /* not owned; may be null */

public:
    /* Values of the operation kind. */
    enum OPERATIONKINDS
    {
        OPERATION_CREATE = 0,       /* from the region, then store the name */
        OPERATION_RENAME = 1,       /* store (or, when empty, remove) the name */
        OPERATION_ADDSTAVES = 2,    /* add the current selection's staves */
        OPERATION_REMOVESTAVES = 3, /* remove the current selection's staves */
        OPERATION_MOVEUP = 4,       /* swap with the staff set above */
        OPERATION_MOVEDOWN = 5,     /* swap with the staff set below */
        OPERATION_DELETE = 6,       /* delete the list and its name */
        OPERATION_FROMGROUPS = 7,   /* staff sets from the score's groups */
        OPERATION_APPLYTEMPLATE = 8 /* staff sets from the handler's template */
    };

    /* One staff of a staff set about to be written. */
    struct PlannedStaff
    {
        int16_t staff;
        int32_t distance;
        int32_t resize;
    };
    /* A staff set about to be written: its number, name (UTF-8; empty for
       none) and staves. */
    struct PlannedStaffSet
    {
        int number = 0;
        std::string name;
        std::vector<PlannedStaff> staves;
    };
    /* What From Groups makes of the score's groups. */
    struct GroupsPlan
    {
        int groups = 0;   /* groups of two or more staves */
        int skipped = 0;  /* groups whose staves a staff set already holds */
        int unplaced = 0; /* groups left without a free staff set */
        std::vector<PlannedStaffSet> sets;
    };
    /* What a template makes in the score. */
    struct TemplatePlan
    {
        std::vector<PlannedStaffSet> sets;
        /* The template's staves without a match: "NAME (staff set N)". */
        std::vector<std::string> missing;
    };

    /* Lowest and highest staff set number. */
    static constexpr int kFirstStaffSet = 1;
    static constexpr int kLastStaffSet = 8;
    /* Vertical step between a staff and one placed below it. */
    static constexpr int32_t kStaffSpacing = 288;

    /* Copies the name (null: empty); the UI and the region stay the
       caller's. The operation kind starts as OPERATION_CREATE. */
    FCStaffSetPanelHandler(FCString* pName, int staffSet, FCUI* pUI, FCMusicRegion* pRegion);
    ~FCStaffSetPanelHandler() override;

    int GetOperationKind() const { return _operationkind; }
    void SetOperationKind(int kind) { _operationkind = kind; }
    int GetStaffSetNumber() const { return _staffsetnumber; }
    /* The template that OPERATION_APPLYTEMPLATE applies (the caller's). */
    void SetTemplate(const QZStaffSetTemplate* pTemplate) { _pTemplate = pTemplate; }

    /* Carries out the operation kind on the staff set. False (and nothing
       written) for a number outside 1 to 8, for an unknown kind, and for
       create, add and remove without a region. From Groups and Apply
       Template ignore the number and fail when they would write no staff
       set (or, for the template, without one). */
    bool Execute() override;

    /* ---- Staff set lists --------------------------------------------------- */
    /* Item number of staff set n's list (qz::StaffSetItem). */
    static uint16_t _StaffSetItem(int staffSet);
    static bool _IsValidStaffSet(int staffSet);

    /* Replaces staff set n by the staves of the handler's region (its slot
       range sorted; slots without a staff skipped), spaced as in the region's
       staff list relative to its top staff. */
    bool CreateRegionStaffSet(int staffSet);
    /* Adds the staves of the current selection that the staff set lacks, in
       score order. False when the set does not exist, a staff is not in the
       score, or nothing was added. */
    bool AddRegionStaves(int staffSet);
    /* Removes the staves of the current selection from the staff set,
       closing the gaps; removing the last staff deletes the set with its name
       expression. False when no selected staff was in the set. */
    bool RemoveRegionStaves(int staffSet);
    /* Exchanges staff sets a and b, lists and names; false when neither
       holds anything. */
    bool Swap(int staffSetA, int staffSetB);
    bool SwapUpwards(int staffSet) { return Swap(staffSet, staffSet - 1); }
    bool SwapDownwards(int staffSet) { return Swap(staffSet, staffSet + 1); }
    /* Deletes the staff set and its name expression; true also when there
       was none. */
    bool DeleteStaffSet(int staffSet);

    /* ---- Staff sets from groups and templates ----------------------------- */
    /* The staff sets that From Groups would make; reads only. Groups of two
       or more staves, the outermost first, each set of groups in the score
       order of their top staff; a group whose staves a staff set holds
       (including one planned before it) is skipped; the others take the free
       staff sets from 1 upwards, named after the group's full name. */
    void PlanFromGroups(GroupsPlan* pPlan);
    /* The staff sets that the template would make; reads only. Template
       staves are matched by full name (the k-th of a name in the set takes
       the k-th staff of that name in the score), then by abbreviated name;
       the others are left out, closing their gap; sets left empty are
       skipped. */
    void PlanTemplate(const QZStaffSetTemplate& source, TemplatePlan* pPlan);
    /* Every existing staff set with its name and its staves' names,
       distances and resize. */
    void ReadTemplate(QZStaffSetTemplate* pTemplate);
    /* Writes the staff sets with their names. Without the special category
       the sets are written unnamed and the user is told once, after them.
       False when a write fails or there is nothing to write. */
    bool WritePlannedStaffSets(const std::vector<PlannedStaffSet>& sets);

    /* ---- Staff set names --------------------------------------------------- */
    /* Category ID of the special category, -1 when the document has none. */
    int16_t FindSpecialCategoryID();
    /* "QZ Staff Set Panel " + n + ":". */
    void BuildPrefixString(FCString* pString, int staffSet);
    /* Staff set n's name expression in the list (the list keeps it), or null. */
    FCTextExpressionDef* FindStaffSetExpression(FCTextExpressionDefs* pExpressions, int staffSet);
    /* Sets pResult to the stored name; leaves it untouched when there is
       none stored. */
    void GetStoredName(FCString* pResult, int staffSet);
    /* The stored names of all staff sets in one pass over the expressions:
       pNames[n] (n = 1 to 8, pNames has 9 elements) as GetStoredName gives
       it; elements without a stored name are left untouched. */
    void GetStoredNames(FCString* pNames);
    /* True when the special category exists; otherwise tells the user how to
       create it and returns false. */
    bool AssureCategory();
    /* Stores the name, creating the name expression when needed. */
    bool SaveStaffSetName(FCString* pName, int staffSet);
    /* Deletes the name expression record (its text block stays); true when
       there was none. */
    bool DeleteStaffSetName(int staffSet);

    /* The shift of the entries below a removed one that closes its gap: they
       move up by its distance from the entry above (pAbove); when the top
       goes, the new top (pNewTop) takes its place. 0 when it was alone. */
    static int32_t _ClosingShift(int32_t removed, const int32_t* pAbove, const int32_t* pNewTop);

private:
    /* Runs operation() with the score as the current part; false without
       running it when the score cannot be made current. */
    template <class Operation>
    bool _InScore(Operation operation);
    /* Replaces the stored list of staff set n by pList. */
    bool _WriteStaffSet(FCSystemStaves* pList, int staffSet);
    /* The expression of staff set n in category categoryID, or null. */
    FCTextExpressionDef* _FindExpression(FCTextExpressionDefs* pExpressions, int staffSet, int16_t categoryID);
    /* The name held by a name expression of staff set n. */
    void _ReadName(const FCTextExpressionDef* pExpression, int staffSet, FCString* pName);
    /* Writes "prefix of n" + name into the expression and saves it. */
    bool _WriteName(FCTextExpressionDef* pExpression, int staffSet, const FCString* pName);
    /* Deletes staff set n's name expression with its enclosure, if any. */
    bool _DeepDeleteName(int staffSet);
    /* One expression of GetStoredNames' pass; false once every name is found. */
    static bool _VisitNameExpression(__FCNoInciOther* pRecord, void* pContext);
    /* Runs the name step of create and rename. */
    bool _StoreName();
    /* True when the stored name is the handler's name (both empty when the
       staff set has none): a rename would change nothing. */
    bool _HoldsName();
    /* True when staff set n has a list or a name expression. */
    bool _HoldsAnything(int staffSet);
    /* The list that the region makes (see CreateRegionStaffSet); false when
       its top staff is not in the region's staff list. */
    bool _BuildRegionList(FCSystemStaves* pList);
    /* True when every planned staff set is stored as planned, staves,
       distances, resize and name: writing them would change nothing. */
    bool _HoldsPlannedStaffSets(const std::vector<PlannedStaffSet>& sets);
    /* True when staff set n is, entry for entry (records and resizes), the
       list the region makes. */
    bool _HoldsRegionList(int staffSet);
};

template <class Operation>
bool FCStaffSetPanelHandler::_InScore(Operation operation)
{
    FCPart score(0);
    if (!score.SwitchTo())
        return false;
    const bool result = operation();
    score.SwitchBack();
    return result;
}

#endif
