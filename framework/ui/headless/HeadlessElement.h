#ifndef FRAMEWORK_UI_HEADLESS_HEADLESSELEMENT_H
#define FRAMEWORK_UI_HEADLESS_HEADLESSELEMENT_H

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class FCCtrlDataList;
class FCCtrlTree;

/* The kinds of on-screen element the headless bridge models. */
enum class HeadlessKind
{
    View,
    Box,
    PushButton,
    CheckBox,
    RadioButton,
    TextField,
    ScrollView,
    ClipView,
    TableView,
    OutlineView,
    PopUp,
    Stepper,
    Slider,
    Segmented,
    Other
};

/* One table column. */
struct HeadlessColumn
{
    std::string identifier;
    std::u16string title;
    float width = 0;
    bool editable = false;
};

/* One element of a headless window: a view with its frame in its superview's
 * coordinates (origin bottom-left, as the layout file gives it), its tag, its
 * texts and states, and its subviews. */
class HeadlessElement
{
public:
    HeadlessElement() = default;
    ~HeadlessElement();
    HeadlessElement(const HeadlessElement&) = delete;
    HeadlessElement& operator=(const HeadlessElement&) = delete;

    HeadlessKind kind = HeadlessKind::View;
    int tag = 0;
    std::string identifier; /* boxes are found by it, read as an integer */
    float x = 0, y = 0, width = 0, height = 0;
    std::u16string text; /* the title of a button, the string value otherwise */
    bool enabled = true;
    bool hidden = false;
    bool editable = false; /* text fields */
    int state = 0;         /* buttons: 0 off, 1 on, 2 mixed */
    bool allowsMixedState = false;
    std::string keyEquivalent;

    /* Popups (items) and segmented controls (segment labels). */
    std::vector<std::u16string> items;
    int selectedItem = -1;

    /* Steppers and sliders. */
    double minValue = 0;
    double maxValue = 0;
    double value = 0;
    int tickMarks = 0;

    /* Tables. */
    std::vector<HeadlessColumn> columns;
    int selectedRow = -1;
    bool hasHeader = true;
    bool allowsEmptySelection = true;
    bool dataSourceSet = false;
    FCCtrlDataList* dataList = nullptr; /* the user-info entry "DataList" */

    /* Outlines: the user-info entry "Tree", the expanded items and the
       selected item (items are the tree's node handles). */
    FCCtrlTree* tree = nullptr;
    std::vector<const void*> expandedItems;
    const void* selectedOutlineItem = nullptr;

    HeadlessElement* parent = nullptr;
    std::vector<std::unique_ptr<HeadlessElement>> children;

    /* Appends a child and returns it. */
    HeadlessElement* AddChild(std::unique_ptr<HeadlessElement> pChild);
    /* Controls carry tags; boxes, scroll views and plain views do not. */
    bool IsControl() const;
    bool IsButton() const;
    /* Depth-first search of the subviews (not this element itself): a box
       whose identifier, read as an integer, equals the tag, or a control
       whose tag equals it; the first match wins. Answered from an index of
       the subviews by tag, made on the first search and made again after any
       element was added or destroyed anywhere, or when the element it gives
       no longer carries the tag. An element's tag and identifier are set
       before it joins a tree. */
    HeadlessElement* FindByTag(int wanted);
    /* The nearest enclosing scroll view, or null. */
    HeadlessElement* EnclosingScrollView();
    /* The element whose frame stands for this one: the enclosing scroll view
       when there is one, else the element. */
    HeadlessElement* FrameElement();
    /* Hidden itself or inside a hidden view. */
    bool IsHiddenOrInsideHidden() const;
    /* Every element in depth-first order (this one first). */
    void Collect(std::vector<HeadlessElement*>* pOut);

private:
    using TagIndex = std::unordered_map<int, HeadlessElement*>;
    /* The tag a search finds this element by; false when it has none. */
    bool SearchTag(int* pTag) const;
    /* Adds the subviews, depth first, keeping the first element of a tag. */
    void IndexSubviews(TagIndex* pIndex);

    TagIndex _tagIndex;
    unsigned long _tagIndexEdition = 0; /* the tree edition it was made at (0: never) */
};

/* The element behind a backend's element handle (the bridge's opaque
   pointer, never null when handed back). */
inline HeadlessElement* AsHeadless(void* element) { return static_cast<HeadlessElement*>(element); }

/* The integer value of a text the way the platform reads it: leading blanks
   skipped, an optional sign, then digits; 0 when there are none. */
int HeadlessIntValue(const std::string& text);

#endif
