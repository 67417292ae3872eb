#include "ui/driver/qzui_driver.h"

#include <string>
#include <vector>

#include "ui/bridge/BridgeRuntime.h"
#include "ui/headless/HeadlessDataSource.h"
#include "ui/headless/HeadlessLayout.h"
#include "ui/headless/HeadlessOutline.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessText.h"
#include "ui/headless/HeadlessWindow.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"

namespace
{
HeadlessWindow* Window(int number) { return HeadlessRuntime::WindowOf(BridgeRuntime::FindBridge(number)); }

HeadlessElement* Element(int number, int tag)
{
    HeadlessWindow* pWindow = Window(number);
    return pWindow ? pWindow->content->FindByTag(tag) : nullptr;
}

HeadlessElement* Table(int number, int tag)
{
    HeadlessElement* pElement = Element(number, tag);
    return pElement && pElement->kind == HeadlessKind::TableView ? pElement : nullptr;
}

std::vector<HeadlessElement*> TaggedElements(HeadlessWindow* pWindow)
{
    std::vector<HeadlessElement*> all, tagged;
    pWindow->content->Collect(&all);
    for (HeadlessElement* pElement : all)
        if (pElement->tag != 0)
            tagged.push_back(pElement);
    return tagged;
}

int Flag(bool exists, bool value) { return exists ? (value ? 1 : 0) : -1; }

/* Looks up what a user action needs: the window's bridge and the element, which
   must be enabled and shown. */
int Target(int number, int tag, _FCWindowController_cocoa** ppBridge, HeadlessElement** ppElement)
{
    *ppBridge = BridgeRuntime::FindBridge(number);
    if (!*ppBridge)
        return QZUI_E_NO_WINDOW;
    *ppElement = HeadlessRuntime::WindowOf(*ppBridge)->content->FindByTag(tag);
    if (!*ppElement)
        return QZUI_E_NO_ELEMENT;
    if (!(*ppElement)->enabled || (*ppElement)->IsHiddenOrInsideHidden())
        return QZUI_E_DISABLED;
    return QZUI_OK;
}

/* Cycles a button's state the way a click does. */
void ClickState(HeadlessElement* pButton)
{
    if (pButton->kind == HeadlessKind::RadioButton) {
        /* Radio buttons sharing a superview form one group. */
        for (auto& pSibling : pButton->parent->children)
            if (pSibling->kind == HeadlessKind::RadioButton)
                pSibling->state = 0;
        pButton->state = 1;
    }
    else if (pButton->kind == HeadlessKind::CheckBox) {
        if (pButton->allowsMixedState)
            pButton->state = pButton->state == 2 ? 1 : pButton->state == 1 ? 0 : 2;
        else
            pButton->state = pButton->state == 1 ? 0 : 1;
    }
}

/* Selects a table row as a click does; a change is reported. */
int SelectRow(int number, int tag, int row, bool allowClear)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pTable = nullptr;
    int result = Target(number, tag, &pBridge, &pTable);
    if (result != QZUI_OK)
        return result;
    if (pTable->kind != HeadlessKind::TableView)
        return QZUI_E_WRONG_KIND;
    int rows = HeadlessDataSource::RowCount(*pTable);
    bool clearing = row == -1 && allowClear && pTable->allowsEmptySelection;
    if (!clearing && (row < 0 || row >= rows))
        return QZUI_E_RANGE;
    if (pTable->selectedRow == row)
        return QZUI_OK;
    pTable->selectedRow = row;
    pBridge->Notify_DataListHandleCommand(tag, row);
    return QZUI_OK;
}
} // namespace

/* ---- Windows ---- */

int qzui_window_title(int window, char* buf, int size)
{
    HeadlessWindow* pWindow = Window(window);
    return pWindow ? HeadlessText::CopyOut(HeadlessText::ToUTF8(pWindow->title), buf, size) : -1;
}

int qzui_window_visible(int window)
{
    HeadlessWindow* pWindow = Window(window);
    return Flag(pWindow != nullptr, pWindow && pWindow->visible);
}

