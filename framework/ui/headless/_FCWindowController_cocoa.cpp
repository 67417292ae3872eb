/* The headless bridge: every window operation carried out on an in-memory
 * element tree loaded from the window's layout file. */
#include "ui/_FCWindowController_cocoa.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/FCControl.h"
#include "ui/FCCtrlCheckbox.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCCtrlLine.h"
#include "ui/FCCtrlSwitcher.h"
#include "ui/FCCtrlTree.h"
#include "ui/FCCtrlUpDown.h"
#include "ui/FCDataListRow.h"
#include "ui/bridge/BridgeRuntime.h"
#include "ui/headless/HeadlessDataSource.h"
#include "ui/headless/HeadlessLayout.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessText.h"
#include "ui/headless/HeadlessWindow.h"
#include "ui/__FCUserWindow.h"

namespace
{
HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge) { return HeadlessRuntime::WindowOf(pBridge); }

HeadlessElement* Element(const _FCWindowController_cocoa* pBridge, int id)
{
    HeadlessWindow* pWindow = WindowOf(pBridge);
    return pWindow ? pWindow->content->FindByTag(id) : nullptr;
}

HeadlessElement* Button(const _FCWindowController_cocoa* pBridge, int id)
{
    HeadlessElement* pElement = Element(pBridge, id);
    return pElement && pElement->IsButton() ? pElement : nullptr;
}

HeadlessElement* OfKind(const _FCWindowController_cocoa* pBridge, int id, HeadlessKind kind)
{
    HeadlessElement* pElement = Element(pBridge, id);
    return pElement && pElement->kind == kind ? pElement : nullptr;
}

HeadlessElement* TextField(const _FCWindowController_cocoa* pBridge, int id)
{
    return OfKind(pBridge, id, HeadlessKind::TextField);
}

float Whole(float value) { return static_cast<float>(static_cast<int>(value)); }

/* A new element of a kind, with the control's ID as tag and its default size. */
std::unique_ptr<HeadlessElement> NewElement(HeadlessKind kind, int tag, float width, float height)
{
    auto pElement = std::make_unique<HeadlessElement>();
    pElement->kind = kind;
    pElement->tag = tag;
    pElement->width = width;
    pElement->height = height;
    return pElement;
}

/* A table or outline inside a bordered scroll view placed at (10, 10). */
std::unique_ptr<HeadlessElement> NewScrolledTable(HeadlessKind kind, int tag, float width, float height)
{
    auto pScroll = NewElement(HeadlessKind::ScrollView, 0, width, height);
    pScroll->x = 10;
    pScroll->y = 10;
    HeadlessElement* pClip = pScroll->AddChild(NewElement(HeadlessKind::ClipView, 0, width - 2, height - 2));
    pClip->AddChild(NewElement(kind, tag, width - 2, height - 2));
    return pScroll;
}

void NotifyActivation(_FCWindowController_cocoa* pOld, _FCWindowController_cocoa* pNew)
{
    HeadlessRuntime::SetMainBridge(pNew);
    if (pOld)
        pOld->Notify_WindowActivated(false);
    if (pNew)
        pNew->Notify_WindowActivated(true);
}
} // namespace

_FCWindowController_cocoa::_FCWindowController_cocoa(__FCUserWindow* pWindow, int layoutID)
    : _windowopen(false), _layoutid(layoutID), _modalrun(false), _modalrequested(false), _pWindow(pWindow),
      _controller(nullptr), _timers(nullptr)
{
    BridgeRuntime::Register(this);
}

_FCWindowController_cocoa::~_FCWindowController_cocoa()
{
    DestroyWindow();
    BridgeRuntime::Unregister(this);
}

/* ---- Loading and closing ---- */

