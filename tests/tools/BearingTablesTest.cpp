// The bearing list proof-read: kinds, counts, columns, order and a sample against the standard
// boundary dimensions.
#include "tools/BearingTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tools/ZHOUCHENG.h"

namespace mw {
namespace {

// Single-width cells: the list's font gives every non-ASCII character of these lines two.
int Cells(const std::string& text) {
    int cells = 0;
    for (unsigned char c : text)
        if (c < 0x80) cells += 1;
        else if (c >= 0xC0) cells += 2;
    return cells;
}

// The cell at which each blank-separated field starts.
std::vector<int> FieldStarts(const std::string& line) {
    std::vector<int> starts;
    int cell = 0;
    bool blank = true;
    for (std::size_t i = 0; i < line.size();) {
        const unsigned char c = line[i];
        const std::size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        if (c != ' ' && blank) starts.push_back(cell);
        blank = c == ' ';
        cell += c < 0x80 ? 1 : 2;
        i += length;
    }
    return starts;
}

struct Bearing {
    std::string newCode, oldCode, dims, weight;
    double bore;
};

Bearing Parse(const std::string& line) {
    Bearing b;
    std::vector<std::string> fields;
    std::string field;
    for (char c : line + " ") {
        if (c != ' ') field += c;
        else if (!field.empty()) fields.push_back(field), field.clear();
    }
    EXPECT_EQ(fields.size(), 4u) << line;
    fields.resize(4);
    b = {fields[0], fields[1], fields[2], fields[3], std::atof(fields[2].c_str())};
    return b;
}

struct KindFacts {
    int lines, withoutOld, withoutWeight;
    const char* first;
    const char* last;
};

const KindFacts kKinds[CZHOUCHENG::kKindCount] = {
    {256, 26, 0, "619/3  -------   3×8×3       0.0008", "60/500 1/500     500×720×100 117.0 "},
    {91, 0, 3, "1200   1200      10×30×9     0.035 ", "2322   1622      110×240×80  17.60 "},
    {815, 2, 44, "NU202  32202     15×35×11    ----- ", "N260    2260     300×540×85  87.20 "},
    // 22206's published 0.500 kg is more than a solid steel ring of 30×62×20 weighs (0.363 kg):
    // the catalogue's 0.290 stands in for it.
    {292, 292, 34, "22206   -----    30×62×20     0.290", "22356K  -----    280×580×175  238.0"},
    {159, 159, 7, "30204   -----    20×47×15.25  0.124", "32238   -----    190×340×97   35.70"},
    {76, 1, 42, "351305  297305E  25×62×42     -----", "352148  2097748  240×400×210  98.10"},
    {108, 0, 0, "7002C   36102    15×32×9      0.028", "7020AC  46120    100×150×24   1.250"},
    // NA4856's published 1.570 kg is a tenth of its catalogue mass, 17.70.
    {51, 0, 0, "NA4900  4544900  10×22×13     0.0243", "NA4856  4544856  280×350×69   17.70"},
    {173, 11, 0, "51100   -----    10×24×9      0.019", "52240   38240    170×280×109  20.40"},
    {53, 0, 53, "29412   9039412  60×130×42    -----", "29468   9039468  340×620×170  -----"},
    {14, 0, 0, "81108   9108     40×60×13     0.120", "81226   9226     130×190×45   4.590"},
    {10, 0, 5, "99426   9019426  130×270×85   28.50", "99476   9019476  380×670×175  254.0"},
};

const char* const kHeaders[CZHOUCHENG::kKindCount] = {
    "深沟球轴承(GB/T276-94)",        "调心球轴承(GB/T281-94)",
    "圆柱滚子轴承(GB/T283-94)",      "调心滚子轴承(GB/T288-94)",
    "圆锥滚子轴承(GB/T297-94)",      "双列圆锥滚子轴承(GB/T299-1995)",
    "角接触球轴承(GB/T292-94)",      "滚针轴承(GB/T5801-94)",
    "推力球轴承(GB/T301-1995)",      "推力调心滚子轴承(GB/T5859-94)",
    "推力圆柱滚子轴承(GB/T4663-94)", "推力圆锥滚子轴承(GB/T4663-1994)",
};

// The lines of kind k (0-based), without the header.
std::vector<std::string> KindLines(int k) {
    const int from = CZHOUCHENG::kHeaderLines[k] + 1;
    const int to = k + 1 < CZHOUCHENG::kKindCount ? CZHOUCHENG::kHeaderLines[k + 1] : kBearingLineCount;
    return std::vector<std::string>(kBearingLines + from, kBearingLines + to);
}

TEST(BearingTables, HeadersStandAtTheirLinesAndNowhereElse) {
    for (int k = 0; k < CZHOUCHENG::kKindCount; ++k)
        EXPECT_STREQ(kBearingLines[CZHOUCHENG::kHeaderLines[k]], kHeaders[k]);
    int headers = 0;
    for (const char* line : kBearingLines) headers += std::string(line).find("轴承(") != std::string::npos;
    EXPECT_EQ(headers, CZHOUCHENG::kKindCount);
}

TEST(BearingTables, EachKindHasItsCountsAndItsFirstAndLastLines) {
    for (int k = 0; k < CZHOUCHENG::kKindCount; ++k) {
        SCOPED_TRACE(kHeaders[k]);
        const std::vector<std::string> lines = KindLines(k);
        ASSERT_EQ(static_cast<int>(lines.size()), kKinds[k].lines);
        EXPECT_EQ(lines.front(), kKinds[k].first);
        EXPECT_EQ(lines.back(), kKinds[k].last);
        int withoutOld = 0, withoutWeight = 0;
        for (const std::string& line : lines) {
            const Bearing b = Parse(line);
            withoutOld += b.oldCode.find_first_not_of('-') == std::string::npos;
            withoutWeight += b.weight == "-----";
        }
        EXPECT_EQ(withoutOld, kKinds[k].withoutOld);
        EXPECT_EQ(withoutWeight, kKinds[k].withoutWeight);
    }
}

TEST(BearingTables, FieldsStartAtTheirColumns) {
    int wideLines = 0;
    for (int k = 0; k < CZHOUCHENG::kKindCount; ++k) {
        for (const std::string& line : KindLines(k)) {
            SCOPED_TRACE(line);
            const int cells = Cells(line);
            if (cells == 38) {
                ++wideLines;
            } else {
                EXPECT_EQ(cells, 37);
            }
            const std::vector<int> starts = FieldStarts(line);
            ASSERT_EQ(starts.size(), 4u);
            EXPECT_EQ(starts[0], 0);
            const Bearing b = Parse(line);
            if (k < 2) {
                EXPECT_EQ(starts[1], 7);
            } else if (k == 2) {
                EXPECT_EQ(starts[1] + static_cast<int>(b.oldCode.size()), 12);   // right-aligned
            } else {
                EXPECT_EQ(starts[1], 8);
            }
            EXPECT_EQ(starts[2], 17);
            EXPECT_EQ(starts[3], k < 3 ? 31 : 32);
            if (b.oldCode[0] == '-') {
                EXPECT_EQ(b.oldCode, k == 0 ? "-------" : "-----");
            }
        }
    }
    EXPECT_EQ(wideLines, 1);   // NA4900's weight has four decimals
}

TEST(BearingTables, BoresRiseWithinAKindButForThreeLastLines) {
    std::vector<std::string> fallingLines;
    for (int k = 0; k < CZHOUCHENG::kKindCount; ++k) {
        double previous = 0;
        for (const std::string& line : KindLines(k)) {
            const double bore = Parse(line).bore;
            if (bore < previous) fallingLines.push_back(Parse(line).newCode);
            previous = bore;
        }
    }
    EXPECT_EQ(fallingLines, (std::vector<std::string>{"N260", "22356K", "52240"}));
    EXPECT_EQ(Parse(kBearingLines[1]).bore, 3);
    EXPECT_EQ(Parse(kKinds[0].last).bore, 500);
}

TEST(BearingTables, OnlyTheNu1080AndNh410LinesOccurTwice) {
    std::map<std::string, int> seen;
    for (const char* line : kBearingLines) ++seen[line];
    std::vector<std::string> twice;
    for (const auto& entry : seen) {
        EXPECT_LE(entry.second, 2) << entry.first;
        if (entry.second == 2) twice.push_back(Parse(entry.first).newCode);
    }
    EXPECT_EQ(twice, (std::vector<std::string>{"NH410", "NU1080"}));
}

// Boundary dimensions of well-known sizes, as the ISO dimension plans give them.
TEST(BearingTables, WellKnownBearingsHaveTheirStandardDimensions) {
    const std::map<std::string, std::string> standard = {
        {"6000", "10×26×8"},     {"6204", "20×47×14"},    {"6205", "25×52×15"},
        {"6306", "30×72×19"},    {"6310", "50×110×27"},   {"61805", "25×37×7"},
        {"16004", "20×42×8"},    {"608", "8×22×7"},       {"1205", "25×52×15"},
        {"2210", "50×90×23"},    {"1310", "50×110×27"},   {"NU205", "25×52×15"},
        {"NJ308", "40×90×23"},   {"N1010", "50×80×16"},   {"NU2210", "50×90×23"},
        {"NUP310", "50×110×27"}, {"NU410", "50×130×31"},  {"22210", "50×90×23"},
        {"22312", "60×130×46"},  {"23120", "100×165×52"}, {"30205", "25×52×16.25"},
        {"32210", "50×90×24.75"}, {"30310", "50×110×29.25"}, {"32008", "40×68×19"},
        {"7205C", "25×52×15"},   {"7310AC", "50×110×27"}, {"7010C", "50×80×16"},
        {"NA4905", "25×42×17"},  {"NA4910", "50×72×22"},  {"51105", "25×42×11"},
        {"51206", "30×52×16"},   {"51310", "50×95×31"},   {"51408", "40×90×36"},
        {"29320", "100×170×42"}, {"29416", "80×170×54"},  {"81112", "60×85×17"},
        // tapered: the overall width T, not the inner ring's B
        {"32204", "20×47×19.25"}, {"30217", "85×150×30.5"}, {"30221", "105×190×39"},
        {"32306", "30×72×28.75"}, {"32314", "70×150×54"},   {"32330", "150×320×114"},
        // NH: the width of its NJ, the angle ring not counted
        {"NH204", "20×47×14"},   {"NH413", "65×160×37"},  {"NH426", "130×340×78"},
        {"23156K", "280×460×146"},
    };
    std::map<std::string, std::string> listed;
    for (const char* line : kBearingLines) {
        if (std::string(line).find("轴承(") != std::string::npos) continue;
        const Bearing b = Parse(line);
        listed.emplace(b.newCode, b.dims);
    }
    for (const auto& entry : standard) {
        ASSERT_EQ(listed.count(entry.first), 1u) << entry.first;
        EXPECT_EQ(listed[entry.first], entry.second) << entry.first;
    }
    // The catalogue's row of number 32332 is NU332's; the tapered 32332 has none and is not listed.
    EXPECT_EQ(listed.count("32332"), 0u);
}

// A line's series: its new code without the bore code and the suffix, within its kind.
struct Line {
    int kind;
    std::string code, series;
    double d, D, width, kg;   // kg < 0: no weight
};

std::vector<Line> Lines() {
    std::vector<Line> lines;
    std::map<std::string, bool> seen;
    for (int k = 0; k < CZHOUCHENG::kKindCount; ++k) {
        for (const std::string& text : KindLines(k)) {
            const Bearing b = Parse(text);
            if (seen[b.newCode]) continue;
            seen[b.newCode] = true;
            Line line{k + 1, b.newCode, b.newCode, 0, 0, 0, -1};
            std::sscanf(b.dims.c_str(), "%lf", &line.d);
            const std::size_t x1 = b.dims.find("×"), x2 = b.dims.find("×", x1 + 1);
            line.D = std::atof(b.dims.c_str() + x1 + 2);
            line.width = std::atof(b.dims.c_str() + x2 + 2);
            if (b.weight[0] != '-') line.kg = std::atof(b.weight.c_str());
            std::string& s = line.series;
            if (line.kind == 4 || line.kind == 7) {
                for (const char* suffix : {"AC", "C", "B", "K"}) {
                    const std::size_t n = std::strlen(suffix);
                    if (s.size() > n && s.compare(s.size() - n, n, suffix) == 0) {
                        s.erase(s.size() - n);
                        break;
                    }
                }
                s += "/" + line.code.substr(s.size());   // 7204C and 7204AC are two series
            }
            const std::size_t slash = s.find('/');
            if (slash != std::string::npos && slash < s.size() - 1 && std::isdigit(s[slash + 1])) {
                s.erase(slash);
            } else {
                const std::size_t cut = line.d < 10 ? 1 : 2;
                const std::size_t end = slash == std::string::npos ? s.size() : slash;
                s = s.substr(0, end - cut) + (slash == std::string::npos ? "" : s.substr(slash));
            }
            lines.push_back(line);
        }
    }
    return lines;
}

double SolidRingKg(const Line& l) {
    return 3.14159265358979 / 4 * (l.D * l.D - l.d * l.d) * l.width * 7.85e-6;
}

TEST(BearingTables, NoWeightExceedsASolidSteelRingOfItsDimensions) {
    int weighed = 0;
    for (const Line& l : Lines()) {
        if (l.kg < 0) continue;
        ++weighed;
        EXPECT_LE(l.kg, SolidRingKg(l) * 1.0005) << l.code;   // the last digit is rounded
    }
    EXPECT_GT(weighed, 1500);
}

TEST(BearingTables, ALargerBearingOfASeriesNeverWeighsLess) {
    std::map<std::pair<int, std::string>, std::vector<Line>> series;
    for (const Line& l : Lines())
        if (l.kg >= 0) series[{l.kind, l.series}].push_back(l);
    EXPECT_GT(series.count({9, "512"}), 0u);
    EXPECT_GT(series.count({3, "NU2"}), 0u);
    for (auto& entry : series) {
        std::vector<Line>& s = entry.second;
        std::stable_sort(s.begin(), s.end(), [](const Line& a, const Line& b) {
            return a.d < b.d || (a.d == b.d && SolidRingKg(a) < SolidRingKg(b));
        });
        for (std::size_t i = 1; i < s.size(); ++i) {
            if (SolidRingKg(s[i]) > SolidRingKg(s[i - 1])) {
                EXPECT_GE(s[i].kg, s[i - 1].kg) << s[i].code << " after " << s[i - 1].code;
            }
        }
    }
}

// The dimension plans: every bearing of one diameter series and bore has one outside diameter,
// every radial bearing of one dimension series and bore one width B, whatever its type; a
// tapered roller bearing's overall width T exceeds the B of its dimension series.
TEST(BearingTables, EveryLineOfAKnownSeriesFollowsItsDimensionPlan) {
    struct Plan {
        const char* diameter;
        const char* width;   // nullptr: the line's own width (tapered T, needle rollers)
    };
    std::map<std::string, Plan> plans = {
        {"618", {"8", "1"}}, {"619", {"9", "1"}}, {"160", {"0", "0"}}, {"60", {"0", "1"}},
        {"62", {"2", "0"}},  {"63", {"3", "0"}},  {"64", {"4", "0"}},  {"12", {"2", "0"}},
        {"13", {"3", "0"}},  {"22", {"2", "2"}},  {"23", {"3", "2"}},  {"222", {"2", "2"}},
        {"223", {"3", "2"}}, {"230", {"0", "3"}}, {"231", {"1", "3"}}, {"232", {"2", "3"}},
        {"240", {"0", "4"}}, {"241", {"1", "4"}}, {"302", {"2", nullptr}},
        {"303", {"3", nullptr}}, {"320", {"0", nullptr}}, {"322", {"2", nullptr}},
        {"323", {"3", nullptr}}, {"70", {"0", "1"}}, {"72", {"2", "0"}}, {"73", {"3", "0"}},
        {"NA49", {"9", nullptr}},
    };
    for (const char* type : {"NU", "NJ", "NUP", "N", "NF", "NH"}) {
        const std::string t = type;
        plans[t + "10"] = {"0", "1"};
        plans[t + "2"] = {"2", "0"};
        plans[t + "22"] = {"2", "2"};
        plans[t + "3"] = {"3", "0"};
        plans[t + "23"] = {"3", "2"};
        plans[t + "4"] = {"4", "0"};
    }
    // tapered series -> the radial dimension series of its inner ring
    const std::map<std::string, std::string> taperedInner = {
        {"302", "20"}, {"303", "30"}, {"322", "22"}, {"323", "32"}};
    std::map<std::string, std::map<double, std::string>> outside, width;   // key -> value -> code
    std::vector<Line> tapered;
    int checked = 0;
    for (const Line& l : Lines()) {
        if (l.kind > 8) continue;   // thrust bearings have plans of their own
        std::string series = l.series;
        const std::size_t slash = series.find('/');
        if (slash != std::string::npos) series.erase(slash);
        const auto plan = plans.find(series);
        if (plan == plans.end()) continue;
        ++checked;
        char bore[16];
        std::snprintf(bore, sizeof bore, "@%g", l.d);
        outside[plan->second.diameter + std::string(bore)][l.D] = l.code;
        if (plan->second.width) {
            width[plan->second.diameter + std::string(plan->second.width) + bore][l.width] = l.code;
        } else if (taperedInner.count(series)) {
            tapered.push_back(l);
        }
    }
    EXPECT_GT(checked, 1200);
    for (const auto* groups : {&outside, &width}) {
        for (const auto& group : *groups) {
            if (group.second.size() > 1) {
                std::string values;
                for (const auto& v : group.second) values += " " + v.second;
                ADD_FAILURE() << "series " << group.first << " has " << group.second.size()
                              << " values:" << values;
            }
        }
    }
    // Tapered roller bearings show T, which exceeds the inner ring's B: the B of the radial
    // bearings of the same dimension series (32204 against NU2204's 18).
    int taperedChecked = 0;
    for (const Line& l : tapered) {
        char key[32];
        std::snprintf(key, sizeof key, "%s@%g", taperedInner.at(l.series).c_str(), l.d);
        const auto inner = width.find(key);
        if (inner == width.end()) continue;
        ++taperedChecked;
        EXPECT_GT(l.width, inner->second.begin()->first)
            << l.code << " shows the inner ring width of " << inner->second.begin()->second;
    }
    EXPECT_GT(taperedChecked, 60);
}

}  // namespace
}  // namespace mw
