#include "ui/FCCustomWindow.h"

#include <algorithm>

#include "ui/FCControl.h"

namespace
{
constexpr int kOkID = 1;
constexpr int kCancelID = 2;
constexpr float kMargin = 20;
constexpr float kButtonGap = 12;

float Whole(float value) { return static_cast<float>(static_cast<int>(value)); }

/* Bounding box of the controls other than OK and Cancel. */
struct Extent
{
    bool any = false;
    float left = 0, top = 0, right = 0, bottom = 0;

    void Include(FCControl* pControl)
    {
        float l = pControl->GetLeft(), t = pControl->GetTop();
        float r = l + pControl->GetWidth(), b = t + pControl->GetHeight();
        if (!any) {
            any = true;
            left = l, top = t, right = r, bottom = b;
            return;
        }
        left = std::min(left, l);
        top = std::min(top, t);
        right = std::max(right, r);
        bottom = std::max(bottom, b);
    }
};
} // namespace

FCCustomWindow::FCCustomWindow(int layoutID) : FCResourceWindow(layoutID) {}

bool FCCustomWindow::_AllLaidOutByWindow() const
{
    if (GetCount() == 0)
        return false;
    for (int i = 0; i < GetCount(); ++i) {
        auto* pControl = static_cast<FCControl*>(GetItemAt(i));
        if (!pControl || !pControl->_IsLaidOutByWindow())
            return false;
    }
    return true;
}

void FCCustomWindow::_InitNonWindowHandleStates()
{
    FCResourceWindow::_InitNonWindowHandleStates();
    if (WindowExists() && _AllLaidOutByWindow())
        _LayOut();
}

void FCCustomWindow::_LayOut()
{
    FCControl* pOk = FindControl(kOkID);
    FCControl* pCancel = FindControl(kCancelID);

    float buttonHeight = pCancel ? Whole(pCancel->GetHeight()) : (pOk ? Whole(pOk->GetHeight()) : 0);
    float band = buttonHeight != 0 ? buttonHeight + kMargin : 0;

    Extent extent;
    for (int i = 0; i < GetCount(); ++i) {
        auto* pControl = static_cast<FCControl*>(GetItemAt(i));
        if (pControl != pOk && pControl != pCancel)
            extent.Include(pControl);
    }

    float rowWidth = (pOk ? pOk->GetWidth() : 0) + (pCancel ? pCancel->GetWidth() : 0);
    if (pOk && pCancel)
        rowWidth += kButtonGap;

    float shiftX = kMargin - extent.left;
    float contentWidth = std::max(rowWidth, extent.right - extent.left);
    if (_IsClientWidthSet()) {
        shiftX = kMargin;
        contentWidth = GetClientWidth();
    }
    float contentHeight = extent.bottom - extent.top;
    float extraShift = extent.bottom - GetClientHeight();
    if (_IsClientHeightSet()) {
        contentHeight = GetClientHeight();
        extraShift = 0;
    }

    for (int i = 0; i < GetCount(); ++i) {
        auto* pControl = static_cast<FCControl*>(GetItemAt(i));
        pControl->MoveRelative(shiftX, -(band + kMargin + extraShift));
    }
    SetClientWidth(contentWidth + 2 * kMargin);
    SetClientHeight(contentHeight + 2 * kMargin + band);

    float clientWidth = GetClientWidth();
    float clientHeight = GetClientHeight();
    if (pOk) {
        pOk->SetTop(clientHeight - kMargin - pOk->GetHeight());
        pOk->SetLeft(clientWidth - kMargin - pOk->GetWidth());
    }
    if (pCancel) {
        pCancel->SetTop(clientHeight - kMargin - pCancel->GetHeight());
        float left =
            pOk ? pOk->GetLeft() - (pCancel->GetWidth() + kButtonGap) : clientWidth - kMargin - pCancel->GetWidth();
        pCancel->SetLeft(left);
    }
}
