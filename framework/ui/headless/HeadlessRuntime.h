#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSRUNTIME_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSRUNTIME_H

class _FCWindowController_cocoa;
class HeadlessWindow;

/* What the headless backend keeps beside the shared runtime: the active
 * window and the element tree of a bridge. */
namespace HeadlessRuntime
{
/* The loaded window of a bridge, or null. */
HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge);

/* The active (main) window's bridge, or null. */
_FCWindowController_cocoa* MainBridge();
void SetMainBridge(_FCWindowController_cocoa* pBridge);
} // namespace HeadlessRuntime

#endif
