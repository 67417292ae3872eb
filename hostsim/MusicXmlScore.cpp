#include "hostsim/MusicXmlScore.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <pugixml.hpp>

#include "hostsim/TextCodec.h"

namespace hostsim
{

namespace
{

bool named(const pugi::xml_node& n, const char* name) { return std::strcmp(n.name(), name) == 0; }

/* Length of the well-formed UTF-8 sequence at text[i] (no overlong forms, no
   surrogates, nothing above U+10FFFF); 0 when malformed. */
size_t sequenceLength(const std::string& text, size_t i)
{
    auto at = [&](size_t k) { return k < text.size() ? static_cast<unsigned char>(text[k]) : 0u; };
    unsigned c = at(i);
    if (c < 0x80)
        return 1;
    size_t n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    if (!n)
        return 0;
    unsigned lo = 0x80, hi = 0xBF; // the second byte's range
    if (c == 0xE0)
        lo = 0xA0;
    if (c == 0xED)
        hi = 0x9F;
    if (c == 0xF0)
        lo = 0x90;
    if (c == 0xF4)
        hi = 0x8F;
    if (at(i + 1) < lo || at(i + 1) > hi)
        return 0;
    for (size_t k = 2; k < n; ++k)
        if ((at(i + k) & 0xC0) != 0x80)
            return 0;
    return n;
}

/* Text from the file as well-formed UTF-8: malformed bytes become U+FFFD
   (the parser passes bytes through as the file has them). */
std::string wellFormed(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        size_t n = sequenceLength(text, i);
        if (n) {
            out.append(text, i, n);
            i += n;
        }
        else {
            out += "\xEF\xBF\xBD";
            ++i;
        }
    }
    return out;
}

/* Line breaks and runs of white space become one space; the ends are
   trimmed; the result is well-formed UTF-8. */
std::string collapse(const std::string& raw)
{
    std::string text = wellFormed(raw), out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

struct CaretRow
{
    const char* written; // UTF-8 sign, or the accidental-text value
    const char* caret;
};

/* Accidental signs as Unicode characters in names. */
constexpr CaretRow kSigns[] = {
    {"\xF0\x9D\x84\xAB", "^flat()^flat()"},   // U+1D12B double flat
    {"\xF0\x9D\x84\xAA", "^sharp()^sharp()"}, // U+1D12A double sharp
    {"\xE2\x99\xAD", "^flat()"},              // U+266D
    {"\xE2\x99\xAF", "^sharp()"},             // U+266F
    {"\xE2\x99\xAE", "^natural()"},           // U+266E
};

/* accidental-text values of the display forms. */
constexpr CaretRow kAccidentals[] = {
    {"flat", "^flat()"},
    {"sharp", "^sharp()"},
    {"natural", "^natural()"},
    {"flat-flat", "^flat()^flat()"},
    {"double-flat", "^flat()^flat()"},
    {"sharp-sharp", "^sharp()^sharp()"},
    {"double-sharp", "^sharp()^sharp()"},
};

/* Plain text as a caret text: carets doubled, accidental signs as commands. */
std::string caretText(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '^') {
            out += "^^";
            ++i;
            continue;
        }
        bool sign = false;
        for (const CaretRow& r : kSigns) {
            size_t n = std::strlen(r.written);
            if (text.compare(i, n, r.written) == 0) {
                out += r.caret;
                i += n;
                sign = true;
                break;
            }
        }
        if (!sign)
            out += text[i++];
    }
    return out;
}

std::string accidentalCaret(const std::string& value)
{
    for (const CaretRow& r : kAccidentals)
        if (value == r.written)
            return r.caret;
    return {}; // quarter tones and the like have no host command
}

/* A *-display element as a caret text: its display-text pieces and
   accidentals in order. */
std::string displayText(const pugi::xml_node& display)
{
    std::string out;
    for (pugi::xml_node c : display.children()) {
        if (named(c, "display-text"))
            out += caretText(c.text().as_string());
        else if (named(c, "accidental-text"))
            out += accidentalCaret(collapse(c.text().as_string()));
    }
    return out;
}

/* The display form when it has text, else the plain name; "" when neither. */
std::string nameOf(const pugi::xml_node& owner, const char* plain, const char* display)
{
    std::string shown = collapse(displayText(owner.child(display)));
    // A display form made of accidentals alone still counts: it is what the score shows.
    if (!shown.empty())
        return shown;
    return collapse(caretText(owner.child(plain).text().as_string()));
}

