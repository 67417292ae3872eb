#ifndef FRAMEWORK_UI_COCOA_COCOAELEMENTS_H
#define FRAMEWORK_UI_COCOA_COCOAELEMENTS_H

#import <AppKit/AppKit.h>

class FCCtrlDataList;
class FCString;

/* A view (or object) as one of its subclasses, checked by the caller. GCC's
   Objective-C++ checks protocol conformance on direct casts between classes,
   so the cast goes through id. */
#define QZ_AS(ClassName, object) ((ClassName*)(id)(object))

/* Helpers over the Cocoa views of a loaded layout, shared by the bridge, its
 * controller and the driver interface. */
namespace CocoaElements
{
/* The view behind a backend's element handle (the bridge's opaque pointer). */
inline NSView* ViewOf(void* element) { return QZ_AS(NSView, element); }
/* A new autoreleased Cocoa string with the text; an empty one for null. */
NSString* TextOf(const FCString* pString);
/* The view whose frame stands for the element: its enclosing scroll view
   when it has one, else the element. */
NSView* FrameView(NSView* pView);
/* The data list stored in a table's user info, or null. */
FCCtrlDataList* DataListOf(NSTableView* pTable);
/* The cell a table column shows for a row (TableRules::CellOf): a number (1
   or 0) for a check box, else a text (empty when missing). */
id CellValue(FCCtrlDataList* pList, NSString* identifier, int row);
/* The columns a framework table has (a layout-only placeholder excluded). */
NSArray* Columns(NSTableView* pTable);
NSTableColumn* ColumnAt(NSTableView* pTable, int index);
/* Keeps a table drawable without columns (see the .mm) and drops the
   placeholder once a real column is added. */
void EnsureDrawable(NSTableView* pTable);
void AddColumn(NSTableView* pTable, NSTableColumn* pColumn);
void RemoveColumns(NSTableView* pTable);
/* A button's alignment insets where the AppKit knows them (none elsewhere). */
NSEdgeInsets Insets(NSView* pView);
/* A box's identifier (boxes stand for separators, found by identifier). */
NSString* BoxIdentifier(NSBox* pBox);
void SetBoxIdentifier(NSBox* pBox, NSString* identifier);
/* The window's frame as the framework sees it (Cocoa coordinates): the
   content rectangle plus the title bar above it. On macOS that is the frame
   itself; GNUstep's own decorations add a border on the sides and below,
   which is left out so that both platforms measure windows alike. */
NSRect FrameOf(NSWindow* pWindow);
/* Sets that frame. The minimum and maximum sizes limit the user's resizing
   only, as on macOS (GNUstep would apply them here too), and the elements
   keep their place (no autoresizing). */
void SetFrameOf(NSWindow* pWindow, NSRect frame);
/* The height of a titled window's title bar: 100 minus the top of the
   content of a 100 x 100 frame. */
float TitleBarHeight();
/* A radio button (GNUstep and older AppKits show it with a "Radio" image). */
bool IsRadioButton(NSView* pView);
/* Turns off the radio buttons that share the button's superview and action,
   as clicking one of a group does on macOS (GNUstep leaves them on). */
void SwitchOffRadioSiblings(NSButton* pButton);
/* What a click on an enabled button does: its next state, then its action.
   GNUstep's performClick: also shows the highlight for a tenth of a second,
   running the run loop in that time, which made every press of a driver
   wait that long. */
void Click(NSButton* pButton);
/* Depth-first search by tag (controls) or identifier (boxes). */
NSView* FindByTag(NSView* pRoot, int tag);
/* Every view below pRoot, depth first, pRoot included. */
void Collect(NSView* pRoot, NSMutableArray* pViews);
} // namespace CocoaElements

#endif