bool _FCWindowController_cocoa::_LoadController()
{
    std::unique_ptr<HeadlessWindow> pLoaded = HeadlessLayout::Load(_layoutid);
    if (!pLoaded)
        return false;
    pLoaded->serial = BridgeRuntime::WindowLoaded(this);
    pLoaded->minWidth = pLoaded->width;
    pLoaded->minHeight = pLoaded->height;
    pLoaded->floating = true;
    std::vector<HeadlessElement*> elements;
    pLoaded->content->Collect(&elements);
    for (HeadlessElement* pElement : elements) {
        if (!pElement->IsButton())
            continue;
        if (pElement->tag == 1)
            pLoaded->defaultButtonTag = 1;
        if (pElement->tag == 2 && _modalrequested)
            pElement->keyEquivalent = "\x1b";
    }
    _controller = pLoaded.release();
    return true;
}

void _FCWindowController_cocoa::_ReleaseController()
{
    delete static_cast<HeadlessWindow*>(_controller);
    _controller = nullptr;
    BridgeRuntime::WindowReleased(this);
    if (HeadlessRuntime::MainBridge() == this)
        HeadlessRuntime::SetMainBridge(nullptr);
}

void _FCWindowController_cocoa::_PostWillClose() { Notify_WindowClose(); }

void _FCWindowController_cocoa::ShowModeless()
{
    if (_controller)
        return;
    _modalrequested = false;
    _windowopen = true;
    if (!_LoadController()) {
        _windowopen = false;
        return;
    }
    Notify_InitWindow();
    if (HeadlessWindow* pWindow = WindowOf(this))
        pWindow->visible = true;
}

bool _FCWindowController_cocoa::ExecuteModal(__FCUserWindow* pParent)
{
    if (_controller)
        return false;
    _modalrequested = true;
    _windowopen = true;
    if (!_LoadController()) {
        _windowopen = false;
        return false;
    }
    _modalrun = true;
    Notify_InitWindow();
    if (HeadlessWindow* pWindow = WindowOf(this)) {
        if (!pParent) {
            pWindow->x = Whole((HeadlessWindow::kScreenWidth - pWindow->width) / 2);
            pWindow->y = Whole((HeadlessWindow::kScreenHeight - pWindow->height) / 2);
            pWindow->centred = true;
        }
        pWindow->visible = true;
    }
    while (_modalrun && _controller) {
        if (BridgeRuntime::ModalStep(WindowOf(this)->serial))
            continue;
        /* The driver gave up (or has no modal loop): the window closes. */
        if (_pWindow)
            _pWindow->CloseWindow();
        if (_modalrun && _controller)
            DestroyWindow();
    }
    bool endedByClose = !_modalrun;
    _modalrun = false;
    DestroyWindow();
    return endedByClose;
}

void _FCWindowController_cocoa::DestroyWindow()
{
    if (!_controller)
        return;
    bool wasOpen = _windowopen;
    _windowopen = false;
    KillAllTimers();
    if (wasOpen)
        CloseWindow();
    _ReleaseController();
}

void _FCWindowController_cocoa::CloseWindow()
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    pWindow->visible = false;
    /* The closing window stops being the active one without a report. */
    if (HeadlessRuntime::MainBridge() == this)
        HeadlessRuntime::SetMainBridge(nullptr);
    _PostWillClose();
}

/* ---- Window ---- */

bool _FCWindowController_cocoa::IsWindowVisible()
{
    HeadlessWindow* pWindow = WindowOf(this);
    return pWindow && pWindow->visible;
}

void _FCWindowController_cocoa::ActivateWindow()
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    pWindow->visible = true;
    _FCWindowController_cocoa* pOld = HeadlessRuntime::MainBridge();
    if (pOld != this)
        NotifyActivation(pOld, this);
}

void _FCWindowController_cocoa::ShowWindow(bool show)
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    pWindow->visible = show;
    if (!show && HeadlessRuntime::MainBridge() == this)
        NotifyActivation(this, nullptr);
}

void _FCWindowController_cocoa::RepaintWindow()
{
    if (HeadlessWindow* pWindow = WindowOf(this))
        ++pWindow->repaints;
}

void _FCWindowController_cocoa::SetWindowCaption(FCString* pString)
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (pWindow && pString)
        pWindow->title = HeadlessText::ToElement(pString);
}