GroupBracket bracketOf(const std::string& symbol, GroupBracket fallback)
{
    static const std::pair<const char*, GroupBracket> kSymbols[] = {
        {"none", GroupBracket::None}, {"brace", GroupBracket::Brace},   {"bracket", GroupBracket::Bracket},
        {"line", GroupBracket::Line}, {"square", GroupBracket::Square},
    };
    for (const auto& [name, bracket] : kSymbols)
        if (symbol == name)
            return bracket;
    return fallback;
}

/* A whole number written in decimal digits; saturates far above every limit. */
bool parseCount(const std::string& text, int64_t& out)
{
    std::string t = collapse(text);
    if (t.empty() || t.size() > 18 || t.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::stoll(t);
    return true;
}

std::optional<double> parseNumber(const pugi::xml_node& n)
{
    std::string t = collapse(n.text().as_string());
    if (t.empty())
        return std::nullopt;
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (*end || !std::isfinite(v))
        return std::nullopt;
    return v;
}

/* staff-layout elements under `owner` into gaps by staff number. */
void readStaffLayouts(const pugi::xml_node& owner, std::map<int64_t, double>& gaps)
{
    for (pugi::xml_node layout : owner.children("staff-layout")) {
        std::optional<double> gap = parseNumber(layout.child("staff-distance"));
        if (!gap)
            continue;
        int64_t number = 0;
        if (layout.attribute("number") && !parseCount(layout.attribute("number").as_string(), number))
            continue;
        gaps[number] = *gap;
    }
}

/* Position just past `end` from `from`, or npos. */
size_t after(const std::string& xml, size_t from, const char* end)
{
    size_t at = xml.find(end, from);
    return at == std::string::npos ? at : at + std::strlen(end);
}

/* Position just past the '>' closing a tag or declaration that starts at
   `from`, skipping quoted values and a DOCTYPE's internal subset. */
size_t pastTag(const std::string& xml, size_t from)
{
    char quote = 0;
    int brackets = 0;
    for (size_t i = from; i < xml.size(); ++i) {
        char c = xml[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        }
        else if (c == '"' || c == '\'') {
            quote = c;
        }
        else if (c == '[') {
            ++brackets;
        }
        else if (c == ']') {
            --brackets;
        }
        else if (c == '>' && brackets <= 0) {
            return i + 1;
        }
    }
    return std::string::npos;
}

/* Position just past a comment, CDATA section, declaration or processing
   instruction that starts at `from`, or npos. */
size_t pastMarkup(const std::string& xml, size_t from)
{
    if (xml[from + 1] == '?')
        return after(xml, from + 2, "?>");
    if (xml.compare(from, 4, "<!--") == 0)
        return after(xml, from + 4, "-->");
    if (xml.compare(from, 9, "<![CDATA[") == 0)
        return after(xml, from + 9, "]]>");
    return pastTag(xml, from + 2);
}

/* The '>' that closes the start tag whose name begins at `p`, skipping quoted
   values; null when the text ends first. */
const char* startTagEnd(const char* p, const char* end)
{
    for (; p < end; ++p) {
        if (*p == '>')
            return p;
        if (*p == '"' || *p == '\'') {
            p = static_cast<const char*>(std::memchr(p + 1, *p, size_t(end - p - 1)));
            if (!p)
                return nullptr;
        }
    }
    return nullptr;
}

/* True when elements nest deeper than `limit`, read from the text in one
   pass over the bytes (walking a parsed tree instead would visit every node
   of every note). Text that is not well-formed ends the count wherever it
   goes astray; the parser then refuses it. */
bool nestsDeeper(const std::string& xml, size_t limit)
{
    const char* const begin = xml.data();
    const char* const end = begin + xml.size();
    size_t depth = 0;
    for (const char* p = begin; (p = static_cast<const char*>(std::memchr(p, '<', size_t(end - p)))) && end - p > 1;) {
        if (p[1] == '!' || p[1] == '?') {
            const size_t past = pastMarkup(xml, size_t(p - begin));
            if (past == std::string::npos)
                break;
            p = begin + past;
        }
        else if (p[1] == '/') { // an end tag holds no quotes and no '<'
            if (depth)
                --depth;
            p += 2;
        }
        else {
            const char* close = startTagEnd(p + 1, end);
            if (!close)
                break;
            if (close[-1] != '/' && ++depth > limit)
                return true;
            p = close + 1;
        }
    }
    return false;
}

/* The text as UTF-8: UTF-16 files (with a byte order mark, or recognised by
   their leading '<') are converted, anything else is left to the parser. */
bool convertUtf16(const std::string& xml, std::string& utf8)
{
    auto b = [&](size_t k) { return k < xml.size() ? static_cast<unsigned char>(xml[k]) : 0xFFu; };
    bool le = (b(0) == 0xFF && b(1) == 0xFE) || (b(0) == '<' && b(1) == 0);
    bool be = (b(0) == 0xFE && b(1) == 0xFF) || (b(0) == 0 && b(1) == '<');
    if (!le && !be)
        return false;
    std::u16string units;
    units.reserve(xml.size() / 2);
    for (size_t i = 0; i + 1 < xml.size(); i += 2)
        units += char16_t(le ? b(i) | (b(i + 1) << 8) : (b(i) << 8) | b(i + 1));
    if (!units.empty() && units[0] == 0xFEFF)
        units.erase(0, 1);
    utf8 = TextCodec::fromUtf16(units);
    return true;
}

std::string limitText(int64_t n) { return n == 32767 ? "32,767" : std::to_string(n); }

} // namespace

