/* The driver's calls for windows and their elements (what they show, a press,
 * typing, activation, the close box), steppers, popups, sliders, segmented
 * controls, tables and outlines, over the backend's primitive element
 * operations. */
#include "ui/driver/qzui_driver.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "common/qz_host_versions.h"
#include "core/FinaleVersion.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCDataListRow.h"
#include "ui/FCTreeNode.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/ElementBackend.h"
#include "ui/bridge/TableRules.h"

using namespace ElementBackend;
using TableRules::HasCheckColumn;

namespace
{
/* ---- What a call reads or acts on, by window number and tag ---- */

/* The bridge of the window when the window is loaded, or null. */
_FCWindowController_cocoa* Loaded(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge && pBridge->IsWindowLoaded() ? pBridge : nullptr;
}

/* The element of the kind in the window, or null. */
Element OfKind(int window, int tag, Kind kind)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge ? Find(pBridge, tag, kind) : nullptr;
}

/* What a user action needs: the window's bridge and the element, enabled,
   shown and of the kind. The result is QZUI_OK, or the first failure of
   QZUI_E_NO_WINDOW, QZUI_E_NO_ELEMENT, QZUI_E_DISABLED, QZUI_E_WRONG_KIND. */
struct Target
{
    int result;
    _FCWindowController_cocoa* pBridge;
    Element element;
};

Target ActOn(int window, int tag, Kind kind)
{
    Target target{QZUI_OK, BridgeRuntime::FindBridge(window), nullptr};
    target.element = target.pBridge ? Find(target.pBridge, tag, Kind::Any) : nullptr;
    if (!target.pBridge)
        target.result = QZUI_E_NO_WINDOW;
    else if (!target.element)
        target.result = QZUI_E_NO_ELEMENT;
    else if (!IsEnabled(target.element) || !IsShown(target.element))
        target.result = QZUI_E_DISABLED;
    else if (!Is(target.element, kind))
        target.result = QZUI_E_WRONG_KIND;
    return target;
}

/* What a reading call needs: the window, then an element of the kind. */
int Reading(int window, int tag, Kind kind, Element* pElement)
{
    if (!BridgeRuntime::FindBridge(window))
        return QZUI_E_NO_WINDOW;
    *pElement = OfKind(window, tag, kind);
    return *pElement ? QZUI_OK : QZUI_E_NO_ELEMENT;
}

/* -1 when the window does not exist, else 1 or 0. */
int Flag(const _FCWindowController_cocoa* pBridge, bool value) { return pBridge ? (value ? 1 : 0) : -1; }

bool InRange(int index, int count) { return index >= 0 && index < count; }

/* ---- Steppers, popups, sliders and segmented controls ---- */

/* Moves a value within the element's range. */
void Clamped(Element element, double value)
{
    const double low = GetNumber(element, Number::Minimum), high = GetNumber(element, Number::Maximum);
    SetNumber(element, Number::Value, std::min(high, std::max(low, value)));
}

int Title(int window, int tag, Kind kind, int index, char* buf, int size)
{
    Element element = OfKind(window, tag, kind);
    if (!element || !InRange(index, ItemCount(element)))
        return -1;
    return qzui::CopyOut(ItemText(element, index), buf, size);
}

/* Chooses a popup's item or a segmented control's segment as a click does. */
int Pick(int window, int tag, Kind kind, int index)
{
    auto [result, pBridge, element] = ActOn(window, tag, kind);
    if (result != QZUI_OK)
        return result;
    if (!InRange(index, ItemCount(element)))
        return QZUI_E_RANGE;
    SelectItem(element, index);
    if (kind == Kind::Segmented)
        SendAction(pBridge, element);
    /* A popup is a button: the choice is routed by the control's action kind. */
    else if (tag != 0)
        pBridge->Notify_ButtonPressed(tag);
    return QZUI_OK;
}

/* One number of a stepper or slider into a caller's optional field. */
template <typename T>
void Store(T* pField, Element element, Number number)
{
    if (pField)
        *pField = static_cast<T>(GetNumber(element, number));
}

/* ---- Tables and outlines ---- */

/* The table when the column is one of its columns, else null. */
Element ColumnOf(int window, int tag, int column)
{
    Element table = OfKind(window, tag, Kind::Table);
    return table && InRange(column, ColumnCount(table)) ? table : nullptr;
}

