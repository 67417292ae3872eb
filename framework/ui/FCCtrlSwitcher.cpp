#include "ui/FCCtrlSwitcher.h"

#include "strings/FCNumber.h"
#include "strings/FCNumbers.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/__FCUserWindow.h"

namespace
{
FCNumbers* PageIDs(const __FCCollection& pages, int page) { return static_cast<FCNumbers*>(pages.GetItemAt(page)); }
} // namespace

FCCtrlSwitcher::FCCtrlSwitcher(int controlID)
    : FCControl(controlID), _pagetitlesassigned(false), _selectedpage(-1), _selectedpageset(false)
{
}

int FCCtrlSwitcher::_GetControlType() const { return CTRLTYPE_SWITCHER; }
float FCCtrlSwitcher::_GetAutoCreateWidth() const { return 200; }

void FCCtrlSwitcher::_InitNonWindowHandleStates()
{
    FCControl::_InitNonWindowHandleStates();
    if (!_IsOnScreen())
        return;
    _FCWindowController_cocoa* pBridge = _GetBridge();
    const int id = GetControlID();
    if (_pagetitlesassigned)
        for (int i = 0; i < _pagetitles.GetCount(); ++i)
            pBridge->SwitcherAddPage(id, _pagetitles.GetItemAt(i));
    if (_selectedpageset)
        pBridge->SwitcherSetSelectedPage(id, _selectedpage);
    else if (_IsCreateInCode())
        pBridge->SwitcherSetSelectedPage(id, 0);
}

void FCCtrlSwitcher::_StoreNonWindowHandleStates()
{
    FCControl::_StoreNonWindowHandleStates();
    if (_IsOnScreen())
        _selectedpage = _GetBridge()->SwitcherGetSelectedPage(GetControlID());
}

bool FCCtrlSwitcher::_IsPage(int page) const { return page >= 0 && page < _pageids.GetCount(); }

int FCCtrlSwitcher::AddPage(FCString* pTitle)
{
    FCString empty;
    FCString* pText = pTitle ? pTitle : &empty;
    if (_IsOnScreen())
        _GetBridge()->SwitcherAddPage(GetControlID(), pText);
    else {
        _pagetitles.AddCopy(pText);
        _pagetitlesassigned = true;
    }
    return _pageids.Add(new FCNumbers());
}

int FCCtrlSwitcher::GetPageCount()
{
    return _IsOnScreen() ? _GetBridge()->SwitcherGetPageCount(GetControlID()) : _pageids.GetCount();
}

void FCCtrlSwitcher::SetSelectedPage(int page)
{
    if (_IsOnScreen()) {
        /* The element ignores a page it does not have. */
        _GetBridge()->SwitcherSetSelectedPage(GetControlID(), page);
        return;
    }
    if (!_IsPage(page))
        return;
    _selectedpage = page;
    _selectedpageset = true;
}

int FCCtrlSwitcher::GetSelectedPage()
{
    return _IsOnScreen() ? _GetBridge()->SwitcherGetSelectedPage(GetControlID()) : _selectedpage;
}

bool FCCtrlSwitcher::AttachControl(FCControl* pControl, int page)
{
    if (!pControl || pControl->GetControlID() == 0 || pControl->GetControlID() == GetControlID())
        return false;
    if (pControl->GetParent() != GetParent() || !_IsPage(page))
        return false;
    PageIDs(_pageids, page)->AddUniqueInt(pControl->GetControlID());
    return true;
}

bool FCCtrlSwitcher::IsAttached(int controlID, int page) const
{
    return _IsPage(page) && PageIDs(_pageids, page)->FindInt(controlID) != nullptr;
}

void FCCtrlSwitcher::HandleVisibleStates(int page)
{
    __FCUserWindow* pWindow = GetParent();
    if (!_IsPage(page) || !pWindow)
        return;
    for (int i = 0; i < pWindow->GetCount(); ++i) {
        auto* pControl = static_cast<FCControl*>(pWindow->GetItemAt(i));
        if (!pControl)
            continue;
        const int id = pControl->GetControlID();
        if (IsAttached(id, page)) {
            pControl->SetVisible(true);
            continue;
        }
        for (int other = 0; other < _pageids.GetCount(); ++other) {
            if (other == page || !IsAttached(id, other))
                continue;
            pControl->SetVisible(false);
            break;
        }
    }
}
