#import "ui/cocoa/CocoaElements.h"
#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_FCWindowController_redaredavizodir.h"

#include "unit/framework/ui/UiProbe.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
NSView* Find(int window, int tag)
{
    _FCWindowController_cocoa* pBridge = BridgeRuntime::FindBridge(window);
    if (!pBridge)
        return nil;
    return [QZ_AS(_FCWindowController_redaredavizodir, pBridge->_GetController()) findControlByTag:tag];
}
} // namespace

std::string ProbeKeyEquivalent(int window, int tag)
{
    NSView* pView = Find(window, tag);
    if (![pView isKindOfClass:[NSButton class]])
        return "<missing>";
    const char* text = [[QZ_AS(NSButton, pView) keyEquivalent] UTF8String];
    return text ? text : "";
}

int ProbeTickMarks(int window, int tag)
{
    NSView* pView = Find(window, tag);
    return [pView isKindOfClass:[NSSlider class]] ? static_cast<int>([QZ_AS(NSSlider, pView) numberOfTickMarks]) : -1;
}

OutlineProbe ProbeOutline(int window, int tag)
{
    OutlineProbe probe;
    NSView* pView = Find(window, tag);
    if (![pView isKindOfClass:[NSOutlineView class]])
        return probe;
    NSOutlineView* pOutline = QZ_AS(NSOutlineView, pView);
    NSArray* pColumns = [pOutline tableColumns];
    probe.columns = static_cast<int>([pColumns count]);
    if ([pColumns count]) {
        NSTableColumn* pFirst = [pColumns objectAtIndex:0];
        probe.firstIdentifier = [[pFirst identifier] UTF8String];
        probe.firstEditable = [pFirst isEditable];
    }
    probe.hasHeader = [pOutline headerView] != nil;
    probe.pTree = QZUserInfoPointer(pOutline, @"Tree");
    return probe;
}
