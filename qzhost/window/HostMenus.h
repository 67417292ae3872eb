#ifndef QZHOST_WINDOW_HOSTMENUS_H
#define QZHOST_WINDOW_HOSTMENUS_H

/* The host's menus in the window mode: the application menu (Quit), the
   plug-in menu with the module's entry, Edit with Undo and Redo carrying
   the names of the steps, View with All Staves and Staff Sets 1 to 8, and
   Document with New Expression Category.... Items are enabled only when the
   host can do what they say. Every item sends its action to the target
   given at creation: invokePlugin:, undo:, redo:, showAllStaves:,
   showStaffSet: (the item's tag is the staff set), newExpressionCategory:,
   quit:. */

#import <AppKit/AppKit.h>

#include "qzhost/window/ScoreModel.h"

@interface QZHostMenus : NSObject {
    NSMenu* _main;
    NSMenuItem* _pluginEntry;
    NSMenuItem* _undo;
    NSMenuItem* _redo;
    NSMenuItem* _allStaves;
    NSMenuItem* _staffSets[ScoreModel::kStaffSets];
    NSMenuItem* _newCategory;
}
- (id)initWithTarget:(id)target;
- (NSMenu*)mainMenu;
- (void)showModel:(const ScoreModel&)model;
/* The item of a top-level menu whose title is the text, or begins with it
   and a space ("Undo" finds "Undo Staff Set Panel"); nil when none. */
- (NSMenuItem*)itemInMenu:(NSString*)menuTitle titled:(NSString*)itemTitle;
@end

#endif
