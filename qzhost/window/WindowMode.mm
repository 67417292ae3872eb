#import "qzhost/window/WindowMode.h"

#import "qzhost/window/HostController.h"
#import "qzhost/window/WindowScript.h"

#include "qzhost/CommandRegistry.h"
#include "qzhost/session/Session.h"

#include <X11/Xlib.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <sstream>

namespace
{

volatile std::sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) { gInterrupted = 1; }

/* Ctrl-C, a hang-up or a termination ends the run as quitting does, so that
   the plug-in is terminated and its preferences saved. */
void CatchInterrupts()
{
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    const int signals[] = {SIGINT, SIGHUP, SIGTERM};
    for (size_t i = 0; i < sizeof signals / sizeof signals[0]; ++i)
        sigaction(signals[i], &action, nullptr);
}

void StartApplication()
{
    /* Set up before the application object: without a window manager
       (Xvfb) GNUstep draws the title bars itself, as the panel's bridge
       expects; the menus go in a bar at the top of the screen; no
       application icon window. Registered defaults are never written. */
    NSDictionary* defaults = [NSDictionary
        dictionaryWithObjectsAndKeys:@"NO", @"GSX11HandlesWindowDecorations", @"NSMacintoshInterfaceStyle",
                                     @"NSMenuInterfaceStyle", @"YES", @"GSSuppressAppIcon", nil];
    [[NSUserDefaults standardUserDefaults] registerDefaults:defaults];
    [NSApplication sharedApplication];
}

/* An alert of the plug-in, asked in an alert panel: its buttons in order
   (the first is the default). */
int AskWithPanel(const AlertRecord& alert)
{
    NSString* buttons[3] = {nil, nil, nil};
    for (size_t i = 0; i < 3 && i < alert.buttons.size(); ++i)
        buttons[i] = [NSString stringWithUTF8String:alert.buttons[i].c_str()];
    const NSInteger pressed =
        NSRunAlertPanel([NSString stringWithUTF8String:alert.title.c_str()], @"%@", buttons[0], buttons[1], buttons[2],
                        [NSString stringWithUTF8String:alert.message.c_str()]);
    size_t index = 0;
    if (pressed == NSAlertAlternateReturn)
        index = 1;
    if (pressed == NSAlertOtherReturn)
        index = 2;
    const int answer = index < alert.buttons.size() ? AnswerForButton(alert.buttons[index]) : -1;
    return answer >= 0 ? answer : kAnswerOK;
}

bool ReadScript(const std::string& script, std::vector<qzscript::Line>& lines, std::ostream& err)
{
    std::ostringstream text;
    if (script == "-")
        text << std::cin.rdbuf();
    else {
        std::ifstream in(script, std::ios::binary);
        if (!in) {
            err << script << ": cannot read the script\n";
            return false;
        }
        text << in.rdbuf();
    }
    qzscript::Error error;
    if (qzscript::ParseScript(text.str(), lines, error))
        return true;
    err << script << ":" << error.line << ": " << error.message << "\n";
    return false;
}

/* Hands events to the application until the controller is told to quit. */
void RunEvents(QZHostController* controller)
{
    while (![controller quitRequested]) {
        NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
        NSEvent* event = [NSApp nextEventMatchingMask:NSAnyEventMask
                                            untilDate:[NSDate dateWithTimeIntervalSinceNow:0.25]
                                               inMode:NSDefaultRunLoopMode
                                              dequeue:YES];
        if (event)
            [NSApp sendEvent:event];
        [NSApp updateWindows];
        if (gInterrupted)
            [controller requestQuit];
        [pool release];
    }
}

} // namespace

namespace WindowMode
{

const char* const kNoDisplay = "no display: run under xvfb-run, or use the terminal mode";

bool DisplayAvailable()
{
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name)
        return false;
    Display* display = XOpenDisplay(name);
    if (!display)
        return false;
    XCloseDisplay(display);
    return true;
}

int Run(Session& session, const std::string& script, std::ostream& out, std::ostream& err)
{
    std::vector<qzscript::Line> lines;
    if (!script.empty() && !ReadScript(script, lines, err))
        return kExitUsage;
    NSAutoreleasePool* pool = [[NSAutoreleasePool alloc] init];
    StartApplication();
    CatchInterrupts();
    SetSessionCommandMode(CommandMode::kWindow);
    if (script.empty()) {
        out << "Window mode: pick \"" << session.MenuText()
            << "\" in the Plug-ins menu; Quit in the qzhost menu or closing the score window ends the session\n";
        out.flush();
        session.SetAlertAsker(AskWithPanel);
        /* The plug-in shows its own save and open panels. */
        session.SetFileAsker([](const FileDialogRecord&, std::string&) { return QZUI_FILE_ASK_USER; });
        session.SetNotice([&out](const std::string& line) {
            out << (line == "beep" ? "*** beep ***" : line) << "\n";
            out.flush();
        });
    }
    QZHostController* controller = [[QZHostController alloc] initWithSession:SessionRef{&session} errors:&err];
    [controller start];
    QZHostWindowScript* player = nil;
    if (!script.empty()) {
        player = [[QZHostWindowScript alloc] initWithController:controller
                                                          lines:lines
                                                           name:script == "-" ? "stdin" : script
                                                         errors:&err];
        [player start];
    }
    RunEvents(controller);
    const int status = player ? [player status] : kExitOK;
    [player stop];
    [player release];
    [controller stop];
    [controller release];
    /* The plug-in's shut-down closes its windows: inside the pool. */
    session.Finish();
    [pool release];
    return status;
}

} // namespace WindowMode
