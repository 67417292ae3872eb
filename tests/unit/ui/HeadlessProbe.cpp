#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessWindow.h"
#include "UiProbe.h"

namespace
{
HeadlessElement* Find(int window, int tag)
{
    HeadlessWindow* pWindow = HeadlessRuntime::WindowOf(HeadlessRuntime::FindBridge(window));
    return pWindow ? pWindow->content->FindByTag(tag) : nullptr;
}
} // namespace

std::string ProbeKeyEquivalent(int window, int tag)
{
    HeadlessElement* pElement = Find(window, tag);
    return pElement ? pElement->keyEquivalent : "<missing>";
}

int ProbeTickMarks(int window, int tag)
{
    HeadlessElement* pElement = Find(window, tag);
    return pElement ? pElement->tickMarks : -1;
}
