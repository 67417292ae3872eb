#ifndef FRAMEWORK_UI__FCWINDOWCONTROLLER_COCOA_H
#define FRAMEWORK_UI__FCWINDOWCONTROLLER_COCOA_H

#include "ui/__FloatRect.h"

class __FCUserWindow;
class FCControl;
class FCCtrlDataList;
class FCCtrlTree;
class FCString;
class FCTreeNode;

/* The platform bridge of one framework window.
 *
 * Each framework window owns one bridge; the bridge owns the on-screen window
 * (loaded from the prepared layout named by the layout ID in decimal) and
 * carries every request of the window and its controls to it. Elements are
 * addressed by control ID, which is the element's tag. Every element operation
 * tolerates a missing element (or one of the wrong kind) and then does nothing
 * or returns the neutral value (false, 0, -1).
 *
 * Two implementations share this declaration: the Cocoa one and a headless one
 * that works on an in-memory element tree read from the same layout file.
 *
 * Window rectangles (__FloatRect) are in screen coordinates with the origin at
 * the top-left corner of the primary screen (y down); element rectangles are
 * relative to the top-left corner of the content area. */
class _FCWindowController_cocoa
{
    bool _windowopen;         /* the on-screen window is open; cleared at the first close */
    int _layoutid;            /* the prepared layout's ID */
    bool _modalrun;           /* the window is running modally */
    bool _modalrequested;     /* opened by ExecuteModal */
    __FCUserWindow* _pWindow; /* the framework window served (not owned) */
    void* _controller;        /* platform window controller; null when no window is loaded */
    void* _timers;            /* the running timers (platform array) */

public:
    _FCWindowController_cocoa(__FCUserWindow* pWindow, int layoutID);
    virtual ~_FCWindowController_cocoa();

    _FCWindowController_cocoa(const _FCWindowController_cocoa&) = delete;
    _FCWindowController_cocoa& operator=(const _FCWindowController_cocoa&) = delete;

    /* ---- Window ---- */

    bool IsWindowLoaded() const { return _controller != nullptr; }
    bool IsWindowVisible();
    /* Orders the window front and makes it the active (main) window. */
    void ActivateWindow();
    /* Shows and orders front (true) or orders out (false). */
    void ShowWindow(bool show);
    /* Closes the platform window (the will-close report follows). */
    void CloseWindow();
    void RepaintWindow();
    /* Loads the layout and shows the window; nothing when a window is loaded. */
    void ShowModeless();
    /* Loads the layout and runs the window modally (centred when pParent is
       null). False when a window is already loaded; otherwise true when the
       modal run ended by the window closing. */
    bool ExecuteModal(__FCUserWindow* pParent);
    /* Kills the timers and closes and releases the on-screen window. */
    void DestroyWindow();
    void SetWindowCaption(FCString* pString);
    void GetWindowCaption(FCString* pString);
    void GetWindowFrameRect(__FloatRect* pRect);
    /* Writes the frame (a change of size reports a resize to the window). */
    void SetWindowFrameRect(__FloatRect* pRect);
    /* The content view's frame: left = x, top = y, right = x + width,
       bottom = y + height. */
    void GetWindowContentRect(__FloatRect* pRect);
    float GetWindowTitleHeight();
    void SetMaximumResizeWidth(float width);
    void SetMaximumResizeHeight(float height);
    void SetWindowAlpha(int percent);
    /* Writes "ERROR: '<name>' is not yet Cocoa-supported!" to the system log. */
    void NotYetImplementedError(const char* name);

    /* ---- Elements: generic ---- */

    void SetDlgItemVisible(int controlID, bool state);
    bool GetDlgItemVisible(int controlID);
    void SetDlgItemEnable(int controlID, bool state);
    bool GetDlgItemEnable(int controlID);
    void SetDlgItemKeyboardFocus(int controlID);
    /* Buttons only: 0 off, 1 on, 2 mixed; other values are ignored. */
    void SetDlgItemCheck(int controlID, int state);
    int GetDlgItemCheck(int controlID);

