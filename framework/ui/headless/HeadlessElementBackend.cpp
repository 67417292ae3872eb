/* The primitive element operations over the in-memory element tree. */
#include "ui/bridge/ElementBackend.h"

#include "ui/_FCWindowController_cocoa.h"
#include "ui/headless/HeadlessElement.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessText.h"
#include "ui/headless/HeadlessWindow.h"

namespace
{
HeadlessElement* Of(ElementBackend::Element element) { return static_cast<HeadlessElement*>(element); }

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
    const HeadlessElement* pElement = Of(element);
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

Element Frame(Element element) { return Of(element)->FrameElement(); }

bool IsHidden(Element element) { return Of(element)->hidden; }

void SetHidden(Element element, bool hidden) { Of(element)->hidden = hidden; }

bool IsShown(Element element) { return !Of(element)->IsHiddenOrInsideHidden(); }

bool IsEnabled(Element element) { return Of(element)->enabled; }

void SetEnabled(Element element, bool enabled) { Of(element)->enabled = enabled; }

int State(Element element) { return Of(element)->state; }

void SetState(Element element, int state) { Of(element)->state = state; }

bool AllowsMixedState(Element element) { return Of(element)->allowsMixedState; }

int ItemCount(Element element) { return static_cast<int>(Of(element)->items.size()); }

void InsertItem(Element element, int index, FCString* pTitle)
{
    std::vector<std::u16string>& items = Of(element)->items;
    items.insert(items.begin() + index, HeadlessText::ToElement(pTitle));
}

void RemoveItem(Element element, int index)
{
    std::vector<std::u16string>& items = Of(element)->items;
    items.erase(items.begin() + index);
}

void RemoveAllItems(Element element) { Of(element)->items.clear(); }

void GetItemTitle(Element element, int index, FCString* pTitle)
{
    HeadlessText::FromElement(Of(element)->items[static_cast<size_t>(index)], pTitle);
}

std::string ItemText(Element element, int index)
{
    return HeadlessText::ToUTF8(Of(element)->items[static_cast<size_t>(index)]);
}

void SetItemTitle(Element element, int index, FCString* pTitle)
{
    Of(element)->items[static_cast<size_t>(index)] = HeadlessText::ToElement(pTitle);
}

int SelectedItem(Element element) { return Of(element)->selectedItem; }

void SelectItem(Element element, int index) { Of(element)->selectedItem = index; }

double GetNumber(Element element, Number number)
{
    HeadlessElement* pElement = Of(element);
    const double* pField = Field(pElement, number);
    return pField ? *pField : pElement->tickMarks;
}

void SetNumber(Element element, Number number, double value)
{
    HeadlessElement* pElement = Of(element);
    if (double* pField = Field(pElement, number))
        *pField = value;
    else
        pElement->tickMarks = static_cast<int>(value);
}
void SendAction(_FCWindowController_cocoa* pBridge, Element element)
{
    pBridge->Notify_StepperPressed(element, Of(element)->tag);
}
} // namespace ElementBackend
