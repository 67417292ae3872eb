#ifndef QZHOST_REFERENCEMODEL_H
#define QZHOST_REFERENCEMODEL_H

/* The validator's own idea of what the panel does to a document: the eight
   staff sets (staff numbers, distances, resize values), the name expressions
   that carry their names, the host's undo steps, and the nine rows the panel
   shows. It is written from the panel's documented behaviour alone and never
   asks the plug-in; the session checker compares the engine's document and
   the panel with it after every step. */

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

struct ModelEntry
{
    int staff = 0;
    int32_t distance = 0;
    int resize = 100;
    bool operator==(const ModelEntry& other) const
    {
        return staff == other.staff && distance == other.distance && resize == other.resize;
    }
};

/* One name expression in the special category: which staff set its
   description names, and the name after the prefix. */
struct ModelNameExpression
{
    int staffSet = 0;
    std::string name;
    bool operator==(const ModelNameExpression& other) const { return staffSet == other.staffSet && name == other.name; }
};

/* A staff group of two or more staves: its first and last index in the
   score's staff list and its full name. */
struct ModelGroup
{
    int first = 0, last = 0;
    std::string name;
};

/* A staff's full and abbreviated name as stored (caret texts). */
struct ModelStaffTexts
{
    std::string full, abbreviated;
};

/* One staff set of a template the session saved. */
struct ModelTemplateSet
{
    struct Staff
    {
        ModelStaffTexts names;
        int32_t distance = 0;
        int resize = 100;
    };
    int number = 0;
    std::string name;
    std::vector<Staff> staves;
};

/* What the document holds of the staff sets. */
struct ModelDocument
{
    std::array<std::vector<ModelEntry>, 8> sets;
    /* Text expression items: those of the special category by item; every
       other item only takes its number. */
    std::map<int, ModelNameExpression> names;
    std::vector<int> otherExpressions;

    bool Exists(int n) const { return n >= 1 && n <= 8 && !sets[n - 1].empty(); }
    /* The item of staff set n's name expression as the panel finds it (the
       first in item order); 0 when none. */
    int NameItem(int n, bool categoryExists) const;
    /* The stored name; "" when there is none. */
    std::string Name(int n, bool categoryExists) const;
    /* The item a new expression receives (one above the highest). */
    int NextExpressionItem() const;
    bool operator==(const ModelDocument& other) const { return sets == other.sets && names == other.names; }
};

/* One row as the panel shows it. */
struct ModelRow
{
    int count = 0;
    std::string name, top, bottom;
};

/* What the user sees of the panel before a step: the inputs of a command. */
struct PanelInputs
{
    int row = -1;
    std::string edit;
    std::vector<int> enabled; /* enabled controls */
    bool active = false;      /* the panel is the active window */
};

/* What a step should do besides changing the document. */
struct StepPrediction
{
    std::vector<std::string> alerts; /* titles, in order */
    int beeps = 0;
    bool committed = false; /* a new undo step */
    bool error = false;     /* the command itself reports a problem */
};

class ReferenceModel
{
public:
    /* score: the score's staff list (slot order) as (staff, distance);
       names: the full name the panel shows for each staff. */
    ReferenceModel(const std::vector<ModelEntry>& score, const std::map<int, std::string>& names, bool categoryExists,
                   const ModelDocument& start);

    /* The staff list of a linked part (slot order); parts without one
       cannot be made current. */
    void AddPart(int part, const std::vector<ModelEntry>& list) { _parts[part] = list; }
    bool HasPart(int part) const { return part == 0 || _parts.count(part) != 0; }
    /* The current part: selections are made in its staff list; staff sets
       are kept in the score whatever part is current. */
    void SwitchPart(int part) { _part = part; }
    int SlotCount() const { return static_cast<int>(PartList().size()); }
    std::vector<int> Parts() const;

    /* Steps of the script language. */
    void Select(int firstSlot, int lastSlot) { _selection = {firstSlot, lastSlot}; }
    void SelectNone() { _selection = {0, 0}; }
    void QueueAnswer(int answer) { _answers.push_back(Answer{answer, ""}); }
    /* A file chosen in the next file dialog (the path as the script gives it). */
    void QueueFile(const std::string& path) { _answers.push_back(Answer{kFileAnswer, path}); }
    /* The score's groups and the staves' stored names. */
    void SetGroups(const std::vector<ModelGroup>& groups) { _groups = groups; }
    void SetStaffTexts(const std::map<int, ModelStaffTexts>& texts) { _staffTexts = texts; }
    /* True when applying the template the session saved under the path would
       first ask to replace staff sets. */
    bool WouldAskApply(const std::string& path) const;
    bool HasTemplate(const std::string& path) const { return _templates.count(path) != 0; }
    StepPrediction Press(int control, const PanelInputs& inputs);
    StepPrediction Undo();
    StepPrediction Redo();
    void Wait(long long milliseconds);
    /* The panel becomes or stops being the active window; only a change
       reaches the panel. */
    void Activate(bool active, bool wasActive)
    {
        if (_open && active != wasActive)
            RefreshWhenCountsDiffer();
    }
    void Invoke();
    void Close() { _open = false; }

