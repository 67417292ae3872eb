/* Window layouts (Interface Builder XML) read by the headless bridge.
 *
 * Input: the layout document's text. */
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "core/FinaleVersion.h"
#include "common/qz_host_versions.h"
#include "FuzzCheck.h"
#include "ui/headless/HeadlessLayout.h"
#include "ui/headless/HeadlessText.h"

namespace
{
bool SameValue(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

/* One line per element: kind, tag, frame, texts and depth; two parses of one
   text must give the same lines. */
void Describe(const HeadlessElement& element, int depth, std::string* pOut)
{
    char line[200];
    std::snprintf(line, sizeof line, "%d %d %d %g %g %g %g %d %d %zu %zu|", depth, static_cast<int>(element.kind),
                  element.tag, element.x, element.y, element.width, element.height, element.state, element.enabled,
                  element.items.size(), element.columns.size());
    *pOut += line;
    *pOut += element.identifier + "|" + HeadlessText::ToUTF8(element.text) + "|" + element.keyEquivalent + "\n";
    for (const auto& pChild : element.children)
        Describe(*pChild, depth + 1, pOut);
}

void CheckTree(HeadlessElement* pRoot, size_t elementBound)
{
    std::vector<HeadlessElement*> all;
    pRoot->Collect(&all);
    FUZZ_CHECK(!all.empty() && all.front() == pRoot, "the walk starts at the content view");
    FUZZ_CHECK(all.size() <= elementBound + 1, "no more elements than the text has tags");
    for (HeadlessElement* pElement : all) {
        for (const auto& pChild : pElement->children)
            FUZZ_CHECK(pChild && pChild->parent == pElement, "every child knows its parent");
        FUZZ_CHECK(FuzzCheck::IsWellFormedUtf16(pElement->text), "element texts are well-formed");
        for (const HeadlessColumn& column : pElement->columns)
            FUZZ_CHECK(FuzzCheck::IsWellFormedUtf16(column.title), "column titles are well-formed");
        if (pElement == pRoot || !pElement->IsControl())
            continue;
        /* Every control is found by its tag (or something earlier that answers to it). */
        HeadlessElement* pFound = pRoot->FindByTag(pElement->tag);
        FUZZ_CHECK(pFound != nullptr, "a control is found by its tag");
        FUZZ_CHECK((pFound->IsControl() && pFound->tag == pElement->tag) ||
                       (pFound->kind == HeadlessKind::Box && HeadlessIntValue(pFound->identifier) == pElement->tag),
                   "the element found answers to the tag");
        FUZZ_CHECK(pElement->FrameElement() != nullptr, "every element has a frame element");
    }
}

void CheckLayout(const std::string& text)
{
    std::unique_ptr<HeadlessWindow> pWindow = HeadlessLayout::Parse(text);
    if (!pWindow)
        return;
    FUZZ_CHECK(pWindow->content != nullptr, "a window has a content view");
    FUZZ_CHECK(SameValue(pWindow->content->width, pWindow->width) &&
                   SameValue(pWindow->content->height, pWindow->ContentHeight()),
               "the content view fills the window below its title bar");
    FUZZ_CHECK(FuzzCheck::IsWellFormedUtf16(pWindow->title), "the title is well-formed");

    size_t tags = 0;
    for (char c : text)
        tags += c == '<';
    CheckTree(pWindow->content.get(), tags);

    std::string first, second;
    Describe(*pWindow->content, 0, &first);
    std::unique_ptr<HeadlessWindow> pAgain = HeadlessLayout::Parse(text);
    FUZZ_CHECK(pAgain != nullptr, "a layout read once reads again");
    Describe(*pAgain->content, 0, &second);
    FUZZ_CHECK(first == second, "reading a layout is deterministic");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetFinaleFrameworkVersion(qz::kHostVersion19);
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckLayout(text);
    return 0;
}
