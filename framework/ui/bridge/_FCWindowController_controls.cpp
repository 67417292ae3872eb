/* The bridge's operations on the state of single elements (visibility,
 * enabling, check state), popups, segmented controls, steppers and sliders,
 * over the backend's primitive element operations. */
#include <algorithm>
#include <climits>

#include "strings/FCString.h"
#include "ui/FCCtrlUpDown.h"
#include "ui/__FCUserWindow.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/ElementBackend.h"

using namespace ElementBackend;

namespace
{
/* Tables, outlines and text fields in a scroll view are shown and hidden
   with it. */
Element VisibilityElement(Element element)
{
    bool followsScroll = Is(element, Kind::Table) || Is(element, Kind::Outline) || Is(element, Kind::TextField);
    return followsScroll ? Frame(element) : element;
}

bool InRange(Element element, int index) { return index >= 0 && index < ItemCount(element); }

/* A number of a stepper or slider, truncated; the fallback without one. */
int NumberOf(const _FCWindowController_cocoa* pBridge, int id, Kind kind, Number number, int fallback)
{
    return ReadOr(Find(pBridge, id, kind), fallback, [number](Element element) { return GetNumber(element, number); });
}

void SetNumberOf(const _FCWindowController_cocoa* pBridge, int id, Kind kind, Number number, int value)
{
    if (Element element = Find(pBridge, id, kind))
        SetNumber(element, number, value);
}

/* A slider limit also sets one tick mark per whole value of the range,
   counted wide and kept within an int. */
void SetSliderLimit(const _FCWindowController_cocoa* pBridge, int id, Number limit, int value)
{
    Element slider = Find(pBridge, id, Kind::Slider);
    if (!slider)
        return;
    SetNumber(slider, limit, value);
    const long long span = static_cast<long long>(GetNumber(slider, Number::Maximum)) -
                           static_cast<long long>(GetNumber(slider, Number::Minimum)) + 1;
    SetNumber(slider, Number::TickMarks, static_cast<double>(std::min<long long>(std::max(span, 0LL), INT_MAX)));
}
} // namespace

/* ---- Elements: generic ---- */

void _FCWindowController_cocoa::SetDlgItemVisible(int id, bool state)
{
    if (Element element = Find(this, id, Kind::Any))
        ElementBackend::SetHidden(VisibilityElement(element), !state);
}

bool _FCWindowController_cocoa::GetDlgItemVisible(int id)
{
    return ReadOr(Find(this, id, Kind::Any), false,
                  [](Element element) { return !IsHidden(VisibilityElement(element)); });
}

void _FCWindowController_cocoa::SetDlgItemEnable(int id, bool state)
{
    if (Element element = Find(this, id, Kind::Control))
        SetEnabled(element, state);
}

bool _FCWindowController_cocoa::GetDlgItemEnable(int id)
{
    return ReadOr(Find(this, id, Kind::Control), false, IsEnabled);
}

void _FCWindowController_cocoa::SetDlgItemCheck(int id, int state)
{
    Element button = Find(this, id, Kind::Button);
    if (!button || state < 0 || state > 2)
        return;
    /* An element without the mixed state shows mixed as on. */
    SetState(button, (state == 2 && !AllowsMixedState(button)) ? 1 : state);
}

int _FCWindowController_cocoa::GetDlgItemCheck(int id) { return ReadOr(Find(this, id, Kind::Button), 0, State); }

/* ---- Elements: geometry ---- */

bool _FCWindowController_cocoa::GetDlgItemRect(int id, __FloatRect* pRect)
{
    Element element = Find(this, id, Kind::Any);
    if (!element || !pRect)
        return false;
    GetFrame(this, element, pRect);
    return true;
}

namespace
{
/* Moves the element's top-left corner (content coordinates) and sizes it;
   elements that are no controls redraw at once. */
void Reframe(_FCWindowController_cocoa* pBridge, int id, float x, float y, float width, float height, bool redraw)
{
    Element element = Find(pBridge, id, Kind::Any);
    SetFrame(pBridge, element, __FloatRect{y, x, y + height, x + width}, redraw || !Is(element, Kind::Control));
}
} // namespace

void _FCWindowController_cocoa::SetDlgItemWidth(int id, float width)
{
    __FloatRect rect;
    if (GetDlgItemRect(id, &rect))
        Reframe(this, id, rect.left, rect.top, width, rect.Height(), true);
}

/* The top edge stays in place. */
void _FCWindowController_cocoa::SetDlgItemHeight(int id, float height)
{
    __FloatRect rect;
    if (GetDlgItemRect(id, &rect))
        Reframe(this, id, rect.left, rect.top, rect.Width(), height, true);
}

void _FCWindowController_cocoa::SetDlgItemPos(int id, float x, float y, bool redraw)
{
    __FloatRect rect;
    if (GetDlgItemRect(id, &rect))
        Reframe(this, id, x, y, rect.Width(), rect.Height(), redraw);
}

void _FCWindowController_cocoa::SetDlgItemSize(int id, float width, float height, bool redraw)
{
    __FloatRect rect;
    if (GetDlgItemRect(id, &rect))
        Reframe(this, id, rect.left, rect.top, width, height, redraw);
}

/* ---- Elements: popups ---- */

void _FCWindowController_cocoa::ClearAllPopupItems(int id)
{
    if (Element popup = Find(this, id, Kind::PopUp)) {
        SelectItem(popup, -1);
        RemoveAllItems(popup);
    }
}

int _FCWindowController_cocoa::GetPopupItemCount(int id) { return ReadOr(Find(this, id, Kind::PopUp), 0, ItemCount); }

