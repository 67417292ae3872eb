/* The staff set panel against the simulated host, on the demo score and on
   generated scores of 100 staves with 1,000 expressions and 1,000 staves with
   10,000 expressions:
   - tick: one timer tick with nothing changed, against its floor (the raw
     FX_LoadEData calls that count the nine lists' records, same run);
   - refresh: RefereshAllData, against its floor (the raw FX_ calls that read
     the data it shows, same run);
   - each command button on the demo score, its undo included;
   - the validator's random session loop (qzhost validate, level 5): the
     time of one checked step, sessions of 100 steps on the test score. */

#include <benchmark/benchmark.h>

#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "common/qz_fourcc.h"
#include "common/qz_host_document.h"
#include "plugin/FinaleExtension.h"
#include "plugin/PanelInvocation.h"
#include "staffsetpanel/FCStaffSetPanelWindow.h"
#include "support/HostsimFixture.h"
#include "ui/driver/qzui_driver.h"

#ifdef QZBENCH_VALIDATOR_MODULE
#include <sys/resource.h>

#include "qzhost/validate/checks/RandomSessions.h"
#endif

namespace
{

constexpr uint32_t kHostVersion = 0x19000000u;
constexpr uint32_t kSystemStaffTag = QZ_FOURCC("SOIu");
constexpr int kList = FCStaffSetPanelWindow::CONTROL_LIST;
constexpr int kEdit = FCStaffSetPanelWindow::CONTROL_NAMEEDIT;
constexpr int kAnswerYes = 2;

struct Score
{
    const char* name;
    int64_t staves, expressions; /* 0: the demo score */
};
const Score kScores[] = {{"demo", 0, 0}, {"100x1000", 100, 1000}, {"1000x10000", 1000, 10000}};

const HostsimApi* host = nullptr;
int openScore = -1;

using LoadEData = int (*)(uint32_t, const int16_t*, void*, uint32_t*, uint32_t);
using NextEData = int (*)(uint32_t, int16_t*, void*, uint32_t*, uint32_t);
using AutoNumberedName = int (*)(int16_t, int16_t, uint16_t*, int32_t, uint32_t);
LoadEData rawLoad = nullptr;
NextEData rawNext = nullptr;
AutoNumberedName rawAutoName = nullptr;

template <class Function>
bool Resolve(Function& function, const char* name)
{
    function = reinterpret_cast<Function>(dlsym(host->handle, name));
    return function != nullptr;
}

int AnswerYes(void*, int, const char*, const char*, const char* const*, int) { return kAnswerYes; }

bool StartHost()
{
    host = HostsimFixture::Host();
    if (!host) {
        std::fprintf(stderr, "%s\n", HostsimFixture::LoadError());
        return false;
    }
    if (!Resolve(rawLoad, "FX_LoadEData") || !Resolve(rawNext, "FX_NextEData") ||
        !Resolve(rawAutoName, "FX_AutoNumberedName_UTF16"))
        return false;
    char name[] = "bench_panel";
    char* argv[] = {name, nullptr};
    qzui_set_alert_callback(&AnswerYes, nullptr);
    return PluginMain(1, argv) == 1;
}

/* Makes score `index` current with the panel open on it (kept between the
   benchmarks of one score). */
bool OpenScore(int index)
{
    if (openScore == index)
        return true;
    if (openScore >= 0)
        FinaleExtensionTerminate();
    host->hostsim_reset();
    host->hostsim_set_profile(kHostVersion);
    host->hostsim_set_main_thread();
    const Score& score = kScores[index];
    int16_t document = 0;
    if (score.staves == 0)
        document = host->hostsim_new_document(HOSTSIM_SEED_DEMO);
    else {
        hostsim_large_score sizes{score.staves, 100, score.expressions, 8, 1};
        char error[256] = "";
        document = host->hostsim_new_large_document(&sizes, error, sizeof error);
        if (!document)
            std::fprintf(stderr, "%s\n", error);
    }
    if (!document)
        return false;
    FinaleExtensionVersion(kHostVersion);
    FinaleExtensionInvoke(nullptr);
    openScore = index;
    return pMainWindow != nullptr;
}

/* The host's call log grows with every call; it is emptied outside the
   timing now and then. */
void TrimLog(benchmark::State& state, size_t iteration)
{
    if (iteration % 256 != 0)
        return;
    state.PauseTiming();
    host->hostsim_clear_call_log();
    state.ResumeTiming();
}

void Tick(benchmark::State& state, int score)
{
    if (!OpenScore(score))
        return state.SkipWithError("the score did not open");
    size_t i = 0;
    for (auto _ : state) {
        pMainWindow->HandleTimer(FCStaffSetPanelWindow::kTimerID);
        TrimLog(state, ++i);
    }
}

/* Records of staff list `item` in the current part, counted with raw loads. */
int CountRaw(uint16_t item)
{
    unsigned char record[64];
    int inci = 0;
    for (;; ++inci) {
        const int16_t key[3] = {static_cast<int16_t>(item), static_cast<int16_t>(inci), 0};
        uint32_t size = sizeof record;
        if (!rawLoad(kSystemStaffTag, key, record, &size, kHostVersion))
            return inci;
    }
}

int CountNineLists()
{
    int total = CountRaw(0);
    for (int set = 1; set <= 8; ++set)
        total += CountRaw(qz::StaffSetItem(set));
    return total;
}

void Floor(benchmark::State& state, int score)
{
    if (!OpenScore(score))
        return state.SkipWithError("the score did not open");
    int expected = 0;
    for (int row = 0; row <= 8; ++row)
        expected += pMainWindow->CountStaffSetStaves(row);
    if (CountNineLists() != expected)
        return state.SkipWithError("the floor counts differently");
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountNineLists());
        TrimLog(state, ++i);
    }
}

