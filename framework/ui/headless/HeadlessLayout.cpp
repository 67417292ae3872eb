#include "ui/headless/HeadlessLayout.h"

#include <dlfcn.h>

#include <cstring>
#include <fstream>
#include <iterator>

#include <pugixml.hpp>

#include "ui/driver/qzui_driver.h"
#include "ui/headless/HeadlessText.h"

namespace
{
std::string gFolder;
const char kAnchor = 0; /* an address inside this module, for dladdr */

bool ReadFile(const std::string& path, std::string* pText)
{
    std::ifstream in(path, std::ios::binary);
    if (in)
        pText->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in);
}

std::string ModuleFolder()
{
    Dl_info info;
    if (dladdr(&kAnchor, &info) == 0 || !info.dli_fname)
        return {};
    std::string path = info.dli_fname;
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

/* ---- Parsing ---- */

/* The attribute is exactly the value (the layout files write YES or NO). */
bool Is(const pugi::xml_node& node, const char* name, const char* value)
{
    return std::strcmp(node.attribute(name).as_string(), value) == 0;
}

pugi::xml_node Keyed(const pugi::xml_node& node, const char* element, const char* key)
{
    return node.find_child_by_attribute(element, "key", key);
}

std::u16string Text16(const char* utf8)
{
    std::u16string out;
    HeadlessText::FromUTF8(utf8 ? utf8 : "", &out);
    return out;
}

std::string DecodeBase64(const std::string& text)
{
    static const std::string kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    unsigned bits = 0;
    int count = 0;
    for (char c : text) {
        size_t value = kAlphabet.find(c);
        if (value == std::string::npos)
            continue;
        bits = (bits << 6) | static_cast<unsigned>(value);
        count += 6;
        if (count >= 8) {
            count -= 8;
            out.push_back(static_cast<char>((bits >> count) & 0xFF));
        }
    }
    return out;
}

std::string KeyEquivalent(const pugi::xml_node& cell)
{
    pugi::xml_node key = Keyed(cell, "string", "keyEquivalent");
    if (!key)
        return {};
    std::string value = key.text().as_string();
    return Is(key, "base64-UTF8", "YES") ? DecodeBase64(value) : value;
}

/* A "rect" child of the node, by its key. */
void ReadRect(const pugi::xml_node& node, const char* key, float* pX, float* pY, float* pWidth, float* pHeight)
{
    pugi::xml_node rect = Keyed(node, "rect", key);
    *pX = rect.attribute("x").as_float();
    *pY = rect.attribute("y").as_float();
    *pWidth = rect.attribute("width").as_float();
    *pHeight = rect.attribute("height").as_float();
}

HeadlessKind KindOf(const std::string& name, const pugi::xml_node& cell)
{
    if (name == "button") {
        std::string type = cell.attribute("type").as_string();
        if (type == "check")
            return HeadlessKind::CheckBox;
        if (type == "radio")
            return HeadlessKind::RadioButton;
        return HeadlessKind::PushButton;
    }
    static const struct
    {
        const char* name;
        HeadlessKind kind;
    } kKinds[] = {
        {"textField", HeadlessKind::TextField},
        {"scrollView", HeadlessKind::ScrollView},
        {"clipView", HeadlessKind::ClipView},
        {"tableView", HeadlessKind::TableView},
        {"outlineView", HeadlessKind::OutlineView},
        {"box", HeadlessKind::Box},
        {"view", HeadlessKind::View},
        {"customView", HeadlessKind::View},
        {"popUpButton", HeadlessKind::PopUp},
        {"stepper", HeadlessKind::Stepper},
        {"slider", HeadlessKind::Slider},
        {"segmentedControl", HeadlessKind::Segmented},
    };
    for (const auto& entry : kKinds)
        if (name == entry.name)
            return entry.kind;
    return HeadlessKind::Other;
}

void ReadColumns(const pugi::xml_node& node, HeadlessElement* pTable)
{
    pTable->hasHeader = !node.attribute("headerView").empty();
    pTable->allowsEmptySelection = !Is(node, "emptySelection", "NO");
    for (pugi::xml_node column : node.child("tableColumns").children("tableColumn")) {
        HeadlessColumn entry;
        entry.identifier = column.attribute("identifier").as_string();
        entry.width = column.attribute("width").as_float();
        entry.editable = !Is(column, "editable", "NO");
        entry.title = Text16(Keyed(column, "tableHeaderCell", "headerCell").attribute("title").as_string());
        pTable->columns.push_back(entry);
    }
}

/* A popup's menu items; the selected one is the cell's selected item or
   the item whose state is on. */
void ReadPopupItems(const pugi::xml_node& cell, HeadlessElement* pPopup)
{
    std::string selectedID = cell.attribute("selectedItem").as_string();
    for (pugi::xml_node item : Keyed(cell, "menu", "menu").child("items").children("menuItem")) {
        bool selected = (!selectedID.empty() && selectedID == item.attribute("id").as_string()) ||
                        std::strcmp(item.attribute("state").as_string(), "on") == 0;
        if (selected && pPopup->selectedItem < 0)
            pPopup->selectedItem = static_cast<int>(pPopup->items.size());
        pPopup->items.push_back(Text16(item.attribute("title").as_string()));
    }
    if (pPopup->selectedItem < 0 && !pPopup->items.empty())
        pPopup->selectedItem = 0;
}

/* A stepper's or slider's limits and value. */
void ReadRange(const pugi::xml_node& cell, HeadlessElement* pElement)
{
    pElement->minValue = cell.attribute("minValue").as_double(0);
    pElement->maxValue = cell.attribute("maxValue").as_double(pElement->kind == HeadlessKind::Stepper ? 100 : 0);
    pElement->value = cell.attribute("doubleValue").as_double(pElement->minValue);
    pElement->tickMarks = cell.attribute("numberOfTickMarks").as_int(0);
}

/* A segmented control's segment labels and the selected segment. */
void ReadSegments(const pugi::xml_node& cell, HeadlessElement* pSegments)
{
    for (pugi::xml_node segment : cell.child("segments").children("segment")) {
        if (Is(segment, "selected", "YES"))
            pSegments->selectedItem = static_cast<int>(pSegments->items.size());
        pSegments->items.push_back(Text16(segment.attribute("label").as_string()));
    }
}

std::unique_ptr<HeadlessElement> BuildElement(const pugi::xml_node& node);

void BuildSubviews(const pugi::xml_node& subviews, HeadlessElement* pParent)
{
    for (pugi::xml_node child : subviews.children())
        if (auto pChild = BuildElement(child))
            pParent->AddChild(std::move(pChild));
}

std::unique_ptr<HeadlessElement> BuildElement(const pugi::xml_node& node)
{
    if (node.type() != pugi::node_element)
        return nullptr;
    std::string name = node.name();
    pugi::xml_node cell = node.find_child_by_attribute("key", "cell");
    auto pElement = std::make_unique<HeadlessElement>();
    pElement->kind = KindOf(name, cell);
    pElement->tag = node.attribute("tag") ? node.attribute("tag").as_int() : cell.attribute("tag").as_int();
    pElement->identifier = node.attribute("identifier").as_string();
    pElement->hidden = Is(node, "hidden", "YES");
    pElement->enabled = !Is(node, "enabled", "NO") && !Is(cell, "enabled", "NO");
    ReadRect(node, "frame", &pElement->x, &pElement->y, &pElement->width, &pElement->height);

    std::string state = cell.attribute("state").as_string();
    switch (pElement->kind) {
    case HeadlessKind::PushButton:
    case HeadlessKind::CheckBox:
    case HeadlessKind::RadioButton:
        pElement->text = Text16(cell.attribute("title").as_string());
        pElement->state = pElement->kind == HeadlessKind::PushButton ? 0 : state == "on" ? 1 : state == "mixed" ? 2 : 0;
        pElement->allowsMixedState = Is(cell, "allowsMixedState", "YES");
        pElement->keyEquivalent = KeyEquivalent(cell);
        break;
    case HeadlessKind::TextField:
        pElement->text = Text16(cell.attribute("title").as_string());
        pElement->editable = Is(cell, "editable", "YES");
        break;
    case HeadlessKind::TableView:
    case HeadlessKind::OutlineView: ReadColumns(node, pElement.get()); break;
    case HeadlessKind::PopUp: ReadPopupItems(cell, pElement.get()); break;
    case HeadlessKind::Stepper:
    case HeadlessKind::Slider: ReadRange(cell, pElement.get()); break;
    case HeadlessKind::Segmented: ReadSegments(cell, pElement.get()); break;
    case HeadlessKind::ScrollView:
        if (pugi::xml_node clip = Keyed(node, "clipView", "contentView"))
            pElement->AddChild(BuildElement(clip));
        return pElement;
    case HeadlessKind::Box:
        BuildSubviews(Keyed(node, "view", "contentView").child("subviews"), pElement.get());
        return pElement;
    default: break;
    }
    BuildSubviews(node.child("subviews"), pElement.get());
    return pElement;
}

/* Layouts nest views a handful of levels deep. A deeper document is refused
   before the recursive walks below ever see it. */
struct NestingLimit : pugi::xml_tree_walker
{
    bool for_each(pugi::xml_node&) override { return depth() < 256; }
};

/* The document of a layout text, or null when the text is not usable XML.
   The last document parsed is kept: a window opened again, the common case,
   builds from it without parsing its layout anew. */
const pugi::xml_document* ParsedDocument(const std::string& text)
{
    static std::string parsedText;
    static pugi::xml_document doc;
    static bool usable = false;
    if (!usable || text != parsedText) {
        parsedText = text;
        NestingLimit limit;
        usable = doc.load_buffer(text.data(), text.size()) && doc.traverse(limit);
    }
    return usable ? &doc : nullptr;
}

/* The layout's text: the driver's folder, the module's folder, then the
   embedded copies. */
bool ReadText(int layoutID, std::string* pText)
{
    const std::string name = "/" + std::to_string(layoutID) + ".xib";
    for (const std::string& folder : {gFolder, ModuleFolder()})
        if (!folder.empty() && ReadFile(folder + name, pText))
            return true;
    size_t size = 0;
    const char* pEmbedded = HeadlessLayout::Embedded(layoutID, &size);
    if (pEmbedded)
        pText->assign(pEmbedded, size);
    return pEmbedded != nullptr;
}
} // namespace

