#import "ui/cocoa/CocoaElements.h"

#import "ui/cocoa/CocoaRuntime.h"
#import "ui/cocoa/NSObject+UserInfo.h"
#import "ui/cocoa/_cocoalink.h"

#include <algorithm>

#include "ui/FCCtrlDataList.h"
#include "ui/bridge/TableRules.h"
#include "strings/FCString.h"

namespace
{
/* GNUstep raises a range exception while drawing a table without columns;
   such a table carries an empty zero-width column with this identifier. */
NSString* const kPlaceholder = @"qz.placeholder";

/* A copy: the table changes as its columns are removed. */
NSArray* AllColumns(NSTableView* pTable) { return [NSArray arrayWithArray:[pTable tableColumns]]; }

bool IsPlaceholder(NSTableColumn* pColumn) { return [[pColumn identifier] isEqual:kPlaceholder]; }

/* GNUstep's setFrame:display: moves a window whose bottom would lie below
   the screen up until all of it is on screen (a panel moved to a top edge
   of 935 on a screen 1080 high came back at 686, and was saved there); the
   AppKit takes a frame set by the program as it is. While the bridge sets a
   frame, the constraint gives it back unchanged. */
NSRect (*gConstrain)(id, SEL, NSRect, NSScreen*) = nullptr;
bool gSettingFrame = false;

NSRect ConstrainUnlessSetByBridge(id self, SEL command, NSRect frame, NSScreen* pScreen)
{
    return gSettingFrame ? frame : gConstrain(self, command, frame, pScreen);
}
} // namespace

