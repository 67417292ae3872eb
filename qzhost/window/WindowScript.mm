#import "qzhost/window/WindowScript.h"

#import "qzhost/window/HostController.h"
#import "qzhost/window/HostMenus.h"
#import "qzhost/window/ScoreGridView.h"
#import "qzhost/window/ScoreWindow.h"

#include "qzhost/CommandRegistry.h"
#include "qzhost/session/CommandSupport.h"
#include "qzhost/session/ScriptRunner.h"

#include <ostream>

namespace
{

/* What the window commands act on: the host of the one window of this
   process, and the pause wait asks for before the next line. */
QZHostController* gController = nil;
double gPause = 0;

Outcome NoWindow() { return Outcome::Error("there is no window to act on"); }

NSString* Text(const std::string& text) { return [NSString stringWithUTF8String:text.c_str()]; }

std::string RangeText(int first, int last)
{
    return first == last ? std::to_string(first) : std::to_string(first) + "-" + std::to_string(last);
}

void SendMouse(NSWindow* window, NSEventType type, NSPoint where)
{
    NSEvent* event = [NSEvent mouseEventWithType:type
                                        location:where
                                   modifierFlags:0
                                       timestamp:[[NSProcessInfo processInfo] systemUptime]
                                    windowNumber:[window windowNumber]
                                         context:nil
                                     eventNumber:0
                                      clickCount:1
                                        pressure:type == NSLeftMouseUp ? 0.0f : 1.0f];
    [window sendEvent:event];
}

Outcome RunDrag(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "drag ROW MEASURE ROW MEASURE");
    QZHostScoreGridView* grid = [[gController scoreWindow] grid];
    const int rows = [grid rowCount];
    const int measures = [grid measureCount];
    long long fromRow = 0, fromMeasure = 0, toRow = 0, toMeasure = 0;
    if (rows == 0 || measures == 0)
        return Outcome::Error("the score window shows no cells");
    if (!check.Count(4) || !check.Integer(0, 1, rows, fromRow) || !check.Integer(1, 1, measures, fromMeasure) ||
        !check.Integer(2, 1, rows, toRow) || !check.Integer(3, 1, measures, toMeasure))
        return check.Error();
    NSWindow* window = [[gController scoreWindow] window];
    const NSPoint from = [grid convertPoint:[grid centreOfRow:static_cast<int>(fromRow - 1)
                                                      measure:static_cast<int>(fromMeasure)]
                                     toView:nil];
    const NSPoint to = [grid convertPoint:[grid centreOfRow:static_cast<int>(toRow - 1)
                                                    measure:static_cast<int>(toMeasure)]
                                   toView:nil];
    [gController takeLastOutcome];
    SendMouse(window, NSLeftMouseDown, from);
    SendMouse(window, NSLeftMouseDragged, NSMakePoint((from.x + to.x) / 2, (from.y + to.y) / 2));
    SendMouse(window, NSLeftMouseDragged, to);
    SendMouse(window, NSLeftMouseUp, to);
    return [gController takeLastOutcome];
}

Outcome FindItem(const CommandArguments& args, NSMenuItem** pItem)
{
    *pItem = [[gController menus] itemInMenu:Text(args[0].text) titled:Text(args[1].text)];
    if (!*pItem)
        return Outcome::Error("the menu " + args[0].text + " has no item " + args[1].text);
    return Outcome::Done();
}

Outcome RunMenu(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "menu \"MENU\" \"ITEM\"");
    if (!check.Count(2))
        return check.Error();
    NSMenuItem* item = nil;
    const Outcome found = FindItem(args, &item);
    if (found.kind != Outcome::kDone)
        return found;
    if (![item isEnabled])
        return Outcome::Error("the menu item " + std::string([[item title] UTF8String]) + " is disabled");
    [gController takeLastOutcome];
    NSMenu* menu = [item menu];
    [menu performActionForItemAtIndex:[menu indexOfItem:item]];
    return [gController takeLastOutcome];
}

Outcome RunWait(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "wait MS");
    long long milliseconds = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 600000, milliseconds))
        return check.Error();
    gPause = static_cast<double>(milliseconds) / 1000.0;
    return Outcome::Done();
}

Outcome RunExpectNames(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "expect names \"NAME|NAME|...\"");
    std::string expected;
    if (!check.Count(1) || !check.Text(0, expected))
        return check.Error();
    const std::vector<std::string> names = [[gController scoreWindow] staffNames];
    std::string got;
    for (size_t i = 0; i < names.size(); ++i)
        got += (i ? "|" : "") + names[i];
    return CompareText(expected, got);
}

/* The selected cells as one rectangle of rows and measures, or "none";
   cells that do not make a rectangle are listed by row. */
std::string SelectedCells(QZHostScoreGridView* grid)
{
    int firstRow = 0, lastRow = 0, firstMeasure = 0, lastMeasure = 0, count = 0;
    for (int row = 0; row < [grid rowCount]; ++row)
        for (int measure = 1; measure <= [grid measureCount]; ++measure) {
            if (![grid isCellSelectedAtRow:row measure:measure])
                continue;
            if (count++ == 0) {
                firstRow = lastRow = row + 1;
                firstMeasure = lastMeasure = measure;
            }
            firstMeasure = std::min(firstMeasure, measure);
            lastMeasure = std::max(lastMeasure, measure);
            lastRow = row + 1;
        }
    if (count == 0)
        return "none";
    if (count != (lastRow - firstRow + 1) * (lastMeasure - firstMeasure + 1))
        return "not a rectangle";
    return RangeText(firstRow, lastRow) + " " + RangeText(firstMeasure, lastMeasure);
}

