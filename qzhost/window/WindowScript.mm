#import "qzhost/window/WindowScript.h"

#import "qzhost/window/HostController.h"
#import "qzhost/window/HostMenus.h"
#import "qzhost/window/ScoreGridView.h"
#import "qzhost/window/ScoreWindow.h"

#include "qzhost/CommandRegistry.h"
#include "qzhost/session/CommandSupport.h"

#include <ostream>

namespace
{

/* What a window command needs: the host and, for wait, the pause before
   the next line. */
struct WindowContext
{
    QZHostController* controller;
    double pause;
};

typedef Outcome (*WindowCommandFn)(WindowContext& context, const CommandArguments& args);

struct WindowCommand
{
    const char* first;
    const char* second; /* "" for a one-word command */
    WindowCommandFn run;
};

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

Outcome RunDrag(WindowContext& context, const CommandArguments& args)
{
    ArgumentCheck check(args, "drag ROW MEASURE ROW MEASURE");
    QZHostScoreGridView* grid = [[context.controller scoreWindow] grid];
    const int rows = [grid rowCount];
    const int measures = [grid measureCount];
    long long fromRow = 0, fromMeasure = 0, toRow = 0, toMeasure = 0;
    if (rows == 0 || measures == 0)
        return Outcome::Error("the score window shows no cells");
    if (!check.Count(4) || !check.Integer(0, 1, rows, fromRow) || !check.Integer(1, 1, measures, fromMeasure) ||
        !check.Integer(2, 1, rows, toRow) || !check.Integer(3, 1, measures, toMeasure))
        return check.Error();
    NSWindow* window = [[context.controller scoreWindow] window];
    const NSPoint from = [grid convertPoint:[grid centreOfRow:static_cast<int>(fromRow - 1)
                                                      measure:static_cast<int>(fromMeasure)]
                                     toView:nil];
    const NSPoint to = [grid convertPoint:[grid centreOfRow:static_cast<int>(toRow - 1)
                                                    measure:static_cast<int>(toMeasure)]
                                   toView:nil];
    [context.controller takeLastOutcome];
    SendMouse(window, NSLeftMouseDown, from);
    SendMouse(window, NSLeftMouseDragged, NSMakePoint((from.x + to.x) / 2, (from.y + to.y) / 2));
    SendMouse(window, NSLeftMouseDragged, to);
    SendMouse(window, NSLeftMouseUp, to);
    return [context.controller takeLastOutcome];
}

Outcome FindItem(WindowContext& context, const CommandArguments& args, NSMenuItem** pItem)
{
    *pItem = [[context.controller menus] itemInMenu:Text(args[0].text) titled:Text(args[1].text)];
    if (!*pItem)
        return Outcome::Error("the menu " + args[0].text + " has no item " + args[1].text);
    return Outcome::Done();
}

Outcome RunMenu(WindowContext& context, const CommandArguments& args)
{
    ArgumentCheck check(args, "menu \"MENU\" \"ITEM\"");
    if (!check.Count(2))
        return check.Error();
    NSMenuItem* item = nil;
    const Outcome found = FindItem(context, args, &item);
    if (found.kind != Outcome::kDone)
        return found;
    if (![item isEnabled])
        return Outcome::Error("the menu item " + std::string([[item title] UTF8String]) + " is disabled");
    [context.controller takeLastOutcome];
    NSMenu* menu = [item menu];
    [menu performActionForItemAtIndex:[menu indexOfItem:item]];
    return [context.controller takeLastOutcome];
}

Outcome RunWait(WindowContext& context, const CommandArguments& args)
{
    ArgumentCheck check(args, "wait MS");
    long long milliseconds = 0;
    if (!check.Count(1) || !check.Integer(0, 0, 600000, milliseconds))
        return check.Error();
    context.pause = static_cast<double>(milliseconds) / 1000.0;
    return Outcome::Done();
}

Outcome RunExpectNames(WindowContext& context, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect names \"NAME|NAME|...\"");
    std::string expected;
    if (!check.Count(1) || !check.Text(0, expected))
        return check.Error();
    const std::vector<std::string> names = [[context.controller scoreWindow] staffNames];
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

Outcome RunExpectCells(WindowContext& context, const CommandArguments& args)
{
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
    return CompareText(expected, SelectedCells([[context.controller scoreWindow] grid]));
}

Outcome RunExpectMenu(WindowContext& context, const CommandArguments& args)
{
    ArgumentCheck check(args, "expect menu \"MENU\" \"ITEM\" \"TITLE\" enabled|disabled");
    int state = 0;
    std::string title;
    if (!check.Count(4) || !check.Text(2, title) || !check.Choice(3, {"enabled", "disabled"}, state))
        return check.Error();
    NSMenuItem* item = nil;
    const Outcome found = FindItem(context, args, &item);
    if (found.kind != Outcome::kDone)
        return found;
    const std::string expected = qzscript::Quote(title) + (state == 0 ? " enabled" : " disabled");
    const std::string got = qzscript::Quote([[item title] UTF8String]) + ([item isEnabled] ? " enabled" : " disabled");
    return expected == got ? Outcome::Done() : Outcome::Expected(expected, got);
}

Outcome RunDialog(WindowContext& context, const CommandArguments& args)
{
    ArgumentCheck check(args, "dialog \"TEXT\"|cancel");
    if (!check.Count(1))
        return check.Error();
    const bool cancel = args[0].text == "cancel" && !args[0].quoted;
    [context.controller queueTextAnswer:cancel ? nil : Text(args[0].text)];
    return Outcome::Done();
}

const WindowCommand kWindowCommands[] = {
    {"dialog", "", RunDialog},
    {"drag", "", RunDrag},
    {"menu", "", RunMenu},
    {"wait", "", RunWait},
    {"expect", "names", RunExpectNames},
    {"expect", "cells", RunExpectCells},
    {"expect", "menu", RunExpectMenu},
};

/* The window command of a line and the words its name takes; null for the
   commands of the script language. */
const WindowCommand* FindWindowCommand(const qzscript::Line& line, size_t* pNameWords)
{
    for (size_t i = 0; i < sizeof kWindowCommands / sizeof kWindowCommands[0]; ++i) {
        const WindowCommand& command = kWindowCommands[i];
        const bool two = *command.second != 0;
        if (line.words.empty() || line.words[0].text != command.first)
            continue;
        if (two && (line.words.size() < 2 || line.words[1].text != command.second))
            continue;
        *pNameWords = two ? 2 : 1;
        return &command;
    }
    return nullptr;
}

} // namespace

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
    _pLines = new std::vector<qzscript::Line>(lines);
    _pName = new std::string(name);
    _pErrors = pErrors;
    return self;
}

