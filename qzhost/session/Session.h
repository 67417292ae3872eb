#ifndef QZHOST_SESSION_H
#define QZHOST_SESSION_H

/* One host session: the engine and the plug-in module loaded as the host
   loads them, the documents, the preferences folder, and what the user saw
   and heard (alerts, beeps, system-log lines). Commands of the script
   language (SessionCommand.h) act on it. */

#include "qzhost/session/HostEngine.h"
#include "qzhost/ModuleHost.h"
#include "qzhost/session/UiDriver.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

/* Answer codes of the user-interface services. */
enum AlertAnswer
{
    kAnswerOK = 0,
    kAnswerCancel = 1,
    kAnswerYes = 2,
    kAnswerNo = 3,
    kAnswerFile = 4 /* a path, for a file dialog */
};

struct AlertRecord
{
    int kind = 0;
    std::string title;
    std::string message;
    std::vector<std::string> buttons; /* the first is the default */
    int answer = kAnswerOK;
};

/* A file dialog of the plug-in: a file to write or to read. */
struct FileDialogRecord
{
    bool save = true;
    std::string title;
    std::string name; /* the proposed file name, "" when none */
    std::string extension;
};

class Session
{
public:
    /* Asks the user an alert's question; returns an answer code. */
    using AlertAsker = std::function<int(const AlertRecord&)>;
    /* Asks the user for a file: QZUI_FILE_CHOSEN with the path set,
       QZUI_FILE_CANCEL, or QZUI_FILE_ASK_USER (the plug-in's own panel). */
    using FileAsker = std::function<int(const FileDialogRecord&, std::string& path)>;
    /* Called for events the user should see at once (beeps, log lines). */
    using Notice = std::function<void(const std::string&)>;

    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    /* Loads and resets the engine, strict mode on. The preferences folder is
       the user's own (userPreferences) or a new temporary folder. Relative
       file names point into that temporary folder when filesInWorkFolder,
       else to the current directory. */
    bool Start(bool userPreferences, bool filesInWorkFolder, std::string& error);
    /* Terminates the plug-in when it was invoked; removes the temporary folder. */
    void Finish();

    const HostEngine& Host() const { return _host; }

    /* Plug-in. */
    bool PluginLoaded() const { return _pluginLoaded; }
    bool LoadPlugin(const std::string& path, std::string& error);
    const PluginEntryPoints& Entries() const { return _modules.Entries(); }
    const UiDriver& Ui() const { return _ui; }
    /* Data or a function the loaded module exports for drivers; null when none. */
    void* PluginSymbol(const char* name) const { return _modules.PluginSymbol(name); }
    /* Invoked: the menu entry was picked since the last terminate. The host
       calls terminate once at the end of a session that loaded the plug-in
       (Finish) unless the session just did. */
    bool Invoked() const { return _invoked; }
    void SetInvoked(bool invoked)
    {
        _invoked = invoked;
        _terminated = !invoked;
    }
    /* The plug-in's menu entry (its menu text), read at load. */
    const std::string& MenuText() const { return _menuText; }
    bool HostProfileLocked() const;

    /* Runs one plug-in entry call or user event between the engine's checks. */
    void PluginCall(const char* what, const std::function<void()>& call);
    /* Whether a plug-in call is running: the engine's driver functions must
       wait (code that a plug-in call's run loop reaches, such as a window's
       timer, asks this first). */
    bool InPluginCall() const { return _pluginCalls > 0; }

    /* The panel's window number; 0 when it is not loaded. */
    int PanelWindow() const;

    /* Files. */
    std::string ResolvePath(const std::string& path) const;
    std::string PreferencesFolder() const;

    /* Alerts, beeps, log. */
    void QueueAnswer(int answer) { _answers.push_back({answer, std::string()}); }
    /* The path (as given) that answers the next file dialog. */
    void QueueFileAnswer(const std::string& path) { _answers.push_back({kAnswerFile, path}); }
    std::deque<AlertRecord>& RecordedAlerts() { return _alerts; }
    int Beeps() const { return _beeps; }
    const std::vector<std::string>& EventLog() const { return _events; }
    void SetAlertAsker(AlertAsker asker) { _asker = std::move(asker); }
    /* Without one, a file dialog with no queued answer is a problem (and
       cancelled). */
    void SetFileAsker(FileAsker asker) { _fileAsker = std::move(asker); }
    void SetNotice(Notice notice) { _notice = std::move(notice); }
    /* A problem met while the user interface ran (an answer the alert or
       file dialog could not take, a file dialog left unanswered); empty when
       none. Cleared by reading. */
    std::string TakeActionProblem();

    /* Strict-mode findings of the engine since the last call, one per line. */
    std::string TakeViolations();

    /* Set by the quit command. */
    bool QuitRequested() const { return _quit; }
    void RequestQuit() { _quit = true; }

private:
    static int OnAlert(void* context, int kind, const char* title, const char* message, const char* const* buttons,
                       int count);
    static int OnFileDialog(void* context, int what, const char* title, const char* name, const char* extension,
                            const char** path);
    static void OnBeep(void* context);
    static void OnLog(void* context, const char* line);
    int AnswerAlert(const AlertRecord& alert);
    int AnswerFileDialog(const FileDialogRecord& dialog, std::string& path);
    void NoteFileProblem(const FileDialogRecord& dialog, const std::string& problem);
    void Event(const std::string& line);

    ModuleHost _modules;
    HostEngine _host;
    UiDriver _ui;
    bool _pluginLoaded = false;
    bool _invoked = false;
    bool _terminated = false;
    bool _quit = false;
    std::string _menuText;
    std::string _workFolder; /* a temporary folder owned by the session, or "" */
    bool _filesInWorkFolder = false;
    struct QueuedAnswer
    {
        int code;
        std::string path; /* kAnswerFile */
    };
    std::deque<QueuedAnswer> _answers;
    std::deque<AlertRecord> _alerts;
    std::vector<std::string> _events;
    int _beeps = 0;
    AlertAsker _asker;
    FileAsker _fileAsker;
    std::string _chosenPath; /* the last file dialog's path, kept for the plug-in */
    Notice _notice;
    std::string _actionProblem;
    size_t _violationsSeen = 0;
    int _pluginCalls = 0;
    /* The plug-in's open edit depth, looked up once at load; null when it has none. */
    const int32_t* _editDepth = nullptr;
};

/* The code of an alert button's title ("Ok", "Cancel", "Yes", "No"); -1 when unknown. */
int AnswerForButton(const std::string& title);
/* The word for an answer code: "ok", "cancel", "yes", "no", "file". */
const char* AnswerWord(int answer);

#endif
