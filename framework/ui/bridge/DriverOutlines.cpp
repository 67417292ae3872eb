/* The driver's calls for outlines: the rows shown, a click on a row and on a
 * disclosure triangle, over the backend's primitive element operations. */
#include "ui/driver/qzui_driver.h"

#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/DriverTargets.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/OutlineRows.h"

using namespace ElementBackend;
using namespace DriverTargets;

namespace
{
bool IsShownRow(Element outline, int row) { return row >= 0 && row < ShownRowCount(outline); }

/* The outline's node at a shown row, or null. */
FCTreeNode* NodeAt(Element outline, int row) { return IsShownRow(outline, row) ? NodeAtRow(outline, row) : nullptr; }

/* The rows' text is in the one "treecolumn" column. */
bool HasTreeColumn(Element outline) { return ColumnCount(outline) > 0 && ColumnIdentifier(outline, 0) == "treecolumn"; }
} // namespace

int qzui_outline_row_count(int window, int tag)
{
    Element outline = OfKind(window, tag, Kind::Outline);
    return outline ? ShownRowCount(outline) : -1;
}

int qzui_outline_row_info(int window, int tag, int row, qzui_outline_row* info)
{
    Element outline = nullptr;
    int result = Reading(window, tag, Kind::Outline, &outline);
    if (result != QZUI_OK)
        return result;
    FCTreeNode* pNode = NodeAt(outline, row);
    if (!pNode || !info)
        return QZUI_E_RANGE;
    info->depth = DepthOfRow(outline, row);
    info->expandable = OutlineRows::IsExpandable(pNode) ? 1 : 0;
    info->expanded = info->expandable && IsNodeExpanded(outline, pNode) ? 1 : 0;
    info->selected = SelectedShownRow(outline) == row ? 1 : 0;
    return QZUI_OK;
}

int qzui_outline_row_text(int window, int tag, int row, char* buf, int size)
{
    Element outline = OfKind(window, tag, Kind::Outline);
    FCTreeNode* pNode = outline ? NodeAt(outline, row) : nullptr;
    if (!pNode)
        return -1;
    FCString text;
    if (HasTreeColumn(outline))
        pNode->GetText(&text);
    return qzui::CopyOut(ShownText(&text), buf, size);
}

int qzui_outline_selected_row(int window, int tag)
{
    Element outline = OfKind(window, tag, Kind::Outline);
    return outline ? SelectedShownRow(outline) : -1;
}

int qzui_select_outline_row(int window, int tag, int row)
{
    auto [result, pBridge, outline] = ActOn(window, tag, Kind::Outline);
    if (result != QZUI_OK)
        return result;
    if (row != -1 && !IsShownRow(outline, row))
        return QZUI_E_RANGE;
    if (row == -1 ? !HasSelectedRow(outline) : SelectedShownRow(outline) == row)
        return QZUI_OK;
    SelectShownRow(pBridge, outline, row);
    pBridge->Notify_HandleCommand(tag);
    return QZUI_OK;
}

int qzui_expand_outline_row(int window, int tag, int row, int expand)
{
    auto [result, pBridge, outline] = ActOn(window, tag, Kind::Outline);
    if (result != QZUI_OK)
        return result;
    if (!IsShownRow(outline, row))
        return QZUI_E_RANGE;
    FCTreeNode* pNode = NodeAtRow(outline, row);
    if (!OutlineRows::IsExpandable(pNode))
        return QZUI_E_WRONG_KIND;
    /* As the disclosure triangle does (the selection stays with its node). */
    pBridge->OutlineViewExpandNode(tag, pNode, expand != 0);
    return QZUI_OK;
}
