/* The primitive window operations over the in-memory windows: a fixed
 * screen, a fixed title bar, and the active window kept by HeadlessRuntime,
 * which tells the bridges of a change as a window system would. */
#include "ui/bridge/WindowBackend.h"

#include <algorithm>
#include <memory>

#include "ui/_FCWindowController_cocoa.h"
#include "ui/headless/HeadlessLayout.h"
#include "ui/headless/HeadlessRuntime.h"
#include "ui/headless/HeadlessText.h"
#include "ui/headless/HeadlessWindow.h"

using WindowBackend::Box;
using WindowBackend::Element;
using WindowBackend::NewElement;

namespace
{
HeadlessWindow* WindowOf(const _FCWindowController_cocoa* pBridge) { return HeadlessRuntime::WindowOf(pBridge); }

std::unique_ptr<HeadlessElement> Make(HeadlessKind kind, int tag, float width, float height)
{
    auto pElement = std::make_unique<HeadlessElement>();
    pElement->kind = kind;
    pElement->tag = tag;
    pElement->width = width;
    pElement->height = height;
    return pElement;
}

/* A table or outline inside a bordered scroll view placed at (10, 10). */
std::unique_ptr<HeadlessElement> MakeScrolled(HeadlessKind kind, const NewElement& element)
{
    auto pScroll = Make(HeadlessKind::ScrollView, 0, element.width, element.height);
    pScroll->x = 10;
    pScroll->y = 10;
    HeadlessElement* pClip = pScroll->AddChild(Make(HeadlessKind::ClipView, 0, element.width - 2, element.height - 2));
    HeadlessElement* pTable = pClip->AddChild(Make(kind, element.tag, element.width - 2, element.height - 2));
    pTable->hasHeader = element.kind == NewElement::Kind::Table;
    pTable->allowsEmptySelection = element.kind != NewElement::Kind::ListBox;
    return pScroll;
}

/* The kind and the fitting height of a single-line element. */
struct Single
{
    HeadlessKind kind;
    float height;
};
Single SingleLine(NewElement::Kind kind)
{
    switch (kind) {
    case NewElement::Kind::Stepper: return {HeadlessKind::Stepper, 20};
    case NewElement::Kind::PushButton: return {HeadlessKind::PushButton, 21};
    case NewElement::Kind::CheckBox: return {HeadlessKind::CheckBox, 18};
    case NewElement::Kind::TextField: return {HeadlessKind::TextField, 19};
    case NewElement::Kind::StaticText: return {HeadlessKind::TextField, 16};
    case NewElement::Kind::PopUp: return {HeadlessKind::PopUp, 22};
    case NewElement::Kind::Slider: return {HeadlessKind::Slider, 20};
    default: return {HeadlessKind::Segmented, 24};
    }
}
} // namespace