/* What the refresh shows, read with raw host calls in the layouts of the
   UTF-16 host: each list's count and its first and last staff, the staff
   set names (the descriptions of the text expressions in the category
   "QZ Plug-in Data", read until all eight are found) and the full names of
   the first and last staves. */
constexpr uint32_t kCategoryTag = QZ_FOURCC("SOMC");
constexpr uint32_t kExpressionTag = QZ_FOURCC("SODT");
constexpr uint32_t kStaffTag = QZ_FOURCC("SOIS");
constexpr size_t kCategoryNameOffset = 2;        /* UTF-16 */
constexpr size_t kExpressionCategoryOffset = 26; /* low 14 bits */
constexpr size_t kDescriptionOffset = 34;        /* UTF-16 */
constexpr size_t kStaffFullNameOffset = 30;
constexpr int kSets = 8;

struct RefreshData
{
    int counts[kSets + 1] = {};
    int16_t first[kSets + 1] = {}, last[kSets + 1] = {};
    std::u16string names[kSets + 1];
    std::u16string staffNames[2 * (kSets + 1)];
};

int16_t WordAt(const unsigned char* record, size_t offset)
{
    int16_t word = 0;
    std::memcpy(&word, record + offset, sizeof word);
    return word;
}

/* The zero-terminated UTF-16 text at `offset` of a record of `size` bytes. */
std::u16string TextAt(const unsigned char* record, uint32_t size, size_t offset)
{
    std::u16string text;
    for (size_t at = offset; at + 1 < size; at += 2) {
        char16_t unit = 0;
        std::memcpy(&unit, record + at, sizeof unit);
        if (!unit)
            break;
        text += unit;
    }
    return text;
}

void ReadLists(RefreshData& data)
{
    unsigned char record[64];
    for (int row = 0; row <= kSets; ++row) {
        const int16_t item = static_cast<int16_t>(row == 0 ? 0 : qz::StaffSetItem(row));
        for (int inci = 0;; ++inci) {
            const int16_t key[3] = {item, static_cast<int16_t>(inci), 0};
            uint32_t size = sizeof record;
            if (!rawLoad(kSystemStaffTag, key, record, &size, kHostVersion))
                break;
            data.last[row] = WordAt(record, 0);
            if (inci == 0)
                data.first[row] = data.last[row];
            data.counts[row] = inci + 1;
        }
    }
}

/* Walks the records of `tag` from its first item; `visit` returns false to stop. */
template <class Visit>
void WalkRecords(uint32_t tag, uint32_t version, Visit visit)
{
    static unsigned char record[4096];
    int16_t key[3] = {0, 0, 0};
    uint32_t size = sizeof record;
    while (rawNext(tag, key, record, &size, version) && visit(record, size))
        size = sizeof record;
}

int16_t NameCategory()
{
    int16_t id = -1;
    WalkRecords(kCategoryTag, 0x11000000u, [&](const unsigned char* record, uint32_t size) {
        if (TextAt(record, size, kCategoryNameOffset) != u"QZ Plug-in Data")
            return true;
        id = WordAt(record, 0);
        return false;
    });
    return id;
}

