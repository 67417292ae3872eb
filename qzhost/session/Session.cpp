#include "qzhost/session/Session.h"

#include "common/qz_host_document.h"
#include "common/qz_staffset_panel.h"
#include "qzhost/RecordText.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace
{

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string MakeTemporaryFolder()
{
    std::string pattern = (fs::temp_directory_path() / "qzhost-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back(0);
    return mkdtemp(buffer.data()) ? std::string(buffer.data()) : std::string();
}

} // namespace

int AnswerForButton(const std::string& title)
{
    const std::string word = Lower(title);
    if (word == "ok")
        return kAnswerOK;
    if (word == "cancel")
        return kAnswerCancel;
    if (word == "yes")
        return kAnswerYes;
    if (word == "no")
        return kAnswerNo;
    return -1;
}

const char* AnswerWord(int answer)
{
    switch (answer) {
    case kAnswerOK: return "ok";
    case kAnswerCancel: return "cancel";
    case kAnswerYes: return "yes";
    case kAnswerNo: return "no";
    case kAnswerFile: return "file";
    default: return "?";
    }
}

Session::Session() = default;

Session::~Session() { Finish(); }

bool Session::Start(bool userPreferences, bool filesInWorkFolder, std::string& error)
{
    _filesInWorkFolder = filesInWorkFolder;
    std::string missing;
    std::ostringstream diagnostics;
    if (!_modules.LoadEngine(diagnostics)) {
        error = "the host engine is not available: " + diagnostics.str();
        return false;
    }
    if (!_host.Resolve(_modules, missing)) {
        error = "the host engine lacks the driver function " + missing;
        return false;
    }
    _host.hostsim_reset();
    _host.hostsim_set_strict(1);
    _host.hostsim_set_main_thread();
    if (userPreferences) {
        _host.hostsim_use_user_preferences();
        return true;
    }
    _workFolder = MakeTemporaryFolder();
    if (_workFolder.empty()) {
        error = "cannot make a temporary folder";
        return false;
    }
    _host.hostsim_set_folder(qz::kPreferencesFolder, _workFolder.c_str());
    return true;
}

void Session::Finish()
{
    if (_pluginLoaded && !_terminated && _modules.Entries().terminate) {
        PluginCall("FinaleExtensionTerminate", [this] { _modules.Entries().terminate(); });
        SetInvoked(false);
    }
    if (!_workFolder.empty()) {
        std::error_code ignored;
        fs::remove_all(_workFolder, ignored);
        _workFolder.clear();
    }
}

bool Session::HostProfileLocked() const { return _pluginLoaded || _host.hostsim_current_document() != 0; }

bool Session::LoadPlugin(const std::string& path, std::string& error)
{
    if (_pluginLoaded) {
        error = "a plug-in module is loaded already";
        return false;
    }
    if (!_modules.LoadPlugin(path, error))
        return false;
    _pluginLoaded = true;
    _editDepth = static_cast<const int32_t*>(_modules.PluginSymbol("FinaleEditDepth"));
    const PluginEntryPoints& entries = _modules.Entries();
    std::string missing;
    if (_ui.Resolve(_modules, missing)) {
        _ui.qzui_set_alert_callback(&Session::OnAlert, this);
        _ui.qzui_set_beep_callback(&Session::OnBeep, this);
        _ui.qzui_set_log_callback(&Session::OnLog, this);
        _ui.qzui_set_file_callback(&Session::OnFileDialog, this);
    }
    else {
        _ui = UiDriver();
        Event("the module has no headless user interface (" + missing + " missing)");
    }
    std::vector<unsigned char> record(FX_ENUM_RECORD_SIZE);
    const uint32_t profile = _host.hostsim_profile();
    PluginCall("start-up", [&] {
        char programName[] = "qzhost";
        char* argv[] = {programName, nullptr};
        entries.main(1, argv);
        entries.version(profile);
        uint8_t flags = 0;
        entries.init(nullptr, &flags);
        if (entries.enumerate(nullptr, 0, record.data()))
            _menuText = RecordText::FromBytes(record.data(), FX_ENUM_TEXT_BYTES);
        entries.getMenuStatus();
    });
    return true;
}

void Session::PluginCall(const char* what, const std::function<void()>& call)
{
    _host.hostsim_begin_plugin_call(what);
    ++_pluginCalls;
    call();
    --_pluginCalls;
    _host.hostsim_end_plugin_call(_editDepth ? *_editDepth : -1);
}

int Session::PanelWindow() const { return _ui.qzui_find_window ? _ui.qzui_find_window(qz::kPanelLayout) : 0; }

std::string Session::ResolvePath(const std::string& path) const
{
    if (path.empty() || fs::path(path).is_absolute() || _workFolder.empty() || !_filesInWorkFolder)
        return path;
    return (fs::path(_workFolder) / path).string();
}

std::string Session::PreferencesFolder() const { return _host.hostsim_folder(qz::kPreferencesFolder); }

std::string Session::TakeActionProblem()
{
    std::string problem;
    problem.swap(_actionProblem);
    return problem;
}

std::string Session::TakeViolations()
{
    std::string text;
    const size_t count = _host.hostsim_violation_count(HOSTSIM_SEVERITY_INFO);
    for (; _violationsSeen < count; ++_violationsSeen) {
        hostsim_violation violation{};
        if (_host.hostsim_violation_at(_violationsSeen, &violation) && violation.severity >= HOSTSIM_SEVERITY_WARNING)
            text += std::string(text.empty() ? "" : "\n") + violation.text;
    }
    return text;
}

int Session::AnswerAlert(const AlertRecord& alert)
{
    const int byDefault = alert.buttons.empty() ? kAnswerOK : AnswerForButton(alert.buttons.front());
    if (!_answers.empty()) {
        const int answer = _answers.front().code;
        _answers.pop_front();
        for (const std::string& button : alert.buttons)
            if (AnswerForButton(button) == answer)
                return answer;
        _actionProblem = "the alert \"" + alert.title + "\" has no button '" + AnswerWord(answer) + "'";
        return byDefault;
    }
    if (_asker)
        return _asker(alert);
    return byDefault < 0 ? kAnswerOK : byDefault;
}

int Session::OnAlert(void* context, int kind, const char* title, const char* message, const char* const* buttons,
                     int count)
{
    auto* session = static_cast<Session*>(context);
    AlertRecord alert;
    alert.kind = kind;
    alert.title = title ? title : "";
    alert.message = message ? message : "";
    for (int i = 0; buttons && i < count; ++i)
        alert.buttons.push_back(buttons[i] ? buttons[i] : "");
    alert.answer = session->AnswerAlert(alert);
    session->_alerts.push_back(alert);
    session->Event("alert \"" + alert.title + "\" answered " + AnswerWord(alert.answer));
    return alert.answer;
}

int Session::AnswerFileDialog(const FileDialogRecord& dialog, std::string& path)
{
    if (!_answers.empty()) {
        const QueuedAnswer answer = _answers.front();
        _answers.pop_front();
        if (answer.code == kAnswerFile) {
            path = answer.path;
            return QZUI_FILE_CHOSEN;
        }
        if (answer.code != kAnswerCancel)
            NoteFileProblem(dialog, std::string("cannot take the answer '") + AnswerWord(answer.code) + "'");
        return QZUI_FILE_CANCEL;
    }
    if (_fileAsker)
        return _fileAsker(dialog, path);
    NoteFileProblem(dialog, "had no answer");
    return QZUI_FILE_CANCEL;
}

void Session::NoteFileProblem(const FileDialogRecord& dialog, const std::string& problem)
{
    /* The first problem of a command is the one reported. */
    if (_actionProblem.empty())
        _actionProblem =
            "the file dialog \"" + dialog.title + "\" " + problem + " (answer file \"PATH\" or answer cancel)";
}

int Session::OnFileDialog(void* context, int what, const char* title, const char* name, const char* extension,
                          const char** path)
{
    auto* session = static_cast<Session*>(context);
    FileDialogRecord dialog;
    dialog.save = what == QZUI_FILE_SAVE;
    dialog.title = title ? title : "";
    dialog.name = name ? name : "";
    dialog.extension = extension ? extension : "";
    std::string chosen;
    const int answer = session->AnswerFileDialog(dialog, chosen);
    std::string event = std::string(dialog.save ? "save" : "open") + " file dialog \"" + dialog.title + "\" ";
    if (answer == QZUI_FILE_CHOSEN) {
        session->_chosenPath = session->ResolvePath(chosen);
        *path = session->_chosenPath.c_str();
        event += "answered \"" + session->_chosenPath + "\"";
    }
    else
        event += answer == QZUI_FILE_ASK_USER ? "shown" : "cancelled";
    session->Event(event);
    return answer;
}

void Session::OnBeep(void* context)
{
    auto* session = static_cast<Session*>(context);
    ++session->_beeps;
    session->Event("beep");
}

void Session::OnLog(void* context, const char* line)
{
    static_cast<Session*>(context)->Event(std::string("system log: ") + (line ? line : ""));
}

void Session::Event(const std::string& line)
{
    _events.push_back(line);
    if (_notice)
        _notice(line);
}
