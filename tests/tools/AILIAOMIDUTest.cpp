// The material density window: its table, and the find-next search with its wrap-around.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/support/MemorySurface.h"
#include "tools/AILIAOMIDU.h"

namespace mw {
namespace {

struct DensityWindow {
    DensityWindow() {
        surface.Bind(&window);
        window.OnInitDialog();
    }
    // Types the search text and presses the find button; the name of the row selected then.
    std::string Find(const std::string& text) {
        surface.Type(IDC_AILIAOMIDU_SEARCH, text);
        surface.Click(IDC_AILIAOMIDU_FIND);
        return surface.CellText(IDC_AILIAOMIDU_TABLE, surface.Selection(IDC_AILIAOMIDU_TABLE), 1);
    }
    std::vector<std::string> FindTimes(const std::string& text, int times) {
        std::vector<std::string> found;
        for (int i = 0; i < times; ++i) found.push_back(Find(text));
        return found;
    }

    MemorySurface surface;
    CAILIAOMIDU window{surface};
};

// A density is a plain decimal number, or two of them with a full-width tilde, the lower first.
bool WellFormedDensity(const std::string& text) {
    auto number = [](const std::string& s, double& value) {
        if (s.empty() || s.find_first_not_of("0123456789.") != std::string::npos) return false;
        value = std::strtod(s.c_str(), nullptr);
        return value > 0;
    };
    const std::string tilde = "～";
    const std::size_t at = text.find(tilde);
    double low = 0, high = 0;
    if (at == std::string::npos) return number(text, low);
    return number(text.substr(0, at), low) && number(text.substr(at + tilde.size()), high) && low < high;
}

TEST(AILIAOMIDU, TableColumnsAndRows) {
    DensityWindow w;
    const auto& columns = w.surface.At(IDC_AILIAOMIDU_TABLE).columns;
    const std::vector<std::pair<std::string, int>> expected = {
        {"NO.", 38}, {"名     称", 120}, {"密度(t/m^3)", 90}};
    EXPECT_EQ(columns, expected);

    ASSERT_EQ(w.surface.ItemCount(IDC_AILIAOMIDU_TABLE), 124);
    std::set<std::string> names;
    int ranges = 0;
    for (int row = 0; row < 124; ++row) {
        EXPECT_EQ(w.surface.CellText(IDC_AILIAOMIDU_TABLE, row, 0), std::to_string(row + 1));
        EXPECT_TRUE(names.insert(w.surface.CellText(IDC_AILIAOMIDU_TABLE, row, 1)).second) << row;
        const std::string density = w.surface.CellText(IDC_AILIAOMIDU_TABLE, row, 2);
        EXPECT_TRUE(WellFormedDensity(density)) << row << " " << density;
        if (density.find("～") != std::string::npos) ++ranges;
    }
    EXPECT_EQ(ranges, 60);
    const std::vector<std::vector<std::string>> spots = {
        {"1", "灰铸铁", "7.0"},          {"6", "钢材", "7.85"},
        {"7", "高速钢", "8.3～8.7"},     {"8", "不锈钢/合金钢", "7.9"},
        {"32", "硬质合金(钨钴)", "14.4～14.9"}, {"35", "木材(含水15%)", "0.4～0.75"},
        {"91", "ABS树脂", "1.02～1.08"}, {"107", "水(4℃)", "1.0"},
        {"108", "空气(20℃)", "0.0012"},  {"124", "PE板", "0.97"}};
    for (const auto& spot : spots) {
        const int row = std::stoi(spot[0]) - 1;
        EXPECT_EQ(w.surface.At(IDC_AILIAOMIDU_TABLE).cells[row], spot);
    }
    EXPECT_EQ(w.surface.Selection(IDC_AILIAOMIDU_TABLE), -1);
    EXPECT_EQ(w.window.LastFound(), -1);
}

TEST(AILIAOMIDU, FindNextStepsThroughEveryMatchAndWraps) {
    DensityWindow w;
    EXPECT_EQ(w.FindTimes("钢", 8),
              (std::vector<std::string>{"铸钢", "钢材", "高速钢", "不锈钢/合金钢", "硅钢片", "软钢纸板",
                                        "玻璃钢", "铸钢"}));
    EXPECT_EQ(w.surface.focus, IDC_AILIAOMIDU_TABLE);
    EXPECT_EQ(w.window.LastFound(), 4);

    DensityWindow copper;
    EXPECT_EQ(copper.FindTimes("铜", 8),
              (std::vector<std::string>{"紫铜", "黄铜", "铸造黄铜", "锡青铜", "无锡青铜", "镍铜合金",
                                        "磷青铜", "紫铜"}));
    EXPECT_TRUE(w.surface.messages.empty());
}

TEST(AILIAOMIDU, FindNextSearchesDensitiesToo) {
    DensityWindow w;
    EXPECT_EQ(w.Find("～"), "高速钢");
    EXPECT_EQ(w.Find("～"), "硅钢片");
    DensityWindow steel;
    EXPECT_EQ(steel.Find("7.85"), "钢材");
    EXPECT_EQ(steel.Find("7.85"), "钢材");  // the only match is found again
    EXPECT_TRUE(steel.surface.messages.empty());
    DensityWindow number;
    EXPECT_EQ(number.Find("124"), "");  // the row numbers are not searched
    EXPECT_EQ(number.surface.messages.size(), 1u);
}

TEST(AILIAOMIDU, EmptySearchTextTakesTheNextRow) {
    DensityWindow w;
    EXPECT_EQ(w.Find(""), "灰铸铁");
    EXPECT_EQ(w.Find(""), "白口铸铁");
    EXPECT_EQ(w.Find("PE板"), "PE板");
    EXPECT_EQ(w.Find(""), "灰铸铁");  // past the last row: the first again
}

TEST(AILIAOMIDU, NothingFoundIsReportedAndChangesNothing) {
    DensityWindow w;
    EXPECT_EQ(w.Find("黄铜"), "黄铜");
    w.surface.focus = IDC_AILIAOMIDU_SEARCH;
    EXPECT_EQ(w.Find("钨钢"), "黄铜");
    ASSERT_EQ(w.surface.messages.size(), 1u);
    EXPECT_EQ(w.surface.messages[0].text, "很抱歉，没找到!!");
    EXPECT_EQ(w.surface.messages[0].caption, "提示");
    EXPECT_EQ(w.surface.messages[0].style, static_cast<unsigned>(kMbOk));
    EXPECT_EQ(w.window.LastFound(), 10);
    EXPECT_EQ(w.surface.focus, IDC_AILIAOMIDU_SEARCH);
    // The search goes on after the row found last.
    EXPECT_EQ(w.Find("黄铜"), "铸造黄铜");
}

TEST(AILIAOMIDU, AClickedRowDoesNotMoveTheSearch) {
    DensityWindow w;
    EXPECT_EQ(w.Find("铝"), "铝");
    w.surface.Choose(IDC_AILIAOMIDU_TABLE, 100);  // the user clicks 酒精
    EXPECT_EQ(w.Find("铝"), "锌铝合金");
    EXPECT_EQ(w.surface.Selection(IDC_AILIAOMIDU_TABLE), 29);
}

}  // namespace
}  // namespace mw
