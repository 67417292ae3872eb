#ifndef FRAMEWORK_UI_FCCTRLSWITCHER_H
#define FRAMEWORK_UI_FCCTRLSWITCHER_H

#include <cstdint>

#include "ui/FCControl.h"
#include "strings/FCStrings.h"
#include "core/__FCCollection.h"

/* A page selector (a segmented control). Each page has a title and a list of
 * attached control IDs; selecting a page shows the controls attached to it
 * and hides those attached to other pages, leaving all others alone.
 *
 * Off screen the titles and the selected page are kept; at load the titles
 * are added as pages, then the stored page is selected, or page 0 when the
 * control was created in code. */
class FCCtrlSwitcher : public FCControl
{
    __FCCollection _pageids; /* one FCNumbers per page, owned */
    FCStrings _pagetitles;
    bool _pagetitlesassigned;
    int32_t _selectedpage;
    bool _selectedpageset;

public:
    explicit FCCtrlSwitcher(int controlID);

    int _GetControlType() const override;
    float _GetAutoCreateWidth() const override;
    void _InitNonWindowHandleStates() override;
    void _StoreNonWindowHandleStates() override;

    /* Adds a page (a null title gives an empty one); returns the number of
       pages. */
    int AddPage(FCString* pTitle);
    int GetPageCount();
    /* A page outside the pages does nothing. */
    void SetSelectedPage(int page);
    /* On screen -1 when no segmented element has the ID. */
    int GetSelectedPage();
    /* Attaches a control of the same window to a page (once). False for a
       null control, ID 0, the switcher itself, a control of another window
       or a page outside the pages. */
    bool AttachControl(FCControl* pControl, int page);
    /* Shows the controls attached to the page and hides those attached to
       other pages; nothing for a page outside the pages. */
    void HandleVisibleStates(int page);

    /* True when the control's ID is attached to the page. */
    bool IsAttached(int controlID, int page) const;

private:
    bool _IsPage(int page) const;
};

#endif