namespace HeadlessLayout
{
std::unique_ptr<HeadlessWindow> Parse(const std::string& text)
{
    const pugi::xml_document* pDoc = ParsedDocument(text);
    if (!pDoc)
        return nullptr;
    pugi::xml_node window = pDoc->child("document").find_node([](const pugi::xml_node& node) {
        return std::strcmp(node.name(), "window") == 0 || std::strcmp(node.name(), "panel") == 0;
    });
    pugi::xml_node contentView = Keyed(window, "view", "contentView");
    if (!window || !contentView)
        return nullptr;

    auto pWindow = std::make_unique<HeadlessWindow>();
    pWindow->title = Text16(window.attribute("title").as_string());
    ReadRect(window, "contentRect", &pWindow->x, &pWindow->y, &pWindow->width, &pWindow->height);
    pWindow->height += HeadlessWindow::kTitleBarHeight;
    pWindow->content = std::make_unique<HeadlessElement>();
    BuildSubviews(contentView.child("subviews"), pWindow->content.get());
    pWindow->SyncContent();
    return pWindow;
}

std::unique_ptr<HeadlessWindow> Load(int layoutID)
{
    std::string text;
    std::unique_ptr<HeadlessWindow> pWindow = ReadText(layoutID, &text) ? Parse(text) : nullptr;
    if (pWindow)
        pWindow->layoutID = layoutID;
    return pWindow;
}
} // namespace HeadlessLayout

void qzui_set_layout_folder(const char* path) { gFolder = path ? path : ""; }

int qzui_preload_layout(int layoutID)
{
    std::string text;
    return ReadText(layoutID, &text) && ParsedDocument(text) ? 1 : 0;
}