    /* ---- Elements: text ---- */

    void SetDlgItemText(int controlID, FCString* pString);
    void GetDlgItemText(int controlID, FCString* pString);
    void SetDlgItemTextAndResize(int controlID, FCString* pString);

    /* ---- Elements: geometry (content coordinates, origin top-left) ---- */

    /* False when no element has the tag. */
    bool GetDlgItemRect(int controlID, __FloatRect* pRect);
    void SetDlgItemWidth(int controlID, float width);
    void SetDlgItemHeight(int controlID, float height);
    void SetDlgItemPos(int controlID, float x, float y, bool redraw);
    void SetDlgItemSize(int controlID, float width, float height, bool redraw);

    /* ---- Elements: buttons and edit fields ---- */

    void ClearShortcutKey(int controlID);
    void SetEditFocus(int controlID);
    void EditScrollToBottom(int controlID);

    /* ---- Elements: popups ---- */

    void ClearAllPopupItems(int controlID);
    int GetPopupItemCount(int controlID);
    /* Items may repeat a title. */
    void AppendPopupItem(int controlID, FCString* pText);
    void InsertString(int controlID, int index, FCString* pText);
    void DeletePopupItem(int controlID, int index);
    /* The item's title (nothing for an index outside the items). */
    void GetPopupItemText(int controlID, int index, FCString* pText);
    void SelectPopupItem(int controlID, int index);
    /* -1 for none, or when no popup has the tag. */
    int GetSelectedPopupItem(int controlID);

    /* ---- Elements: steppers and sliders (integer values) ---- */

    void SetStepperMinMax(int controlID, int minimum, int maximum);
    int GetStepperMin(int controlID);
    int GetStepperMax(int controlID);
    void SetStepperValue(int controlID, int value);
    /* Setting the minimum or maximum also sets max - min + 1 tick marks. */
    void SetSliderMin(int controlID, int value);
    int GetSliderMin(int controlID);
    void SetSliderMax(int controlID, int value);
    int GetSliderMax(int controlID);
    void SetSliderThumbValue(int controlID, int value);
    /* The slider's value + 0.49, truncated; -1 when no slider has the tag. */
    int GetSliderThumbValue(int controlID);

    /* ---- Elements: switchers (segmented controls) ---- */

    /* The first page reuses a lone unlabelled segment; later pages add one. */
    void SwitcherAddPage(int controlID, FCString* pTitle);
    int SwitcherGetPageCount(int controlID);
    /* -1 when no segmented control has the tag. */
    int SwitcherGetSelectedPage(int controlID);
    void SwitcherSetSelectedPage(int controlID, int page);

    /* ---- Elements: tables ---- */

    /* Appends the check column unless the first column is one; false when no
       table has the tag. */
    bool TableViewUseLeftCheckboxColumn(int controlID);
    bool TableViewHasCheckboxes(int controlID);
    void TableViewSetNoHeader(int controlID);
    void TableViewExpandLastColumn(int controlID);
    /* -1 when no table has the tag. */
    int TableViewGetColumnCount(int controlID, bool includeCheckColumn);
    /* The column's width, the check column not counted; -1 when missing. */
    float TableViewGetColumnWidth(int controlID, int column);
    /* The column index counts the check column. */
    void TableViewSetColumnTitle(int controlID, int column, FCString* pTitle);
    void TableViewAddColumn(int controlID, FCString* pTitle, float width, int fontSize);
    void TableViewDeleteAllColumns(int controlID);
    void TableViewRedraw(int controlID);
    void TableViewScrollToTop(int controlID);
    int TableViewGetSelectedLine(int controlID);
    void TableViewSelectLine(int controlID, int line, bool scrollIntoView);
    void TableViewUpdateCheckbox(int controlID, int line);
    void TableViewClearSelection(int controlID);
    /* Stores the list under "DataList" in the table's user info (once) and
       makes this bridge the table's data source. */
    void TableViewAssureConnected(FCCtrlDataList* pList);

