#import "qzhost/window/HostMenus.h"

namespace
{
NSString* Text(const std::string& text) { return [NSString stringWithUTF8String:text.c_str()]; }
} // namespace

@implementation QZHostMenus

- (NSMenu*)addMenu:(NSString*)title
{
    NSMenu* menu = [[[NSMenu alloc] initWithTitle:title] autorelease];
    [menu setAutoenablesItems:NO];
    NSMenuItem* holder = (NSMenuItem*)(id)[_main addItemWithTitle:title action:NULL keyEquivalent:@""];
    [_main setSubmenu:menu forItem:holder];
    return menu;
}

- (NSMenuItem*)addTo:(NSMenu*)menu title:(NSString*)title action:(SEL)action key:(NSString*)key target:(id)target
{
    NSMenuItem* item = (NSMenuItem*)(id)[menu addItemWithTitle:title action:action keyEquivalent:key];
    [item setTarget:target];
    return item;
}

- (id)initWithTarget:(id)target
{
    self = [super init];
    if (!self)
        return nil;
    _main = [[NSMenu alloc] initWithTitle:@"qzhost"];
    [_main setAutoenablesItems:NO];
    NSMenu* application = [self addMenu:@"qzhost"];
    [self addTo:application title:@"Quit" action:@selector(quit:) key:@"q" target:target];
    NSMenu* plugins = [self addMenu:@"Plug-ins"];
    _pluginEntry = [self addTo:plugins title:@"(no plug-in)" action:@selector(invokePlugin:) key:@"" target:target];
    NSMenu* edit = [self addMenu:@"Edit"];
    _undo = [self addTo:edit title:@"Undo" action:@selector(undo:) key:@"z" target:target];
    _redo = [self addTo:edit title:@"Redo" action:@selector(redo:) key:@"Z" target:target];
    NSMenu* view = [self addMenu:@"View"];
    _allStaves = [self addTo:view title:@"All Staves" action:@selector(showAllStaves:) key:@"" target:target];
    for (int set = 1; set <= ScoreModel::kStaffSets; ++set) {
        NSMenuItem* item = [self addTo:view
                                 title:[NSString stringWithFormat:@"Staff Set %d", set]
                                action:@selector(showStaffSet:)
                                   key:[NSString stringWithFormat:@"%d", set]
                                target:target];
        [item setTag:set];
        _staffSets[set - 1] = item;
    }
    NSMenu* document = [self addMenu:@"Document"];
    _newCategory = [self addTo:document
                         title:@"New Expression Category..."
                        action:@selector(newExpressionCategory:)
                           key:@""
                        target:target];
    return self;
}

- (void)dealloc
{
    [_main release];
    [super dealloc];
}

- (NSMenu*)mainMenu
{
    return _main;
}

- (void)showModel:(const ScoreModel&)model
{
    [_pluginEntry setTitle:model.pluginEntry.empty() ? @"(no plug-in)" : Text(model.pluginEntry)];
    [_pluginEntry setEnabled:!model.pluginEntry.empty() && model.documentOpen];
    [_undo setTitle:Text(model.UndoTitle())];
    [_undo setEnabled:model.undoSteps > 0];
    [_redo setTitle:Text(model.RedoTitle())];
    [_redo setEnabled:model.redoSteps > 0];
    [_allStaves setEnabled:model.documentOpen];
    [_newCategory setEnabled:model.documentOpen];
    [_allStaves setState:model.documentOpen && model.displayedStaffSet == 0 ? NSOnState : NSOffState];
    for (int set = 1; set <= ScoreModel::kStaffSets; ++set) {
        NSMenuItem* item = _staffSets[set - 1];
        [item setEnabled:model.staffSets[static_cast<size_t>(set)]];
        [item setState:model.displayedStaffSet == set ? NSOnState : NSOffState];
    }
}

- (NSMenuItem*)itemInMenu:(NSString*)menuTitle titled:(NSString*)itemTitle
{
    NSMenuItem* holder = (NSMenuItem*)(id)[_main itemWithTitle:menuTitle];
    NSMenu* menu = holder ? [holder submenu] : nil;
    NSString* prefix = [itemTitle stringByAppendingString:@" "];
    for (NSInteger i = 0; menu && i < [menu numberOfItems]; ++i) {
        NSMenuItem* item = [menu itemAtIndex:i];
        if ([[item title] isEqualToString:itemTitle] || [[item title] hasPrefix:prefix])
            return item;
    }
    return nil;
}

@end
