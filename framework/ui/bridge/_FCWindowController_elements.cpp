/* The bridge's texts of elements, keyboard focus, key equivalents and edit
 * fields, and the elements made in code, over the backends' primitive
 * element and window operations. */
#include <algorithm>

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
        WindowBackend::ClearKeyEquivalent(button);
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

/* The element kind for a control's type code; false for codes without one. */
bool KindOf(int typeCode, NewKind* pKind)
{
    switch (typeCode) {
    case FCControl::CTRLTYPE_UPDOWN: *pKind = NewKind::Stepper; return true;
    case FCControl::CTRLTYPE_DATALIST: *pKind = NewKind::Table; return true;
    case FCControl::CTRLTYPE_TREE: *pKind = NewKind::Outline; return true;
    case FCControl::CTRLTYPE_BUTTON: *pKind = NewKind::PushButton; return true;
    case FCControl::CTRLTYPE_CHECKBOX: *pKind = NewKind::CheckBox; return true;
    case FCControl::CTRLTYPE_EDIT: *pKind = NewKind::TextField; return true;
    case FCControl::CTRLTYPE_STATIC: *pKind = NewKind::StaticText; return true;
    case FCControl::CTRLTYPE_POPUP: *pKind = NewKind::PopUp; return true;
    case FCControl::CTRLTYPE_LINE: *pKind = NewKind::Separator; return true;
    case FCControl::CTRLTYPE_SLIDER: *pKind = NewKind::Slider; return true;
    case FCControl::CTRLTYPE_LISTBOX: *pKind = NewKind::ListBox; return true;
    case FCControl::CTRLTYPE_SWITCHER: *pKind = NewKind::Segmented; return true;
    default: return false;
    }
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
