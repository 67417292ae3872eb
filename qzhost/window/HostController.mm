#import "qzhost/window/HostController.h"

#import "qzhost/window/HostMenus.h"
#import "qzhost/window/ScoreGridView.h"
#import "qzhost/window/ScoreWindow.h"
#import "qzhost/window/TextDialog.h"

#include "qzhost/session/Session.h"
#include "qzhost/window/ScoreReader.h"

#include <ostream>
#include <string>

namespace
{
/* How often the window looks for changes it did not make itself. */
const NSTimeInterval kFollowInterval = 0.1;
/* The most real time one step of the plug-in's clock makes up for: after a
   long stall (a modal run, a suspended process) missed ticks are dropped. */
const long long kLongestClockStep = 400;

qzscript::Line LineOf(const std::vector<std::string>& words)
{
    qzscript::Line line;
    for (size_t i = 0; i < words.size(); ++i) {
        qzscript::Word word;
        word.text = words[i];
        line.words.push_back(word);
    }
    return line;
}
} // namespace

@implementation QZHostController

- (id)initWithSession:(SessionRef)session errors:(std::ostream*)pErrors
{
    self = [super init];
    if (!self)
        return nil;
    _session = session;
    _pErrors = pErrors;
    _pShown = nullptr;
    _pLastOutcome = new Outcome();
    _textAnswers = [[NSMutableArray alloc] init];
    _scoreWindow = [[QZHostScoreWindow alloc] initWithDelegate:self];
    _menus = [[QZHostMenus alloc] initWithTarget:self];
    return self;
}

- (void)dealloc
{
    [self stop];
    [_scoreWindow release];
    [_menus release];
    [_textAnswers release];
    delete _pShown;
    delete _pLastOutcome;
    [super dealloc];
}

- (void)start
{
    [NSApp setMainMenu:[_menus mainMenu]];
    [[_menus mainMenu] display];
    [self refresh];
    [[_scoreWindow window] makeKeyAndOrderFront:nil];
    _clockTime = [NSDate timeIntervalSinceReferenceDate];
    if (!_refreshTimer)
        _refreshTimer = [[NSTimer scheduledTimerWithTimeInterval:kFollowInterval
                                                          target:self
                                                        selector:@selector(follow:)
                                                        userInfo:nil
                                                         repeats:YES] retain];
}

- (void)stop
{
    [_refreshTimer invalidate];
    [_refreshTimer release];
    _refreshTimer = nil;
    [[_scoreWindow window] orderOut:nil];
}

- (BOOL)quitRequested
{
    return _quit;
}

- (void)requestQuit
{
    _quit = YES;
    /* Wakes the event loop, which is waiting for the next event. */
    NSEvent* wake = [NSEvent otherEventWithType:NSApplicationDefined
                                       location:NSZeroPoint
                                  modifierFlags:0
                                      timestamp:0
                                   windowNumber:0
                                        context:nil
                                        subtype:0
                                          data1:0
                                          data2:0];
    [NSApp postEvent:wake atStart:NO];
}

- (void)refresh
{
    const ScoreModel model = ScoreReader::Read(*_session.session);
    if (_pShown && *_pShown == model)
        return;
    if (!_pShown)
        _pShown = new ScoreModel();
    *_pShown = model;
    [_scoreWindow showModel:model];
    [_menus showModel:model];
}

/* The plug-in's timers run on the clock its driver moves (a host's clock,
   as the script language's wait moves it): here it follows real time, each
   step one plug-in call the host checks. */
- (void)moveClock
{
    const NSTimeInterval now = [NSDate timeIntervalSinceReferenceDate];
    long long elapsed = static_cast<long long>((now - _clockTime) * 1000.0);
    if (elapsed <= 0)
        return;
    _clockTime = now;
    if (!_session.session->PluginLoaded() || !_session.session->Ui().qzui_advance_clock)
        return;
    if (elapsed > kLongestClockStep)
        elapsed = kLongestClockStep;
    std::vector<std::string> words(1, "wait");
    words.push_back(std::to_string(elapsed));
    const Outcome outcome = RunSessionLine(*_session.session, LineOf(words));
    if (outcome.kind != Outcome::kDone && _pErrors)
        *_pErrors << "qzhost: the panel's timers: " << outcome.message << "\n";
}