void _FCWindowController_cocoa::GetWindowCaption(FCString* pString)
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (pWindow && pString)
        HeadlessText::FromElement(pWindow->title, pString);
}

void _FCWindowController_cocoa::GetWindowFrameRect(__FloatRect* pRect)
{
    if (!pRect)
        return;
    *pRect = __FloatRect{0, 0, 0, 0};
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    const float screen = HeadlessWindow::kScreenHeight;
    pRect->left = pWindow->x;
    pRect->right = pWindow->x + pWindow->width;
    pRect->bottom = screen - pWindow->y;
    pRect->top = screen - pWindow->y - pWindow->height;
}

void _FCWindowController_cocoa::SetWindowFrameRect(__FloatRect* pRect)
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pWindow || !pRect)
        return;
    float oldWidth = pWindow->width;
    float oldHeight = pWindow->height;
    pWindow->x = pRect->left;
    pWindow->y = HeadlessWindow::kScreenHeight - pRect->bottom;
    pWindow->width = std::max(0.0f, pRect->Width());
    pWindow->height = std::max(0.0f, pRect->Height());
    pWindow->SyncContent();
    ++pWindow->repaints;
    if (pWindow->width != oldWidth || pWindow->height != oldHeight)
        Notify_WindowResized(pWindow->width, pWindow->height, oldWidth, oldHeight);
}

void _FCWindowController_cocoa::GetWindowContentRect(__FloatRect* pRect)
{
    if (!pRect)
        return;
    *pRect = __FloatRect{0, 0, 0, 0};
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pWindow)
        return;
    pRect->right = pWindow->width;
    pRect->bottom = pWindow->ContentHeight();
}

float _FCWindowController_cocoa::GetWindowTitleHeight() { return HeadlessWindow::kTitleBarHeight; }

void _FCWindowController_cocoa::SetMaximumResizeWidth(float width)
{
    if (HeadlessWindow* pWindow = WindowOf(this))
        pWindow->maxWidth = width;
}

void _FCWindowController_cocoa::SetMaximumResizeHeight(float height)
{
    if (HeadlessWindow* pWindow = WindowOf(this))
        pWindow->maxHeight = height;
}

void _FCWindowController_cocoa::SetWindowAlpha(int percent)
{
    if (HeadlessWindow* pWindow = WindowOf(this))
        pWindow->alpha = std::min(1.0f, std::max(0.0f, static_cast<float>(percent) / 100.0f));
}

/* ---- Elements: generic ---- */

void _FCWindowController_cocoa::SetDlgItemKeyboardFocus(int id)
{
    if (Element(this, id))
        WindowOf(this)->focusTag = id;
}

/* ---- Elements: text ---- */

void _FCWindowController_cocoa::SetDlgItemText(int id, FCString* pString)
{
    if (HeadlessElement* pElement = Element(this, id))
        pElement->text = HeadlessText::ToElement(pString);
}

void _FCWindowController_cocoa::GetDlgItemText(int id, FCString* pString)
{
    if (HeadlessElement* pElement = Element(this, id))
        HeadlessText::FromElement(pElement->text, pString);
}

void _FCWindowController_cocoa::SetDlgItemTextAndResize(int id, FCString* pString)
{
    HeadlessElement* pElement = Element(this, id);
    if (!pElement)
        return;
    pElement->text = HeadlessText::ToElement(pString);
    if (pElement->kind != HeadlessKind::TextField || !pElement->parent ||
        pElement->parent->kind != HeadlessKind::ClipView)
        return;
    /* A fixed-pitch measure: 7 points per character, 17 per line. */
    size_t longest = 0, current = 0, lines = 1;
    for (char16_t unit : pElement->text) {
        if (unit == u'\n' || unit == u'\r') {
            ++lines;
            current = 0;
            continue;
        }
        longest = std::max(longest, ++current);
    }
    const HeadlessElement* pClip = pElement->parent;
    float textWidth = 7.0f * static_cast<float>(longest);
    float textHeight = 17.0f * static_cast<float>(lines);
    pElement->width = std::max(pClip->width, textWidth);
    pElement->height = std::max(pClip->height, textHeight + 10);
    pElement->y = pClip->height - pElement->height;
}

