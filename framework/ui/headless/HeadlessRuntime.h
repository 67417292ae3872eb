#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSRUNTIME_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSRUNTIME_H

#include "ui/_FCWindowController_cocoa.h"
#include "ui/headless/HeadlessWindow.h"

/* What the headless backend keeps beside the shared runtime: the active
 * window and the element tree of a bridge. */
namespace HeadlessRuntime
{
/* The loaded window of a bridge, or null. */
inline HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge)
{
    return pBridge ? static_cast<HeadlessWindow*>(pBridge->_GetController()) : nullptr;
}

/* The active (main) window's bridge, or null. */
inline _FCWindowController_cocoa* gMainBridge = nullptr;
inline _FCWindowController_cocoa* MainBridge() { return gMainBridge; }
inline void SetMainBridge(_FCWindowController_cocoa* pBridge) { gMainBridge = pBridge; }
/* Another window (null: none) becomes the active one, reported as a window
   system does: the one before is told first. */
inline void ChangeMainBridge(_FCWindowController_cocoa* pNew)
{
    _FCWindowController_cocoa* pOld = gMainBridge;
    gMainBridge = pNew;
    if (pOld)
        pOld->Notify_WindowActivated(false);
    if (pNew)
        pNew->Notify_WindowActivated(true);
}
} // namespace HeadlessRuntime

#endif
