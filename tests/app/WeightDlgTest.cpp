// Main window logic: start state, settings bar, statistics, tool windows, collapse, tooltips.
#include <gtest/gtest.h>

#include "tests/support/MainWindowFixture.h"

namespace mw {
namespace {

TEST(WeightDlg, StartState) {
    MainWindowFixture f;
    f.Start(false);
    EXPECT_EQ(f.surface.Text(IDC_DENSITY), "7.85");
    EXPECT_DOUBLE_EQ(f.dlg.Settings().density, 7.85);
    EXPECT_EQ(f.surface.ItemText(IDC_DECIMALS, f.surface.Selection(IDC_DECIMALS)), "2");
    EXPECT_EQ(f.surface.ItemText(IDC_UNITSYSTEM, f.surface.Selection(IDC_UNITSYSTEM)), "kg;mm");
    EXPECT_EQ(f.surface.ItemCount(IDC_TAB), 3);
    EXPECT_EQ(f.surface.ItemText(IDC_TAB, 1), " 第 二 页 ");
    EXPECT_TRUE(f.surface.Checked(IDC_STAT_SWITCH));
    EXPECT_TRUE(f.surface.Checked(IDC_ATTACH));
    EXPECT_FALSE(f.surface.Enabled(IDC_COLLAPSE));
    EXPECT_EQ(f.host.timers.at(CWeightDlg::kCollapseTimer), 10000u);
    EXPECT_FALSE(f.files.Exists(MainWindowFixture::kSettingsPath));
}

TEST(WeightDlg, StoredUnitSystemIsSelectedAtStart) {
    MainWindowFixture f;
    f.files.files[MainWindowFixture::kSettingsPath] = "[Setting]\r\ndanwei=2\r\n";
    f.Start(false);
    EXPECT_EQ(f.surface.Selection(IDC_UNITSYSTEM), 2);
    EXPECT_EQ(f.dlg.Settings().unitSystem, 2);
}

TEST(WeightDlg, DensityTakesTheLeadingNumber) {
    MainWindowFixture f;
    f.Start(false);
    const std::pair<const char*, double> cases[] = {
        {"8", 8.0}, {"2*4", 2.0}, {"abc", 0.0}, {"", 0.0}, {" 7.93kg", 7.93}, {"-1.5", -1.5},
        {"0x10", 0.0}, {"inf", 0.0}, {"1e1", 10.0}, {".5", 0.5}};
    for (const auto& [text, density] : cases) {
        f.surface.Type(IDC_DENSITY, text);
        EXPECT_DOUBLE_EQ(f.dlg.Settings().density, density) << text;
    }
    // Only the first 29 characters count.
    f.surface.Type(IDC_DENSITY, std::string(29, '1') + "99");
    EXPECT_DOUBLE_EQ(f.dlg.Settings().density, 11111111111111111111111111111.0);
}

TEST(WeightDlg, StatisticsTotalFollowsTheExpressionAndDecimals) {
    MainWindowFixture f;
    f.Start(false);
    f.surface.Type(IDC_STAT_EXPR, "12.5+7.5");
    EXPECT_EQ(f.surface.Text(IDC_STAT_TOTAL), "20.00");
    f.surface.Choose(IDC_DECIMALS, 4);
    EXPECT_EQ(f.surface.Text(IDC_STAT_TOTAL), "20.0000");
    f.surface.Choose(IDC_DECIMALS, 0);
    f.surface.Type(IDC_STAT_EXPR, "12.4");
    EXPECT_EQ(f.surface.Text(IDC_STAT_TOTAL), "12");
    f.surface.Type(IDC_STAT_EXPR, "1/0");
    EXPECT_EQ(f.surface.Text(IDC_STAT_TOTAL), "0");
    f.surface.Click(IDC_STAT_COPY);
    EXPECT_EQ(f.clipboard.text, "0");
    f.clipboard.busy = true;
    f.surface.Type(IDC_STAT_EXPR, "5");
    f.surface.Click(IDC_STAT_COPY);  // busy clipboard: nothing copied, and the user is told
    EXPECT_EQ(f.clipboard.text, "0");
    ASSERT_EQ(f.surface.messages.size(), 1u);
    EXPECT_EQ(f.surface.messages[0].text, "复制到剪贴板失败,请稍后再试。");
}

// A keystroke that leaves a figure as it was sets no text: the sum, the hint line.
TEST(WeightDlg, UnchangedSumAndHintAreNotSetAgain) {
    MainWindowFixture f;
    f.Start();
    f.surface.Type(IDC_STAT_EXPR, "12");
    const int sums = f.surface.At(IDC_STAT_TOTAL).textSets;
    for (const char* text : {"12.0", "12+0", "6*2", "12"}) f.surface.Type(IDC_STAT_EXPR, text);
    EXPECT_EQ(f.surface.At(IDC_STAT_TOTAL).textSets, sums);
    f.surface.Type(IDC_STAT_EXPR, "12+1");
    EXPECT_EQ(f.surface.At(IDC_STAT_TOTAL).textSets, sums + 1);
    EXPECT_EQ(f.surface.Text(IDC_STAT_TOTAL), "13.00");

    f.pageSurface.Type(IDC_PLATE1_LENGTH, "1000");
    const int hints = f.surface.At(IDC_HINT).textSets;
    f.pageSurface.Type(IDC_PLATE1_LENGTH, "1000.0");
    f.pageSurface.Type(IDC_PLATE1_LENGTH, "2*500");
    EXPECT_EQ(f.surface.At(IDC_HINT).textSets, hints);
    EXPECT_EQ(f.surface.Text(IDC_HINT), "1000");
}

TEST(WeightDlg, StatisticsSwitchAndTopMostToggle) {
    MainWindowFixture f;
    f.Start(false);
    f.surface.Click(IDC_STAT_SWITCH);
    EXPECT_FALSE(f.dlg.StatisticsOn());
    f.surface.Click(IDC_STAT_SWITCH);
    EXPECT_TRUE(f.dlg.StatisticsOn());

    f.surface.Click(IDC_TOPMOST);
    EXPECT_TRUE(f.host.topMost);
    EXPECT_EQ(f.surface.Text(IDC_TOPMOST), "不置顶");
    f.surface.Click(IDC_TOPMOST);
    EXPECT_FALSE(f.host.topMost);
    EXPECT_EQ(f.surface.Text(IDC_TOPMOST), "置 顶");
}

TEST(WeightDlg, UnitSystemIsStoredWithTheCleanUpRule) {
    MainWindowFixture f;
    f.Start(false);
    const std::string path = MainWindowFixture::kSettingsPath;
    f.surface.Choose(IDC_UNITSYSTEM, 1);
    EXPECT_EQ(f.files.files.at(path), "[Setting]\r\ndanwei=1\r\n");
    EXPECT_TRUE(f.files.hidden.count(path));
    f.surface.Choose(IDC_UNITSYSTEM, 0);
    EXPECT_FALSE(f.files.Exists(path));  // nothing else stored: section and file go

    f.files.files[path] = "[Setting]\r\nhidetubiao=1\r\n";
    f.surface.Choose(IDC_UNITSYSTEM, 2);
    f.surface.Choose(IDC_UNITSYSTEM, 0);
    EXPECT_EQ(f.files.files.at(path), "[Setting]\r\nhidetubiao=1\r\n");

    f.files.readOnly = true;  // the write fails: the user is told once; the choice stays in force
    f.surface.Choose(IDC_UNITSYSTEM, 1);
    EXPECT_EQ(f.dlg.Settings().unitSystem, 1);
    f.surface.Choose(IDC_UNITSYSTEM, 2);
    EXPECT_EQ(f.dlg.Settings().unitSystem, 2);
    ASSERT_EQ(f.surface.messages.size(), 1u);
    EXPECT_EQ(f.surface.messages[0].text, "无法写入设置文件 ConfigKq.ini,更改暂存在本次运行中,能写入时一并保存。");
    EXPECT_EQ(f.files.files.at(path), "[Setting]\r\nhidetubiao=1\r\n");
    f.files.readOnly = false;  // a write that succeeds, then a new failure: told again
    f.surface.Choose(IDC_UNITSYSTEM, 1);
    f.files.readOnly = true;
    f.surface.Choose(IDC_UNITSYSTEM, 2);
    EXPECT_EQ(f.surface.messages.size(), 2u);
}

TEST(WeightDlg, ToolWindowsShowBesideAndFollowTheMainWindow) {
    MainWindowFixture f;
    f.Start(false);
    const int fullWidth = f.host.window.Width();
    f.dlg.OnCommand(IDM_AILIAOMIDU, Notify::Click);
    EXPECT_TRUE(f.host.toolShown[kToolAILIAOMIDU]);
    EXPECT_EQ(f.host.toolAt[kToolAILIAOMIDU], std::make_pair(100 + fullWidth, 50));
    EXPECT_EQ(f.host.timers.at(4), 200u);

    f.host.window = {300, 80, 300 + fullWidth, 630};
    f.host.moves.clear();
    f.dlg.OnTimer(4);
    EXPECT_EQ(f.host.toolAt[kToolAILIAOMIDU], std::make_pair(300 + fullWidth, 80));
    const std::vector<ToolWindow> order = {kToolHANGUAN, kToolAILIAOMIDU, kToolDANWEI, kToolZHOUCHENG,
                                           kToolDINGYICAILIAO, kToolRENWU, kToolWeightListDlg, kToolCutPlanDlg,
                                           kToolLookupDlg};
    EXPECT_EQ(f.host.moves, order);

    f.surface.Click(IDC_ATTACH);  // detached: the tool windows stay where they are
    f.host.window = {10, 10, 10 + fullWidth, 560};
    f.dlg.OnTimer(4);
    EXPECT_EQ(f.host.toolAt[kToolAILIAOMIDU], std::make_pair(300 + fullWidth, 80));

    f.dlg.OnCommand(IDM_AILIAOMIDU, Notify::Click);
    EXPECT_FALSE(f.host.toolShown[kToolAILIAOMIDU]);
    EXPECT_FALSE(f.host.timers.count(4));

    f.dlg.OnCommand(IDM_RENWU, Notify::Click);
    f.dlg.ToolWindowClosed(kToolRENWU);  // closed by its own close box
    f.dlg.OnCommand(IDM_RENWU, Notify::Click);
    EXPECT_TRUE(f.dlg.ToolShown(kToolRENWU));  // shown again, not hidden
}

TEST(WeightDlg, CollapsesAfterTheDelayAndToggles) {
    MainWindowFixture f;
    f.Start(false);
    const ScreenRect full = f.host.window;
    f.dlg.OnTimer(CWeightDlg::kCollapseTimer);
    EXPECT_EQ(f.host.window.bottom, 302);
    EXPECT_EQ(f.surface.Text(IDC_COLLAPSE), "↓");
    EXPECT_TRUE(f.surface.Enabled(IDC_COLLAPSE));
    EXPECT_FALSE(f.host.bannerLoaded);
    EXPECT_FALSE(f.host.timers.count(CWeightDlg::kCollapseTimer));

    f.surface.Click(IDC_COLLAPSE);
    EXPECT_EQ(f.host.window.Height(), full.Height());
    EXPECT_EQ(f.surface.Text(IDC_COLLAPSE), "↑");
    EXPECT_TRUE(f.host.bannerLoaded);
    f.surface.Click(IDC_COLLAPSE);
    EXPECT_EQ(f.host.window.bottom, 302);
}

TEST(WeightDlg, PageSwitchingAndTooltips) {
    MainWindowFixture f;
    f.Start(false);
    for (int selection : {1, 2, 0}) {
        f.surface.SetSelection(IDC_TAB, selection);
        f.dlg.OnTabChange();
        for (int page = 0; page < 3; ++page) EXPECT_EQ(f.host.pageShown[page], page == selection);
    }
    EXPECT_EQ(f.dlg.TooltipText(IDC_HINT), "即时表达式计算结果");
    EXPECT_EQ(f.dlg.TooltipText(IDC_ATTACH), "勾选后附加窗体附着于主窗体");
    EXPECT_EQ(f.dlg.TooltipText(IDC_DENSITY), "");
}

// The start builds the pages one at a time after the settings bar, whose density no longer
// reaches them: the page shown computes as it joins, a hidden one once it is shown.
TEST(WeightDlg, PageBuiltAfterTheSettingsBarShowsEveryWeightAndOnlyItsOwnTab) {
    MainWindowFixture f;
    f.Start(false);
    f.page1 = std::make_unique<CTAB1>(f.pageSurface, f.dlg);
    f.pageSurface.Bind(f.page1.get());
    f.page1->OnInitDialog();
    f.dlg.AddPage(0, f.page1.get());
    for (int result : {IDC_PLATE1_RESULT, IDC_PLATE2_RESULT, IDC_ROUND_RESULT, IDC_ANGLE_RESULT})
        EXPECT_EQ(f.pageSurface.Text(result), "0.00") << result;
    EXPECT_TRUE(f.host.pageShown[0]);

    f.page2 = std::make_unique<CTAB2>(f.page2Surface, f.dlg);
    f.page2Surface.Bind(f.page2.get());
    f.page2->OnInitDialog();
    f.dlg.AddPage(1, f.page2.get());
    EXPECT_TRUE(f.host.pageShown[0]);
    EXPECT_FALSE(f.host.pageShown[1]);
    // From then on the page follows the settings bar like the others.
    f.pageSurface.Type(IDC_PLATE1_LENGTH, "1000");
    f.pageSurface.Type(IDC_PLATE1_WIDTH, "1000");
    f.pageSurface.Type(IDC_PLATE1_THICKNESS, "10");
    f.page2Surface.Type(IDC_TUBE_LENGTH, "1000");
    const std::string tube = f.page2Surface.Text(IDC_TUBE_RESULT);
    f.surface.Type(IDC_DENSITY, "7.93");
    EXPECT_EQ(f.pageSurface.Text(IDC_PLATE1_RESULT), "79.30");
    EXPECT_EQ(f.page2Surface.Text(IDC_TUBE_RESULT), tube);  // hidden: it computes when shown
    f.ShowTab(1);
    EXPECT_NE(f.page2Surface.Text(IDC_TUBE_RESULT), tube);
    EXPECT_TRUE(f.host.pageShown[1]);
}

TEST(WeightDlg, ButtonsReachTheirActions) {
    MainWindowFixture f;
    f.Start(false);
    f.surface.Click(IDC_CALCULATOR);
    f.surface.Click(IDC_TOOLS);
    f.dlg.OnCommand(IDM_EXIT, Notify::Click);
    EXPECT_EQ(f.host.calculatorsStarted, 1);
    EXPECT_EQ(f.host.menusShown, 1);
    EXPECT_TRUE(f.host.exited);
}

}  // namespace
}  // namespace mw
