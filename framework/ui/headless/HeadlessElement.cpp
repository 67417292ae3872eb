#include "ui/headless/HeadlessElement.h"

#include <atomic>
#include <cctype>

namespace
{
/* Counts the additions and destructions of elements in every tree: an index
   made at another count may miss an element or hold a destroyed one. Starts
   at 1 so that an index never made is out of date. */
std::atomic<unsigned long> gTreeEdition{1};

void TreeEdited() { gTreeEdition.fetch_add(1, std::memory_order_relaxed); }
} // namespace

HeadlessElement::~HeadlessElement() { TreeEdited(); }

HeadlessElement* HeadlessElement::AddChild(std::unique_ptr<HeadlessElement> pChild)
{
    TreeEdited();
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

bool HeadlessElement::SearchTag(int* pTag) const
{
    if (kind == HeadlessKind::Box)
        *pTag = HeadlessIntValue(identifier);
    else if (IsControl())
        *pTag = tag;
    else
        return false;
    return true;
}

void HeadlessElement::IndexSubviews(TagIndex* pIndex)
{
    for (auto& pChild : children) {
        int childTag = 0;
        if (pChild->SearchTag(&childTag))
            pIndex->emplace(childTag, pChild.get());
        pChild->IndexSubviews(pIndex);
    }
}

HeadlessElement* HeadlessElement::FindByTag(int wanted)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const unsigned long edition = gTreeEdition.load(std::memory_order_relaxed);
        if (!_tagIndex || _tagIndexEdition != edition || attempt > 0) {
            _tagIndex = std::make_unique<TagIndex>();
            IndexSubviews(_tagIndex.get());
            _tagIndexEdition = edition;
        }
        const auto found = _tagIndex->find(wanted);
        if (found == _tagIndex->end())
            return nullptr;
        int foundTag = 0;
        if (found->second->SearchTag(&foundTag) && foundTag == wanted)
            return found->second;
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