- (void)follow:(NSTimer*)timer
{
    (void)timer;
    /* A plug-in call that runs the run loop (a button's click does) must
       end before the host is read. */
    if (_session.session->InPluginCall())
        return;
    if (_session.session->QuitRequested())
        [self requestQuit];
    [self moveClock];
    [self refresh];
}

- (Outcome)runWords:(const std::vector<std::string>&)words
{
    return [self runLine:LineOf(words)];
}

- (Outcome)runLine:(const qzscript::Line&)line
{
    const Outcome outcome = RunSessionLine(*_session.session, line);
    if (_session.session->QuitRequested())
        [self requestQuit];
    [self refresh];
    return outcome;
}

- (Outcome)takeLastOutcome
{
    const Outcome outcome = *_pLastOutcome;
    *_pLastOutcome = Outcome();
    return outcome;
}

- (void)queueTextAnswer:(NSString*)text
{
    [_textAnswers addObject:text ? (id)text : (id)[NSNull null]];
}

- (void)setScripted:(BOOL)scripted
{
    _scripted = scripted;
}

/* The queued answer, else the user's in a dialog (nil for Cancel). */
- (NSString*)askTextWithTitle:(NSString*)title prompt:(NSString*)prompt
{
    if ([_textAnswers count] > 0) {
        id answer = [[[_textAnswers objectAtIndex:0] retain] autorelease];
        [_textAnswers removeObjectAtIndex:0];
        return answer == [NSNull null] ? nil : answer;
    }
    return _scripted ? nil : [QZHostTextDialog askWithTitle:title prompt:prompt];
}

- (SessionRef)session
{
    return _session;
}

- (QZHostScoreWindow*)scoreWindow
{
    return _scoreWindow;
}

- (QZHostMenus*)menus
{
    return _menus;
}

/* A user action: its problem, if any, is kept for a script and told. */
- (void)act:(const std::vector<std::string>&)words
{
    *_pLastOutcome = [self runWords:words];
    if (_pLastOutcome->kind != Outcome::kDone && _pErrors) {
        *_pErrors << "qzhost: " << _pLastOutcome->message << "\n";
        _pErrors->flush();
    }
}

- (void)invokePlugin:(id)sender
{
    (void)sender;
    [self act:std::vector<std::string>(1, "invoke")];
}

- (void)undo:(id)sender
{
    (void)sender;
    [self act:std::vector<std::string>(1, "undo")];
}

- (void)redo:(id)sender
{
    (void)sender;
    [self act:std::vector<std::string>(1, "redo")];
}

- (void)showAllStaves:(id)sender
{
    (void)sender;
    std::vector<std::string> words;
    words.push_back("view");
    words.push_back("all");
    [self act:words];
}

- (void)showStaffSet:(id)sender
{
    std::vector<std::string> words;
    words.push_back("view");
    words.push_back(std::to_string([sender tag]));
    [self act:words];
}

- (void)newExpressionCategory:(id)sender
{
    (void)sender;
    NSString* name = [self askTextWithTitle:@"New Expression Category" prompt:@"Name of the new category:"];
    if ([name length] == 0)
        return;
    std::vector<std::string> words;
    words.push_back("category");
    words.push_back("add");
    words.push_back([name UTF8String]);
    [self act:words];
}

- (void)quit:(id)sender
{
    (void)sender;
    [self requestQuit];
}

- (void)gridSelectedFromRow:(int)fromRow measure:(int)fromMeasure toRow:(int)toRow measure:(int)toMeasure
{
    if (!_pShown || fromRow < 0 || toRow < 0)
        return;
    const ScoreSelection selection =
        _pShown->DragSelection(static_cast<size_t>(fromRow), fromMeasure, static_cast<size_t>(toRow), toMeasure);
    if (selection.Empty()) {
        *_pLastOutcome = Outcome::Error("the dragged cells are not staves of the current part");
        return;
    }
    [self act:ScoreReader::SelectWords(selection)];
}

/* Closing the score window ends the session, as quitting does. */
- (void)windowWillClose:(NSNotification*)notification
{
    (void)notification;
    [self requestQuit];
}

@end
