/* Every element operation of the bridge, addressed to a tag no element has
 * and to elements of the wrong kind: the neutral result, and nothing on the
 * window changes. Run against both bridges. */
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "KindsTestWindow.h"
#include "ui/FCCtrlDataList.h"
#include "ui/_FCWindowController_cocoa.h"

namespace
{
constexpr int kMissing = 999;
constexpr int kTable = 300; /* a data list made in code */

std::string TextOf(int win, int tag)
{
    char buffer[256];
    return qzui_element_text(win, tag, buffer, sizeof buffer) < 0 ? "<none>" : buffer;
}

/* What a person could see of one element, through the driver. */
void DescribeElement(std::ostringstream& out, int win, int tag)
{
    qzui_element e{};
    if (qzui_element_info(win, tag, &e) != QZUI_OK) {
        out << tag << " <unreadable>\n";
        return;
    }
    out << tag << " kind " << e.kind << " en " << e.enabled << " vis " << e.visible << " ed " << e.editable << " st "
        << e.state << " foc " << e.focused << " @" << e.frame.left << ',' << e.frame.top << ' ' << e.frame.width << 'x'
        << e.frame.height << " '" << TextOf(win, tag) << "'";
    switch (e.kind) {
    case QZUI_KIND_POPUP:
        out << " items";
        for (int i = 0; i < qzui_popup_item_count(win, tag); ++i)
            out << ' ' << PopupItem(win, tag, i);
        out << " sel " << qzui_popup_selected(win, tag);
        break;
    case QZUI_KIND_STEPPER: {
        int value = 0, minimum = 0, maximum = 0;
        qzui_stepper_state(win, tag, &value, &minimum, &maximum);
        out << " stepper " << value << ' ' << minimum << ' ' << maximum;
        break;
    }
    case QZUI_KIND_SLIDER: {
        double minimum = 0, maximum = 0, value = 0;
        int ticks = 0;
        qzui_slider_state(win, tag, &minimum, &maximum, &value, &ticks);
        out << " slider " << minimum << ' ' << maximum << ' ' << value << ' ' << ticks;
        break;
    }
    case QZUI_KIND_SEGMENTED:
        out << " segments";
        for (int i = 0; i < qzui_segment_count(win, tag); ++i)
            out << ' ' << SegmentTitle(win, tag, i);
        out << " sel " << qzui_segment_selected(win, tag);
        break;
    case QZUI_KIND_OUTLINE:
        for (const std::string& row : OutlineRows(win, tag))
            out << " [" << row << ']';
        break;
    case QZUI_KIND_TABLE:
        out << " columns " << qzui_table_column_count(win, tag) << " rows " << qzui_table_row_count(win, tag) << " sel "
            << qzui_table_selected_row(win, tag);
        for (int c = 0; c < qzui_table_column_count(win, tag); ++c)
            out << " w" << qzui_table_column_width(win, tag, c);
        break;
    default: break;
    }
    out << '\n';
}

std::string Fingerprint(int win)
{
    std::ostringstream out;
    char title[128];
    qzui_window_title(win, title, sizeof title);
    out << "window '" << title << "'\n";
    for (int i = 0; i < qzui_element_count(win); ++i)
        if (int tag = qzui_element_tag_at(win, i))
            DescribeElement(out, win, tag);
    return out.str();
}

std::string Show(bool value) { return value ? "true" : "false"; }
std::string Show(int value) { return std::to_string(value); }
std::string Show(float value) { return std::to_string(value); }
std::string Done() { return "-"; }

using Bridge = _FCWindowController_cocoa;

/* One operation: what it returns for a tag (as text; "-" when it returns
   nothing), the neutral answer, and the elements that are of the wrong
   kind for it (besides the missing tag, which every operation gets). */
struct Operation
{
    const char* name;
    std::function<std::string(Bridge*, int)> call;
    std::string neutral;
    std::vector<int> wrongKinds;
};

/* Element kinds of the layout, by the family whose operations refuse them. */
const std::vector<int> kNotButtons = {KindsWindow::kStatic, KindsWindow::kEdit,     KindsWindow::kPopup,
                                      KindsWindow::kSlider, KindsWindow::kSwitcher, KindsWindow::kTree};
const std::vector<int> kNotPopups = {1, KindsWindow::kCheck, KindsWindow::kSwitcher, KindsWindow::kTree,
                                     KindsWindow::kStatic};
const std::vector<int> kNotSteppers = {KindsWindow::kSlider, KindsWindow::kPopup, KindsWindow::kStatic};
const std::vector<int> kNotSliders = {KindsWindow::kStepper, KindsWindow::kMeasureStepper, KindsWindow::kStatic};
const std::vector<int> kNotSwitchers = {1, KindsWindow::kPopup, KindsWindow::kTree};
const std::vector<int> kNotTables = {KindsWindow::kTree, KindsWindow::kStatic, 1};
const std::vector<int> kNotOutlines = {kTable, KindsWindow::kEdit, 1};
const std::vector<int> kNotEdits = {1, KindsWindow::kTree, kTable};

std::vector<Operation> Operations(FCTreeNode* pNode)
{
    static FCString text("zz");
    return {
        {"SetDlgItemVisible", [](Bridge* b, int t) { return (b->SetDlgItemVisible(t, false), Done()); }, "-", {}},
        {"GetDlgItemVisible", [](Bridge* b, int t) { return Show(b->GetDlgItemVisible(t)); }, "false", {}},
        {"SetDlgItemEnable", [](Bridge* b, int t) { return (b->SetDlgItemEnable(t, false), Done()); }, "-", {}},
        {"GetDlgItemEnable", [](Bridge* b, int t) { return Show(b->GetDlgItemEnable(t)); }, "false", {}},
        {"SetDlgItemKeyboardFocus", [](Bridge* b, int t) { return (b->SetDlgItemKeyboardFocus(t), Done()); }, "-", {}},
        {"SetDlgItemCheck", [](Bridge* b, int t) { return (b->SetDlgItemCheck(t, 1), Done()); }, "-", kNotButtons},
        {"GetDlgItemCheck", [](Bridge* b, int t) { return Show(b->GetDlgItemCheck(t)); }, "0", kNotButtons},
        {"SetDlgItemText", [](Bridge* b, int t) { return (b->SetDlgItemText(t, &text), Done()); }, "-", {}},
        {"GetDlgItemText",
         [](Bridge* b, int t) {
             FCString read("unchanged");
             b->GetDlgItemText(t, &read);
             return std::string(read.GetCString());
         },
         "unchanged",
         {}},
        {"SetDlgItemTextAndResize",
         [](Bridge* b, int t) { return (b->SetDlgItemTextAndResize(t, &text), Done()); },
         "-",
         {}},
        {"GetDlgItemRect",
         [](Bridge* b, int t) {
             __FloatRect rect{1, 2, 3, 4};
             const bool found = b->GetDlgItemRect(t, &rect);
             return Show(found) + " " + Show(rect.top) + " " + Show(rect.right);
         },
         "false 1.000000 4.000000",
         {}},
        {"SetDlgItemWidth", [](Bridge* b, int t) { return (b->SetDlgItemWidth(t, 33), Done()); }, "-", {}},
        {"SetDlgItemHeight", [](Bridge* b, int t) { return (b->SetDlgItemHeight(t, 33), Done()); }, "-", {}},
        {"SetDlgItemPos", [](Bridge* b, int t) { return (b->SetDlgItemPos(t, 5, 5, true), Done()); }, "-", {}},
        {"SetDlgItemSize", [](Bridge* b, int t) { return (b->SetDlgItemSize(t, 40, 40, false), Done()); }, "-", {}},
        {"ClearShortcutKey",
         [](Bridge* b, int t) { return (b->ClearShortcutKey(t), Done()); },
         "-",
         {KindsWindow::kEdit}},
        {"SetEditFocus", [](Bridge* b, int t) { return (b->SetEditFocus(t), Done()); }, "-", kNotEdits},
        {"EditScrollToBottom", [](Bridge* b, int t) { return (b->EditScrollToBottom(t), Done()); }, "-", kNotEdits},
        {"ClearAllPopupItems", [](Bridge* b, int t) { return (b->ClearAllPopupItems(t), Done()); }, "-", kNotPopups},
        {"GetPopupItemCount", [](Bridge* b, int t) { return Show(b->GetPopupItemCount(t)); }, "0", kNotPopups},
        {"AppendPopupItem", [](Bridge* b, int t) { return (b->AppendPopupItem(t, &text), Done()); }, "-", kNotPopups},
        {"InsertString", [](Bridge* b, int t) { return (b->InsertString(t, 0, &text), Done()); }, "-", kNotPopups},
        {"DeletePopupItem", [](Bridge* b, int t) { return (b->DeletePopupItem(t, 0), Done()); }, "-", kNotPopups},
        {"GetPopupItemText",
         [](Bridge* b, int t) {
             FCString read("unchanged");
             b->GetPopupItemText(t, 0, &read);
             return std::string(read.GetCString());
         },
         "unchanged", kNotPopups},
        {"SelectPopupItem", [](Bridge* b, int t) { return (b->SelectPopupItem(t, 0), Done()); }, "-", kNotPopups},
        {"GetSelectedPopupItem", [](Bridge* b, int t) { return Show(b->GetSelectedPopupItem(t)); }, "-1", kNotPopups},
        {"SetStepperMinMax", [](Bridge* b, int t) { return (b->SetStepperMinMax(t, 3, 9), Done()); }, "-",
         kNotSteppers},
        {"GetStepperMin", [](Bridge* b, int t) { return Show(b->GetStepperMin(t)); }, "0", kNotSteppers},
        {"GetStepperMax", [](Bridge* b, int t) { return Show(b->GetStepperMax(t)); }, "0", kNotSteppers},
        {"SetStepperValue", [](Bridge* b, int t) { return (b->SetStepperValue(t, 5), Done()); }, "-", kNotSteppers},
        {"SetSliderMin", [](Bridge* b, int t) { return (b->SetSliderMin(t, 2), Done()); }, "-", kNotSliders},
        {"GetSliderMin", [](Bridge* b, int t) { return Show(b->GetSliderMin(t)); }, "0", kNotSliders},
        {"SetSliderMax", [](Bridge* b, int t) { return (b->SetSliderMax(t, 50), Done()); }, "-", kNotSliders},
        {"GetSliderMax", [](Bridge* b, int t) { return Show(b->GetSliderMax(t)); }, "0", kNotSliders},
        {"SetSliderThumbValue", [](Bridge* b, int t) { return (b->SetSliderThumbValue(t, 7), Done()); }, "-",
         kNotSliders},
        {"GetSliderThumbValue", [](Bridge* b, int t) { return Show(b->GetSliderThumbValue(t)); }, "-1", kNotSliders},
        {"SwitcherAddPage", [](Bridge* b, int t) { return (b->SwitcherAddPage(t, &text), Done()); }, "-",
         kNotSwitchers},
        {"SwitcherGetPageCount", [](Bridge* b, int t) { return Show(b->SwitcherGetPageCount(t)); }, "0", kNotSwitchers},
        {"SwitcherGetSelectedPage", [](Bridge* b, int t) { return Show(b->SwitcherGetSelectedPage(t)); }, "-1",
         kNotSwitchers},
        {"SwitcherSetSelectedPage", [](Bridge* b, int t) { return (b->SwitcherSetSelectedPage(t, 0), Done()); }, "-",
         kNotSwitchers},
        {"TableViewUseLeftCheckboxColumn", [](Bridge* b, int t) { return Show(b->TableViewUseLeftCheckboxColumn(t)); },
         "false", kNotTables},
        {"TableViewHasCheckboxes", [](Bridge* b, int t) { return Show(b->TableViewHasCheckboxes(t)); }, "false",
         kNotTables},
        {"TableViewSetNoHeader", [](Bridge* b, int t) { return (b->TableViewSetNoHeader(t), Done()); }, "-",
         kNotTables},
        {"TableViewExpandLastColumn", [](Bridge* b, int t) { return (b->TableViewExpandLastColumn(t), Done()); }, "-",
         kNotTables},
        {"TableViewGetColumnCount", [](Bridge* b, int t) { return Show(b->TableViewGetColumnCount(t, true)); }, "-1",
         kNotTables},
        {"TableViewGetColumnWidth", [](Bridge* b, int t) { return Show(b->TableViewGetColumnWidth(t, 0)); },
         Show(-1.0f), kNotTables},
        {"TableViewSetColumnTitle", [](Bridge* b, int t) { return (b->TableViewSetColumnTitle(t, 0, &text), Done()); },
         "-", kNotTables},
        {"TableViewAddColumn", [](Bridge* b, int t) { return (b->TableViewAddColumn(t, &text, 40, 11), Done()); }, "-",
         kNotTables},
        {"TableViewDeleteAllColumns", [](Bridge* b, int t) { return (b->TableViewDeleteAllColumns(t), Done()); }, "-",
         kNotTables},
        {"TableViewRedraw", [](Bridge* b, int t) { return (b->TableViewRedraw(t), Done()); }, "-", kNotTables},
        {"TableViewScrollToTop", [](Bridge* b, int t) { return (b->TableViewScrollToTop(t), Done()); }, "-",
         kNotTables},
        {"TableViewGetSelectedLine", [](Bridge* b, int t) { return Show(b->TableViewGetSelectedLine(t)); }, "-1",
         kNotTables},
        {"TableViewSelectLine", [](Bridge* b, int t) { return (b->TableViewSelectLine(t, 0, true), Done()); }, "-",
         kNotTables},
        {"TableViewUpdateCheckbox", [](Bridge* b, int t) { return (b->TableViewUpdateCheckbox(t, 0), Done()); }, "-",
         kNotTables},
        {"TableViewClearSelection", [](Bridge* b, int t) { return (b->TableViewClearSelection(t), Done()); }, "-",
         kNotTables},
        {"OutlineViewSetupColumn", [](Bridge* b, int t) { return (b->OutlineViewSetupColumn(t, 11), Done()); }, "-",
         kNotOutlines},
        {"OutlineViewRefreshData", [](Bridge* b, int t) { return (b->OutlineViewRefreshData(t), Done()); }, "-",
         kNotOutlines},
        {"OutlineViewGetSelectedNode",
         [](Bridge* b, int t) { return std::string(b->OutlineViewGetSelectedNode(t) ? "node" : "null"); }, "null",
         kNotOutlines},
        {"OutlineViewSetSelectedNode",
         [pNode](Bridge* b, int t) { return (b->OutlineViewSetSelectedNode(t, pNode), Done()); }, "-", kNotOutlines},
        {"OutlineViewExpandNode",
         [pNode](Bridge* b, int t) { return (b->OutlineViewExpandNode(t, pNode, true), Done()); }, "-", kNotOutlines},
        {"OutlineViewIsNodeExpanded",
         [pNode](Bridge* b, int t) { return Show(b->OutlineViewIsNodeExpanded(t, pNode)); }, "false", kNotOutlines},
        {"OutlineViewExpandAllContainers",
         [](Bridge* b, int t) { return (b->OutlineViewExpandAllContainers(t), Done()); }, "-", kNotOutlines},
        {"OutlineViewCollapseAllContainers",
         [](Bridge* b, int t) { return (b->OutlineViewCollapseAllContainers(t), Done()); }, "-", kNotOutlines},
    };
}

using ElementTolerance = UiTest;
} // namespace