int qzui_window_active(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return Flag(pBridge != nullptr, pBridge && HeadlessRuntime::MainBridge() == pBridge);
}

int qzui_window_repaint_count(int window)
{
    HeadlessWindow* pWindow = Window(window);
    return pWindow ? pWindow->repaints : -1;
}

/* ---- Elements ---- */

int qzui_element_count(int window)
{
    HeadlessWindow* pWindow = Window(window);
    return pWindow ? static_cast<int>(TaggedElements(pWindow).size()) : -1;
}

int qzui_element_tag_at(int window, int index)
{
    HeadlessWindow* pWindow = Window(window);
    if (!pWindow)
        return 0;
    std::vector<HeadlessElement*> tagged = TaggedElements(pWindow);
    return index >= 0 && index < static_cast<int>(tagged.size()) ? tagged[static_cast<size_t>(index)]->tag : 0;
}

int qzui_element_info(int window, int tag, qzui_element* info)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    HeadlessElement* pElement = HeadlessRuntime::WindowOf(pBridge)->content->FindByTag(tag);
    if (!pElement || !info)
        return QZUI_E_NO_ELEMENT;
    __FloatRect rect;
    pBridge->GetDlgItemRect(tag, &rect);
    info->kind = static_cast<int>(pElement->kind);
    info->tag = pElement->tag;
    info->enabled = pElement->enabled ? 1 : 0;
    info->visible = pElement->IsHiddenOrInsideHidden() ? 0 : 1;
    info->editable = pElement->editable ? 1 : 0;
    info->state = pElement->state;
    info->focused = HeadlessRuntime::WindowOf(pBridge)->focusTag == tag && tag != 0 ? 1 : 0;
    info->frame = qzui_rect{rect.left, rect.top, rect.Width(), rect.Height()};
    return QZUI_OK;
}

int qzui_element_text(int window, int tag, char* buf, int size)
{
    HeadlessElement* pElement = Element(window, tag);
    return pElement ? HeadlessText::CopyOut(HeadlessText::ToUTF8(pElement->text), buf, size) : -1;
}

/* ---- Tables ---- */

int qzui_table_column_count(int window, int tag)
{
    HeadlessElement* pTable = Table(window, tag);
    return pTable ? static_cast<int>(pTable->columns.size()) : -1;
}

static const HeadlessColumn* Column(int window, int tag, int column)
{
    HeadlessElement* pTable = Table(window, tag);
    if (!pTable || column < 0 || column >= static_cast<int>(pTable->columns.size()))
        return nullptr;
    return &pTable->columns[static_cast<size_t>(column)];
}

int qzui_table_column_identifier(int window, int tag, int column, char* buf, int size)
{
    const HeadlessColumn* pColumn = Column(window, tag, column);
    return pColumn ? HeadlessText::CopyOut(pColumn->identifier, buf, size) : -1;
}

int qzui_table_column_title(int window, int tag, int column, char* buf, int size)
{
    const HeadlessColumn* pColumn = Column(window, tag, column);
    return pColumn ? HeadlessText::CopyOut(HeadlessText::ToUTF8(pColumn->title), buf, size) : -1;
}

float qzui_table_column_width(int window, int tag, int column)
{
    const HeadlessColumn* pColumn = Column(window, tag, column);
    return pColumn ? pColumn->width : -1.0f;
}

int qzui_table_row_count(int window, int tag)
{
    HeadlessElement* pTable = Table(window, tag);
    return pTable ? HeadlessDataSource::RowCount(*pTable) : -1;
}

int qzui_table_cell_text(int window, int tag, int row, int column, char* buf, int size)
{
    HeadlessElement* pTable = Table(window, tag);
    if (!pTable)
        return -1;
    return HeadlessText::CopyOut(HeadlessDataSource::CellUTF8(*pTable, column, row), buf, size);
}

int qzui_table_selected_row(int window, int tag)
{
    HeadlessElement* pTable = Table(window, tag);
    return pTable ? pTable->selectedRow : -1;
}

/* ---- Actions ---- */

