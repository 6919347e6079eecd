// A cutting job of two sections in the real program: an angle from page one and a tube from
// page two, planned together with the job's totals, and both back after a restart.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/CutPlanWindow.h"

namespace mw::e2e {
namespace {

// Types `path` into the open or save dialog that `click` opens over the window, and confirms.
bool ThroughFileDialog(HWND cut, int click, const std::wstring& path) {
    PostClick(cut, click);
    HWND dialog = OwnedDialog(cut, 10000);
    if (!dialog) return false;
    SetText(dialog, kFileNameBox, Narrow(path));
    PostClick(dialog, IDOK);
    return WaitUntil([&] { return !IsWindow(dialog); }, 10000);
}

TEST(CutJobSections, TwoSectionsFromPagesOneAndTwoArePlannedAndComeBackAfterARestart) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page1 = ChildDialogWith(r.main, IDC_ANGLE_LENGTH);
    ASSERT_NE(page1, nullptr);
    SetText(page1, IDC_ANGLE_LENGTH, "6000");
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    Click(cut, IDC_CUT_TAKE);
    const std::string angle = Text(cut, IDC_CUT_SECTION);
    EXPECT_EQ(angle.find("角钢"), 0u) << angle;
    AddStock(cut, "6000");
    AddPiece(cut, "2350", "5");

    ClickTab(GetDlgItem(r.main, IDC_TAB), 1);  // as the mouse would: the job takes from the page shown
    HWND page2 = ChildDialogWith(r.main, IDC_TUBE_LENGTH);
    ASSERT_NE(page2, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(page2) != FALSE; }, 3000));
    SetText(page2, IDC_TUBE_LENGTH, "6000");
    Click(cut, IDC_CUT_SECTION_ADD);
    const std::string tube = Text(cut, IDC_CUT_SECTION);
    EXPECT_EQ(tube.find("方管"), 0u) << tube;
    EXPECT_EQ(ItemCount(cut, IDC_CUT_PIECE_LIST), 0);
    AddStock(cut, "9000");
    AddPiece(cut, "1800", "7");
    ASSERT_EQ(ItemCount(cut, IDC_CUT_SECTIONS), 2);
    EXPECT_EQ(CellText(cut, IDC_CUT_SECTIONS, 0, 0), angle);
    EXPECT_EQ(CellText(cut, IDC_CUT_SECTIONS, 1, 0), tube);

    ASSERT_TRUE(Solve(cut, 60000));
    const std::string total = Text(cut, IDC_CUT_JOB_TOTAL);
    EXPECT_NE(total.find("全部 2 种材料: 共 5 根 (9000 mm × 2 根, 6000 mm × 3 根)"), std::string::npos) << total;
    EXPECT_EQ(CellText(cut, IDC_CUT_RESULT, 0, 1), "9000");  // the tube's plan, the section shown
    SaveScreenshot(cut, "cut-job-two-sections");

    // Saved as a file of its own, which names the job.
    const std::wstring file = r.app.Folder() + L"\\框架.txt";
    ASSERT_TRUE(ThroughFileDialog(cut, IDC_CUT_JOB_SAVE_AS, file));
    ASSERT_TRUE(WaitUntil([&] { return ReadBytes(file).find("section " + tube) != std::string::npos; }, 10000));
    EXPECT_EQ(Text(cut, IDC_CUT_JOB_NAME), "任务: 框架");

    r.app.Kill();
    ASSERT_TRUE(r.app.Start());
    HWND main = r.app.MainWindow();
    ASSERT_NE(main, nullptr);
    cut = OpenTool(main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_SECTIONS), 2);
    EXPECT_EQ(Text(cut, IDC_CUT_SECTION), angle);
    EXPECT_EQ(CellText(cut, IDC_CUT_SECTIONS, 1, 0), tube);
    EXPECT_EQ(CellText(cut, IDC_CUT_PIECE_LIST, 0, 0), "2350");
    EXPECT_EQ(Text(cut, IDC_CUT_JOB_NAME), "任务: 框架");
    ASSERT_EQ(ItemCount(cut, IDC_CUT_RECENT), 1);
    EXPECT_EQ(ItemText(cut, IDC_CUT_RECENT, 0), Narrow(file));

    // A new job, then the file opened again: both sections back from it.
    Click(cut, IDC_CUT_JOB_NEW);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_SECTIONS), 1);
    EXPECT_EQ(ItemCount(cut, IDC_CUT_PIECE_LIST), 0);
    ASSERT_TRUE(ThroughFileDialog(cut, IDC_CUT_JOB_OPEN, file));
    ASSERT_TRUE(WaitUntil([&] { return ItemCount(cut, IDC_CUT_SECTIONS) == 2; }, 10000));
    EXPECT_EQ(CellText(cut, IDC_CUT_SECTIONS, 1, 0), tube);
}