Outcome RunExpectCells(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "expect cells ROWS MEASURES|none");
    std::string expected = "none";
    if (!(args.size() == 1 && args[0].text == "none")) {
        std::string rows, measures, problem;
        qzscript::Range rowRange, measureRange;
        if (!check.Count(2) || !check.Text(0, rows) || !check.Text(1, measures))
            return check.Error();
        if (!qzscript::ParseRange(rows, 1, 32767, rowRange, problem) ||
            !qzscript::ParseRange(measures, 1, 32767, measureRange, problem))
            return Outcome::Error(problem);
        expected = RangeText(rowRange.first, rowRange.last) + " " + RangeText(measureRange.first, measureRange.last);
    }
    return CompareText(expected, SelectedCells([[gController scoreWindow] grid]));
}

Outcome RunExpectMenu(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "expect menu \"MENU\" \"ITEM\" \"TITLE\" enabled|disabled");
    int state = 0;
    std::string title;
    if (!check.Count(4) || !check.Text(2, title) || !check.Choice(3, {"enabled", "disabled"}, state))
        return check.Error();
    NSMenuItem* item = nil;
    const Outcome found = FindItem(args, &item);
    if (found.kind != Outcome::kDone)
        return found;
    const std::string expected = qzscript::Quote(title) + (state == 0 ? " enabled" : " disabled");
    const std::string got = qzscript::Quote([[item title] UTF8String]) + ([item isEnabled] ? " enabled" : " disabled");
    return expected == got ? Outcome::Done() : Outcome::Expected(expected, got);
}

Outcome RunDialog(Session&, const CommandArguments& args)
{
    if (!gController)
        return NoWindow();
    ArgumentCheck check(args, "dialog \"TEXT\"|cancel");
    if (!check.Count(1))
        return check.Error();
    const bool cancel = args[0].text == "cancel" && !args[0].quoted;
    [gController queueTextAnswer:cancel ? nil : Text(args[0].text)];
    return Outcome::Done();
}

} // namespace

QZHOST_WINDOW_COMMAND(dialog, "dialog", "dialog \"TEXT\"|cancel",
                      "answers the next text dialog (a new expression category's name) or cancels it", RunDialog,
                      false);
QZHOST_WINDOW_COMMAND(drag, "drag", "drag ROW MEASURE ROW MEASURE",
                      "a mouse drag in the grid from one cell to another (rows from 1 at the top)", RunDrag, false);
QZHOST_WINDOW_COMMAND(menu, "menu", "menu \"MENU\" \"ITEM\"",
                      "picks a menu item (\"Undo\" picks \"Undo Staff Set Panel\")", RunMenu, false);
QZHOST_WINDOW_COMMAND(wait, "wait", "wait MS", "lets MS milliseconds pass on the run loop (real time)", RunWait, false);
QZHOST_WINDOW_COMMAND(expect_names, "expect names", "expect names \"NAME|NAME|...\"",
                      "the staff names the window shows, top to bottom", RunExpectNames, true);
QZHOST_WINDOW_COMMAND(expect_cells, "expect cells", "expect cells ROWS MEASURES|none",
                      "the grid's cells shown selected", RunExpectCells, true);
QZHOST_WINDOW_COMMAND(expect_menu, "expect menu", "expect menu \"MENU\" \"ITEM\" \"TITLE\" enabled|disabled",
                      "a menu item's title and state", RunExpectMenu, true);

@implementation QZHostWindowScript

- (id)initWithController:(QZHostController*)controller
                   lines:(const std::vector<qzscript::Line>&)lines
                    name:(const std::string&)name
                  errors:(std::ostream*)pErrors
{
    self = [super init];
    if (!self)
        return nil;
    _controller = controller;
    gController = controller;
    _pLines = new std::vector<qzscript::Line>(lines);
    _pRunner = new ScriptRunner(*[controller session].session, kRunScriptFile, *pErrors, name);
    return self;
}

- (void)dealloc
{
    [NSObject cancelPreviousPerformRequestsWithTarget:self];
    if (gController == _controller)
        gController = nil;
    delete _pLines;
    delete _pRunner;
    [super dealloc];
}

- (void)start
{
    [_controller setScripted:YES];
    [self performSelector:@selector(step:) withObject:nil afterDelay:0];
}

- (void)stop
{
    [NSObject cancelPreviousPerformRequestsWithTarget:self];
}

- (void)finish
{
    _pRunner->Finish();
}

- (int)status
{
    return _pRunner->Status();
}

- (int)lastLine
{
    return _lastLine;
}

- (void)step:(id)unused
{
    (void)unused;
    if ([_controller quitRequested] || [_controller session].session->QuitRequested()) {
        [_controller requestQuit];
        return;
    }
    if ([_controller session].session->InPluginCall()) {
        /* Reached from a plug-in call's run loop: the line waits for it. */
        [self performSelector:@selector(step:) withObject:nil afterDelay:0.01];
        return;
    }
    if (_next >= _pLines->size()) {
        [_controller requestQuit];
        return;
    }
    const qzscript::Line& line = (*_pLines)[_next++];
    _lastLine = line.number;
    /* A line of the script language runs as the terminal runs it; the
       window then follows the host on its own, as for a person. */
    gPause = 0;
    _pRunner->Run(line);
    if (_pRunner->Status() != 0) {
        [_controller requestQuit];
        return;
    }
    [self performSelector:@selector(step:) withObject:nil afterDelay:gPause];
}

@end