/* ---- Elements: buttons and edit fields ---- */

void _FCWindowController_cocoa::ClearShortcutKey(int id)
{
    if (HeadlessElement* pButton = Button(this, id))
        pButton->keyEquivalent.clear();
}

void _FCWindowController_cocoa::SetEditFocus(int id)
{
    if (TextField(this, id))
        WindowOf(this)->focusTag = id;
}

void _FCWindowController_cocoa::EditScrollToBottom(int) {}

/* ---- Elements created in code ---- */

bool _FCWindowController_cocoa::CreateUIControl(FCControl* pControl)
{
    HeadlessWindow* pWindow = WindowOf(this);
    if (!pControl || !pWindow)
        return false;
    const int id = pControl->GetControlID();
    const float width = pControl->_GetAutoCreateWidth();
    const float tall = pControl->_GetAutoCreateMultilineHeight();
    std::unique_ptr<HeadlessElement> pElement;
    switch (pControl->_GetControlType()) {
    case FCControl::CTRLTYPE_UPDOWN: pElement = NewElement(HeadlessKind::Stepper, id, width, 20); break;
    case FCControl::CTRLTYPE_DATALIST:
    case FCControl::CTRLTYPE_LISTBOX: {
        pElement = NewScrolledTable(HeadlessKind::TableView, id, width, tall);
        if (pControl->_GetControlType() == FCControl::CTRLTYPE_LISTBOX) {
            HeadlessElement* pTable = pElement->FindByTag(id);
            pTable->allowsEmptySelection = false;
            pTable->hasHeader = false;
        }
        static_cast<FCCtrlDataList*>(pControl)->SetFontSize(11);
        break;
    }
    case FCControl::CTRLTYPE_TREE:
        pElement = NewScrolledTable(HeadlessKind::OutlineView, id, width, tall);
        pElement->FindByTag(id)->hasHeader = false;
        if (auto* pTree = dynamic_cast<FCCtrlTree*>(pControl))
            pTree->SetFontSize(11);
        break;
    case FCControl::CTRLTYPE_BUTTON: pElement = NewElement(HeadlessKind::PushButton, id, width, 21); break;
    case FCControl::CTRLTYPE_CHECKBOX:
        pElement = NewElement(HeadlessKind::CheckBox, id, width, 18);
        pElement->allowsMixedState = static_cast<FCCtrlCheckbox*>(pControl)->GetAllowMixedState();
        break;
    case FCControl::CTRLTYPE_EDIT:
        pElement = NewElement(HeadlessKind::TextField, id, width, 19);
        pElement->editable = true;
        break;
    case FCControl::CTRLTYPE_STATIC: pElement = NewElement(HeadlessKind::TextField, id, width, 16); break;
    case FCControl::CTRLTYPE_POPUP: pElement = NewElement(HeadlessKind::PopUp, id, width, 22); break;
    case FCControl::CTRLTYPE_LINE: {
        /* A separator is horizontal unless its control asks otherwise. */
        auto* pLine = dynamic_cast<FCCtrlLine*>(pControl);
        const bool horizontal = !pLine || pLine->IsHorizontal();
        pElement = NewElement(HeadlessKind::Box, 0, horizontal ? width : 1, horizontal ? 1 : tall);
        pElement->identifier = std::to_string(id);
        break;
    }
    case FCControl::CTRLTYPE_SLIDER: pElement = NewElement(HeadlessKind::Slider, id, width, 20); break;
    case FCControl::CTRLTYPE_NONE: return true;
    case FCControl::CTRLTYPE_SWITCHER:
        pElement = NewElement(HeadlessKind::Segmented, id, width, 24);
        pElement->items.emplace_back(); /* one unlabelled segment */
        break;
    default: return false;
    }
    pWindow->content->AddChild(std::move(pElement));
    return true;
}

/* ---- Timers (the shared runtime keeps them) ---- */

void _FCWindowController_cocoa::AssureTimers() {}

/* ---- Table check boxes ---- */