// Two bars on hand for twelve pieces: what they can cut, and what is left.
TEST(CutJobSections, BarsOnHandTooFewShowWhatIsLeftUncut) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    SetText(cut, IDC_CUT_SECTION, "角钢 ∠50×5");
    AddStock(cut, "6000", "2");
    AddPiece(cut, "2350", "12");
    ASSERT_TRUE(Solve(cut, 60000));
    const std::string total = Text(cut, IDC_CUT_TOTAL);
    EXPECT_NE(total.find("未排: 2350 × 8"), std::string::npos) << total;
    EXPECT_EQ(CellText(cut, IDC_CUT_RESULT, 0, 0), "2");
    SaveScreenshot(cut, "cut-job-short");
}

// A plan confirmed as cut keeps its offcut; the next job of the section cuts from it first.
TEST(CutJobSections, AConfirmedOffcutIsUsedByTheNextJobOfTheSection) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    SetText(cut, IDC_CUT_SECTION, "角钢 ∠50×5");
    SetText(cut, IDC_CUT_REUSABLE, "1000");
    AddStock(cut, "6000");
    AddPiece(cut, "3915", "2");
    ASSERT_TRUE(Solve(cut, 60000));
    ASSERT_TRUE(Enabled(cut, IDC_CUT_CONFIRM));
    Click(cut, IDC_CUT_CONFIRM);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_STOCK_LIST), 2);
    EXPECT_EQ(CellText(cut, IDC_CUT_STOCK_LIST, 1, 0), "2085");
    EXPECT_EQ(CellText(cut, IDC_CUT_STOCK_LIST, 1, 2), "余料");
    EXPECT_TRUE(FileExists(r.app.Folder() + L"\\CutOffcutsKq.txt"));

    // The second job of the section: new pieces, and a restart between.
    r.app.Kill();
    ASSERT_TRUE(r.app.Start());
    HWND main = r.app.MainWindow();
    ASSERT_NE(main, nullptr);
    cut = OpenTool(main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_STOCK_LIST), 2);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_PIECE_LIST), 1);
    // A new job (the one typed was never saved as a file: asked, and yes).
    PostClick(cut, IDC_CUT_JOB_NEW);
    HWND ask = OwnedDialog(cut, 10000);
    ASSERT_NE(ask, nullptr);
    PostClick(ask, IDYES);
    ASSERT_TRUE(WaitUntil([&] { return ItemCount(cut, IDC_CUT_PIECE_LIST) == 0; }, 10000));
    SetText(cut, IDC_CUT_SECTION, "角钢 ∠50×5");
    ASSERT_EQ(ItemCount(cut, IDC_CUT_STOCK_LIST), 1);  // the section's offcuts, kept
    AddStock(cut, "6000");
    AddPiece(cut, "2000", "1");
    AddPiece(cut, "1500", "1");
    ASSERT_TRUE(Solve(cut, 60000));
    std::string rows;
    for (int i = 0; i < ItemCount(cut, IDC_CUT_RESULT); ++i) rows += CellText(cut, IDC_CUT_RESULT, i, 1) + "|";
    EXPECT_NE(rows.find("2085 余料"), std::string::npos) << rows;
    EXPECT_NE(Text(cut, IDC_CUT_TOTAL).find("2085 mm 余料"), std::string::npos) << Text(cut, IDC_CUT_TOTAL);
    SaveScreenshot(cut, "cut-job-offcut-used");
}

}  // namespace
}  // namespace mw::e2e
