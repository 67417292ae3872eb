#include "ui/headless/HeadlessElement.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

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
    return kind != HeadlessKind::View && kind != HeadlessKind::Box && kind != HeadlessKind::ScrollView &&
           kind != HeadlessKind::ClipView;
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
    /* An index made at another edition is made again; so is one that gives
       an element whose tag changed since, once. */
    for (bool remade = false;; remade = true) {
        const unsigned long edition = gTreeEdition.load(std::memory_order_relaxed);
        if (remade || _tagIndexEdition != edition) {
            _tagIndex.clear();
            IndexSubviews(&_tagIndex);
            _tagIndexEdition = edition;
        }
        const auto found = _tagIndex.find(wanted);
        if (found == _tagIndex.end())
            return nullptr;
        int foundTag = 0;
        if (found->second->SearchTag(&foundTag) && foundTag == wanted)
            return found->second;
        if (remade)
            return nullptr;
    }
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
    const long long value = std::strtoll(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp(value, -0x7FFFFFFFLL, 0x7FFFFFFFLL));
}