namespace WindowBackend
{
void* EnterScope() { return nullptr; }
void LeaveScope(void*) {}
bool Start() { return true; }
void* NewTimerList() { return nullptr; }
void DeleteTimerList(void*) {}

void* Load(_FCWindowController_cocoa* pBridge) { return HeadlessLayout::Load(pBridge->_GetLayoutID()).release(); }

void Release(_FCWindowController_cocoa* pBridge, void* controller)
{
    delete static_cast<HeadlessWindow*>(controller);
    if (HeadlessRuntime::MainBridge() == pBridge)
        HeadlessRuntime::SetMainBridge(nullptr);
}

bool IsVisible(const _FCWindowController_cocoa* pBridge) { return WindowOf(pBridge)->visible; }

void OrderFront(_FCWindowController_cocoa* pBridge, bool) { WindowOf(pBridge)->visible = true; }

void OrderOut(_FCWindowController_cocoa* pBridge)
{
    WindowOf(pBridge)->visible = false;
    if (HeadlessRuntime::MainBridge() == pBridge)
        HeadlessRuntime::ChangeMainBridge(nullptr);
}

void Activate(_FCWindowController_cocoa* pBridge)
{
    WindowOf(pBridge)->visible = true;
    if (HeadlessRuntime::MainBridge() != pBridge)
        HeadlessRuntime::ChangeMainBridge(pBridge);
}

/* The closing window stops being the active one without a report. */
void Close(_FCWindowController_cocoa* pBridge)
{
    WindowOf(pBridge)->visible = false;
    if (HeadlessRuntime::MainBridge() == pBridge)
        HeadlessRuntime::SetMainBridge(nullptr);
    pBridge->Notify_WindowClose();
}

void Repaint(const _FCWindowController_cocoa*) {}

void Center(_FCWindowController_cocoa* pBridge)
{
    HeadlessWindow* pWindow = WindowOf(pBridge);
    pWindow->x = static_cast<float>(static_cast<int>((HeadlessWindow::kScreenWidth - pWindow->width) / 2));
    pWindow->y = static_cast<float>(static_cast<int>((HeadlessWindow::kScreenHeight - pWindow->height) / 2));
}

/* A modal session shows the window; the driver's loop runs it. */
void* BeginModal(_FCWindowController_cocoa* pBridge)
{
    WindowOf(pBridge)->visible = true;
    return pBridge;
}
bool ModalStep(void*) { return true; }
void EndModal(void*) {}
bool WaitForUser() { return false; }

void GetTitle(const _FCWindowController_cocoa* pBridge, FCString* pTitle)
{
    HeadlessText::FromElement(WindowOf(pBridge)->title, pTitle);
}

void SetTitle(_FCWindowController_cocoa* pBridge, FCString* pTitle)
{
    WindowOf(pBridge)->title = HeadlessText::ToElement(pTitle);
}

Box Frame(const _FCWindowController_cocoa* pBridge)
{
    const HeadlessWindow* pWindow = WindowOf(pBridge);
    return Box{pWindow->x, pWindow->y, pWindow->width, pWindow->height};
}

void SetFrame(_FCWindowController_cocoa* pBridge, const Box& frame)
{
    HeadlessWindow* pWindow = WindowOf(pBridge);
    pWindow->x = frame.x;
    pWindow->y = frame.y;
    pWindow->width = frame.width;
    pWindow->height = frame.height;
    pWindow->SyncContent();
}

Box ContentFrame(const _FCWindowController_cocoa* pBridge)
{
    return Box{0, 0, WindowOf(pBridge)->width, WindowOf(pBridge)->ContentHeight()};
}

float ScreenHeight() { return HeadlessWindow::kScreenHeight; }
float TitleBarHeight() { return HeadlessWindow::kTitleBarHeight; }

Box MaximumSize(const _FCWindowController_cocoa* pBridge)
{
    return Box{0, 0, WindowOf(pBridge)->maxWidth, WindowOf(pBridge)->maxHeight};
}

void SetMaximumSize(_FCWindowController_cocoa* pBridge, const Box& size)
{
    WindowOf(pBridge)->maxWidth = size.width;
    WindowOf(pBridge)->maxHeight = size.height;
}

void SetAlpha(_FCWindowController_cocoa*, float) {}

void Focus(_FCWindowController_cocoa* pBridge, Element element, bool)
{
    WindowOf(pBridge)->focusTag = AsHeadless(element)->tag;
}

void GetText(Element element, FCString* pText) { HeadlessText::FromElement(AsHeadless(element)->text, pText); }
void SetText(Element element, FCString* pText) { AsHeadless(element)->text = HeadlessText::ToElement(pText); }

/* A fixed-pitch measure: 7 points per character, 17 per line. */
Box TextSize(Element element)
{
    size_t longest = 0, current = 0, lines = 1;
    for (char16_t unit : AsHeadless(element)->text) {
        if (unit == u'\n' || unit == u'\r') {
            ++lines;
            current = 0;
            continue;
        }
        longest = std::max(longest, ++current);
    }
    return Box{0, 0, 7.0f * static_cast<float>(longest), 17.0f * static_cast<float>(lines)};
}

bool VisibleSize(Element field, Box* pSize)
{
    const HeadlessElement* pClip = AsHeadless(field)->parent;
    if (!pClip || pClip->kind != HeadlessKind::ClipView)
        return false;
    *pSize = Box{0, 0, pClip->width, pClip->height};
    return true;
}

void SetScrolledSize(Element field, const Box& size)
{
    HeadlessElement* pField = AsHeadless(field);
    pField->width = size.width;
    pField->height = size.height;
    pField->y = pField->parent->height - size.height;
}

void ScrollToBottom(Element) {}

void SetKeyEquivalent(Element button, const char* key) { AsHeadless(button)->keyEquivalent = key; }

void Create(_FCWindowController_cocoa* pBridge, const NewElement& element)
{
    std::unique_ptr<HeadlessElement> pElement;
    switch (element.kind) {
    case NewElement::Kind::Table:
    case NewElement::Kind::ListBox: pElement = MakeScrolled(HeadlessKind::TableView, element); break;
    case NewElement::Kind::Outline: pElement = MakeScrolled(HeadlessKind::OutlineView, element); break;
    case NewElement::Kind::Separator:
        pElement =
            Make(HeadlessKind::Box, 0, element.vertical ? 1 : element.width, element.vertical ? element.height : 1);
        pElement->identifier = std::to_string(element.tag);
        break;
    default: {
        const Single single = SingleLine(element.kind);
        pElement = Make(single.kind, element.tag, element.width, single.height);
        pElement->allowsMixedState = element.allowsMixed;
        pElement->editable = element.kind == NewElement::Kind::TextField;
        if (element.kind == NewElement::Kind::Segmented)
            pElement->items.emplace_back(); /* one unlabelled segment */
        break;
    }
    }
    WindowOf(pBridge)->content->AddChild(std::move(pElement));
}
} // namespace WindowBackend