void ReadNames(RefreshData& data)
{
    const int16_t category = NameCategory();
    if (category < 0)
        return;
    std::u16string prefixes[kSets + 1];
    for (int set = 1; set <= kSets; ++set)
        for (char c : "QZ Staff Set Panel " + std::to_string(set) + ":")
            prefixes[set] += static_cast<char16_t>(c);
    int missing = kSets;
    WalkRecords(kExpressionTag, kHostVersion, [&](const unsigned char* record, uint32_t size) {
        if ((WordAt(record, kExpressionCategoryOffset) & 0x3FFF) != category)
            return true;
        const std::u16string description = TextAt(record, size, kDescriptionOffset);
        for (int set = 1; set <= kSets; ++set)
            if (data.names[set].empty() && description.compare(0, prefixes[set].size(), prefixes[set]) == 0) {
                data.names[set] = description.substr(prefixes[set].size());
                --missing;
                break;
            }
        return missing > 0;
    });
}

std::u16string StaffName(int16_t staff)
{
    unsigned char record[256];
    const int16_t key[3] = {staff, 0, 0};
    uint32_t size = sizeof record;
    uint16_t name[1000];
    if (!rawLoad(kStaffTag, key, record, &size, 0x12000000u) ||
        !rawAutoName(WordAt(record, kStaffFullNameOffset), staff, name, 0, kHostVersion))
        return u"";
    return std::u16string(name, name + std::char_traits<char16_t>::length(reinterpret_cast<char16_t*>(name)));
}

void ReadRefreshData(RefreshData& data)
{
    ReadLists(data);
    ReadNames(data);
    for (int set = 1; set <= kSets; ++set)
        if (data.counts[set] > 0) {
            data.staffNames[2 * set] = StaffName(data.first[set]);
            data.staffNames[2 * set + 1] = StaffName(data.last[set]);
        }
}

void RefreshFloor(benchmark::State& state, int score)
{
    if (!OpenScore(score))
        return state.SkipWithError("the score did not open");
    RefreshData check;
    ReadRefreshData(check);
    /* Every staff set of the benchmark scores is named. */
    for (int row = 0; row <= kSets; ++row)
        if (check.counts[row] != pMainWindow->CountStaffSetStaves(row) ||
            (row > 0 && check.counts[row] > 0 && (check.names[row].empty() || check.staffNames[2 * row].empty())))
            return state.SkipWithError("the floor reads other data than the panel shows");
    size_t i = 0;
    for (auto _ : state) {
        RefreshData data;
        ReadRefreshData(data);
        benchmark::DoNotOptimize(data.counts);
        TrimLog(state, ++i);
    }
}

void Refresh(benchmark::State& state, int score)
{
    if (!OpenScore(score))
        return state.SkipWithError("the score did not open");
    size_t i = 0;
    for (auto _ : state) {
        pMainWindow->RefereshAllData();
        TrimLog(state, ++i);
    }
}

/* One command button: the list row and the score selection are set outside
   the timing; the press and the host's undo of its edit are timed. */
struct Command
{
    const char* name;
    int button;
    int row;
    int firstSlot, lastSlot; /* 0: no selection */
};
const Command kCommands[] = {
    {"rename", FCStaffSetPanelWindow::CONTROL_SETNAME, 1, 0, 0},
    {"create", FCStaffSetPanelWindow::CONTROL_CREATE, 2, 5, 8},
    {"add staves", FCStaffSetPanelWindow::CONTROL_ADDSTAVES, 1, 5, 6},
    {"remove staves", FCStaffSetPanelWindow::CONTROL_REMOVESTAVES, 1, 2, 3},
    {"move up", FCStaffSetPanelWindow::CONTROL_MOVEUP, 3, 0, 0},
    {"move down", FCStaffSetPanelWindow::CONTROL_MOVEDOWN, 1, 0, 0},
    {"delete", FCStaffSetPanelWindow::CONTROL_DELETE, 1, 0, 0},
};

void Select(const Command& command)
{
    if (command.firstSlot == 0)
        host->hostsim_clear_selection();
    else {
        hostsim_region region{};
        region.startSlot = static_cast<int16_t>(command.firstSlot);
        region.endSlot = static_cast<int16_t>(command.lastSlot);
        region.startMeasure = 1;
        region.endMeasure = 4;
        region.endPos = 0x7FFFFFFF;
        host->hostsim_set_selection(&region);
    }
    const int window = qzui_find_window(FCStaffSetPanelWindow::LAYOUT_ID);
    /* Selected afresh, so that the panel enables the buttons for the row. */
    qzui_select_row(window, kList, -1);
    qzui_select_row(window, kList, command.row);
    qzui_type_text(window, kEdit, "Bench Set");
}

