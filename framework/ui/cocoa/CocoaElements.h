#ifndef FRAMEWORK_UI_COCOA_COCOAELEMENTS_H
#define FRAMEWORK_UI_COCOA_COCOAELEMENTS_H

#import <AppKit/AppKit.h>

class FCCtrlDataList;
class FCString;

/* An object as one of its subclasses, checked by the caller. GCC's
   Objective-C++ checks protocol conformance on a direct cast between
   classes, so the cast goes through id. */
#define QZ_AS(ClassName, object) ((ClassName*)(id)(object))

/* Helpers over the views of a loaded layout, shared by the backend's files. */
namespace CocoaElements
{
/* The view behind an element handle (the bridge's opaque pointer). */
inline NSView* ViewOf(void* element) { return QZ_AS(NSView, element); }
/* A new autoreleased string with the text; empty for null. */
NSString* TextOf(const FCString* pString);
/* The enclosing scroll view when there is one, else the view. */
NSView* FrameView(NSView* pView);
FCCtrlDataList* DataListOf(NSTableView* pTable);
/* What a table column shows for a row (TableRules::CellOf): 1 or 0 for a
   check, else a text (empty when missing). */
id CellValue(FCCtrlDataList* pList, NSString* identifier, int row);
/* A table's columns, without the placeholder that keeps a table without
   columns drawable under GNUstep (EnsureDrawable; AddColumn drops it). */
NSArray* Columns(NSTableView* pTable);
NSTableColumn* ColumnAt(NSTableView* pTable, int index);
void EnsureDrawable(NSTableView* pTable);
void AddColumn(NSTableView* pTable, NSTableColumn* pColumn);
void RemoveColumns(NSTableView* pTable);
/* A button's alignment insets where the AppKit has them (none elsewhere). */
NSEdgeInsets Insets(NSView* pView);
/* A box's identifier (separators are boxes, found by identifier). */
NSString* BoxIdentifier(NSBox* pBox);
void SetBoxIdentifier(NSBox* pBox, NSString* identifier);
/* The window's frame as macOS measures it: the content plus the title bar
   above it, without the border GNUstep's own decorations add. Setting it
   applies the minimum and maximum sizes to the user's resizing only and
   leaves the elements in place, as macOS does. */
NSRect FrameOf(NSWindow* pWindow);
void SetFrameOf(NSWindow* pWindow, NSRect frame);
/* 100 minus the content height of a titled 100 x 100 frame. */
float TitleBarHeight();
/* A radio button (shown with a "Radio" image). */
bool IsRadioButton(NSView* pView);
/* Turns off the radio buttons with the button's superview and action, as a
   click in a group does on macOS (GNUstep leaves them on). */
void SwitchOffRadioSiblings(NSButton* pButton);
/* A click on an enabled button: its next state, then its action. Not
   performClick:, whose highlight runs the run loop for a tenth of a second
   under GNUstep. */
void Click(NSButton* pButton);
/* Depth first by tag (controls) or identifier (boxes). */
NSView* FindByTag(NSView* pRoot, int tag);
/* Every view below pRoot, depth first, pRoot included. */
void Collect(NSView* pRoot, NSMutableArray* pViews);
} // namespace CocoaElements

#endif