    bool Open() const { return _open; }
    bool HasSelection() const { return _selection.first > 0; }
    const ModelDocument& Document() const { return _doc; }
    bool CategoryExists() const { return _category; }
    size_t UndoDepth() const { return _undo.size(); }
    size_t RedoDepth() const { return _redo.size(); }
    const std::vector<std::string>& AlertsSoFar() const { return _alertLog; }
    int BeepsSoFar() const { return _beeps; }
    /* True when a yes/no question would come first if this control were
       pressed now (the generator queues an answer for it). */
    bool WouldAsk(int control, const PanelInputs& inputs) const;

    /* The nine rows the panel should show now, and the cells the document
       calls for ("#|Name|Staves|Top|Bottom"). */
    std::string ShownRow(int row) const;
    /* ShownRow into `text`, whose buffer is reused. */
    void ShownRowInto(int row, std::string& text) const;
    std::string FreshRow(int row) const;

    static std::string Trim(const std::string& text);

private:
    struct Selection
    {
        int first = 0, last = 0;
    };
    int ScoreIndex(int staff) const;
    const std::vector<ModelEntry>& PartList() const { return _part == 0 ? _score : _parts.at(_part); }
    int Count(int row) const;
    ModelRow Render(int row) const;
    void RefreshAll();
    void RefreshWhenCountsDiffer();
    void Commit(const ModelDocument& before);
    int AskAlert(const std::string& title, bool yesNo, StepPrediction& out);
    /* Handler operations; false cancels the edit. */
    bool StoreName(ModelDocument& doc, int n, const std::string& name, StepPrediction& out);
    /* The list a create makes of the selection; empty when no selected slot has a staff. */
    std::vector<ModelEntry> RegionList() const;
    bool Create(ModelDocument& doc, int n, const std::string& name, StepPrediction& out);
    bool AddStaves(ModelDocument& doc, int n) const;
    bool RemoveStaves(ModelDocument& doc, int n) const;
    void Swap(ModelDocument& doc, int a, int b) const;
    void Delete(ModelDocument& doc, int n) const;
    std::vector<int> SelectedStaves() const;
    void RunHandlerResult(bool ok, const ModelDocument& before, StepPrediction& out);
    /* The third row: From Groups, Save Template and Apply Template. */
    void FromGroups(StepPrediction& out);
    void SaveTemplate(StepPrediction& out);
    void ApplyTemplate(StepPrediction& out);
    /* The answer to a file dialog: true with the path, false when it is cancelled. */
    bool AskFile(std::string& path, StepPrediction& out);
    /* The staff sets a template makes in the score (number, entries), and
       the count of its staves without a match. */
    std::vector<std::pair<int, std::vector<ModelEntry>>> MatchTemplate(const std::vector<ModelTemplateSet>& sets,
                                                                       int& missing) const;
    /* Writes the staff sets with their names as one committed step that
       refreshes the panel; names without the category are dropped and the
       user told once. */
    void WriteSets(const std::vector<std::pair<int, std::vector<ModelEntry>>>& sets,
                   const std::vector<std::string>& names, StepPrediction& out);

    static constexpr int kFileAnswer = 4;
    struct Answer
    {
        int code;
        std::string path;
    };

    std::vector<ModelEntry> _score;
    std::map<int, std::vector<ModelEntry>> _parts;
    int _part = 0;
    std::map<int, std::string> _staffNames;
    bool _category;
    ModelDocument _doc;
    std::vector<std::pair<ModelDocument, ModelDocument>> _undo, _redo;
    std::array<ModelRow, 9> _shown;
    Selection _selection;
    std::deque<Answer> _answers;
    std::vector<ModelGroup> _groups;
    std::map<int, ModelStaffTexts> _staffTexts;
    std::map<std::string, std::vector<ModelTemplateSet>> _templates;
    std::vector<std::string> _alertLog;
    int _beeps = 0;
    long long _clock = 0; /* milliseconds since the panel's timer started */
    bool _open = false;
};

#endif
