/* The file callback of the driver and the outlet that asks it. */
#include "ui/bridge/FileChoiceRuntime.h"

#include <cstdio>

#include "ui/bridge/BridgeRuntime.h"
#include "ui/driver/qzui_driver.h"

namespace
{
qzui::Hook<qzui_file_fn>& FileHook()
{
    static qzui::Hook<qzui_file_fn> hook;
    return hook;
}

const char* OrEmpty(const char* text) { return text ? text : ""; }
} // namespace

void qzui_set_file_callback(qzui_file_fn fn, void* context)
{
    BridgeRuntime::AttachDriver();
    FileHook().Set(fn, context);
}

namespace qzui
{
int ReportFileChoice(int what, const char* title, const char* name, const char* extension, std::string* pPath)
{
    const Hook<qzui_file_fn>& hook = FileHook();
    if (!hook.fn) {
        /* Nothing is asked silently: without a driver the dialog goes to
           standard error, cancelled. */
        std::fprintf(stderr, "[file] %s %s: %s (cancelled)\n", what == QZUI_FILE_SAVE ? "save" : "open", OrEmpty(title),
                     OrEmpty(name));
        return QZUI_FILE_CANCEL;
    }
    const char* path = nullptr;
    const int answer = hook.fn(hook.context, what, OrEmpty(title), OrEmpty(name), OrEmpty(extension), &path);
    if (answer == QZUI_FILE_ASK_USER)
        return answer;
    if (answer != QZUI_FILE_CHOSEN || !path || !*path)
        return QZUI_FILE_CANCEL;
    if (pPath)
        *pPath = path;
    return QZUI_FILE_CHOSEN;
}
} // namespace qzui
