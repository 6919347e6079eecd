// Reading a typed designation: the trade's spellings folded to one, the section symbol, the sizes,
// then the length and count; the sizes are looked up in the calculators' own lists.
#include "lookup/Designation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "lookup/DesignationText.h"
#include "pages/SurfaceTables.h"

namespace mw {

const char kDesignationExamples[] = "∠50×5、[20a 6m×2、HN400×200×8×13";

namespace {

// A number after the sizes, joined by "×", reads as a length from this many mm; below it, it
// would more likely be a size the list does not have.
constexpr double kShortestLength = 100;

// What the symbol or name in front says the section is.
enum class Family { None, Angle, Channel, IBeam, H, T, Round, DN, Tube, Plate, Z, Hexagon, Octagon,
                    Rebar, Fastener, List };

struct Prefix {
    const char* text;  // folded, upper case
    Family family;
    int type;          // H/T: the type of the H and T calculator, -1 for any
};

// A word in front may be followed by the section's symbol ("圆钢φ20", "角钢∠50×5").
bool IsWord(const char* prefix) { return static_cast<unsigned char>(prefix[0]) >= 0x80; }

const Prefix kPrefixes[] = {
    {"HN", Family::H, 2}, {"HW", Family::H, 0}, {"HM", Family::H, 1}, {"HP", Family::H, 3},
    {"TN", Family::T, 6}, {"TW", Family::T, 4}, {"TM", Family::T, 5}, {"DN", Family::DN, -1},
    {"PL", Family::Plate, -1}, {"六角钢", Family::Hexagon, -1}, {"六角", Family::Hexagon, -1},
    {"八角钢", Family::Octagon, -1}, {"八角", Family::Octagon, -1}, {"螺纹钢", Family::Rebar, -1},
    {"螺纹", Family::Rebar, -1}, {"角钢", Family::Angle, -1}, {"槽钢", Family::Channel, -1},
    {"I字钢", Family::IBeam, -1}, {"方管", Family::Tube, -1},
    {"矩形管", Family::Tube, -1}, {"圆钢", Family::Round, -1}, {"钢管", Family::Round, -1},
    {"钢板", Family::Plate, -1}, {"扁钢", Family::Plate, -1}, {"圆管", Family::Round, -1},
    {"焊管", Family::DN, -1}, {"H型钢", Family::H, -1}, {"T型钢", Family::T, -1}, {"<", Family::Angle, -1}, {"L", Family::Angle, -1},
    {"[", Family::Channel, -1}, {"C", Family::Channel, -1}, {"I", Family::IBeam, -1},
    {"H", Family::H, -1}, {"T", Family::T, -1}, {"@", Family::Round, -1}, {"D", Family::Round, -1},
    {"#", Family::Tube, -1}, {"-", Family::Plate, -1}, {"Z", Family::Z, -1}, {"M", Family::Fastener, -1},
};

bool Same(double a, double b) { return std::fabs(a - b) <= 1e-6 * std::max(1.0, std::fabs(a)); }

double Distance(const std::vector<double>& a, const std::vector<double>& b) {
    double d = 0;
    for (std::size_t i = 0; i < a.size(); ++i) d += std::fabs(std::log(a[i] / b[i]));
    return d;
}

// Welded pipe: nominal bore to the inch size the list names.
double InchOfDn(double dn) {
    static const std::pair<int, double> kBores[] = {{6, 0.125}, {8, 0.25}, {10, 0.375}, {15, 0.5},
        {20, 0.75}, {25, 1}, {32, 1.25}, {40, 1.5}, {50, 2}, {65, 2.5}, {80, 3}, {100, 4}, {125, 5}, {150, 6}};
    for (const auto& [bore, inch] : kBores)
        if (Same(dn, bore)) return inch;
    return 0;
}

struct Candidate {
    Meaning meaning;
    double distance;
    bool sameText;
};

// The rows of the lists a family reaches whose numbers the typed ones are, and the nearest others.
struct Search {
    Family family;
    int type;              // -1 any
    int listIndex;         // a list named in front of the sizes, else -1
    std::vector<double> typed;
    char suffix;
    std::string typedText; // the sizes as typed, "x"-separated
    std::vector<Candidate> exact, near;
};

bool Reaches(const SizeList& list, int index, const Search& s) {
    if (s.listIndex >= 0) return index == s.listIndex;
    switch (s.family) {
        case Family::Angle:   return list.calc == Calc::Angle || list.calc == Calc::ColdAngle;
        case Family::Channel: return list.calc == Calc::Channel || list.calc == Calc::ColdChannel;
        case Family::IBeam:   return list.calc == Calc::IBeam;
        case Family::H:       return list.calc == Calc::HT && list.type <= 3 && (s.type < 0 || list.type == s.type);
        case Family::T:       return list.calc == Calc::HT && list.type >= 4 && (s.type < 0 || list.type == s.type);
        case Family::Round:   return list.calc == Calc::Rebar;
        case Family::DN:      return list.calc == Calc::Pipe;
        case Family::Tube:    return list.calc == Calc::Tube;
        case Family::Z:       return list.calc == Calc::ColdZ;
        case Family::Hexagon: return list.calc == Calc::Hexagon;
        case Family::Octagon: return list.calc == Calc::Octagon;
        case Family::Rebar:   return list.calc == Calc::Rebar;
        case Family::None:    return true;
        default:              return false;
    }
}

// A row's numbers in the order the typed ones come: an equal angle or square tube written with
// one side has it twice; a tube's sides in either order.
std::vector<double> Canonical(const SizeList& list, std::vector<double> n, std::size_t typedCount) {
    if ((list.calc == Calc::Angle || list.calc == Calc::ColdAngle) && typedCount == 2 && n.size() == 3 && Same(n[0], n[1]))
        return {n[0], n[2]};
    if (list.calc == Calc::Tube && n.size() == 2 && typedCount == 3) return {n[0], n[0], n[1]};
    return n;
}

std::string RowText(const char* model) {
    std::string t = Fold(model);
    std::string out;
    for (char c : t) {
        if ((c >= '0' && c <= '9') || c == '.' || c == 'x' || c == '/') out += c;
        if (c >= 'A' && c <= 'C') out += static_cast<char>(c - 'A' + 'a');
    }
    while (!out.empty() && out.back() == 'x') out.pop_back();
    return out;
}

// A row of a sized list as the search compares it, read once.
struct ParsedRow {
    std::vector<double> numbers;      // of the row's text
    std::vector<double> specNumbers;  // of its dimensions, for the channel and I-beam lists
    char suffix = 0;                  // a/b/c after the number; 'b' for a b size written without it
    bool writesB = false;             // the row's text has the letter b
    std::string text;                 // RowText of the row's text
};

// Per list of SizeLists(), its rows read.
const std::vector<std::vector<ParsedRow>>& ParsedRows() {
    static const std::vector<std::vector<ParsedRow>> parsed = [] {
        std::vector<std::vector<ParsedRow>> all;
        for (const SizeList& list : SizeLists()) {
            const bool numbered = list.calc == Calc::Channel || list.calc == Calc::IBeam;
            std::vector<ParsedRow> rows(list.sizes->count);
            for (std::size_t row = 0; row < rows.size(); ++row) {
                const SizeRow& r = list.sizes->rows[row];
                rows[row].numbers = RowNumbers(r.model, &rows[row].suffix);
                if (numbered) rows[row].specNumbers = RowNumbers(r.spec);
                rows[row].writesB = std::strchr(r.model, 'b') != nullptr;
                rows[row].text = RowText(r.model);
            }
            // "[20" beside "[20a" is the b size the list writes without its letter.
            if (numbered)
                for (ParsedRow& unlettered : rows)
                    for (const ParsedRow& a : rows)
                        if (!unlettered.suffix && a.suffix == 'a' && Same(a.numbers[0], unlettered.numbers[0]))
                            unlettered.suffix = 'b';
            all.push_back(std::move(rows));
        }
        return all;
    }();
    return parsed;
}

void Find(Search& s) {
    const std::vector<SizeList>& lists = SizeLists();
    const std::vector<std::vector<ParsedRow>>& parsed = ParsedRows();
    for (int li = 0; li < static_cast<int>(lists.size()); ++li) {
        const SizeList& list = lists[li];
        if (!Reaches(list, li, s)) continue;
        const bool numbered = list.calc == Calc::Channel || list.calc == Calc::IBeam;
        for (int row = 0; row < static_cast<int>(list.sizes->count); ++row) {
            const ParsedRow& p = parsed[li][row];
            Meaning m;
            m.calc = list.calc;
            m.type = list.type;
            m.row = row;
            if (numbered && s.typed.size() == 1) {
                const double n0 = p.numbers[0];
                const double d = Distance(s.typed, {n0}) + (p.suffix == s.suffix ? 0 : 0.02);
                if (Same(n0, s.typed[0]) && (p.suffix == s.suffix || !s.suffix)) {
                    if (s.suffix == 'b' && !p.writesB) m.note = std::string("表中记作") + list.sizes->rows[row].model;
                    s.exact.push_back({m, d, !*list.name && p.text == s.typedText});
                } else {
                    s.near.push_back({m, d, false});
                }
                continue;
            }
            if (!numbered && s.suffix) continue;
            std::vector<double> n = numbered ? p.specNumbers : p.numbers;
            if (list.calc == Calc::Pipe && n.size() == 2 && s.typed.size() == 1) n.pop_back();  // DN alone
            n = Canonical(list, n, s.typed.size());
            std::vector<double> typed = s.typed;
            if (list.calc == Calc::HT && list.type <= 3 && typed.size() == 4) typed.resize(2);
            if (n.size() != typed.size()) continue;
            bool same = true;
            for (std::size_t k = 0; k < n.size(); ++k) same = same && Same(n[k], typed[k]);
            if (!same && list.calc == Calc::Tube && n.size() == 3)
                same = Same(n[0], typed[1]) && Same(n[1], typed[0]) && Same(n[2], typed[2]);
            (same ? s.exact : s.near).push_back({m, Distance(typed, n), !*list.name && p.text == s.typedText});
        }
    }
}

Designation Unreadable(const std::string& why = "") {
    Designation d;
    d.status = Designation::kUnreadable;
    d.message = (why.empty() ? std::string("无法识别") : why) + "。请这样写,例如:" + kDesignationExamples;
    return d;
}

// The plate, round bar and pipe are sized by their dimensions, not by a list.
std::optional<Meaning> Dimensioned(Family family, const std::vector<double>& n) {
    Meaning m;
    if (family == Family::Plate && n.size() == 2) {
        m.calc = Calc::Plate;
        m.thickness = std::min(n[0], n[1]);
        m.width = std::max(n[0], n[1]);
        if (n[0] > n[1]) m.note = "较小的数作厚度";
        return m;
    }
    if (family == Family::Round && (n.size() == 1 || (n.size() == 2 && 2 * n[1] < n[0]))) {
        m.calc = Calc::Round;
        m.outer = n[0];
        m.wall = n.size() == 2 ? n[1] : 0;
        return m;
    }
    return std::nullopt;
}

std::pair<std::size_t, std::size_t> Arities(Family family) {
    switch (family) {
        case Family::Angle:   return {2, 3};
        case Family::Channel: return {1, 4};
        case Family::IBeam:   return {1, 3};
        case Family::H:       return {2, 4};
        case Family::T:       return {2, 2};
        case Family::Round:   return {1, 2};
        case Family::DN:      return {1, 2};
        case Family::Tube:    return {2, 3};
        case Family::Plate:   return {2, 2};
        case Family::Z:       return {3, 4};
        case Family::None:    return {1, 4};
        default:              return {1, 1};
    }
}

}  // namespace

Designation ReadDesignation(const std::string& raw) {
    std::string text = raw;
    const auto notSpace = [](unsigned char c) { return c != ' ' && c != '\t'; };
    text.erase(text.begin(), std::find_if(text.begin(), text.end(), notSpace));
    text.erase(std::find_if(text.rbegin(), text.rend(), notSpace).base(), text.end());
    if (text.empty()) return {};

    // A list's own name in front ("HN窄翼缘 400×200", "六角钢 20") names that list.
    int listIndex = -1;
    std::size_t nameLength = 0;
    const std::vector<SizeList>& lists = SizeLists();
    for (int i = 0; i < static_cast<int>(lists.size()); ++i) {
        const std::size_t length = std::char_traits<char>::length(lists[i].name);
        if (length > nameLength && StartsWith(text, 0, lists[i].name)) {
            listIndex = i;
            nameLength = length;
        }
    }
    std::string folded = Fold(text.substr(nameLength));
    std::size_t at = 0;
    while (at < folded.size() && folded[at] == ' ') ++at;

    Family family = Family::None;
    int type = -1;
    bool word = false;  // the section was named by a word, not a symbol
    if (listIndex >= 0) {
        family = Family::List;
        const char* symbol = lists[listIndex].symbol;
        const std::string mark = *symbol ? Fold(symbol) : "";
        if (!mark.empty() && StartsWith(folded, at, mark.c_str())) at += mark.size();
    } else {
        for (const Prefix& p : kPrefixes) {
            if (StartsWith(folded, at, p.text)) {
                family = p.family;
                type = p.type;
                at += std::char_traits<char>::length(p.text);
                word = IsWord(p.text);
                while (word && at < folded.size() && folded[at] == ' ') ++at;
                if (word && at < folded.size() && folded[at] && std::strchr("<[@#I-", folded[at])) ++at;
                break;
            }
        }
    }
    if (family == Family::Fastener)
        return Unreadable("螺栓、螺母、垫圈按件计重,请在第二页的螺栓计算器中选择");
    // An inch size without a symbol is a welded pipe.
    std::vector<Token> tokens;
    if (!Lex(folded, at, tokens)) return Unreadable();
    if (family == Family::None && !tokens.empty() && tokens[0].inch) family = Family::DN;
    Reading reading;
    if (!Group(tokens, reading)) return Unreadable();
    for (std::size_t k = 1; k < reading.dims.size(); ++k)
        if (reading.dims[k].suffix || reading.dims[k].inch) return Unreadable();

    const auto [fewest, most] = family == Family::List ? std::make_pair<std::size_t, std::size_t>(1, 4) : Arities(family);
    Designation best;
    for (std::size_t n = std::min(most, reading.dims.size()); n >= fewest && n > 0; --n) {
        Designation d;
        d.lengthMm = reading.lengthMm;
        int count = reading.count.value_or(1);
        // Numbers past the sizes: the length, then the count.
        std::size_t k = n;
        // A number past the sizes is a length only when it is one: "DN50×4" is no DN50 of 4 mm.
        if (k < reading.dims.size() && !d.lengthMm && !reading.count) {
            if (reading.dims[k].value < kShortestLength) continue;
            d.lengthMm = reading.dims[k++].value;
        }
        if (k < reading.dims.size() && !reading.count) {
            const double c = reading.dims[k++].value;
            if (!IsCount(c)) continue;
            count = static_cast<int>(c);
        }
        if (k < reading.dims.size()) continue;
        d.count = count;

        std::vector<double> dims;
        std::string typedText;
        for (std::size_t i = 0; i < n; ++i) {
            dims.push_back(reading.dims[i].value);
            typedText += (i ? "x" : "") + reading.dims[i].text;
        }
        if (reading.dims[0].suffix) typedText += reading.dims[0].suffix;
        if (family == Family::DN && !reading.dims[0].inch) {
            dims[0] = InchOfDn(dims[0]);
            if (dims[0] == 0) continue;
        }
        if (std::optional<Meaning> m = Dimensioned(family, dims)) {
            Search rebar{Family::Rebar, -1, -1, dims, 0, typedText, {}, {}};
            if (family == Family::Round && n == 1 && !word) Find(rebar);  // "φ20" is rebar too
            d.meanings.push_back(*m);
            for (const Candidate& c : rebar.exact) d.meanings.push_back(c.meaning);
            d.status = d.meanings.size() == 1 ? Designation::kFound : Designation::kAmbiguous;
        } else {
            Search s{family, type, listIndex, dims, reading.dims[0].suffix, typedText, {}, {}};
            Find(s);
            std::vector<Candidate> exact = s.exact;
            if (exact.size() > 1) {
                std::vector<Candidate> sameText;
                for (const Candidate& c : exact)
                    if (c.sameText) sameText.push_back(c);
                if (sameText.size() == 1) {
                    // The text is that row's own printed name; the others are printed with their
                    // list's name, and the user hears of them.
                    std::string others;
                    for (const Candidate& c : exact)
                        if (!c.sameText) others += (others.empty() ? "" : "、") + c.meaning.Label();
                    exact = sameText;
                    exact[0].meaning.note = "另有" + others;
                }
            }
            // Web and flange, where given, must be the list's.
            if (family == Family::H && n == 4 && exact.size() == 1) {
                const std::optional<WebFlange> wf = HWebFlange(exact[0].meaning.type, exact[0].meaning.row);
                if (wf && !(Same(wf->web, dims[2]) && Same(wf->flange, dims[3]))) {
                    d.status = Designation::kNearMiss;
                    d.meanings.push_back(exact[0].meaning);
                    char thick[64];
                    std::snprintf(thick, sizeof thick, "%g×%g", wf->web, wf->flange);
                    d.message = "没有这个规格:" + exact[0].meaning.Label() + " 的腹板×翼缘厚是" + thick + "。最接近的:";
                    return d;
                }
            }
            for (const Candidate& c : exact) d.meanings.push_back(c.meaning);
            if (family == Family::None && !exact.empty()) d.status = Designation::kAmbiguous;
            else if (exact.size() == 1) d.status = Designation::kFound;
            else if (exact.size() > 1) d.status = Designation::kAmbiguous;
            else if (!s.near.empty() && family != Family::None) {
                d.status = Designation::kNearMiss;
                std::stable_sort(s.near.begin(), s.near.end(),
                                 [](const Candidate& a, const Candidate& b) { return a.distance < b.distance; });
                for (std::size_t i = 0; i < s.near.size() && i < 3; ++i) d.meanings.push_back(s.near[i].meaning);
            }
        }
        if (d.status == Designation::kFound || d.status == Designation::kAmbiguous) {
            best = d;
            break;
        }
        if (best.status == Designation::kEmpty && d.status == Designation::kNearMiss) best = d;
    }
    if (best.status == Designation::kEmpty) return Unreadable();
    if (best.lengthMm && (!std::isfinite(*best.lengthMm) || *best.lengthMm <= 0)) return Unreadable();
    if (best.status == Designation::kAmbiguous) best.message = "有几种可能,请选择:";
    if (best.status == Designation::kNearMiss) best.message = "没有这个规格。最接近的:";
    if (best.status == Designation::kFound && !best.meanings[0].note.empty()) best.message = best.meanings[0].note;
    return best;
}

}  // namespace mw
