/* The primitive element operations over the in-memory element tree. */
#include "ui/bridge/ElementBackend.h"

#include <cmath>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/headless/HeadlessDataSource.h"
#include "ui/headless/HeadlessElement.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessText.h"
#include "ui/headless/HeadlessWindow.h"

namespace
{
double* Field(HeadlessElement* pElement, ElementBackend::Number number)
{
    switch (number) {
    case ElementBackend::Number::Minimum: return &pElement->minValue;
    case ElementBackend::Number::Maximum: return &pElement->maxValue;
    case ElementBackend::Number::Value: return &pElement->value;
    case ElementBackend::Number::TickMarks: break;
    }
    return nullptr;
}

/* Changes a button's state the way a click does: radio buttons sharing a
   superview form one group; a check box cycles through mixed when allowed. */
void ClickState(HeadlessElement* pButton)
{
    if (pButton->kind == HeadlessKind::RadioButton) {
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
} // namespace

namespace ElementBackend
{
Element Find(const _FCWindowController_cocoa* pBridge, int tag, Kind kind)
{
    HeadlessWindow* pWindow = HeadlessRuntime::WindowOf(pBridge);
    HeadlessElement* pElement = pWindow ? pWindow->content->FindByTag(tag) : nullptr;
    return pElement && Is(pElement, kind) ? pElement : nullptr;
}

bool Is(Element element, Kind kind)
{
    const HeadlessElement* pElement = AsHeadless(element);
    switch (kind) {
    case Kind::Any: return true;
    case Kind::Control: return pElement->IsControl();
    case Kind::Button: return pElement->IsButton();
    case Kind::PopUp: return pElement->kind == HeadlessKind::PopUp;
    case Kind::Segmented: return pElement->kind == HeadlessKind::Segmented;
    case Kind::Stepper: return pElement->kind == HeadlessKind::Stepper;
    case Kind::Slider: return pElement->kind == HeadlessKind::Slider;
    case Kind::TextField: return pElement->kind == HeadlessKind::TextField;
    case Kind::Table: return pElement->kind == HeadlessKind::TableView;
    case Kind::Outline: return pElement->kind == HeadlessKind::OutlineView;
    }
    return false;
}

Element Frame(Element element) { return AsHeadless(element)->FrameElement(); }

bool IsHidden(Element element) { return AsHeadless(element)->hidden; }

void SetHidden(Element element, bool hidden) { AsHeadless(element)->hidden = hidden; }

bool IsShown(Element element) { return !AsHeadless(element)->IsHiddenOrInsideHidden(); }

bool IsEnabled(Element element) { return AsHeadless(element)->enabled; }

void SetEnabled(Element element, bool enabled) { AsHeadless(element)->enabled = enabled; }

int State(Element element) { return AsHeadless(element)->state; }

void SetState(Element element, int state) { AsHeadless(element)->state = state; }

bool AllowsMixedState(Element element) { return AsHeadless(element)->allowsMixedState; }

int ItemCount(Element element) { return static_cast<int>(AsHeadless(element)->items.size()); }

void InsertItem(Element element, int index, FCString* pTitle)
{
    std::vector<std::u16string>& items = AsHeadless(element)->items;
    items.insert(items.begin() + index, HeadlessText::ToElement(pTitle));
}

void RemoveItem(Element element, int index)
{
    std::vector<std::u16string>& items = AsHeadless(element)->items;
    items.erase(items.begin() + index);
}

void RemoveAllItems(Element element) { AsHeadless(element)->items.clear(); }

void GetItemTitle(Element element, int index, FCString* pTitle)
{
    HeadlessText::FromElement(AsHeadless(element)->items[static_cast<size_t>(index)], pTitle);
}

std::string ItemText(Element element, int index)
{
    return HeadlessText::ToUTF8(AsHeadless(element)->items[static_cast<size_t>(index)]);
}

void SetItemTitle(Element element, int index, FCString* pTitle)
{
    AsHeadless(element)->items[static_cast<size_t>(index)] = HeadlessText::ToElement(pTitle);
}

int SelectedItem(Element element) { return AsHeadless(element)->selectedItem; }

void SelectItem(Element element, int index) { AsHeadless(element)->selectedItem = index; }

double GetNumber(Element element, Number number)
{
    HeadlessElement* pElement = AsHeadless(element);
    const double* pField = Field(pElement, number);
    return pField ? *pField : pElement->tickMarks;
}

void SetNumber(Element element, Number number, double value)
{
    HeadlessElement* pElement = AsHeadless(element);
    if (double* pField = Field(pElement, number))
        *pField = value;
    else
        pElement->tickMarks = static_cast<int>(value);
}
void SendAction(_FCWindowController_cocoa* pBridge, Element element)
{
    HeadlessElement* pElement = AsHeadless(element);
    const int tag = pElement->tag;
    switch (pElement->kind) {
    case HeadlessKind::Stepper: pBridge->Notify_StepperPressed(element, tag); return;
    case HeadlessKind::TableView: pBridge->Notify_DataListHandleDoubleClick(tag, pElement->selectedRow); return;
    case HeadlessKind::Segmented: BridgeRuntime::ReportSwitch(pBridge, tag, pElement->selectedItem); return;
    default: return;
    }
}

int ColumnCount(Element table) { return static_cast<int>(AsHeadless(table)->columns.size()); }

std::string ColumnIdentifier(Element table, int column)
{
    return AsHeadless(table)->columns[static_cast<size_t>(column)].identifier;
}

float ColumnWidth(Element table, int column) { return AsHeadless(table)->columns[static_cast<size_t>(column)].width; }

void SetColumnWidth(Element table, int column, float width)
{
    AsHeadless(table)->columns[static_cast<size_t>(column)].width = width;
}

void SetColumnTitle(Element table, int column, FCString* pTitle)
{
    AsHeadless(table)->columns[static_cast<size_t>(column)].title = HeadlessText::ToElement(pTitle);
}

void InsertColumn(Element table, int index, const Column& column)
{
    HeadlessColumn added;
    added.identifier = column.identifier;
    if (column.pTitle)
        added.title = HeadlessText::ToElement(column.pTitle);
    added.width = column.width;
    added.editable = column.check;
    std::vector<HeadlessColumn>& columns = AsHeadless(table)->columns;
    columns.insert(columns.begin() + index, added);
}

void RemoveColumns(Element table) { AsHeadless(table)->columns.clear(); }

float VisibleWidth(Element table) { return AsHeadless(table)->width; }

void SetRowHeight(Element, float) {}

void HideHeader(Element table) { AsHeadless(table)->hasHeader = false; }

int RowCount(Element table) { return HeadlessDataSource::RowCount(*AsHeadless(table)); }

void ReloadRows(Element) {}

void RedrawRow(Element, int) {}

void ScrollToRow(Element, int) {}

bool AllowsEmptySelection(Element table) { return AsHeadless(table)->allowsEmptySelection; }

int SelectedRow(Element table) { return AsHeadless(table)->selectedRow; }

void SelectRow(_FCWindowController_cocoa* pBridge, Element table, int row)
{
    AsHeadless(table)->selectedRow = row;
    pBridge->Notify_DataListHandleCommand(AsHeadless(table)->tag, row);
}

FCCtrlDataList* ListOf(Element table) { return AsHeadless(table)->dataList; }

void Connect(_FCWindowController_cocoa*, Element table, FCCtrlDataList* pList)
{
    if (!AsHeadless(table)->dataList)
        AsHeadless(table)->dataList = pList;
    AsHeadless(table)->dataSourceSet = true;
}

void GetFrame(const _FCWindowController_cocoa* pBridge, Element element, __FloatRect* pRect)
{
    const HeadlessElement* pFrame = AsHeadless(element)->FrameElement();
    const float contentHeight = std::floor(HeadlessRuntime::WindowOf(pBridge)->ContentHeight());
    pRect->left = pFrame->x;
    pRect->right = pFrame->x + pFrame->width;
    pRect->top = contentHeight - pFrame->y - pFrame->height;
    pRect->bottom = pRect->top + pFrame->height;
}

void SetFrame(const _FCWindowController_cocoa* pBridge, Element element, const __FloatRect& rect, bool)
{
    HeadlessElement* pFrame = AsHeadless(element)->FrameElement();
    pFrame->x = rect.left;
    pFrame->y = std::floor(HeadlessRuntime::WindowOf(pBridge)->ContentHeight()) - rect.bottom;
    pFrame->width = rect.Width();
    pFrame->height = rect.Height();
}

/* ---- What the driver reads and does ---- */

std::vector<Element> TaggedElements(const _FCWindowController_cocoa* pBridge)
{
    std::vector<HeadlessElement*> all;
    HeadlessRuntime::WindowOf(pBridge)->content->Collect(&all);
    std::vector<Element> tagged;
    for (HeadlessElement* pElement : all)
        if (pElement->tag != 0)
            tagged.push_back(pElement);
    return tagged;
}

int TagOf(Element element) { return AsHeadless(element)->tag; }

/* The kinds are listed in the driver's order. */
int KindCode(Element element) { return static_cast<int>(AsHeadless(element)->kind); }

bool IsEditable(Element element) { return AsHeadless(element)->editable; }

bool HasFocus(const _FCWindowController_cocoa* pBridge, Element element)
{
    const int tag = AsHeadless(element)->tag;
    return tag != 0 && HeadlessRuntime::WindowOf(pBridge)->focusTag == tag;
}

std::string Text(Element element) { return HeadlessText::ToUTF8(AsHeadless(element)->text); }

std::string ColumnTitle(Element table, int column)
{
    return HeadlessText::ToUTF8(AsHeadless(table)->columns[static_cast<size_t>(column)].title);
}

std::string CellText(Element table, int row, int column)
{
    return HeadlessDataSource::CellUTF8(*AsHeadless(table), column, row);
}

void Click(_FCWindowController_cocoa* pBridge, Element button)
{
    ClickState(AsHeadless(button));
    BridgeRuntime::ReportPress(pBridge, AsHeadless(button)->tag);
}

bool Type(_FCWindowController_cocoa* pBridge, Element field, const char* text)
{
    std::u16string typed;
    if (!HeadlessText::FromUTF8(text, &typed))
        return false;
    AsHeadless(field)->text = typed;
    if (AsHeadless(field)->tag != 0)
        pBridge->Notify_HandleCommand(AsHeadless(field)->tag);
    return true;
}

std::string WindowTitle(const _FCWindowController_cocoa* pBridge)
{
    return HeadlessText::ToUTF8(HeadlessRuntime::WindowOf(pBridge)->title);
}

bool IsActive(const _FCWindowController_cocoa* pBridge) { return HeadlessRuntime::MainBridge() == pBridge; }

void Deactivate(_FCWindowController_cocoa* pBridge)
{
    if (HeadlessRuntime::MainBridge() == pBridge)
        HeadlessRuntime::ChangeMainBridge(nullptr);
}

bool PressCloseBox(_FCWindowController_cocoa* pBridge)
{
    const int window = BridgeRuntime::NumberOf(pBridge);
    if (!pBridge->Notify_WindowCanClose())
        return false;
    /* CanClose may have closed or deleted the window itself. */
    if ((pBridge = BridgeRuntime::FindBridge(window)))
        pBridge->CloseWindow();
    return true;
}
} // namespace ElementBackend