/* Selects a row as a click does (-1 clears the selection when allowed and
   the table allows none); a change is reported. */
int ClickRow(int window, int tag, int row, bool allowClear)
{
    auto [result, pBridge, table] = ActOn(window, tag, Kind::Table);
    if (result != QZUI_OK)
        return result;
    const bool clearing = row == -1 && allowClear && AllowsEmptySelection(table);
    if (!clearing && !InRange(row, RowCount(table)))
        return QZUI_E_RANGE;
    if (SelectedRow(table) != row)
        SelectRow(pBridge, table, row);
    return QZUI_OK;
}

/* One cell's text and its closing zero; a text is cut at a zero of its own. */
void AppendCell(const FCDataListRow* pRow, int cellIndex, bool unicode, std::string& out)
{
    const size_t start = out.size();
    TableRules::AppendText(TableRules::CellOf(pRow, cellIndex), unicode, out);
    if (const void* pZero = std::memchr(out.data() + start, 0, out.size() - start))
        out.resize(static_cast<size_t>(static_cast<const char*>(pZero) - out.data()));
    out += '\0';
}

/* The outline's node at a shown row, or null. */
FCTreeNode* NodeAt(Element outline, int row)
{
    return InRange(row, ShownRowCount(outline)) ? NodeAtRow(outline, row) : nullptr;
}

/* The rows' text is in the one "treecolumn" column. */
bool HasTreeColumn(Element outline) { return ColumnCount(outline) > 0 && ColumnIdentifier(outline, 0) == "treecolumn"; }
} // namespace

/* ---- Windows ---- */

int qzui_window_title(int window, char* buf, int size)
{
    _FCWindowController_cocoa* pBridge = Loaded(window);
    return pBridge ? qzui::CopyOut(WindowTitle(pBridge), buf, size) : -1;
}

int qzui_window_visible(int window)
{
    _FCWindowController_cocoa* pBridge = Loaded(window);
    return Flag(pBridge, pBridge && pBridge->IsWindowVisible());
}

int qzui_window_active(int window)
{
    _FCWindowController_cocoa* pBridge = Loaded(window);
    return Flag(pBridge, pBridge && IsActive(pBridge));
}

int qzui_window_repaint_count(int window)
{
    _FCWindowController_cocoa* pBridge = Loaded(window);
    return pBridge ? BridgeRuntime::Repaints(pBridge) : -1;
}

int qzui_activate(int window, int active)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    if (active)
        pBridge->ActivateWindow();
    else
        Deactivate(pBridge);
    return QZUI_OK;
}

int qzui_press_close_box(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    return PressCloseBox(pBridge) ? QZUI_OK : QZUI_REFUSED;
}

/* ---- Elements ---- */

int qzui_element_count(int window)
{
    _FCWindowController_cocoa* pBridge = Loaded(window);
    return pBridge ? static_cast<int>(TaggedElements(pBridge).size()) : -1;
}

int qzui_element_tag_at(int window, int index)
{
    _FCWindowController_cocoa* pBridge = Loaded(window);
    if (!pBridge)
        return 0;
    std::vector<Element> tagged = TaggedElements(pBridge);
    return InRange(index, static_cast<int>(tagged.size())) ? TagOf(tagged[static_cast<size_t>(index)]) : 0;
}

int qzui_element_info(int window, int tag, qzui_element* info)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    Element element = Find(pBridge, tag, Kind::Any);
    if (!element || !info)
        return QZUI_E_NO_ELEMENT;
    __FloatRect rect;
    GetFrame(pBridge, element, &rect);
    info->kind = KindCode(element);
    info->tag = tag;
    info->enabled = IsEnabled(element) ? 1 : 0;
    info->visible = IsShown(element) ? 1 : 0;
    info->editable = Is(element, Kind::TextField) && IsEditable(element) ? 1 : 0;
    info->state = Is(element, Kind::Button) ? State(element) : 0;
    info->focused = tag != 0 && HasFocus(pBridge, element) ? 1 : 0;
    info->frame = qzui_rect{rect.left, rect.top, rect.Width(), rect.Height()};
    return QZUI_OK;
}

