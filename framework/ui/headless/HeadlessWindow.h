#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSWINDOW_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSWINDOW_H

#include <memory>
#include <string>

#include "ui/driver/qzui_driver.h"
#include "ui/headless/HeadlessElement.h"

/* One loaded headless window: the platform frame (screen coordinates, origin
 * bottom-left of the primary screen), the title bar, the content view with
 * its element tree and the window's visible state. */
class HeadlessWindow
{
public:
    int layoutID = 0;
    std::u16string title;
    float x = 0, y = 0, width = 0, height = 0;
    float maxWidth = 0, maxHeight = 0; /* 0: unlimited */
    bool visible = false;
    int focusTag = 0; /* tag of the element holding the keyboard focus */
    std::unique_ptr<HeadlessElement> content;

    /* A titled window's title bar and the primary screen, in points. */
    static constexpr float kTitleBarHeight = QZUI_TITLE_BAR_HEIGHT;
    static constexpr float kScreenWidth = QZUI_SCREEN_WIDTH;
    static constexpr float kScreenHeight = QZUI_SCREEN_HEIGHT;

    float ContentHeight() const { return height - kTitleBarHeight; }
    /* Keeps the content view (every loaded window has one) in step with the
       frame. */
    void SyncContent()
    {
        content->width = width;
        content->height = ContentHeight();
    }
};

#endif