bool MusicXmlScore::parse(std::string xml, std::string& error)
{
    std::string converted;
    if (convertUtf16(xml, converted))
        xml.swap(converted);
    // Checked on the text before the parser changes it in place.
    if (nestsDeeper(xml, kMaxDepth)) {
        error = "elements nested deeper than " + std::to_string(kMaxDepth) + " levels";
        return false;
    }
    pugi::xml_document doc;
    // No DOCTYPE processing: DTDs are never read and entities other than the
    // predefined ones stay unresolved text. Only what names need is decoded
    // (references and CDATA); line ends and attribute white space are left as
    // they are, which the names' white space handling covers and which keeps
    // large scores quick to read.
    pugi::xml_parse_result r =
        doc.load_buffer_inplace(&xml[0], xml.size(), pugi::parse_minimal | pugi::parse_escapes | pugi::parse_cdata);
    if (!r) {
        error = std::string("not XML (") + r.description() + " at byte " + std::to_string(r.offset) + ")";
        return false;
    }
    pugi::xml_node root = doc.document_element();
    bool partwise = named(root, "score-partwise"), timewise = named(root, "score-timewise");
    if (!partwise && !timewise) {
        error = root ? std::string("not a MusicXML score (the root element is <") + root.name() + ">)"
                     : std::string("not a MusicXML score (no root element)");
        return false;
    }
    title = collapse(root.child("work").child("work-title").text().as_string());
    if (title.empty())
        title = collapse(root.child("movement-title").text().as_string());
    readDefaults(root.child("defaults"));
    if (!readPartList(root.child("part-list"), error))
        return false;
    if (!(partwise ? readPartwise(root, error) : readTimewise(root, error)))
        return false;
    return checkLimits(error);
}

void MusicXmlScore::readDefaults(const pugi::xml_node& defaults)
{
    pugi::xml_node scaling = defaults.child("scaling");
    std::optional<double> mm = parseNumber(scaling.child("millimeters"));
    std::optional<double> tenths = parseNumber(scaling.child("tenths"));
    if (mm && tenths && *mm > 0 && *tenths > 0) {
        double perTenth = *mm / *tenths * 288.0 / 25.4;
        if (perTenth >= 0.01 && perTenth <= 1000)
            evpuPerTenth = perTenth;
    }
    readStaffLayouts(defaults, defaultGaps);
}

bool MusicXmlScore::readPartList(const pugi::xml_node& list, std::string& error)
{
    struct Open
    {
        size_t firstPart;
        MusicXmlGroup group;
    };
    std::map<std::string, Open> open; // by group number
    auto close = [&](const std::string& number) {
        auto it = open.find(number);
        if (it == open.end())
            return;
        if (parts.size() > it->second.firstPart) {
            it->second.group.firstPart = it->second.firstPart;
            it->second.group.lastPart = parts.size() - 1;
            groups.push_back(it->second.group);
        }
        open.erase(it);
    };
    for (pugi::xml_node c : list.children()) {
        if (named(c, "score-part")) {
            MusicXmlPart p;
            p.id = c.attribute("id").as_string();
            if (p.id.empty()) {
                error = "a score-part without an id";
                return false;
            }
            if (!index_.emplace(p.id, parts.size()).second) {
                error = "part '" + shown(p.id) + "' is declared twice";
                return false;
            }
            p.plainName = collapse(c.child("part-name").text().as_string());
            p.fullName = nameOf(c, "part-name", "part-name-display");
            p.abbrName = nameOf(c, "part-abbreviation", "part-abbreviation-display");
            parts.push_back(std::move(p));
        }
        else if (named(c, "part-group")) {
            std::string type = c.attribute("type").as_string();
            std::string number = c.attribute("number") ? c.attribute("number").as_string() : "1";
            if (type == "stop") {
                close(number);
            }
            else if (type == "start") {
                close(number); // a group started again without a stop ends where the new one starts
                MusicXmlGroup g;
                g.fullName = nameOf(c, "group-name", "group-name-display");
                g.abbrName = nameOf(c, "group-abbreviation", "group-abbreviation-display");
                g.bracket = bracketOf(collapse(c.child("group-symbol").text().as_string()), GroupBracket::None);
                open[number] = Open{parts.size(), g};
            }
        }
    }
    // Groups left open end with the last part; outer groups (started first) come first.
    while (!open.empty())
        close(open.begin()->first);
    std::stable_sort(groups.begin(), groups.end(), [](const MusicXmlGroup& a, const MusicXmlGroup& b) {
        return a.firstPart != b.firstPart ? a.firstPart < b.firstPart : a.lastPart > b.lastPart;
    });
    if (parts.empty()) {
        error = "the part-list declares no parts";
        return false;
    }
    return true;
}

