// The cutting plan window in the real program: the material of page one, pieces, the plan with
// its diagram, the bought bars in the weight list, and the job back after a restart; bars on hand
// that are exactly enough planned; a job too large for the budget answered within it while the
// window keeps answering.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/CutPlanWindow.h"

namespace mw::e2e {
namespace {

TEST(CutPlanDlg, MaterialPiecesPlanWeightListAndARestart) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page1 = ChildDialogWith(r.main, IDC_ANGLE_LENGTH);
    ASSERT_NE(page1, nullptr);
    Choose(page1, IDC_ANGLE_COMBO, 3);
    SetText(page1, IDC_ANGLE_LENGTH, "6000");
    const std::string size = ItemText(page1, IDC_ANGLE_COMBO, 3);

    // Beside the centred main window a wide tool window would run off the screen of the tests.
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    Click(cut, IDC_CUT_TAKE);
    EXPECT_EQ(Text(cut, IDC_CUT_SECTION), "角钢(热轧) " + size);
    EXPECT_GT(std::stod(Text(cut, IDC_CUT_KGM)), 0.5);
    EXPECT_EQ(Text(page1, IDC_ANGLE_LENGTH), "6000");  // the calculator keeps its own length

    AddStock(cut, "6000");
    SetText(cut, IDC_CUT_KERF, "3");
    AddPiece(cut, "2*1250", "5");
    AddPiece(cut, "1100", "3+1");
    AddPiece(cut, "700", "6");
    ASSERT_EQ(ItemCount(cut, IDC_CUT_PIECE_LIST), 3);
    EXPECT_EQ(CellText(cut, IDC_CUT_PIECE_LIST, 0, 0), "2500");

    ASSERT_TRUE(Solve(cut, 30000));
    EXPECT_FALSE(Enabled(cut, IDC_CUT_CANCEL));
    const std::string total = Text(cut, IDC_CUT_TOTAL);
    EXPECT_EQ(total.find("共 "), 0u) << total;
    EXPECT_NE(total.find("下限"), std::string::npos) << total;
    EXPECT_NE(CellText(cut, IDC_CUT_RESULT, 0, 1), "");
    SaveScreenshot(cut, "cut-plan");

    Click(cut, IDC_CUT_ADD_LIST);
    HWND list = r.app.WaitForWindow("重量清单", 100);
    if (!list) {
        Command(r.main, IDM_WEIGHTLIST);
        list = r.app.WaitForWindow("重量清单", 5000);
    }
    ASSERT_NE(list, nullptr);
    ASSERT_GE(ItemCount(list, IDC_WEIGHTLIST_LIST), 1);
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 1), "角钢(热轧) " + size);
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 2), "6000 mm");

    // A restart finds the job as it was left.
    r.app.Kill();
    ASSERT_TRUE(r.app.Start());
    HWND main = r.app.MainWindow();
    ASSERT_NE(main, nullptr);
    cut = OpenTool(main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    EXPECT_EQ(Text(cut, IDC_CUT_SECTION), "角钢(热轧) " + size);
    EXPECT_EQ(Text(cut, IDC_CUT_KERF), "3");
    EXPECT_EQ(ItemCount(cut, IDC_CUT_STOCK_LIST), 1);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_PIECE_LIST), 3);
    EXPECT_EQ(CellText(cut, IDC_CUT_PIECE_LIST, 1, 1), "4");
}

// Pieces as a spreadsheet would paste them: length and count a line.
void PastePieces(HWND cut, const std::string& rows) {
    SetClipboardText(rows);
    Click(cut, IDC_CUT_PIECE_PASTE);
}

TEST(CutPlanDlg, SixteenBarsOnHandThatAreExactlyEnoughArePlanned) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    AddStock(cut, "2399", "16");
    SetText(cut, IDC_CUT_KERF, "0");
    SetText(cut, IDC_CUT_TRIM, "0");
    const int lengths[] = {1938, 1882, 1470, 1443, 1423, 1273, 1268, 1131, 1114, 1108, 1102, 1079, 1057, 1043, 968,
                           932,  891,  826,  818,  815,  807,  801,  780,  705,  679,  606,  600,  584,  540,  539,
                           526,  480,  417,  412,  409,  401,  396,  389,  370,  356,  350,  349,  325,  310,  299,
                           283,  253,  220,  210,  193,  155,  134,  128,  111,  89,   76,   68,   67,   61};
    std::string rows;
    for (int length : lengths) rows += std::to_string(length) + "\t1\r\n";
    PastePieces(cut, rows);
    ASSERT_EQ(ItemCount(cut, IDC_CUT_PIECE_LIST), 59);

    Click(cut, IDC_CUT_SOLVE);
    ASSERT_TRUE(WaitUntil([&] { return Enabled(cut, IDC_CUT_SOLVE); }, 30000));
    const std::string total = Text(cut, IDC_CUT_TOTAL);
    EXPECT_EQ(total.find("共 16 根"), 0u) << total;
    EXPECT_NE(total.find("最优"), std::string::npos) << total;
    EXPECT_EQ(total.find("没有方案"), std::string::npos) << total;
    EXPECT_GT(ItemCount(cut, IDC_CUT_RESULT), 0);
    SaveScreenshot(cut, "cut-plan-sixteen-on-hand");
}

TEST(CutPlanDlg, AJobTooLargeForTheBudgetIsAnsweredWithinItAndTheWindowKeepsAnswering) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    AddStock(cut, "100000");
    SetText(cut, IDC_CUT_KERF, "0");
    SetText(cut, IDC_CUT_TRIM, "0");
    std::string rows;
    for (int k = 0; k < 4000; ++k) rows += std::to_string(1000 + 3 * k) + "\t1\r\n";
    PastePieces(cut, rows);
    // Four thousand rows take the emulated machine a while to list.
    ASSERT_TRUE(WaitUntil([&] { return ItemCount(cut, IDC_CUT_PIECE_LIST) == 4000; }, 60000));

    const auto start = std::chrono::steady_clock::now();
    Click(cut, IDC_CUT_SOLVE);
    // While it plans, the window answers at once.
    int answered = 0;
    while (!Enabled(cut, IDC_CUT_SOLVE) &&
           std::chrono::steady_clock::now() - start < std::chrono::seconds(30)) {
        DWORD_PTR reply = 0;
        if (SendMessageTimeoutW(cut, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &reply)) ++answered;
        else ADD_FAILURE() << "the window did not answer within half a second while planning";
        Sleep(100);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_TRUE(Enabled(cut, IDC_CUT_SOLVE));
    EXPECT_GT(answered, 0);
    // Two seconds of budget; the rest is the emulated machine showing four thousand rows of plan.
    EXPECT_LT(seconds, 6.0);
    const std::string total = Text(cut, IDC_CUT_TOTAL);
    EXPECT_EQ(total.find("共 "), 0u) << total;
    EXPECT_GT(ItemCount(cut, IDC_CUT_RESULT), 0);
    SaveScreenshot(cut, "cut-plan-large-job");
}

}  // namespace
}  // namespace mw::e2e