int qzui_element_text(int window, int tag, char* buf, int size)
{
    return ReadOr(OfKind(window, tag, Kind::Any), -1,
                  [=](Element element) { return qzui::CopyOut(Text(element), buf, size); });
}

int qzui_press_button(int window, int tag)
{
    auto [result, pBridge, button] = ActOn(window, tag, Kind::Button);
    if (result == QZUI_OK)
        Click(pBridge, button);
    return result;
}

int qzui_type_text(int window, int tag, const char* text)
{
    auto [result, pBridge, field] = ActOn(window, tag, Kind::TextField);
    if (result != QZUI_OK)
        return result;
    if (!IsEditable(field))
        return QZUI_E_WRONG_KIND;
    return Type(pBridge, field, text ? text : "") ? QZUI_OK : QZUI_E_RANGE;
}

/* ---- Steppers, popups, sliders and segmented controls ---- */

int qzui_click_stepper(int window, int tag, int up)
{
    auto [result, pBridge, stepper] = ActOn(window, tag, Kind::Stepper);
    if (result != QZUI_OK)
        return result;
    Clamped(stepper, GetNumber(stepper, Number::Value) + (up ? 1.0 : -1.0));
    if (tag != 0)
        SendAction(pBridge, stepper);
    return QZUI_OK;
}

int qzui_stepper_state(int window, int tag, int* value, int* minimum, int* maximum)
{
    Element stepper = nullptr;
    int result = Reading(window, tag, Kind::Stepper, &stepper);
    if (result != QZUI_OK)
        return result;
    Store(value, stepper, Number::Value);
    Store(minimum, stepper, Number::Minimum);
    Store(maximum, stepper, Number::Maximum);
    return QZUI_OK;
}

int qzui_pick_popup_item(int window, int tag, int index) { return Pick(window, tag, Kind::PopUp, index); }

int qzui_popup_item_count(int window, int tag) { return ReadOr(OfKind(window, tag, Kind::PopUp), -1, ItemCount); }

int qzui_popup_item_text(int window, int tag, int index, char* buf, int size)
{
    return Title(window, tag, Kind::PopUp, index, buf, size);
}

int qzui_popup_selected(int window, int tag) { return ReadOr(OfKind(window, tag, Kind::PopUp), -1, SelectedItem); }

int qzui_move_slider(int window, int tag, double value)
{
    auto [result, pBridge, slider] = ActOn(window, tag, Kind::Slider);
    if (result == QZUI_OK)
        Clamped(slider, value);
    return result;
}

int qzui_slider_state(int window, int tag, double* minimum, double* maximum, double* value, int* tick_marks)
{
    Element slider = nullptr;
    int result = Reading(window, tag, Kind::Slider, &slider);
    if (result != QZUI_OK)
        return result;
    Store(minimum, slider, Number::Minimum);
    Store(maximum, slider, Number::Maximum);
    Store(value, slider, Number::Value);
    Store(tick_marks, slider, Number::TickMarks);
    return QZUI_OK;
}

int qzui_click_segment(int window, int tag, int segment) { return Pick(window, tag, Kind::Segmented, segment); }

int qzui_segment_count(int window, int tag) { return ReadOr(OfKind(window, tag, Kind::Segmented), -1, ItemCount); }

int qzui_segment_title(int window, int tag, int segment, char* buf, int size)
{
    return Title(window, tag, Kind::Segmented, segment, buf, size);
}

int qzui_segment_selected(int window, int tag)
{
    return ReadOr(OfKind(window, tag, Kind::Segmented), -1, SelectedItem);
}

/* ---- Tables ---- */

int qzui_table_column_count(int window, int tag) { return ReadOr(OfKind(window, tag, Kind::Table), -1, ColumnCount); }

int qzui_table_column_identifier(int window, int tag, int column, char* buf, int size)
{
    return ReadOr(ColumnOf(window, tag, column), -1,
                  [=](Element table) { return qzui::CopyOut(ColumnIdentifier(table, column), buf, size); });
}

int qzui_table_column_title(int window, int tag, int column, char* buf, int size)
{
    return ReadOr(ColumnOf(window, tag, column), -1,
                  [=](Element table) { return qzui::CopyOut(ColumnTitle(table, column), buf, size); });
}

