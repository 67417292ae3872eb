#include "ui/bridge/DriverTargets.h"

#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"

using namespace ElementBackend;

namespace DriverTargets
{
Element OfKind(int window, int tag, Kind kind)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    return pBridge ? Find(pBridge, tag, kind) : nullptr;
}

int Target(int window, int tag, Kind kind, _FCWindowController_cocoa** ppBridge, Element* pElement)
{
    *ppBridge = BridgeRuntime::FindBridge(window);
    if (!*ppBridge)
        return QZUI_E_NO_WINDOW;
    *pElement = Find(*ppBridge, tag, Kind::Any);
    if (!*pElement)
        return QZUI_E_NO_ELEMENT;
    if (!IsEnabled(*pElement) || !IsShown(*pElement))
        return QZUI_E_DISABLED;
    return Is(*pElement, kind) ? QZUI_OK : QZUI_E_WRONG_KIND;
}

int Reading(int window, int tag, Kind kind, Element* pElement)
{
    if (!BridgeRuntime::FindBridge(window))
        return QZUI_E_NO_WINDOW;
    *pElement = OfKind(window, tag, kind);
    return *pElement ? QZUI_OK : QZUI_E_NO_ELEMENT;
}
} // namespace DriverTargets