int qzui_press_button(int window, int tag)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pButton = nullptr;
    int result = Target(window, tag, &pBridge, &pButton);
    if (result != QZUI_OK)
        return result;
    if (!pButton->IsButton())
        return QZUI_E_WRONG_KIND;
    ClickState(pButton);
    if (tag == 1)
        pBridge->Notify_OkButtonPressed();
    else if (tag == 2)
        pBridge->Notify_CancelButtonPressed();
    else if (tag != 0)
        pBridge->Notify_ButtonPressed(tag);
    return QZUI_OK;
}

int qzui_click_segment(int window, int tag, int segment)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pSegments = nullptr;
    int result = Target(window, tag, &pBridge, &pSegments);
    if (result != QZUI_OK)
        return result;
    if (pSegments->kind != HeadlessKind::Segmented)
        return QZUI_E_WRONG_KIND;
    if (segment < 0 || segment >= static_cast<int>(pSegments->items.size()))
        return QZUI_E_RANGE;
    pSegments->selectedItem = segment;
    pBridge->Notify_HandleSwitcherSelect(tag, segment);
    /* The switcher handler may have closed the window. */
    if ((pBridge = BridgeRuntime::FindBridge(window)))
        pBridge->Notify_HandleCommand(tag);
    return QZUI_OK;
}

int qzui_type_text(int window, int tag, const char* text)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pField = nullptr;
    int result = Target(window, tag, &pBridge, &pField);
    if (result != QZUI_OK)
        return result;
    if (pField->kind != HeadlessKind::TextField || !pField->editable)
        return QZUI_E_WRONG_KIND;
    std::u16string typed;
    if (!HeadlessText::FromUTF8(text ? text : "", &typed))
        return QZUI_E_RANGE;
    pField->text = typed;
    if (tag != 0)
        pBridge->Notify_HandleCommand(tag);
    return QZUI_OK;
}

int qzui_select_row(int window, int tag, int row) { return SelectRow(window, tag, row, true); }

int qzui_double_click_row(int window, int tag, int row)
{
    int result = SelectRow(window, tag, row, false);
    if (result != QZUI_OK)
        return result;
    /* The selection report may have closed the window. */
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    pBridge->Notify_DataListHandleDoubleClick(tag, row);
    return QZUI_OK;
}

int qzui_toggle_row_check(int window, int tag, int row)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pTable = nullptr;
    int result = Target(window, tag, &pBridge, &pTable);
    if (result != QZUI_OK)
        return result;
    if (pTable->kind != HeadlessKind::TableView || !pTable->HasCheckColumn())
        return QZUI_E_WRONG_KIND;
    if (row < 0 || row >= HeadlessDataSource::RowCount(*pTable))
        return QZUI_E_RANGE;
    bool checked = HeadlessDataSource::CellValue(*pTable, 0, row) != u"1";
    pBridge->_TableCheckEdited(tag, row, checked);
    return QZUI_OK;
}

int qzui_activate(int window, int active)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    if (active) {
        pBridge->ActivateWindow();
        return QZUI_OK;
    }
    if (HeadlessRuntime::MainBridge() == pBridge) {
        HeadlessRuntime::SetMainBridge(nullptr);
        pBridge->Notify_WindowActivated(false);
    }
    return QZUI_OK;
}

int qzui_press_close_box(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return QZUI_E_NO_WINDOW;
    if (!pBridge->Notify_WindowCanClose())
        return QZUI_REFUSED;
    /* CanClose may have closed or deleted the window itself. */
    pBridge = BridgeRuntime::FindBridge(window);
    if (pBridge)
        pBridge->CloseWindow();
    return QZUI_OK;
}

/* ==== Steppers, popups, sliders, switchers and outlines ==== */

namespace
{
HeadlessElement* OfKind(int number, int tag, HeadlessKind kind)
{
    HeadlessElement* pElement = Element(number, tag);
    return pElement && pElement->kind == kind ? pElement : nullptr;
}

/* Target() for an element of one kind. */
int KindTarget(int number, int tag, HeadlessKind kind, _FCWindowController_cocoa** ppBridge,
               HeadlessElement** ppElement)
{
    int result = Target(number, tag, ppBridge, ppElement);
    if (result == QZUI_OK && (*ppElement)->kind != kind)
        return QZUI_E_WRONG_KIND;
    return result;
}

/* The item shown at an outline row, or null. */
const void* OutlineItem(const HeadlessElement& outline, int row)
{
    std::vector<HeadlessOutline::Row> rows = HeadlessOutline::VisibleRows(outline);
    return row >= 0 && row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)].item : nullptr;
}
} // namespace