MusicXmlPart* MusicXmlScore::declared(const pugi::xml_node& part, std::string& error)
{
    std::string id = part.attribute("id").as_string();
    auto it = index_.find(id);
    if (it == index_.end()) {
        error = "part '" + shown(id) + "' has music but is not declared in the part-list";
        return nullptr;
    }
    return &parts[it->second];
}

bool MusicXmlScore::readPartwise(const pugi::xml_node& root, std::string& error)
{
    for (pugi::xml_node part : root.children("part")) {
        MusicXmlPart* p = declared(part, error);
        if (!p)
            return false;
        if (p->seen) {
            error = "part '" + shown(p->id) + "' has its music twice";
            return false;
        }
        p->seen = true;
        int64_t count = 0;
        for (pugi::xml_node measure : part.children("measure")) {
            if (!readMusic(measure, *p, error))
                return false;
            ++count;
        }
        measures = std::max(measures, count);
    }
    return true;
}

bool MusicXmlScore::readTimewise(const pugi::xml_node& root, std::string& error)
{
    for (pugi::xml_node measure : root.children("measure")) {
        for (pugi::xml_node part : measure.children("part")) {
            MusicXmlPart* p = declared(part, error);
            if (!p || !readMusic(part, *p, error))
                return false;
            p->seen = true;
        }
        ++measures;
    }
    return true;
}

/* One measure of one part: the staff count, the part symbol and the part's
   first staff layout. Notes and everything else are stepped over. */
bool MusicXmlScore::readMusic(const pugi::xml_node& content, MusicXmlPart& part, std::string& error)
{
    for (pugi::xml_node c = content.first_child(); c; c = c.next_sibling()) {
        if (named(c, "attributes")) {
            if (pugi::xml_node staves = c.child("staves")) {
                int64_t n = 0;
                if (!parseCount(staves.text().as_string(), n) || n < 1) {
                    error = "part '" + shown(part.id) + "': <staves> holds '" + shown(staves.text().as_string()) +
                            "', not a staff count";
                    return false;
                }
                part.staves = std::max(part.staves, n);
            }
            if (pugi::xml_node symbol = c.child("part-symbol"))
                part.symbol = bracketOf(collapse(symbol.text().as_string()), part.symbol);
        }
        else if (named(c, "print") && part.gaps.empty()) {
            readStaffLayouts(c, part.gaps);
        }
    }
    return true;
}

bool MusicXmlScore::checkLimits(std::string& error) const
{
    int64_t staves = staffCount();
    if (staves > kMaxStaves) {
        error = "more than " + limitText(kMaxStaves) + " staves (" + std::to_string(staves) + ")";
        return false;
    }
    if (measures > kMaxMeasures) {
        error = "more than " + limitText(kMaxMeasures) + " measures (" + std::to_string(measures) + ")";
        return false;
    }
    if (measures == 0) {
        error = "the score has no measures";
        return false;
    }
    return true;
}

std::string MusicXmlScore::shown(const std::string& text)
{
    constexpr size_t kMax = 64;
    std::string one = collapse(text);
    if (one.size() <= kMax)
        return one;
    size_t cut = kMax;
    while (cut && (static_cast<unsigned char>(one[cut]) & 0xC0) == 0x80)
        --cut;
    return one.substr(0, cut) + "...";
}

int64_t MusicXmlScore::staffCount() const
{
    int64_t total = 0;
    for (const MusicXmlPart& p : parts)
        total += std::min<int64_t>(p.staves, kMaxStaves + 1);
    return total;
}

std::optional<double> MusicXmlScore::gapAbove(size_t part, int64_t staff) const
{
    for (const std::map<int64_t, double>* gaps : {&parts[part].gaps, &defaultGaps}) {
        auto it = gaps->find(staff);
        if (it == gaps->end())
            it = gaps->find(0);
        if (it != gaps->end())
            return it->second;
    }
    return std::nullopt;
}

} // namespace hostsim