float qzui_table_column_width(int window, int tag, int column)
{
    return ReadOr(ColumnOf(window, tag, column), -1.0f, [=](Element table) { return ColumnWidth(table, column); });
}

int qzui_table_row_count(int window, int tag) { return ReadOr(OfKind(window, tag, Kind::Table), -1, RowCount); }

int qzui_table_cell_text(int window, int tag, int row, int column, char* buf, int size)
{
    Element table = OfKind(window, tag, Kind::Table);
    if (!table)
        return -1;
    const bool cell = InRange(column, ColumnCount(table)) && InRange(row, RowCount(table));
    return qzui::CopyOut(cell ? CellText(table, row, column) : std::string(), buf, size);
}

/* Every cell in one read: what each column shows is worked out once per
   call, each row is found once, and each cell's text is converted straight
   into the one buffer. */
int qzui_table_texts(int window, int tag, char* buf, int size)
{
    Element table = OfKind(window, tag, Kind::Table);
    if (!table)
        return -1;
    std::vector<int> cells;
    for (int column = 0; column < ColumnCount(table); ++column)
        cells.push_back(TableRules::CellIndexOf(ColumnIdentifier(table, column)));
    FCCtrlDataList* pList = ListOf(table);
    const int rows = pList ? RowCount(table) : 0;
    const bool unicode = qz::IsUnicodeHost(GetFinaleFrameworkVersion());
    std::string out;
    out.reserve(1024);
    for (int row = 0; row < rows; ++row) {
        const FCDataListRow* pRow = pList->GetItemAt(row);
        for (int cell : cells)
            AppendCell(pRow, cell, unicode, out);
    }
    const int length = static_cast<int>(out.size());
    if (buf && size > length)
        std::memcpy(buf, out.data(), out.size());
    if (buf && size > 0)
        buf[size > length ? length : 0] = '\0';
    return length;
}

int qzui_table_selected_row(int window, int tag) { return ReadOr(OfKind(window, tag, Kind::Table), -1, SelectedRow); }

int qzui_select_row(int window, int tag, int row) { return ClickRow(window, tag, row, true); }

int qzui_double_click_row(int window, int tag, int row)
{
    int result = ClickRow(window, tag, row, false);
    if (result != QZUI_OK)
        return result;
    /* The selection report may have closed the window. */
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    Element table = pBridge ? Find(pBridge, tag, Kind::Table) : nullptr;
    if (!table)
        return QZUI_E_NO_WINDOW;
    SendAction(pBridge, table);
    return QZUI_OK;
}

int qzui_toggle_row_check(int window, int tag, int row)
{
    auto [result, pBridge, table] = ActOn(window, tag, Kind::Table);
    if (result != QZUI_OK)
        return result;
    if (!HasCheckColumn(table))
        return QZUI_E_WRONG_KIND;
    if (!InRange(row, RowCount(table)))
        return QZUI_E_RANGE;
    /* What the check box cell hands its table when clicked. */
    pBridge->_TableCheckEdited(tag, row, CellText(table, row, 0) != "1");
    if ((pBridge = BridgeRuntime::FindBridge(window)) && (table = Find(pBridge, tag, Kind::Table)))
        RedrawRow(table, row);
    return QZUI_OK;
}

/* ---- Outlines ---- */

int qzui_outline_row_count(int window, int tag)
{
    return ReadOr(OfKind(window, tag, Kind::Outline), -1, ShownRowCount);
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
    return ReadOr(OfKind(window, tag, Kind::Outline), -1, SelectedShownRow);
}

int qzui_select_outline_row(int window, int tag, int row)
{
    auto [result, pBridge, outline] = ActOn(window, tag, Kind::Outline);
    if (result != QZUI_OK)
        return result;
    if (row != -1 && !InRange(row, ShownRowCount(outline)))
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
    if (!InRange(row, ShownRowCount(outline)))
        return QZUI_E_RANGE;
    FCTreeNode* pNode = NodeAtRow(outline, row);
    if (!OutlineRows::IsExpandable(pNode))
        return QZUI_E_WRONG_KIND;
    /* As the disclosure triangle does (the selection stays with its node). */
    pBridge->OutlineViewExpandNode(tag, pNode, expand != 0);
    return QZUI_OK;
}
