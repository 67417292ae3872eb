#ifndef TESTS_UNIT_UI_KINDSTESTWINDOW_H
#define TESTS_UNIT_UI_KINDSTESTWINDOW_H

#include "ui/FCCtrlLine.h"
#include "ui/FCCtrlPopup.h"
#include "ui/FCCtrlRadioButton.h"
#include "ui/FCCtrlSlider.h"
#include "ui/FCCtrlStatic.h"
#include "ui/FCCtrlSwitcher.h"
#include "ui/FCCtrlTree.h"
#include "ui/FCCtrlUpDown.h"
#include "UiProbe.h"
#include "UiTestWindow.h"

/* The test layout 20129, one control of every kind, with the handlers of the
   routing table recorded. */
class KindsWindow : public FCResourceWindow
{
public:
    enum
    {
        kLayout = 20129,
        kRadioA = 201,
        kRadioB = 202,
        kStatic = 203,
        kPopup = 204,
        kEdit = 205,
        kStepper = 206,
        kSlider = 207,
        kSwitcher = 208,
        kTree = 209,
        kCheck = 211,
        kApply = 212,
        kMeasureEdit = 214,
        kMeasureStepper = 215
    };

    EventLog log;
    FCCtrlRadioButton* pRadioA;
    FCCtrlRadioButton* pRadioB;
    FCCtrlStatic* pStatic;
    FCCtrlPopup* pPopup;
    FCCtrlEdit* pEdit;
    FCCtrlUpDown* pUpDown;
    FCCtrlSlider* pSlider;
    FCCtrlSwitcher* pSwitcher;
    FCCtrlTree* pTree;
    FCCtrlCheckbox* pCheck;
    FCCtrlButton* pApply;
    FCCtrlEdit* pMeasureEdit;
    FCCtrlUpDown* pMeasureUpDown;

    KindsWindow() : FCResourceWindow(kLayout)
    {
        AddButton(1);
        AddButton(2);
        pRadioA = AddRadioButton(kRadioA);
        pRadioB = AddRadioButton(kRadioB);
        pStatic = AddStatic(kStatic);
        pPopup = AddPopup(kPopup);
        pEdit = AddEdit(kEdit);
        pUpDown = AddUpDown(kStepper);
        pSlider = AddSlider(kSlider);
        pSwitcher = AddSwitcher(kSwitcher);
        pTree = AddTree(kTree);
        pCheck = AddCheckbox(kCheck);
        pApply = AddButton(kApply);
        pMeasureEdit = AddEdit(kMeasureEdit);
        pMeasureUpDown = AddUpDown(kMeasureStepper);
    }

    void HandleCommand(FCControl* pControl) override
    {
        log.push_back("command " + (pControl ? std::to_string(pControl->GetControlID()) : std::string("null")));
    }
    void HandleSwitcherSelect(FCCtrlSwitcher* pSwitch, int page) override
    {
        log.push_back("switcher " + std::to_string(pSwitch ? pSwitch->GetControlID() : 0) + " " + std::to_string(page));
        FCResourceWindow::HandleSwitcherSelect(pSwitch, page);
    }
    void HandleUpDownPressed(FCControl* pControl, int delta) override
    {
        log.push_back("updown " + std::to_string(pControl ? pControl->GetControlID() : 0) + " " +
                      std::to_string(delta));
    }

    int Show()
    {
        ShowModeless(static_cast<__FCUserWindow*>(nullptr));
        return qzui_find_window(kLayout);
    }
};

/* Driver readers for the test layout's elements. */
inline std::string PopupItem(int window, int tag, int index)
{
    char buffer[128];
    return qzui_popup_item_text(window, tag, index, buffer, sizeof buffer) < 0 ? "<missing>" : buffer;
}

inline std::string SegmentTitle(int window, int tag, int segment)
{
    char buffer[128];
    return qzui_segment_title(window, tag, segment, buffer, sizeof buffer) < 0 ? "<missing>" : buffer;
}

/* The outline's shown rows, one string per row: two spaces per level, the
   text, then "+" (collapsed) or "-" (expanded) for an expandable row and "*"
   for the selected one. */
inline std::vector<std::string> OutlineRows(int window, int tag)
{
    std::vector<std::string> rows;
    const int count = qzui_outline_row_count(window, tag);
    for (int row = 0; row < count; ++row) {
        qzui_outline_row info{};
        char buffer[128];
        if (qzui_outline_row_info(window, tag, row, &info) != QZUI_OK ||
            qzui_outline_row_text(window, tag, row, buffer, sizeof buffer) < 0) {
            rows.push_back("<bad row>");
            continue;
        }
        std::string text = std::string(static_cast<size_t>(2 * info.depth), ' ') + buffer;
        if (info.expandable)
            text += info.expanded ? " -" : " +";
        if (info.selected)
            text += " *";
        rows.push_back(text);
    }
    return rows;
}

#endif
