// The density table, the unit converter and the welded pipe sizes in the real program: each opens
// from the tools menu beside the main window, answers, stays open on Enter and Esc, hides through
// its close box and opens again at the main window's right edge.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

struct ToolRun {
    ToolRun(int command, const char* caption) : command(command), caption(caption) {
        EXPECT_TRUE(app.Start());
        main = app.MainWindow();
        if (main) tool = Open();
    }
    HWND Open() {
        Command(main, command);
        return app.WaitForWindow(caption, 3000);
    }
    void ExpectBesideMain() const {
        const RECT at = WindowRect(tool), beside = WindowRect(main);
        EXPECT_EQ(at.left, beside.right);
        EXPECT_EQ(at.top, beside.top);
    }
    // Enter and Esc on a control leave the window shown.
    void ExpectKeysKeepItOpen(int control) const {
        Key(GetDlgItem(tool, control), VK_RETURN);
        Key(GetDlgItem(tool, control), VK_ESCAPE);
        Sleep(300);
        EXPECT_TRUE(IsWindowVisible(tool));
    }
    // The close box hides it; after the main window moves, the menu shows it at its new right edge.
    void ExpectCloseAndReopen() {
        CloseBox(tool);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(tool); }, 2000));
        const RECT before = WindowRect(main);
        SetWindowPos(main, nullptr, before.left + 25, before.top + 15, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        EXPECT_EQ(Open(), tool);
        ExpectBesideMain();
    }

    int command;
    const char* caption;
    AppUnderTest app;
    HWND main = nullptr;
    HWND tool = nullptr;
};

TEST(ReferenceTools, DensityTableFindsNextAndLeavesTheDensityAlone) {
    ToolRun run(IDM_AILIAOMIDU, "常用材料密度");
    HWND tool = run.tool;
    ASSERT_NE(tool, nullptr);
    run.ExpectBesideMain();
    EXPECT_EQ(ItemCount(tool, IDC_AILIAOMIDU_TABLE), 124);
    EXPECT_EQ(CellText(tool, IDC_AILIAOMIDU_TABLE, 6, 1), "高速钢");
    EXPECT_EQ(CellText(tool, IDC_AILIAOMIDU_TABLE, 6, 2), "8.3～8.7");
    EXPECT_EQ(CellText(tool, IDC_AILIAOMIDU_TABLE, 123, 0), "124");

    SetText(tool, IDC_AILIAOMIDU_SEARCH, "钢");
    Click(tool, IDC_AILIAOMIDU_FIND);
    EXPECT_EQ(Selection(tool, IDC_AILIAOMIDU_TABLE), 4);
    // Enter in the search text presses the find button.
    Key(GetDlgItem(tool, IDC_AILIAOMIDU_SEARCH), VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Selection(tool, IDC_AILIAOMIDU_TABLE) == 5; }, 2000));
    SetText(tool, IDC_AILIAOMIDU_SEARCH, "PE板");
    Click(tool, IDC_AILIAOMIDU_FIND);
    EXPECT_EQ(Selection(tool, IDC_AILIAOMIDU_TABLE), 123);
    Key(GetDlgItem(tool, IDC_AILIAOMIDU_TABLE), VK_ESCAPE);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(tool));
    EXPECT_EQ(Text(run.main, IDC_DENSITY), "7.85");
    SaveScreenshot(tool, "density-table");
    run.ExpectCloseAndReopen();
    EXPECT_EQ(Selection(tool, IDC_AILIAOMIDU_TABLE), 123);
}

TEST(ReferenceTools, UnitConverterConvertsAsTyped) {
    ToolRun run(IDM_DANWEI, "常用单位换算");
    HWND tool = run.tool;
    ASSERT_NE(tool, nullptr);
    run.ExpectBesideMain();
    EXPECT_EQ(Text(tool, IDC_DANWEI_VALUE), "1");
    EXPECT_EQ(Text(tool, IDC_DANWEI_RESULT), "1");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(tool, IDC_DANWEI_RESULT), GWL_STYLE) & ES_READONLY);
    EXPECT_EQ(ItemCount(tool, IDC_DANWEI_QUANTITY), 23);

    Choose(tool, IDC_DANWEI_QUANTITY, 8);
    EXPECT_EQ(ItemCount(tool, IDC_DANWEI_FROM), 10);
    EXPECT_EQ(ItemText(tool, IDC_DANWEI_TO, Selection(tool, IDC_DANWEI_TO)), "千克 (kg)");
    Choose(tool, IDC_DANWEI_FROM, 2);
    SetText(tool, IDC_DANWEI_VALUE, "1.5t");
    EXPECT_EQ(Text(tool, IDC_DANWEI_RESULT), "1500");
    Choose(tool, IDC_DANWEI_TO, 6);
    EXPECT_EQ(Text(tool, IDC_DANWEI_RESULT).substr(0, 12), "3306.9339327");  // 1.5 t in lb
    run.ExpectKeysKeepItOpen(IDC_DANWEI_VALUE);
    SaveScreenshot(tool, "unit-converter");
    run.ExpectCloseAndReopen();
    EXPECT_EQ(Text(tool, IDC_DANWEI_VALUE), "1.5t");  // as the user left it
}

TEST(ReferenceTools, WeldedPipeSizesToggleFromTheMenu) {
    ToolRun run(IDM_HANGUAN, "焊管尺寸");
    HWND tool = run.tool;
    ASSERT_NE(tool, nullptr);
    run.ExpectBesideMain();
    EXPECT_EQ(ItemCount(tool, IDC_HANGUAN_THIN), 14);
    EXPECT_EQ(ItemCount(tool, IDC_HANGUAN_THICK), 14);
    EXPECT_EQ(ItemText(tool, IDC_HANGUAN_THIN, 0), "1/8×2.00→φ10.0×2.00");
    EXPECT_EQ(ItemText(tool, IDC_HANGUAN_THIN, 5), "1×3.25  →φ33.5×3.25");
    EXPECT_EQ(ItemText(tool, IDC_HANGUAN_THICK, 13), "6×5.50 →φ165.0×5.50");
    run.ExpectKeysKeepItOpen(IDC_HANGUAN_THICK);
    SaveScreenshot(tool, "welded-pipes");

    Command(run.main, IDM_HANGUAN);  // the second choice hides it
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(tool); }, 2000));
    EXPECT_EQ(run.Open(), tool);
    run.ExpectCloseAndReopen();
}

}  // namespace
}  // namespace mw::e2e
