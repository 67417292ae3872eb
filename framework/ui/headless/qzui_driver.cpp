#include "ui/driver/qzui_driver.h"

#include <string>
#include <vector>

#include "ui/bridge/BridgeRuntime.h"
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
} // namespace

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
