#include "hostsim/LargeScoreBuilder.h"

#include <random>
#include <vector>

#include "common/qz_host_document.h"
#include "hostsim/ContentWriter.h"

namespace hostsim
{

namespace
{

struct Instrument
{
    const char* full;
    const char* abbr;
    int32_t gap; // distance below the previous staff
};

/* A large symphony orchestra, top to bottom; wider gaps between families. */
constexpr Instrument kOrchestra[] = {
    {"Piccolo", "Picc.", 360},
    {"Flute", "Fl.", 288},
    {"Oboe", "Ob.", 288},
    {"English Horn", "E.H.", 288},
    {"Clarinet in B^flat()", "Cl.", 288},
    {"Bass Clarinet", "B. Cl.", 288},
    {"Bassoon", "Bsn.", 288},
    {"Contrabassoon", "Cbsn.", 288},
    {"Horn in F", "Hn.", 372},
    {"Trumpet in C", "C Tpt.", 288},
    {"Trombone", "Tbn.", 288},
    {"Bass Trombone", "B. Tbn.", 288},
    {"Tuba", "Tba.", 288},
    {"Timpani", "Timp.", 360},
    {"Percussion", "Perc.", 288},
    {"Harp", "Hp.", 360},
    {"Celesta", "Cel.", 288},
    {"Soprano", "S.", 360},
    {"Alto", "A.", 288},
    {"Tenor", "T.", 288},
    {"Bass", "B.", 288},
    {"Violin I", "Vln. I", 396},
    {"Violin II", "Vln. II", 288},
    {"Viola", "Vla.", 288},
    {"Violoncello", "Vc.", 288},
    {"Contrabass", "Cb.", 288},
};
constexpr int64_t kInstruments = int64_t(sizeof kOrchestra / sizeof kOrchestra[0]);

struct CategoryRow
{
    int16_t id;
    const char* name;
    const char* font; // the text's font command
    const char* samples[4];
};

/* The expression categories; the staff set names' category comes last. */
constexpr CategoryRow kCategories[] = {
    {1, "Dynamics", "^font(Times New Roman)^size(12)^efx(1)", {"p", "mf", "ff", "sfz"}},
    {2, "Tempo Marks", "^font(Times New Roman)^size(14)^efx(1)", {"Allegro", "Andante", "Adagio", "Presto"}},
    {3, "Tempo Alterations", "^font(Times New Roman)^size(12)^efx(2)", {"rit.", "accel.", "a tempo", "rall."}},
    {4, "Expressive Text", "^font(Times New Roman)^size(12)^efx(2)", {"espressivo", "dolce", "cantabile", "marcato"}},
    {5, "Technique Text", "^font(Times New Roman)^size(12)^efx(0)", {"pizz.", "arco", "con sord.", "div."}},
    {6, "Rehearsal Marks", "^font(Arial)^size(14)^efx(1)", {"A", "B", "C", "D"}},
    {7, "Miscellaneous", "^font(Times New Roman)^size(10)^efx(0)", {"solo", "tutti", "a2", "unis."}},
};
constexpr int kSampleCount = 4;
constexpr int16_t kNameCategory = 12;
constexpr const char* kNameCategoryName = "QZ Plug-in Data";
constexpr const char* kNameText = "^font(Times New Roman)^size(12)^efx(0)QZ Staff Set Panel Data";
constexpr const char* kSetNames[] = {"Woodwinds", "Brass", "Strings",   "Percussion",
                                     "Choir",     "Tutti", "Reduction", "Soloists"};
constexpr int64_t kMaxStaffSetSize = 40;

/* Deterministic on every standard library: only the engine's raw output is
   used, never a distribution. */
class Random
{
public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int64_t below(int64_t n) { return n <= 1 ? 0 : int64_t(engine_() % uint64_t(n)); }

private:
    std::mt19937 engine_;
};

std::string staffName(int64_t index, bool abbreviated)
{
    const Instrument& in = kOrchestra[index % kInstruments];
    std::string name = abbreviated ? in.abbr : in.full;
    const int64_t round = index / kInstruments;
    if (round > 0)
        name += " " + std::to_string(round + 1);
    return name;
}

/* The score's staff list: staves 1..N spaced by the instruments' gaps. */
std::vector<StaffEntry> writeStaves(ContentWriter& w, int64_t staves, bool abbreviated)
{
    std::vector<StaffEntry> score;
    int32_t y = 0;
    for (int64_t i = 0; i < staves; ++i) {
        const int16_t number = int16_t(i + 1);
        w.staff(number, staffName(i, false), abbreviated ? staffName(i, true) : "");
        if (i > 0)
            y -= kOrchestra[i % kInstruments].gap;
        score.push_back(StaffEntry{number, y, 100});
    }
    w.staffList(0, 0, score);
    return score;
}

/* A random, ordered choice of staves from the score, distances measured
   from the first chosen staff. */
std::vector<StaffEntry> randomStaffSet(const std::vector<StaffEntry>& score, Random& rng)
{
    const int64_t n = int64_t(score.size());
    int64_t wanted = 1 + rng.below(std::min(n, kMaxStaffSetSize));
    std::vector<StaffEntry> chosen;
    for (int64_t i = 0; i < n && wanted > 0; ++i) {
        if (rng.below(n - i) >= wanted)
            continue; // selection sampling
        chosen.push_back(score[size_t(i)]);
        --wanted;
    }
    const int32_t top = chosen.front().distance;
    for (StaffEntry& e : chosen)
        e.distance -= top;
    return chosen;
}

/* Positions (0-based, among all expressions) of the staff set names. */
std::vector<int64_t> namePositions(int64_t expressions, int64_t names, Random& rng)
{
    std::vector<int64_t> order(static_cast<size_t>(expressions));
    for (int64_t i = 0; i < expressions; ++i)
        order[size_t(i)] = i;
    for (int64_t i = 0; i < names; ++i)
        std::swap(order[size_t(i)], order[size_t(i + rng.below(expressions - i))]);
    std::vector<int64_t> slotOf(static_cast<size_t>(expressions), 0);
    for (int64_t i = 0; i < names; ++i)
        slotOf[size_t(order[size_t(i)])] = i + 1;
    return slotOf; // staff set number at a position, 0 for an ordinary expression
}

void writeExpressions(ContentWriter& w, const LargeScoreSpec& request, Random& rng)
{
    for (const CategoryRow& c : kCategories)
        w.category(c.id, c.id, c.name);
    const int16_t nameItem = int16_t(sizeof kCategories / sizeof kCategories[0] + 1);
    w.category(nameItem, kNameCategory, kNameCategoryName);

    const std::vector<int64_t> setAt = namePositions(request.expressions, request.staffSets, rng);
    constexpr int64_t kCategoryCount = int64_t(sizeof kCategories / sizeof kCategories[0]);
    for (int64_t i = 0; i < request.expressions; ++i) {
        const int16_t item = int16_t(i + 1);
        if (const int64_t set = setAt[size_t(i)]) {
            std::string description = "QZ Staff Set Panel " + std::to_string(set) + ":" + kSetNames[set - 1];
            w.textExpression(item, kNameCategory, description, kNameText, 0);
            continue;
        }
        const CategoryRow& c = kCategories[rng.below(kCategoryCount)];
        const char* sample = c.samples[rng.below(kSampleCount)];
        w.textExpression(item, c.id, std::string(sample) + " " + std::to_string(item), std::string(c.font) + sample, 0);
    }
}

} // namespace

std::string LargeScoreBuilder::check(const LargeScoreSpec& request)
{
    auto within = [](const char* what, int64_t value, int64_t low, int64_t high) -> std::string {
        if (value >= low && value <= high)
            return "";
        return std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high) +
               " (the host cannot hold " + std::to_string(value) + ")";
    };
    for (const std::string& problem :
         {within("staves", request.staves, 0, kMaxNumber), within("measures", request.measures, 1, kMaxNumber),
          within("expressions", request.expressions, 0, kMaxNumber),
          within("staff sets", request.staffSets, 0, kMaxStaffSets)})
        if (!problem.empty())
            return problem;
    if (request.staves + request.expressions > kMaxNumber)
        return "staves and expressions together must be at most " + std::to_string(kMaxNumber) +
               " (each needs a text block of its own)";
    if (request.staffSets > 0 && request.staves == 0)
        return "staff sets need at least one staff";
    if (request.staffSets > request.expressions)
        return "expressions must be at least the staff sets (each staff set's name is one expression)";
    return "";
}

std::unique_ptr<Document> LargeScoreBuilder::build(int16_t id, uint32_t hostVersion, const LargeScoreSpec& request,
                                                   std::string& error)
{
    error = check(request);
    if (!error.empty())
        return nullptr;
    auto doc = std::make_unique<Document>(id);
    doc->title = "Generated Score";
    doc->measures = int16_t(request.measures);
    ContentWriter w(*doc, hostVersion, [&doc](const RecordId& rid, std::optional<Bytes> b) {
        if (b)
            doc->store().put(rid, std::move(*b));
        else
            doc->store().erase(rid);
    });
    Random rng(request.seed);
    /* Abbreviated names only while the text blocks last. */
    const bool abbreviated = 2 * request.staves + request.expressions <= kMaxNumber;
    const std::vector<StaffEntry> score = writeStaves(w, request.staves, abbreviated);
    w.partRecord(0, 0, "Score");
    for (int64_t set = 1; set <= request.staffSets; ++set)
        w.staffList(0, qz::StaffSetItem(int(set)), randomStaffSet(score, rng));
    writeExpressions(w, request, rng);
    return doc;
}

} // namespace hostsim
