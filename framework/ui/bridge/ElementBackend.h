#ifndef FRAMEWORK_UI_BRIDGE_ELEMENTBACKEND_H
#define FRAMEWORK_UI_BRIDGE_ELEMENTBACKEND_H

#include <string>
#include <vector>

#include "ui/__FloatRect.h"

class FCCtrlDataList;
class FCCtrlTree;
class FCString;
class FCTreeNode;
class _FCWindowController_cocoa;

/* The primitive element operations the bridge's shared rules are written
 * against. Each backend (headless/, cocoa/) defines every function once over
 * its own elements; the rules (which kind an operation needs, the neutral
 * result of a missing element, index checks, selection bookkeeping, value
 * rounding) stay in framework/ui/bridge/. An Element is only ever handed back
 * to the backend that found it, and is never null when handed back. */
namespace ElementBackend
{
using Element = void*;

/* What an element is looked up as: a lookup of another kind finds nothing.
   Buttons are push buttons, check boxes and radio buttons (not popups);
   tables are table views that are not outlines; controls are the elements
   that can be enabled. */
enum class Kind
{
    Any,
    Control,
    Button,
    PopUp,
    Segmented,
    Stepper,
    Slider,
    TextField,
    Table,
    Outline
};

/* The element of the bridge's loaded window with the tag, when it is of the
   kind; null otherwise (no window loaded included). */
Element Find(const _FCWindowController_cocoa* pBridge, int tag, Kind kind);
/* read(element), or the fallback (the neutral result) without an element. */
template <typename R, typename F>
R ReadOr(Element element, R fallback, F read)
{
    return element ? static_cast<R>(read(element)) : fallback;
}
bool Is(Element element, Kind kind);
/* The element itself, or the scroll view it is shown in. */
Element Frame(Element element);

/* The frame (of the frame view) in the content's coordinates, origin top-left;
   setting it redraws at once when asked to, else marks it for redrawing. */
void GetFrame(const _FCWindowController_cocoa* pBridge, Element element, __FloatRect* pRect);
void SetFrame(const _FCWindowController_cocoa* pBridge, Element element, const __FloatRect& rect, bool redraw);

bool IsHidden(Element element);
/* Neither hidden itself nor inside a hidden view. */
bool IsShown(Element element);
void SetHidden(Element element, bool hidden);
/* Elements that cannot be disabled count as enabled. */
bool IsEnabled(Element element);
void SetEnabled(Element element, bool enabled);

/* Buttons: 0 off, 1 on, 2 mixed. */
int State(Element element);
void SetState(Element element, int state);
bool AllowsMixedState(Element element);

/* Popup items and the segments of a segmented control (segments are only
   ever appended, items only removed from popups). Indexes are in range when
   handed over; a selection of -1 is none. */
int ItemCount(Element element);
void InsertItem(Element element, int index, FCString* pTitle);
void RemoveItem(Element element, int index);
void RemoveAllItems(Element element);
void GetItemTitle(Element element, int index, FCString* pTitle);
/* The title as shown, in UTF-8. */
std::string ItemText(Element element, int index);
void SetItemTitle(Element element, int index, FCString* pTitle);
int SelectedItem(Element element);
void SelectItem(Element element, int index);

/* Steppers and sliders (tick marks: sliders only). */
enum class Number
{
    Minimum,
    Maximum,
    Value,
    TickMarks
};
double GetNumber(Element element, Number number);
void SetNumber(Element element, Number number, double value);

/* Tables: columns (every index counts a check column), rows from the data
   source, the selection. */
struct Column
{
    std::string identifier;
    FCString* pTitle;
    float width;
    bool check;   /* a check-box cell, editable, of a fixed width */
    int fontSize; /* of the cells; 0: the table's own */
};
int ColumnCount(Element table);
std::string ColumnIdentifier(Element table, int column);
float ColumnWidth(Element table, int column);
void SetColumnWidth(Element table, int column, float width);
void SetColumnTitle(Element table, int column, FCString* pTitle);
void InsertColumn(Element table, int index, const Column& column);
void RemoveColumns(Element table);
/* The width the columns are shown in. */
float VisibleWidth(Element table);
void SetRowHeight(Element table, float height);
void HideHeader(Element table);
int RowCount(Element table);
void ReloadRows(Element table);
void RedrawRow(Element table, int row);
void ScrollToRow(Element table, int row);
bool AllowsEmptySelection(Element table);
int SelectedRow(Element table);
/* Selects a row (-1: none) as a click would, the change reported to the
   bridge (Notify_DataListHandleCommand). */
void SelectRow(_FCWindowController_cocoa* pBridge, Element table, int row);
/* The list the table shows (kept under "DataList" in its user info), null
   before one is connected. */
FCCtrlDataList* ListOf(Element table);
/* Keeps the list (when the table has none) and makes the bridge the data
   source. */
void Connect(_FCWindowController_cocoa* pBridge, Element table, FCCtrlDataList* pList);

/* The action of a click on a stepper (the bridge's Notify_StepperPressed) or
   a segmented control (its selected segment reported as a switcher's, then as
   a command), or of a double click on a table (the selected row's double
   click). The bridge may be gone afterwards. */
void SendAction(_FCWindowController_cocoa* pBridge, Element element);

/* ---- What the driver reads and does to elements ---- */

/* The loaded window's elements with a non-zero tag, depth first. */
std::vector<Element> TaggedElements(const _FCWindowController_cocoa* pBridge);
int TagOf(Element element);
/* The element's QZUI_KIND_... code. */
int KindCode(Element element);
/* Text fields the user can type into. */
bool IsEditable(Element element);
bool HasFocus(const _FCWindowController_cocoa* pBridge, Element element);
/* What the element shows, in UTF-8: a button's or box's title, another
   control's string value, empty for anything else. */
std::string Text(Element element);
std::string ColumnTitle(Element table, int column);
/* A cell as the data source gives it, in UTF-8 ("1" or "0" for the check
   column); row and column are in range. */
std::string CellText(Element table, int row, int column);
/* A click on a button: its state changes as the platform's does, then its
   action reaches the bridge. The bridge may be gone afterwards. */
void Click(_FCWindowController_cocoa* pBridge, Element button);
/* Replaces a text field's text as typing does and reports the change; false
   (nothing typed) for text that is not UTF-8. */
bool Type(_FCWindowController_cocoa* pBridge, Element field, const char* text);

/* ---- What the driver reads and does to windows (loaded ones) ---- */

/* The title in UTF-8. */
std::string WindowTitle(const _FCWindowController_cocoa* pBridge);
/* The active (main) window. */
bool IsActive(const _FCWindowController_cocoa* pBridge);
/* Stops being the active window (reported to the bridge when it was). */
void Deactivate(_FCWindowController_cocoa* pBridge);
/* As the close box does: the window asks CanClose and closes on yes. False
   when it stays open. The bridge may be gone afterwards. */
bool PressCloseBox(_FCWindowController_cocoa* pBridge);

/* ---- Outlines: the rows of a tree control ---- */

/* The tree the outline shows (kept under "Tree" in its user info), null
   before one is kept. */
FCCtrlTree* TreeOf(Element outline);
/* Keeps the tree when the outline has none. */
void KeepTree(Element outline, FCCtrlTree* pTree);
/* The changes of an outline's rows. The outline reports none of them, nor a
   selection the change drops; the data source answers with the nodes of its
   tree (TableRules.h). */
enum class RowChange
{
    Connect, /* the bridge becomes the data source */
    Reload,  /* the rows are read again from the tree */
    Expand,  /* pNode's row, a node of the tree */
    Collapse /* pNode's row */
};
void ChangeRows(_FCWindowController_cocoa* pBridge, Element outline, RowChange change, FCTreeNode* pNode);
int ShownRowCount(Element outline);
/* The node a row shows (row in range); null when that node is gone. */
FCTreeNode* NodeAtRow(Element outline, int row);
/* 0 for a top-level node, 1 for a child. */
int DepthOfRow(Element outline, int row);
/* The row of a node of the tree, -1 when it is not shown. */
int RowOfNode(Element outline, FCTreeNode* pNode);
bool IsNodeExpanded(Element outline, FCTreeNode* pNode);
/* A row is selected, also one whose node is gone. */
bool HasSelectedRow(Element outline);
int SelectedShownRow(Element outline);
/* Selects a row (-1: none) without reporting it. */
void SelectShownRow(_FCWindowController_cocoa* pBridge, Element outline, int row);
/* A framework string as the platform shows it, in UTF-8. */
std::string ShownText(FCString* pText);
} // namespace ElementBackend

#endif
