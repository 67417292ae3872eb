#include "ui/headless/HeadlessElement.h"

#include <cctype>

HeadlessElement* HeadlessElement::AddChild(std::unique_ptr<HeadlessElement> pChild)
{
    pChild->parent = this;
    children.push_back(std::move(pChild));
    return children.back().get();
}

bool HeadlessElement::IsControl() const
{
    switch (kind) {
    case HeadlessKind::View:
    case HeadlessKind::Box:
    case HeadlessKind::ScrollView:
    case HeadlessKind::ClipView: return false;
    default: return true;
    }
}

bool HeadlessElement::IsButton() const
{
    return kind == HeadlessKind::PushButton || kind == HeadlessKind::CheckBox || kind == HeadlessKind::RadioButton;
}

HeadlessElement* HeadlessElement::FindByTag(int wanted)
{
    for (auto& pChild : children) {
        HeadlessElement* pView = pChild.get();
        if (pView->kind == HeadlessKind::Box && HeadlessIntValue(pView->identifier) == wanted)
            return pView;
        if (pView->IsControl() && pView->tag == wanted)
            return pView;
        if (HeadlessElement* pFound = pView->FindByTag(wanted))
            return pFound;
    }
    return nullptr;
}

HeadlessElement* HeadlessElement::EnclosingScrollView()
{
    for (HeadlessElement* pView = parent; pView; pView = pView->parent)
        if (pView->kind == HeadlessKind::ScrollView)
            return pView;
    return nullptr;
}

HeadlessElement* HeadlessElement::FrameElement()
{
    HeadlessElement* pScroll = EnclosingScrollView();
    return pScroll ? pScroll : this;
}

bool HeadlessElement::IsHiddenOrInsideHidden() const
{
    for (const HeadlessElement* pView = this; pView; pView = pView->parent)
        if (pView->hidden)
            return true;
    return false;
}

bool HeadlessElement::HasCheckColumn() const { return !columns.empty() && columns.front().identifier == "check"; }

void HeadlessElement::Collect(std::vector<HeadlessElement*>* pOut)
{
    pOut->push_back(this);
    for (auto& pChild : children)
        pChild->Collect(pOut);
}

int HeadlessIntValue(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && value < 0x7FFFFFFF)
        value = value * 10 + (text[i++] - '0');
    if (value > 0x7FFFFFFF)
        value = 0x7FFFFFFF;
    return static_cast<int>(negative ? -value : value);
}