int qzui_outline_row_count(int window, int tag)
{
    HeadlessElement* pOutline = OfKind(window, tag, HeadlessKind::OutlineView);
    return pOutline ? static_cast<int>(HeadlessOutline::VisibleRows(*pOutline).size()) : -1;
}

int qzui_outline_row_info(int window, int tag, int row, qzui_outline_row* info)
{
    if (!Window(window))
        return QZUI_E_NO_WINDOW;
    HeadlessElement* pOutline = OfKind(window, tag, HeadlessKind::OutlineView);
    if (!pOutline)
        return QZUI_E_NO_ELEMENT;
    std::vector<HeadlessOutline::Row> rows = HeadlessOutline::VisibleRows(*pOutline);
    if (row < 0 || row >= static_cast<int>(rows.size()) || !info)
        return QZUI_E_RANGE;
    const HeadlessOutline::Row& shown = rows[static_cast<size_t>(row)];
    info->depth = shown.depth;
    info->expandable = HeadlessOutline::IsExpandable(*pOutline, shown.item) ? 1 : 0;
    info->expanded = info->expandable && HeadlessOutline::IsExpanded(*pOutline, shown.item) ? 1 : 0;
    info->selected = pOutline->selectedOutlineItem == shown.item ? 1 : 0;
    return QZUI_OK;
}

int qzui_outline_row_text(int window, int tag, int row, char* buf, int size)
{
    HeadlessElement* pOutline = OfKind(window, tag, HeadlessKind::OutlineView);
    const void* item = pOutline ? OutlineItem(*pOutline, row) : nullptr;
    if (!item)
        return -1;
    const std::string column = pOutline->columns.empty() ? std::string() : pOutline->columns.front().identifier;
    return HeadlessText::CopyOut(HeadlessText::ToUTF8(HeadlessOutline::Value(*pOutline, column, item)), buf, size);
}

int qzui_outline_selected_row(int window, int tag)
{
    HeadlessElement* pOutline = OfKind(window, tag, HeadlessKind::OutlineView);
    return pOutline && pOutline->selectedOutlineItem ? HeadlessOutline::RowOf(*pOutline, pOutline->selectedOutlineItem)
                                                     : -1;
}

int qzui_select_outline_row(int window, int tag, int row)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pOutline = nullptr;
    int result = KindTarget(window, tag, HeadlessKind::OutlineView, &pBridge, &pOutline);
    if (result != QZUI_OK)
        return result;
    const void* item = OutlineItem(*pOutline, row);
    if (!item && row != -1)
        return QZUI_E_RANGE;
    if (HeadlessOutline::Select(pOutline, item))
        pBridge->Notify_HandleCommand(tag);
    return QZUI_OK;
}

int qzui_expand_outline_row(int window, int tag, int row, int expand)
{
    _FCWindowController_cocoa* pBridge = nullptr;
    HeadlessElement* pOutline = nullptr;
    int result = KindTarget(window, tag, HeadlessKind::OutlineView, &pBridge, &pOutline);
    if (result != QZUI_OK)
        return result;
    const void* item = OutlineItem(*pOutline, row);
    if (!item)
        return QZUI_E_RANGE;
    if (!HeadlessOutline::IsExpandable(*pOutline, item))
        return QZUI_E_WRONG_KIND;
    if (HeadlessOutline::Expand(pOutline, item, expand != 0))
        pBridge->Notify_HandleCommand(tag);
    return QZUI_OK;
}

/* ---- Callbacks and settings ---- */

void qzui_set_layout_folder(const char* path) { HeadlessLayout::SetFolder(path); }

int qzui_preload_layout(int layoutID) { return HeadlessLayout::Preload(layoutID) ? 1 : 0; }