- (void)dealloc
{
    [NSObject cancelPreviousPerformRequestsWithTarget:self];
    delete _pLines;
    delete _pName;
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

- (int)status
{
    return _status;
}

- (int)lastLine
{
    return _lastLine;
}

- (Outcome)runLine:(const qzscript::Line&)line pause:(double*)pPause
{
    size_t nameWords = 0;
    const WindowCommand* command = FindWindowCommand(line, &nameWords);
    /* A line of the script language runs as the terminal runs it; the
       window then follows the host on its own, as for a person. */
    if (!command)
        return RunSessionLine(*[_controller session].session, line);
    WindowContext context = {_controller, 0};
    const CommandArguments args(line.words.begin() + static_cast<long>(nameWords), line.words.end());
    const Outcome outcome = command->run(context, args);
    *pPause = context.pause;
    return outcome;
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
    double pause = 0;
    const Outcome outcome = [self runLine:line pause:&pause];
    if (outcome.kind != Outcome::kDone) {
        *_pErrors << *_pName << ":" << line.number << ": " << outcome.message << "\n";
        _pErrors->flush();
        _status = outcome.kind == Outcome::kFailed ? kExitFailure : kExitUsage;
        [_controller requestQuit];
        return;
    }
    [self performSelector:@selector(step:) withObject:nil afterDelay:pause];
}

@end
