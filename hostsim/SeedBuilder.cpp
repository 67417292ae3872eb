#include "hostsim/SeedBuilder.h"

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

/* A classical orchestra; the gaps are uneven on purpose (wider between the
   instrument families). */
constexpr Instrument kOrchestra[] = {
    {"Flute", "Fl.", 0},         {"Oboe", "Ob.", 288},          {"Clarinet in B^flat()", "Cl.", 276},
    {"Bassoon", "Bsn.", 300},    {"Horn in F", "Hn.", 372},     {"Trumpet in B^flat()", "Tpt.", 288},
    {"Trombone", "Tbn.", 312},   {"Tuba", "Tba.", 288},         {"Timpani", "Timp.", 360},
    {"Violin I", "Vln. I", 396}, {"Violin II", "Vln. II", 288}, {"Viola", "Vla.", 300},
    {"Violoncello", "Vc.", 288}, {"Contrabass", "Cb.", 312},
};

struct CategoryRow
{
    int16_t item, id;
    const char* name;
};

constexpr CategoryRow kCategories[] = {
    {1, 1, "Dynamics"},       {2, 2, "Tempo Marks"},     {3, 3, "Tempo Alterations"}, {4, 4, "Expressive Text"},
    {5, 5, "Technique Text"}, {6, 6, "Rehearsal Marks"}, {7, 7, "Miscellaneous"},     {8, 12, "QZ Plug-in Data"},
};

struct ExpressionRow
{
    int16_t category;
    const char* description;
    const char* text;
};

constexpr ExpressionRow kExpressions[] = {
    {1, "piano", "^font(Times New Roman)^size(12)^efx(0)p"},
    {1, "mezzo forte", "^font(Times New Roman)^size(12)^efx(0)mf"},
    {2, "Allegro", "^font(Times New Roman)^size(14)^efx(1)Allegro"},
    {3, "ritardando", "^font(Times New Roman)^size(12)^efx(2)rit."},
    {4, "espressivo", "^font(Times New Roman)^size(12)^efx(2)espressivo"},
    {5, "pizzicato", "^font(Times New Roman)^size(12)^efx(0)pizz."},
};

} // namespace

ContentWriter SeedBuilder::writer(Document& doc, uint32_t hostVersion)
{
    return ContentWriter(doc, hostVersion, [&doc](const RecordId& id, std::optional<Bytes> b) {
        if (b)
            doc.store().put(id, std::move(*b));
        else
            doc.store().erase(id);
    });
}

std::unique_ptr<Document> SeedBuilder::empty(int16_t id)
{
    auto doc = std::make_unique<Document>(id);
    doc->title = "Untitled";
    return doc;
}

std::unique_ptr<Document> SeedBuilder::test(int16_t id, uint32_t hostVersion, bool withCategory)
{
    auto doc = std::make_unique<Document>(id);
    doc->title = "Test Document";
    ContentWriter w = writer(*doc, hostVersion);
    const char* const names[] = {"Flute", "Clarinet in B^flat()", "Horn", "Violin I", "Viola", ""};
    const int32_t distances[] = {0, -300, -620, -900, -1250, -1560};
    std::vector<StaffEntry> score;
    for (int16_t s = 1; s <= 6; ++s) {
        w.staff(s, names[s - 1], "");
        score.push_back(StaffEntry{s, distances[s - 1], 100});
    }
    w.staffList(0, 0, score);
    for (int16_t c = 1; c <= 5; ++c)
        w.category(c, c, "Category " + std::to_string(c));
    if (withCategory)
        w.category(6, 9, "QZ Plug-in Data");
    for (int16_t e = 1; e <= 3; ++e)
        w.textExpression(e, 1, "Expr " + std::to_string(e), "Expr text " + std::to_string(e), 0);
    doc->parts.push_back(PartInfo{1, "Part 1", 1});
    w.staffList(1, 0, {StaffEntry{4, 0, 100}, StaffEntry{5, -350, 100}});
    return doc;
}

std::unique_ptr<Document> SeedBuilder::demo(int16_t id, uint32_t hostVersion)
{
    auto doc = std::make_unique<Document>(id);
    doc->title = "Demo Score";
    doc->measures = 32;
    ContentWriter w = writer(*doc, hostVersion);
    std::vector<StaffEntry> score;
    int32_t y = 0;
    int16_t number = 1;
    for (const Instrument& in : kOrchestra) {
        w.staff(number, in.full, in.abbr);
        y -= in.gap;
        score.push_back(StaffEntry{number, y, 100});
        ++number;
    }
    w.staffList(0, 0, score);
    for (const CategoryRow& c : kCategories)
        w.category(c.item, c.id, c.name);
    for (const ExpressionRow& e : kExpressions)
        w.textExpression(0, e.category, e.description, e.text, 0);
    w.partRecord(0, 0, "Score");
    // The sections, bracketed; the violins inside the strings; the timpani in none.
    w.group(GroupSpan{1, 1, 4, "Woodwinds", "Ww.", GroupBracket::Bracket});
    w.group(GroupSpan{2, 5, 8, "Brass", "Br.", GroupBracket::Bracket});
    w.group(GroupSpan{3, 10, 14, "Strings", "Str.", GroupBracket::Bracket});
    w.group(GroupSpan{4, 10, 11, "Violins", "Vlns.", GroupBracket::Square});
    // The strings part: violins, viola, cello and bass, spaced its own way.
    doc->parts.push_back(PartInfo{1, "Strings", 1});
    w.partRecord(1, 1, "Strings");
    std::vector<StaffEntry> strings;
    for (int16_t s = 10; s <= 14; ++s)
        strings.push_back(StaffEntry{s, -int32_t(s - 10) * 330, 100});
    w.staffList(1, 0, strings);
    // A staff set made in the host: the woodwinds, the oboe at 75 %.
    w.staffList(0, qz::StaffSetItem(1),
                {StaffEntry{1, 0, 100}, StaffEntry{2, -288, 75}, StaffEntry{3, -564, 100}, StaffEntry{4, -864, 100}});
    w.textExpression(0, 12, "QZ Staff Set Panel 1:Woodwinds",
                     "^font(Times New Roman)^size(12)^efx(0)QZ Staff Set Panel Data", 0);
    return doc;
}

} // namespace hostsim
