#include "qzhost/validate/session/RandomSessionGenerator.h"

#include "common/qz_staffset_panel.h"
#include "qzhost/script/ScriptParser.h"

#include <algorithm>
#include <iterator>

namespace
{

const std::vector<int> kCommandButtons(std::begin(qz::kPanelCommandButtons), std::end(qz::kPanelCommandButtons));

std::string JoinStaves(const std::vector<int>& staves)
{
    std::string text;
    for (size_t i = 0; i < staves.size(); ++i)
        text += (i ? "," : "") + std::to_string(staves[i]);
    return text;
}

} // namespace

uint64_t SessionSeed(uint64_t runSeed, long long session)
{
    uint64_t z = runSeed + 0x9E3779B97F4A7C15ULL * static_cast<uint64_t>(session + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::vector<std::string> SetupLines(const SessionSetup& setup, const std::string& module)
{
    std::vector<std::string> lines = {setup.demo ? "doc demo" : "doc test"};
    if (!setup.category)
        lines.push_back("category remove \"QZ Plug-in Data\"");
    for (const auto& set : setup.sets)
        lines.push_back("staffset " + std::to_string(set.first) + " \"" + JoinStaves(set.second) + "\"");
    lines.push_back(module.empty() ? "load" : "load " + qzscript::Quote(module));
    lines.push_back("invoke");
    return lines;
}

ModelDocument SetupDocument(const SessionSetup& setup, const std::vector<int>& otherExpressions)
{
    ModelDocument document;
    for (const auto& set : setup.sets)
        for (size_t i = 0; i < set.second.size(); ++i)
            document.sets[static_cast<size_t>(set.first - 1)].push_back(
                ModelEntry{set.second[i], -288 * static_cast<int32_t>(i), 100});
    document.otherExpressions = otherExpressions;
    return document;
}

const std::vector<std::string>& StepGenerator::Names()
{
    static const std::vector<std::string> names = {
        "Strings",
        "Winds 2",
        "",
        "   ",
        "\t Brass \t",
        "  Leading and trailing  ",
        std::string(300, 'x'),
        "Streicher \u00C4\u00D6\u00DC \u00DF",
        "\u5F26\u697D\u5668",
        "\u0388\u03BD\u03B1 \u03C7\u03BF\u03C1\u03CC\u03C2",
        "\u0421\u0442\u0440\u0443\u043D\u043D\u044B\u0435",
        "Emoji \U0001F3BB",
        "Colon: after",
        "quote \" and backslash \\",
        "Set #1",
    };
    return names;
}

int StepGenerator::Pick(int first, int last) { return std::uniform_int_distribution<int>(first, last)(_random); }

SessionSetup StepGenerator::MakeSetup(int scoreStaves)
{
    SessionSetup setup;
    setup.demo = Chance(30);
    setup.category = Chance(85);
    const int count = Pick(0, 3);
    for (int i = 0; i < count && scoreStaves > 0; ++i) {
        std::vector<int> staves;
        for (int staff = 1; staff <= scoreStaves; ++staff)
            if (Chance(45))
                staves.push_back(staff);
        if (staves.empty())
            staves.push_back(Pick(1, scoreStaves));
        setup.sets[Pick(1, 8)] = staves;
    }
    return setup;
}

std::string StepGenerator::SelectLine(int scoreStaves)
{
    if (scoreStaves < 1 || Chance(12))
        return "select none";
    const int first = Pick(1, scoreStaves);
    const int last = Chance(30) ? first : Pick(first, scoreStaves);
    const int measure = Pick(1, 8);
    return "select " + std::to_string(first) + "-" + std::to_string(last) + " " + std::to_string(measure) + "-" +
           std::to_string(Pick(measure, 8));
}

std::string StepGenerator::ThirdRowLine(const ReferenceModel& model, const PanelInputs& inputs)
{
    static const char* const kFiles[] = {"a.json", "b.json"};
    const int control = qz::kPanelThirdRowButtons[Pick(0, 2)];
    const std::string press = "press " + std::to_string(control);
    if (control == qz::kPanelFromGroups ||
        std::find(inputs.enabled.begin(), inputs.enabled.end(), control) == inputs.enabled.end())
        return press;
    if (Chance(10)) {
        _pending.push_back(press);
        return "answer cancel";
    }
    const std::string file = kFiles[Pick(0, 1)];
    if (control == qz::kPanelApplyTemplate && model.WouldAskApply(file) && Chance(80))
        _pending.push_back(Chance(70) ? "answer yes" : "answer no");
    _pending.push_back(press);
    return "answer file " + qzscript::Quote(file);
}

std::string StepGenerator::PressLine(const ReferenceModel& model, const PanelInputs& inputs)
{
    if (Chance(25))
        return ThirdRowLine(model, inputs);
    std::vector<int> enabled;
    for (int control : kCommandButtons)
        if (std::find(inputs.enabled.begin(), inputs.enabled.end(), control) != inputs.enabled.end())
            enabled.push_back(control);
    const std::vector<int>& pool = enabled.empty() || Chance(10) ? kCommandButtons : enabled;
    const int control = pool[static_cast<size_t>(Pick(0, static_cast<int>(pool.size()) - 1))];
    const std::string press = "press " + std::to_string(control);
    if (model.WouldAsk(control, inputs) && Chance(80)) {
        _pending.push_back(press);
        return Chance(70) ? "answer yes" : "answer no";
    }
    return press;
}

std::string StepGenerator::Next(const ReferenceModel& model, const PanelInputs& inputs, int scoreStaves)
{
    if (!_pending.empty()) {
        const std::string line = _pending.front();
        _pending.erase(_pending.begin());
        return line;
    }
    if (!model.Open())
        return "invoke";
    const int draw = Pick(1, 100);
    if (draw <= 15)
        return "row " + std::to_string(Pick(-1, 8));
    if (draw <= 27) {
        const std::vector<std::string>& names = Names();
        return "type " + qzscript::Quote(names[static_cast<size_t>(Pick(0, static_cast<int>(names.size()) - 1))]);
    }
    if (draw <= 37)
        return SelectLine(model.SlotCount());
    if (draw <= 39) {
        const std::vector<int> parts = model.Parts();
        return "part " + std::to_string(parts[static_cast<size_t>(Pick(0, static_cast<int>(parts.size()) - 1))]);
    }
    if (draw <= 75)
        return PressLine(model, inputs);
    if (draw <= 83) {
        static const int kWaits[] = {200, 400, 1000};
        return "wait " + std::to_string(kWaits[Pick(0, 2)]);
    }
    if (draw <= 90 && model.UndoDepth() > 0)
        return "undo";
    if (draw <= 95 && model.RedoDepth() > 0)
        return "redo";
    if (draw <= 98)
        return Chance(50) ? "activate" : "deactivate";
    return "close";
}
