#ifndef TESTS_UNIT_UI_UITESTWINDOW_H
#define TESTS_UNIT_UI_UITESTWINDOW_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/FCCtrlButton.h"
#include "ui/FCCtrlCheckbox.h"
#include "ui/FCCtrlDataList.h"
#include "ui/FCCtrlEdit.h"
#include "ui/FCDataListRow.h"
#include "ui/FCResourceWindow.h"
#include "ui/FCUIGlobals.h"
#include "ui/driver/qzui_driver.h"

using EventLog = std::vector<std::string>;

/* The log a test expects, written as a list of entries. */
inline EventLog Expect(std::initializer_list<const char*> entries) { return EventLog(entries.begin(), entries.end()); }

/* A data list that writes its own handler calls into the window's log. */
class RecordingList : public FCCtrlDataList
{
    EventLog* _pLog;

public:
    RecordingList(int id, EventLog* pLog) : FCCtrlDataList(id), _pLog(pLog) {}
    void HandleSelectChange(int line) override { _pLog->push_back("list.select " + std::to_string(line)); }
    void HandleUnselect() override { _pLog->push_back("list.unselect"); }
    void HandleCheckChange(int line, bool checked) override
    {
        _pLog->push_back("list.check " + std::to_string(line) + " " + std::to_string(checked));
        FCCtrlDataList::HandleCheckChange(line, checked);
    }
    void HandleDoubleClick() override { _pLog->push_back("list.double"); }
};

/* The panel layout's controls, with every handler recorded. */
class TestWindow : public FCResourceWindow
{
public:
    EventLog log;
    bool allowClose = true;
    FCCtrlButton* pOk;
    FCCtrlButton* pClose;
    RecordingList* pList;
    FCCtrlEdit* pEdit;
    FCCtrlButton* pSetName;

    explicit TestWindow(int layoutID = 20128) : FCResourceWindow(layoutID)
    {
        pOk = AddButton(1);
        pOk->SetActionKind(FCControl::ACTIONKIND_OK);
        pClose = AddButton(2);
        pClose->SetActionKind(FCControl::ACTIONKIND_CLOSE);
        pList = static_cast<RecordingList*>(AddControl(new RecordingList(101, &log)));
        pEdit = AddEdit(102);
        pSetName = AddButton(103);
        for (short tag = 104; tag <= 109; ++tag)
            AddButton(tag);
    }

    void InitWindow() override
    {
        FCResourceWindow::InitWindow();
        log.push_back("init");
    }
    void CloseWindow() override
    {
        log.push_back("closewindow");
        FCResourceWindow::CloseWindow();
    }
    void OkButtonPressed() override
    {
        log.push_back("ok");
        FCResourceWindow::OkButtonPressed();
    }
    void CancelButtonPressed() override
    {
        log.push_back("cancel");
        FCResourceWindow::CancelButtonPressed();
    }
    void CloseButtonPressed() override
    {
        log.push_back("close");
        FCResourceWindow::CloseButtonPressed();
    }
    void HandleCommand(FCControl* pControl) override
    {
        log.push_back("command " + (pControl ? std::to_string(pControl->GetControlID()) : std::string("null")));
    }
    void HandleDataListSelect(FCCtrlDataList* pDataList, int line) override
    {
        log.push_back("window.select " + std::to_string(pDataList->GetControlID()) + " " + std::to_string(line));
    }
    void HandleDataListCheck(FCCtrlDataList*, int line, bool checked) override
    {
        log.push_back("window.check " + std::to_string(line) + " " + std::to_string(checked));
    }
    void HandleTimer(short id) override { log.push_back("timer " + std::to_string(id)); }
    void HandleActivate(bool active) override { log.push_back("activate " + std::to_string(active)); }
    void HandleResize(int nw, int nh, int ow, int oh) override
    {
        log.push_back("resize " + std::to_string(nw) + "x" + std::to_string(nh) + " from " + std::to_string(ow) + "x" +
                      std::to_string(oh));
    }
    bool CanClose() override
    {
        log.push_back("canclose");
        return allowClose;
    }

    /* Gives the list three columns and n rows of "r<i>c<j>" cells. */
    void FillList(int rows)
    {
        for (int c = 1; c <= 3; ++c) {
            FCString title(("T" + std::to_string(c)).c_str());
            pList->AddColumn(&title, 40.0f * static_cast<float>(c));
        }
        for (int r = 0; r < rows; ++r) {
            FCDataListRow* pRow = pList->CreateRow();
            for (int c = 0; c < 3; ++c)
                pRow->GetItemAt(c)->SetCString(("r" + std::to_string(r) + "c" + std::to_string(c)).c_str());
        }
    }
};

/* Captures the driver callbacks and restores the process-wide settings. */
class UiTest : public ::testing::Test
{
protected:
    std::vector<std::string> logLines;

    static void OnLog(void* context, const char* line)
    {
        static_cast<std::vector<std::string>*>(context)->push_back(line);
    }

    void SetUp() override { qzui_set_log_callback(&UiTest::OnLog, &logLines); }
    void TearDown() override
    {
        qzui_set_log_callback(nullptr, nullptr);
        qzui_set_modal_callback(nullptr, nullptr);
        qzui_set_layout_folder(nullptr);
        __bWindowshadeAllowed = true;
    }

    static int Shown(TestWindow& window)
    {
        window.ShowModeless(static_cast<__FCUserWindow*>(nullptr));
        return qzui_find_window(window.GetLayoutID());
    }

    static std::string Text(int window, int tag)
    {
        char buffer[256];
        return qzui_element_text(window, tag, buffer, sizeof buffer) < 0 ? "<missing>" : buffer;
    }

    static std::string Cell(int window, int tag, int row, int column)
    {
        char buffer[256];
        return qzui_table_cell_text(window, tag, row, column, buffer, sizeof buffer) < 0 ? "<missing>" : buffer;
    }

    static qzui_element Info(int window, int tag)
    {
        qzui_element info{};
        EXPECT_EQ(QZUI_OK, qzui_element_info(window, tag, &info));
        return info;
    }

    static qzui_rect Frame(int window)
    {
        qzui_rect frame{};
        EXPECT_EQ(QZUI_OK, qzui_window_frame(window, &frame));
        return frame;
    }
};

#endif