void _FCWindowController_cocoa::AppendPopupItem(int id, FCString* pText)
{
    if (Element popup = Find(this, id, Kind::PopUp))
        InsertString(id, ItemCount(popup), pText);
}

void _FCWindowController_cocoa::InsertString(int id, int index, FCString* pText)
{
    Element popup = Find(this, id, Kind::PopUp);
    if (!popup || index < 0 || index > ItemCount(popup))
        return;
    const int selected = SelectedItem(popup);
    InsertItem(popup, index, pText);
    /* The selected item stays selected; the first item of an empty popup
       becomes the selected one. */
    SelectItem(popup, selected < 0 ? 0 : selected >= index ? selected + 1 : selected);
}

void _FCWindowController_cocoa::DeletePopupItem(int id, int index)
{
    Element popup = Find(this, id, Kind::PopUp);
    if (!popup || !InRange(popup, index))
        return;
    const int selected = SelectedItem(popup);
    if (selected == index)
        SelectItem(popup, -1);
    RemoveItem(popup, index);
    /* A later selection moves up with its item; a deleted one goes to the
       first item. */
    if (ItemCount(popup) == 0)
        return;
    SelectItem(popup, selected > index ? selected - 1 : selected == index ? 0 : selected);
}

void _FCWindowController_cocoa::GetPopupItemText(int id, int index, FCString* pText)
{
    Element popup = Find(this, id, Kind::PopUp);
    if (popup && pText && InRange(popup, index))
        GetItemTitle(popup, index, pText);
}

void _FCWindowController_cocoa::SelectPopupItem(int id, int index)
{
    Element popup = Find(this, id, Kind::PopUp);
    if (popup && InRange(popup, index))
        SelectItem(popup, index);
}

int _FCWindowController_cocoa::GetSelectedPopupItem(int id)
{
    return ReadOr(Find(this, id, Kind::PopUp), -1, SelectedItem);
}

/* ---- Elements: steppers and sliders ---- */

void _FCWindowController_cocoa::SetStepperMinMax(int id, int minimum, int maximum)
{
    if (Element stepper = Find(this, id, Kind::Stepper)) {
        SetNumber(stepper, Number::Minimum, minimum);
        SetNumber(stepper, Number::Maximum, maximum);
    }
}

int _FCWindowController_cocoa::GetStepperMin(int id) { return NumberOf(this, id, Kind::Stepper, Number::Minimum, 0); }

int _FCWindowController_cocoa::GetStepperMax(int id) { return NumberOf(this, id, Kind::Stepper, Number::Maximum, 0); }

void _FCWindowController_cocoa::SetStepperValue(int id, int value)
{
    SetNumberOf(this, id, Kind::Stepper, Number::Value, value);
}

void _FCWindowController_cocoa::SetSliderMin(int id, int value) { SetSliderLimit(this, id, Number::Minimum, value); }

int _FCWindowController_cocoa::GetSliderMin(int id) { return NumberOf(this, id, Kind::Slider, Number::Minimum, 0); }

void _FCWindowController_cocoa::SetSliderMax(int id, int value) { SetSliderLimit(this, id, Number::Maximum, value); }

int _FCWindowController_cocoa::GetSliderMax(int id) { return NumberOf(this, id, Kind::Slider, Number::Maximum, 0); }

void _FCWindowController_cocoa::SetSliderThumbValue(int id, int value)
{
    SetNumberOf(this, id, Kind::Slider, Number::Value, value);
}

int _FCWindowController_cocoa::GetSliderThumbValue(int id)
{
    return ReadOr(Find(this, id, Kind::Slider), -1,
                  [](Element slider) { return static_cast<int>(GetNumber(slider, Number::Value) + 0.49); });
}

/* ---- Elements: switchers ---- */

void _FCWindowController_cocoa::SwitcherAddPage(int id, FCString* pTitle)
{
    Element switcher = Find(this, id, Kind::Segmented);
    if (!switcher)
        return;
    /* The first page reuses a lone unlabelled segment. */
    const int count = ItemCount(switcher);
    if (count == 1) {
        FCString lone;
        GetItemTitle(switcher, 0, &lone);
        if (lone.IsEmpty()) {
            SetItemTitle(switcher, 0, pTitle);
            return;
        }
    }
    InsertItem(switcher, count, pTitle);
}

int _FCWindowController_cocoa::SwitcherGetPageCount(int id)
{
    return ReadOr(Find(this, id, Kind::Segmented), 0, ItemCount);
}

int _FCWindowController_cocoa::SwitcherGetSelectedPage(int id)
{
    return ReadOr(Find(this, id, Kind::Segmented), -1, SelectedItem);
}

void _FCWindowController_cocoa::SwitcherSetSelectedPage(int id, int page)
{
    Element switcher = Find(this, id, Kind::Segmented);
    if (switcher && InRange(switcher, page))
        SelectItem(switcher, page);
}

/* ---- Notifications ---- */

void _FCWindowController_cocoa::Notify_StepperPressed(void* pStepper, int id)
{
    if (!_pWindow || !pStepper)
        return;
    FCControl* pControl = _pWindow->FindControl(id);
    auto* pUpDown = pControl && pControl->_GetControlType() == FCControl::CTRLTYPE_UPDOWN
                        ? dynamic_cast<FCCtrlUpDown*>(pControl)
                        : nullptr;
    if (!pUpDown)
        return;
    const int delta = pUpDown->_HandleStepperClick(static_cast<int>(GetNumber(pStepper, Number::Value)));
    _pWindow->HandleUpDownPressed(pUpDown, delta);
}
