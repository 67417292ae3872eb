#ifndef FRAMEWORK_UI_HEADLESS_QZUI_HOOKS_H
#define FRAMEWORK_UI_HEADLESS_QZUI_HOOKS_H

/* The headless platform's outlets for what the user would see or hear outside
 * a window: alerts, beeps and system-log lines. Each goes to the callback a
 * driver registered (qzui_driver.h). */
namespace qzui
{
/* Shows an alert of a kind QZUI_ALERT_... (qzui_driver.h; texts in UTF-8, buttons in order, the first the default)
   and returns the driver's answer code; without a driver callback the alert
   is written to standard error and the answer is defaultAnswer. */
int ReportAlert(int kind, const char* title, const char* message, const char* const* buttons, int buttonCount,
                int defaultAnswer);
/* Counts a beep and tells the driver. */
void ReportBeep();
/* Hands a system-log line to the driver (to standard error without one). */
void ReportSystemLog(const char* line);

/* A driver callback with its context, as each bridge keeps them. */
template <class Fn>
struct Hook
{
    Fn fn = nullptr;
    void* context = nullptr;

    void Set(Fn newFn, void* newContext)
    {
        fn = newFn;
        context = newContext;
    }
};
} // namespace qzui

#endif