    /* ---- Elements: outlines (the rows of a tree control) ---- */

    /* The single column "treecolumn": no header, width 100 then filling the
       view, not editable, rows as high as the font's line height + 3 (at
       least 16) at the point size. */
    void OutlineViewSetupColumn(int controlID, int fontSize);
    /* Stores the tree under "Tree" in the outline's user info (once) and
       makes this bridge the outline's data source. */
    void OutlineViewAssureConnected(FCCtrlTree* pTree);
    /* Reloads the rows from the tree; expansion and selection stay with
       their nodes, those of nodes no longer in the tree are dropped. */
    void OutlineViewRefreshData(int controlID);
    /* The node of the selected row, or null. */
    FCTreeNode* OutlineViewGetSelectedNode(int controlID);
    /* Expands the node's parent when needed, selects the node's row and
       scrolls it into view. */
    void OutlineViewSetSelectedNode(int controlID, FCTreeNode* pNode);
    /* Expands (when expandable) or collapses the node's row. */
    void OutlineViewExpandNode(int controlID, FCTreeNode* pNode, bool expand);
    bool OutlineViewIsNodeExpanded(int controlID, FCTreeNode* pNode);
    void OutlineViewExpandAllContainers(int controlID);
    void OutlineViewCollapseAllContainers(int controlID);

    /* ---- Elements created in code ---- */

    /* Creates the element for a control by its type code; false for codes
       without an element kind. */
    bool CreateUIControl(FCControl* pControl);

    /* ---- Timers ---- */

    /* Logs "Timer already exists!" (and does nothing else) for a duplicate id. */
    void CreateTimer(int controlID, int milliseconds);
    void KillTimer(int controlID);
    bool TimeridExists(int controlID);
    void KillAllTimers();
    void AssureTimers();

    /* ---- Notifications into the framework window (nothing without one) ---- */

    void Notify_InitWindow();
    void Notify_OkButtonPressed();
    void Notify_CancelButtonPressed();
    void Notify_ButtonPressed(int controlID);
    void Notify_HandleCommand(int controlID);
    /* HandleSwitcherSelect(the control, segment) when the control with the ID
       is a switcher (type code 13), else with null. */
    void Notify_HandleSwitcherSelect(int controlID, int segment);
    void Notify_DataListHandleDoubleClick(int controlID, int row);
    void Notify_DataListHandleCommand(int controlID, int row);
    void Notify_WindowActivated(bool active);
    void Notify_WindowResized(float width, float height, float oldWidth, float oldHeight);
    void Notify_WindowClose();
    bool Notify_WindowCanClose();
    void Notify_Timer(int controlID);
    /* A stepper was clicked: the up/down control with the ID takes the
       stepper's new value, then HandleUpDownPressed(control, new - old);
       nothing when no up/down control has the ID. */
    void Notify_StepperPressed(void* pStepper, int controlID);

    /* ---- Internal ---- */

    int _GetLayoutID() const { return _layoutid; }
    __FCUserWindow* _GetWindow() const { return _pWindow; }
    bool _IsWindowOpen() const { return _windowopen; }
    bool _IsModalRequested() const { return _modalrequested; }
    /* The platform controller (the headless bridge's element tree). */
    void* _GetController() const { return _controller; }
    /* The platform timer array (null when none). */
    void* _GetTimers() const { return _timers; }
    /* Check box cell of a table toggled on screen: the row's SetCheck, the
       list's HandleCheckChange, the window's HandleDataListCheck. */
    void _TableCheckEdited(int controlID, int row, bool checked);

private:
    bool _LoadController();
    void _ReleaseController();
    void _PostWillClose();
};

#endif
