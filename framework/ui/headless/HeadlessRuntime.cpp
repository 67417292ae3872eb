#include "ui/headless/HeadlessRuntime.h"

#include "ui/headless/HeadlessWindow.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
_FCWindowController_cocoa*& Main()
{
    static _FCWindowController_cocoa* pMain = nullptr;
    return pMain;
}
} // namespace

namespace HeadlessRuntime
{
HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    return pBridge ? static_cast<HeadlessWindow*>(pBridge->_GetController()) : nullptr;
}

_FCWindowController_cocoa* MainBridge() { return Main(); }
void SetMainBridge(_FCWindowController_cocoa* pBridge) { Main() = pBridge; }
} // namespace HeadlessRuntime
