#include "ui/bridge/DriverTargets.h"

#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"

using namespace ElementBackend;

namespace DriverTargets
{
_FCWindowController_cocoa* Loaded(int window)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge && pBridge->IsWindowLoaded() ? pBridge : nullptr;
}

Element OfKind(int window, int tag, Kind kind)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge ? Find(pBridge, tag, kind) : nullptr;
}

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

int Reading(int window, int tag, Kind kind, Element* pElement)
{
    if (!BridgeRuntime::FindBridge(window))
        return QZUI_E_NO_WINDOW;
    *pElement = OfKind(window, tag, kind);
    return *pElement ? QZUI_OK : QZUI_E_NO_ELEMENT;
}
} // namespace DriverTargets
