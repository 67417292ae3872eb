/* The driver's calls for windows and their elements: what they show, a press,
 * typing, activation and the close box, over the backend's primitives. */
#include "ui/driver/qzui_driver.h"

#include <vector>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/bridge/DriverTargets.h"
#include "ui/bridge/ElementBackend.h"

using namespace ElementBackend;
using namespace DriverTargets;

namespace
{
/* -1 when the window does not exist, else 1 or 0. */
int Flag(const _FCWindowController_cocoa* pBridge, bool value) { return pBridge ? (value ? 1 : 0) : -1; }
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
    return pBridge ? RepaintCount(pBridge) : -1;
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
    return index >= 0 && index < static_cast<int>(tagged.size()) ? TagOf(tagged[static_cast<size_t>(index)]) : 0;
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
    Element element = OfKind(window, tag, Kind::Any);
    return element ? qzui::CopyOut(Text(element), buf, size) : -1;
}

/* ---- Actions ---- */

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
