#ifndef STAFFSETPANEL_FCSTAFFSETPANELWINDOW_H
#define STAFFSETPANEL_FCSTAFFSETPANELWINDOW_H

#include "common/qz_staffset_panel.h"
#include "document/FCDocument.h"
#include "ui/FCResourceWindow.h"

class FCControl;
class FCCtrlButton;
class FCCtrlEdit;
class FCCtrlStaffSetDataList;
class FCDataListRow;
class FCMusicRegion;
class FCStaffSetPanelHandler;
class FCString;
class FCUI;

/* The staff set panel: a modeless floating window with a nine-row list (the
 * whole score and staff sets 1 to 8: number, name, staff count, top and
 * bottom staff), an edit field for the selected staff set's name and the
 * command buttons. It keeps itself current by polling the document on a
 * 200 ms timer, and remembers its position in the preferences file.
 *
 * Virtual operations overridden: CloseWindow, InitWindow, OkButtonPressed,
 * HandleCommand, HandleTimer, HandleActivate. */
class FCStaffSetPanelWindow : public FCResourceWindow
{
    bool _shadewheninactive;
    FCDocument _showndocument;
    FCCtrlButton* _pOkButton;
    FCCtrlButton* _pCloseButton;
    FCCtrlEdit* _pNameEdit;
    FCCtrlButton* _pSetNameButton;
    FCCtrlStaffSetDataList* _pStaffSetList;
    FCCtrlButton* _pCreateButton;
    FCCtrlButton* _pAddStavesButton;
    FCCtrlButton* _pRemoveStavesButton;
    FCCtrlButton* _pMoveUpButton;
    FCCtrlButton* _pMoveDownButton;
    FCCtrlButton* _pDeleteButton;
    FCCtrlButton* _pFromGroupsButton;
    FCCtrlButton* _pSaveTemplateButton;
    FCCtrlButton* _pApplyTemplateButton;
    FCUI* _pUI; /* not owned */

public:
    /* Layout and control IDs. */
    enum
    {
        LAYOUT_ID = qz::kPanelLayout,
        CONTROL_OK = qz::kPanelOk,
        CONTROL_CLOSE = qz::kPanelClose,
        CONTROL_LIST = qz::kPanelList,
        CONTROL_NAMEEDIT = qz::kPanelNameEdit,
        CONTROL_SETNAME = qz::kPanelSetName,
        CONTROL_CREATE = qz::kPanelCreate,
        CONTROL_ADDSTAVES = qz::kPanelAddStaves,
        CONTROL_REMOVESTAVES = qz::kPanelRemoveStaves,
        CONTROL_MOVEUP = qz::kPanelMoveUp,
        CONTROL_MOVEDOWN = qz::kPanelMoveDown,
        CONTROL_DELETE = qz::kPanelDelete,
        CONTROL_FROMGROUPS = qz::kPanelFromGroups,
        CONTROL_SAVETEMPLATE = qz::kPanelSaveTemplate,
        CONTROL_APPLYTEMPLATE = qz::kPanelApplyTemplate
    };
    /* The list's rows: the whole score, then staff sets 1 to 8. */
    static constexpr int kScoreRow = 0;
    static constexpr int kLastRow = 8;
    static constexpr short kTimerID = 2;
    static constexpr unsigned int kTimerPeriod = 200;
    /* Ticks between two checks of the shown document. */
    static constexpr int kDocumentCheckTicks = 5;
    /* Undo text of every change made by the panel. */
    static const char* const kUndoText;
    /* Keys of the stored position and of the shading option. */
    static const char* const kWindowXKey;
    static const char* const kWindowYKey;
    static const char* const kWindowShadeKey;

    /* Reads the user preferences (the stored position). */
    explicit FCStaffSetPanelWindow(FCUI* pUI);
    ~FCStaffSetPanelWindow() override;

    /* Adds the controls (once, right after construction). */
    void LinkControls();

    void CloseWindow() override;
    void InitWindow() override;
    void OkButtonPressed() override;
    void HandleCommand(FCControl* pControl) override;
    void HandleTimer(short id) override;
    void HandleActivate(bool active) override;

    void InitSettings() {}
    void UpdateControls() {}
    void EnableControls();
    void EnableControlsForRow(int row);
    /* Switches the host's view to the selected row's staff set (row 0: all
       staves). */
    void SwitchToSelected();

    /* ---- List contents ---- */

    void CreateListLines();
    /* Rewrites every row's cells and counts; records the shown document. */
    void RefereshAllData();
    bool AreListCountersUpToDate();
    /* Rewrites the name, top and bottom cells of a staff set row. */
    void UpdateRowInfo(int row);
    /* The staff set's name; with the placeholder "-" for a missing staff set
       and "(No Name)" for one without a name, else empty in both cases. */
    void FormatStaffSetName(FCString* pString, int staffSet, bool placeholder);
    /* The full names of the staff set's first and last staff; "-" (with the
       placeholder, else empty) for a missing staff set. */
    void FormatTopBottomNames(FCString* pTop, FCString* pBottom, int staffSet, bool placeholder);
    /* Staves of the score's staff list (0) or of a staff set (1 to 8). */
    int CountStaffSetStaves(int staffSet);
    bool StaffSetExists(int staffSet);

    /* ---- Commands ---- */

    /* Runs the command of a button; true when it ran one. */
    bool ProcessCommand(FCControl* pControl);
    void RenameSelected();
    void CreateNewStaffSet();
    void AddStaves();
    void RemoveStaves();
    void MoveUp();
    void MoveDown();
    void ProcessMove(int row, bool down);
    void DeleteStaffSet();
    /* Staff sets from the score's groups, in the free positions. */
    void CreateFromGroups();
    /* Writes every staff set to a template file the user picks. */
    void SaveTemplate();
    /* Makes the staff sets of a template file the user picks. */
    void ApplyTemplate();

    /* ---- Preferences ---- */

    void LoadUserPrefs();
    /* Stores the on-screen window's position first, when it is open. */
    void SaveUserPrefs();
    void LoadQZPluginToolSettings();

    bool GetShadeWhenInactive() const { return _shadewheninactive; }
    FCCtrlStaffSetDataList* GetStaffSetList() const { return _pStaffSetList; }
    FCUI* GetUI() const { return _pUI; }

private:
    /* The document data of all rows, read at once for a refresh. */
    struct _ListSnapshot;

    int _GetSelectedRow();
    bool _AnyStaffSetExists();
    /* The name edit's text without surrounding white space. */
    void _GetTrimmedName(FCString* pName);
    /* Runs one staff set change as one undoable host edit; true when it was
       committed. */
    bool _RunHandler(FCString* pName, int row, FCMusicRegion* pRegion, int kind);
    /* Runs the handler of a change to several staff sets (From Groups, Apply
       Template) as one undoable host edit and refreshes the whole list. */
    bool _RunSetsHandler(FCStaffSetPanelHandler* pHandler);
    void _ChangeStaffSetStaves(int kind);
    void _FillRow(FCDataListRow* pRow, int row, bool withCount);
    void _FillRowFrom(FCDataListRow* pRow, int row, bool withCount, const _ListSnapshot& snapshot);
    /* pKnownName: the row's stored name when already read (null: read it). */
    void _EnableControlsForRow(int row, const FCString* pKnownName);
    void _WriteCount(FCDataListRow* pRow, int count);
};

#endif