void RunCommand(benchmark::State& state, const Command& command)
{
    if (!OpenScore(0))
        return state.SkipWithError("the score did not open");
    /* Staff set 3 for moving up. */
    const hostsim_staff_entry brass[] = {{5, 0, 100}, {6, -288, 100}, {7, -576, 100}};
    host->hostsim_put_staff_list(qz::StaffSetItem(3), brass, 3);
    pMainWindow->RefereshAllData();
    const int window = qzui_find_window(FCStaffSetPanelWindow::LAYOUT_ID);
    const size_t undoDepth = host->hostsim_undo_depth();
    Select(command);
    qzui_press_button(window, command.button);
    const bool committed = host->hostsim_undo_depth() == undoDepth + 1;
    host->hostsim_undo();
    if (!committed)
        state.SkipWithError("the command made no undoable edit");
    for (auto _ : state) {
        state.PauseTiming();
        Select(command);
        host->hostsim_clear_call_log();
        host->hostsim_clear_edit_log();
        host->hostsim_clear_menu_log();
        state.ResumeTiming();
        qzui_press_button(window, command.button);
        host->hostsim_undo();
    }
    if (host->hostsim_undo_depth() != undoDepth)
        state.SkipWithError("the undo did not take the edit back");
    openScore = -1; /* the next benchmark starts afresh */
    FinaleExtensionTerminate();
}

#ifdef QZBENCH_VALIDATOR_MODULE
double ChildrenCpuNanoseconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto ns = [](const timeval& t) { return t.tv_sec * 1e9 + t.tv_usec * 1e3; };
    return ns(usage.ru_utime) + ns(usage.ru_stime);
}

/* One child process of the random session loop per iteration, running its
   sessions as the validator runs them; the figure is the CPU time of one
   step (1 / steps per second). */
void ValidatorSteps(benchmark::State& state)
{
    long long steps = 0, session = 0;
    const double before = ChildrenCpuNanoseconds();
    for (auto _ : state) {
        const std::vector<SessionRun> runs = RunGeneratedSessions(
            QZBENCH_VALIDATOR_MODULE, NextSessionOrders(1, session, kSessionsPerChild * kRandomSessionLength));
        for (const SessionRun& run : runs) {
            if (run.failed) {
                state.SkipWithError(("session " + std::to_string(session) + ": " + run.failure.detail).c_str());
                return;
            }
            steps += static_cast<long long>(run.steps.size());
            ++session;
        }
    }
    const double spent = ChildrenCpuNanoseconds() - before;
    state.counters[BenchTable::kChildCpuCounter] = steps ? spent / static_cast<double>(steps) : 0.0;
    state.counters["steps/s"] = spent > 0 ? static_cast<double>(steps) * 1e9 / spent : 0.0;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    if (!StartHost())
        return 1;
    BenchTable table;
    for (int score = 0; score < static_cast<int>(sizeof kScores / sizeof kScores[0]); ++score) {
        const std::string size = kScores[score].name;
        benchmark::RegisterBenchmark(("tick/" + size).c_str(), Tick, score);
        benchmark::RegisterBenchmark(("tick floor/" + size).c_str(), Floor, score);
        benchmark::RegisterBenchmark(("refresh/" + size).c_str(), Refresh, score);
        benchmark::RegisterBenchmark(("refresh floor/" + size).c_str(), RefreshFloor, score);
        table.AddRatioTarget("tick/" + size, "tick floor/" + size, 1.5);
        table.AddRatioTarget("refresh/" + size, "refresh floor/" + size, 1.5);
    }
    for (const Command& command : kCommands) {
        const std::string name = std::string("command ") + command.name + "/demo";
        benchmark::RegisterBenchmark(name.c_str(), RunCommand, command);
        table.AddTimeTarget(name, 1e6);
    }
#ifdef QZBENCH_VALIDATOR_MODULE
    benchmark::RegisterBenchmark("validator step/test score", ValidatorSteps)->Unit(benchmark::kMicrosecond);
#endif
    const int result = BenchTable::Main(argc, argv, table);
    if (openScore >= 0)
        FinaleExtensionTerminate();
    return result;
}