namespace CocoaElements
{
NSString* TextOf(const FCString* pString)
{
    if (!pString)
        return @"";
    FCString copy(*pString);
    return _cocoalink_MakeNSString(&copy);
}

NSView* FrameView(NSView* pView) { return [pView enclosingScrollView] ? [pView enclosingScrollView] : pView; }

FCCtrlDataList* DataListOf(NSTableView* pTable)
{
    return static_cast<FCCtrlDataList*>(QZUserInfoPointer(pTable, @"DataList"));
}

id CellValue(FCCtrlDataList* pList, NSString* identifier, int row)
{
    const char* name = [identifier UTF8String];
    const TableRules::Cell cell = TableRules::CellOf(pList, name ? name : "", row);
    if (cell.isCheck)
        return [NSNumber numberWithInt:cell.checked ? 1 : 0];
    return cell.pText ? _cocoalink_MakeNSString(cell.pText) : @"";
}

NSArray* Columns(NSTableView* pTable)
{
    NSMutableArray* pColumns = [NSMutableArray array];
    NSArray* pAll = [pTable tableColumns];
    for (NSUInteger i = 0; i < [pAll count]; ++i)
        if (!IsPlaceholder([pAll objectAtIndex:i]))
            [pColumns addObject:[pAll objectAtIndex:i]];
    return pColumns;
}

NSTableColumn* ColumnAt(NSTableView* pTable, int index)
{
    NSArray* pColumns = Columns(pTable);
    return index >= 0 && index < static_cast<int>([pColumns count]) ? [pColumns objectAtIndex:index] : nil;
}

void EnsureDrawable(NSTableView* pTable)
{
#ifdef GNUSTEP
    if ([[pTable tableColumns] count] != 0)
        return;
    NSTableColumn* pColumn = [[[NSTableColumn alloc] initWithIdentifier:kPlaceholder] autorelease];
    [pColumn setWidth:0];
    [pColumn setMinWidth:0];
    [pColumn setEditable:NO];
    [pTable addTableColumn:pColumn];
#endif
}

void AddColumn(NSTableView* pTable, NSTableColumn* pColumn)
{
    [pTable addTableColumn:pColumn];
    NSArray* pAll = AllColumns(pTable);
    for (NSUInteger i = 0; i < [pAll count]; ++i)
        if (IsPlaceholder([pAll objectAtIndex:i]))
            [pTable removeTableColumn:[pAll objectAtIndex:i]];
}

void RemoveColumns(NSTableView* pTable)
{
    NSArray* pAll = AllColumns(pTable);
    for (NSUInteger i = 0; i < [pAll count]; ++i)
        if (!IsPlaceholder([pAll objectAtIndex:i]))
            [pTable removeTableColumn:[pAll objectAtIndex:i]];
    EnsureDrawable(pTable);
}

NSEdgeInsets Insets(NSView* pView)
{
#ifndef GNUSTEP
    if ([pView isKindOfClass:[NSButton class]])
        return [pView alignmentRectInsets];
#endif
    NSEdgeInsets none = {0, 0, 0, 0};
    return none;
}

/* Boxes made in code keep it in their user info; layout boxes carry the view
   identifier where the AppKit has one. */
NSString* BoxIdentifier(NSBox* pBox)
{
    NSString* identifier = [[pBox existingObjectUserInfo] objectForKey:@"Identifier"];
    if (!identifier && [pBox respondsToSelector:@selector(identifier)])
        identifier = [pBox performSelector:@selector(identifier)];
    return [identifier isKindOfClass:[NSString class]] ? identifier : nil;
}

void SetBoxIdentifier(NSBox* pBox, NSString* identifier)
{
    [[pBox objectUserInfo] setObject:identifier forKey:@"Identifier"];
    if ([pBox respondsToSelector:@selector(setIdentifier:)])
        [pBox performSelector:@selector(setIdentifier:) withObject:identifier];
}

NSRect FrameOf(NSWindow* pWindow)
{
    NSRect frame = [pWindow frame];
    NSRect content = [pWindow contentRectForFrameRect:frame];
    return NSMakeRect(content.origin.x, content.origin.y, content.size.width, NSMaxY(frame) - content.origin.y);
}

void SetFrameOf(NSWindow* pWindow, NSRect frame)
{
    NSRect current = [pWindow frame];
    CGFloat title = NSMaxY(current) - NSMaxY([pWindow contentRectForFrameRect:current]);
    NSRect content =
        NSMakeRect(frame.origin.x, frame.origin.y, frame.size.width, std::max<CGFloat>(0, frame.size.height - title));
    /* GNUstep applies the limits to frames set by the program too (and
       again when the window is shown, so they are widened to the frame). */
    NSSize minimum = [pWindow minSize];
    NSSize maximum = [pWindow maxSize];
    [pWindow setMinSize:NSMakeSize(0, 0)];
    [pWindow setMaxSize:NSMakeSize(100000, 100000)];
    NSRect real = [pWindow frameRectForContentRect:content];
    /* The framework places its elements itself; the layout's autoresizing is
       for the user's resizing. */
    NSView* pContent = [pWindow contentView];
    BOOL autoresizes = [pContent autoresizesSubviews];
    [pContent setAutoresizesSubviews:NO];
    if (!gConstrain)
        gConstrain =
            CocoaRuntime::ReplaceMethod([NSWindow class], @"constrainFrameRect:toScreen:", &ConstrainUnlessSetByBridge);
    gSettingFrame = true;
    [pWindow setFrame:real display:YES];
    gSettingFrame = false;
    [pContent setAutoresizesSubviews:autoresizes];
    [pWindow
        setMinSize:NSMakeSize(std::min(minimum.width, real.size.width), std::min(minimum.height, real.size.height))];
    [pWindow
        setMaxSize:NSMakeSize(std::max(maximum.width, real.size.width), std::max(maximum.height, real.size.height))];
}

float TitleBarHeight()
{
    NSRect content = [NSWindow contentRectForFrameRect:NSMakeRect(0, 0, 100, 100) styleMask:NSTitledWindowMask];
    return static_cast<float>(100 - NSMaxY(content));
}

bool IsRadioButton(NSView* pView)
{
    if (![pView isKindOfClass:[NSButton class]] || [pView isKindOfClass:[NSPopUpButton class]])
        return false;
    NSString* imageName = [[QZ_AS(NSButton, pView) image] name];
    return imageName && [imageName rangeOfString:@"Radio"].location != NSNotFound;
}

void SwitchOffRadioSiblings(NSButton* pButton)
{
    if (!IsRadioButton(pButton) || [pButton state] != NSOnState)
        return;
    NSArray* pSiblings = [[pButton superview] subviews];
    for (NSUInteger i = 0; i < [pSiblings count]; ++i) {
        NSButton* pOther = [pSiblings objectAtIndex:i];
        if (pOther != pButton && IsRadioButton(pOther) && [pOther action] == [pButton action])
            [pOther setState:NSOffState];
    }
}

void Click(NSButton* pButton)
{
    if (![pButton isEnabled])
        return;
    [[pButton cell] setNextState];
    [pButton sendAction:[pButton action] to:[pButton target]];
}

NSView* FindByTag(NSView* pRoot, int tag)
{
    if ([pRoot isKindOfClass:[NSBox class]]) {
        NSString* identifier = BoxIdentifier(QZ_AS(NSBox, pRoot));
        if (identifier && [identifier intValue] == tag)
            return pRoot;
    }
    else if ([pRoot isKindOfClass:[NSControl class]] && [QZ_AS(NSControl, pRoot) tag] == tag)
        return pRoot;
    NSArray* pSubviews = [pRoot subviews];
    for (NSUInteger i = 0; i < [pSubviews count]; ++i)
        if (NSView* pFound = FindByTag([pSubviews objectAtIndex:i], tag))
            return pFound;
    return nil;
}

void Collect(NSView* pRoot, NSMutableArray* pViews)
{
    if (!pRoot)
        return;
    [pViews addObject:pRoot];
    NSArray* pSubviews = [pRoot subviews];
    for (NSUInteger i = 0; i < [pSubviews count]; ++i)
        Collect([pSubviews objectAtIndex:i], pViews);
}
} // namespace CocoaElements
