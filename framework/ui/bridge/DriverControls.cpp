/* The driver's calls for steppers, popups, sliders and segmented controls
 * (reading them; a click, a choice, a drag), over the backend's primitive
 * element operations. */
#include "ui/driver/qzui_driver.h"

#include <algorithm>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/DriverTargets.h"
#include "ui/bridge/ElementBackend.h"

using namespace ElementBackend;
using namespace DriverTargets;

namespace
{
/* Moves a value within the element's range. */
void Clamped(Element element, double value)
{
    const double low = GetNumber(element, Number::Minimum), high = GetNumber(element, Number::Maximum);
    SetNumber(element, Number::Value, std::min(high, std::max(low, value)));
}

int Count(int window, int tag, Kind kind)
{
    Element element = OfKind(window, tag, kind);
    return element ? ItemCount(element) : -1;
}

int Title(int window, int tag, Kind kind, int index, char* buf, int size)
{
    Element element = OfKind(window, tag, kind);
    if (!element || index < 0 || index >= ItemCount(element))
        return -1;
    return qzui::CopyOut(ItemText(element, index), buf, size);
}

int Selected(int window, int tag, Kind kind)
{
    Element element = OfKind(window, tag, kind);
    return element ? SelectedItem(element) : -1;
}
/* Chooses a popup's item or a segmented control's segment as a click does. */
int Pick(int window, int tag, Kind kind, int index)
{
    auto [result, pBridge, element] = ActOn(window, tag, kind);
    if (result != QZUI_OK)
        return result;
    if (index < 0 || index >= ItemCount(element))
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
} // namespace

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

int qzui_popup_item_count(int window, int tag) { return Count(window, tag, Kind::PopUp); }

int qzui_popup_item_text(int window, int tag, int index, char* buf, int size)
{
    return Title(window, tag, Kind::PopUp, index, buf, size);
}

int qzui_popup_selected(int window, int tag) { return Selected(window, tag, Kind::PopUp); }

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

int qzui_segment_count(int window, int tag) { return Count(window, tag, Kind::Segmented); }

int qzui_segment_title(int window, int tag, int segment, char* buf, int size)
{
    return Title(window, tag, Kind::Segmented, segment, buf, size);
}

int qzui_segment_selected(int window, int tag) { return Selected(window, tag, Kind::Segmented); }
