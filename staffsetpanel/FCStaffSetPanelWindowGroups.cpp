/* The panel's third row: staff sets from the score's groups, and staff set
   templates saved on one score and applied on another. From Groups and
   Apply Template each run one FCStaffSetPanelHandler as one undoable host
   edit; Save Template only reads the document. */

#include "staffsetpanel/FCStaffSetPanelWindow.h"

#include <string>

#include "records/FCUndoBlock.h"
#include "staffsetpanel/FCStaffSetPanelHandler.h"
#include "staffsetpanel/QZStaffSetTemplate.h"
#include "ui/FCUI.h"

namespace
{

const char* const kTemplateExtension = ".json";

/* "1 staff set", "2 staff sets". */
std::string Count(int count, const char* singular, const char* plural)
{
    return std::to_string(count) + " " + (count == 1 ? singular : plural);
}

/* The numbers and names of the planned staff sets that exist already:
   "2 (Brass), 3". Empty when none does. */
std::string ReplacedStaffSets(FCStaffSetPanelWindow* pWindow, const FCStaffSetPanelHandler::TemplatePlan& plan)
{
    std::string list;
    for (const FCStaffSetPanelHandler::PlannedStaffSet& set : plan.sets) {
        if (!pWindow->StaffSetExists(set.number))
            continue;
        FCString name;
        pWindow->FormatStaffSetName(&name, set.number, false);
        const char* text = name.GetUTF8String();
        list += (list.empty() ? "" : ", ") + std::to_string(set.number);
        if (text && *text)
            list += std::string(" (") + text + ")";
    }
    return list;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += "\n" + line;
    return text;
}

std::string Utf8(FCString* pString)
{
    const char* text = pString->GetUTF8String();
    return text ? text : "";
}

} // namespace

bool FCStaffSetPanelWindow::_RunSetsHandler(FCStaffSetPanelHandler* pHandler)
{
    FCUndoBlock undoBlock;
    FCString undoText(kUndoText);
    const bool done = undoBlock.Execute(pHandler, &undoText);
    if (done)
        RefereshAllData();
    return done;
}

void FCStaffSetPanelWindow::CreateFromGroups()
{
    if (!_pUI)
        return;
    FCStaffSetPanelHandler handler(nullptr, 1, _pUI, nullptr);
    handler.SetOperationKind(FCStaffSetPanelHandler::OPERATION_FROMGROUPS);
    FCStaffSetPanelHandler::GroupsPlan plan;
    handler.PlanFromGroups(&plan);
    if (plan.groups == 0) {
        _pUI->AlertInfoUTF8("The score has no staff groups of two or more staves to make staff sets from.",
                            "No Staff Groups");
        return;
    }
    if (plan.skipped == plan.groups) {
        _pUI->AlertInfoUTF8("Every staff group of the score already has a staff set with exactly its staves.",
                            "Nothing to Create");
        return;
    }
    if (plan.sets.empty()) {
        _pUI->AlertInfoUTF8("All eight staff sets are in use. Delete a staff set to make room for the score's groups.",
                            "No Free Staff Set");
        return;
    }
    if (!_RunSetsHandler(&handler) || plan.unplaced == 0)
        return;
    const std::string message = "Made " + Count(static_cast<int>(plan.sets.size()), "staff set", "staff sets") +
                                " from the score's groups. " + Count(plan.unplaced, "group", "groups") +
                                " did not fit: all eight staff sets are in use.";
    _pUI->AlertInfoUTF8(message.c_str(), "Staff Sets Created");
}

void FCStaffSetPanelWindow::SaveTemplate()
{
    if (!_pUI || !_AnyStaffSetExists())
        return;
    FCString title("Save Staff Set Template");
    FCString suggested("Staff Sets.json");
    FCString extension(kTemplateExtension);
    FCString path;
    if (!_pUI->DisplaySaveFileDialog(&title, &suggested, &extension, &path))
        return;
    QZStaffSetTemplate staffSets;
    FCStaffSetPanelHandler handler(nullptr, 1, _pUI, nullptr);
    handler.ReadTemplate(&staffSets);
    if (staffSets.WriteFile(Utf8(&path)))
        return;
    const std::string message = "The template could not be written to \"" + Utf8(&path) + "\".";
    _pUI->AlertErrorUTF8(message.c_str(), "Template Not Saved");
}

void FCStaffSetPanelWindow::ApplyTemplate()
{
    if (!_pUI)
        return;
    FCString title("Apply Staff Set Template");
    FCString extension(kTemplateExtension);
    FCString path;
    if (!_pUI->DisplayOpenFileDialog(&title, &extension, &path))
        return;
    QZStaffSetTemplate staffSets;
    std::string error;
    if (!staffSets.ReadFile(Utf8(&path), &error)) {
        _pUI->AlertErrorUTF8(error.c_str(), "Template Not Read");
        return;
    }
    FCStaffSetPanelHandler handler(nullptr, 1, _pUI, nullptr);
    handler.SetOperationKind(FCStaffSetPanelHandler::OPERATION_APPLYTEMPLATE);
    handler.SetTemplate(&staffSets);
    FCStaffSetPanelHandler::TemplatePlan plan;
    handler.PlanTemplate(staffSets, &plan);
    const std::string replaced = ReplacedStaffSets(this, plan);
    if (!replaced.empty()) {
        const std::string question =
            "The template replaces these staff sets of the score: " + replaced + ". Do you want to replace them?";
        if (_pUI->AlertYesNoUTF8(question.c_str(), "Replace Staff Sets?") != FCUI::ALERTRESULT_YES)
            return;
    }
    /* Sets that hold the template already are left as they are (no undo
       step); the missing staves are reported all the same. */
    if (!plan.sets.empty())
        _RunSetsHandler(&handler);
    if (plan.missing.empty())
        return;
    const std::string message =
        "These staves of the template are not in the score and were left out:" + JoinLines(plan.missing);
    _pUI->AlertInfoUTF8(message.c_str(), "Staves Not Found");
}
