#ifndef FRAMEWORK_UI_BRIDGE_DRIVERTARGETS_H
#define FRAMEWORK_UI_BRIDGE_DRIVERTARGETS_H

#include "ui/bridge/ElementBackend.h"

class _FCWindowController_cocoa;

/* How the driver's calls find the element they read or act on, by window
 * number and tag. */
namespace DriverTargets
{
/* The bridge of the window when the window is loaded, or null. */
_FCWindowController_cocoa* Loaded(int window);
/* The element of the kind in the window, or null. */
ElementBackend::Element OfKind(int window, int tag, ElementBackend::Kind kind);
/* What a user action needs: the window's bridge and the element, enabled,
   shown and of the kind. The result is QZUI_OK, or the first failure of
   QZUI_E_NO_WINDOW, QZUI_E_NO_ELEMENT, QZUI_E_DISABLED, QZUI_E_WRONG_KIND. */
struct Target
{
    int result;
    _FCWindowController_cocoa* pBridge;
    ElementBackend::Element element;
};
Target ActOn(int window, int tag, ElementBackend::Kind kind);
/* What a reading call needs: the window, then an element of the kind. */
int Reading(int window, int tag, ElementBackend::Kind kind, ElementBackend::Element* pElement);
} // namespace DriverTargets

#endif
