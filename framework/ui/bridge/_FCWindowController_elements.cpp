/* The bridge's texts of elements, keyboard focus, key equivalents and edit
 * fields, and the elements made in code, over the backends' primitive
 * element and window operations. */
#include <algorithm>
#include <utility>

#include "ui/FCControl.h"
#include "ui/FCCtrlCheckbox.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCCtrlLine.h"
#include "ui/FCCtrlTree.h"
#include "ui/_FCWindowController_cocoa.h"
#include "ui/bridge/WindowBackend.h"

using namespace ElementBackend;
using WindowBackend::Box;
using WindowBackend::Scope;

/* ---- Focus ---- */

/* The keyboard focus goes to the view an element is shown in (its scroll
   view); the edit focus to the text field itself. */
void _FCWindowController_cocoa::SetDlgItemKeyboardFocus(int id)
{
    if (Element element = Find(this, id, Kind::Any))
        WindowBackend::Focus(this, element, true);
}

void _FCWindowController_cocoa::SetEditFocus(int id)
{
    if (Element field = Find(this, id, Kind::TextField))
        WindowBackend::Focus(this, field, false);
}

/* ---- Texts ---- */

void _FCWindowController_cocoa::SetDlgItemText(int id, FCString* pString)
{
    Scope scope;
    if (Element element = Find(this, id, Kind::Any))
        WindowBackend::SetText(element, pString);
}

void _FCWindowController_cocoa::GetDlgItemText(int id, FCString* pString)
{
    Scope scope;
    Element element = Find(this, id, Kind::Any);
    if (element && pString)
        WindowBackend::GetText(element, pString);
}

/* A text field inside a scroll view grows to its text (and 10 points below
   it) and never shrinks below the visible area, its top edge kept there. */
void _FCWindowController_cocoa::SetDlgItemTextAndResize(int id, FCString* pString)
{
    SetDlgItemText(id, pString);
    Element field = Find(this, id, Kind::TextField);
    Box visible{0, 0, 0, 0};
    if (!field || !WindowBackend::VisibleSize(field, &visible))
        return;
    Scope scope;
    const Box text = WindowBackend::TextSize(field);
    WindowBackend::SetScrolledSize(
        field, Box{0, 0, std::max(visible.width, text.width), std::max(visible.height, text.height + 10)});
}

/* ---- Buttons and edit fields ---- */

void _FCWindowController_cocoa::ClearShortcutKey(int id)
{
    if (Element button = Find(this, id, Kind::Button))
        WindowBackend::SetKeyEquivalent(button, "");
}

void _FCWindowController_cocoa::EditScrollToBottom(int id)
{
    Element field = Find(this, id, Kind::TextField);
    Box visible{0, 0, 0, 0};
    if (field && WindowBackend::VisibleSize(field, &visible))
        WindowBackend::ScrollToBottom(field);
}

/* ---- Elements made in code ---- */

namespace
{
using NewKind = WindowBackend::NewElement::Kind;

/* The element kind of each control type code that has one. */
const std::pair<int, NewKind> kKinds[] = {
    {FCControl::CTRLTYPE_UPDOWN, NewKind::Stepper},    {FCControl::CTRLTYPE_DATALIST, NewKind::Table},
    {FCControl::CTRLTYPE_TREE, NewKind::Outline},      {FCControl::CTRLTYPE_BUTTON, NewKind::PushButton},
    {FCControl::CTRLTYPE_CHECKBOX, NewKind::CheckBox}, {FCControl::CTRLTYPE_EDIT, NewKind::TextField},
    {FCControl::CTRLTYPE_STATIC, NewKind::StaticText}, {FCControl::CTRLTYPE_POPUP, NewKind::PopUp},
    {FCControl::CTRLTYPE_LINE, NewKind::Separator},    {FCControl::CTRLTYPE_SLIDER, NewKind::Slider},
    {FCControl::CTRLTYPE_LISTBOX, NewKind::ListBox},   {FCControl::CTRLTYPE_SWITCHER, NewKind::Segmented}};

bool KindOf(int typeCode, NewKind* pKind)
{
    for (const auto& entry : kKinds)
        if (entry.first == typeCode) {
            *pKind = entry.second;
            return true;
        }
    return false;
}
} // namespace

/* Lists and trees made in code show their rows at 11 points (a control of
   such a code that is no list or tree keeps its font); a separator is
   horizontal unless its control asks otherwise. */
bool _FCWindowController_cocoa::CreateUIControl(FCControl* pControl)
{
    if (!pControl || !_controller)
        return false;
    const int code = pControl->_GetControlType();
    if (code == FCControl::CTRLTYPE_NONE)
        return true;
    WindowBackend::NewElement element{NewKind::Stepper,
                                      pControl->GetControlID(),
                                      pControl->_GetAutoCreateWidth(),
                                      pControl->_GetAutoCreateMultilineHeight(),
                                      false,
                                      false};
    if (!KindOf(code, &element.kind))
        return false;
    if (auto* pCheckbox = dynamic_cast<FCCtrlCheckbox*>(pControl))
        element.allowsMixed = pCheckbox->GetAllowMixedState();
    if (auto* pLine = dynamic_cast<FCCtrlLine*>(pControl))
        element.vertical = !pLine->IsHorizontal();
    if (auto* pList = dynamic_cast<FCCtrlDataList*>(pControl))
        pList->SetFontSize(11);
    if (auto* pTree = dynamic_cast<FCCtrlTree*>(pControl))
        pTree->SetFontSize(11);
    Scope scope;
    WindowBackend::Create(this, element);
    return true;
}