TEST_F(ElementTolerance, EveryElementOperationLeavesAMissingOrWrongKindOfElementAlone)
{
    KindsWindow window;
    FCCtrlDataList* pList = window.AddDataList(kTable);
    pList->_SetCreateInCode(true);
    FCString column("Column");
    pList->AddColumn(&column, 60);
    FCString page("Page");
    window.pSwitcher->AddPage(&page);
    FCString folderText("Folder"), leafText("Leaf");
    FCTreeNode* pFolder = window.pTree->AddNode(nullptr, true, &folderText);
    window.pTree->AddNode(pFolder, false, &leafText);
    const int win = window.Show();
    ASSERT_NE(0, win);
    ASSERT_EQ(QZUI_KIND_TABLE, Info(win, kTable).kind);
    Bridge* pBridge = window._GetBridge();
    std::string before = Fingerprint(win);
    window.log.clear();

    int calls = 0;
    for (const Operation& operation : Operations(pFolder)) {
        std::vector<int> tags = operation.wrongKinds;
        tags.insert(tags.begin(), kMissing);
        for (int tag : tags) {
            EXPECT_EQ(operation.neutral, operation.call(pBridge, tag)) << operation.name << " on " << tag;
            const std::string after = Fingerprint(win);
            EXPECT_EQ(before, after) << operation.name << " on " << tag << " changed the window";
            before = after;
            ++calls;
        }
    }
    EXPECT_GT(calls, 150);
    EXPECT_EQ(EventLog{}, window.log);
    EXPECT_EQ(std::vector<std::string>{}, logLines);
}
