#include "ui/bridge/BridgeRuntime.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessWindow.h"
#include "UiProbe.h"

namespace
{
HeadlessElement* Find(int window, int tag)
{
    HeadlessWindow* pWindow = HeadlessRuntime::WindowOf(BridgeRuntime::FindBridge(window));
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

OutlineProbe ProbeOutline(int window, int tag)
{
    OutlineProbe probe;
    HeadlessElement* pElement = Find(window, tag);
    if (!pElement || pElement->kind != HeadlessKind::OutlineView)
        return probe;
    probe.columns = static_cast<int>(pElement->columns.size());
    if (!pElement->columns.empty()) {
        probe.firstIdentifier = pElement->columns.front().identifier;
        probe.firstEditable = pElement->columns.front().editable;
    }
    probe.hasHeader = pElement->hasHeader;
    probe.pTree = pElement->tree;
    return probe;
}
