// A job of several sections in the cutting plan window: added from the calculators or typed,
// chosen, removed, planned together with totals for each and for the job, kept across a restart.
#include "tests/cutplan/CutPlanDlgFixture.h"

#include "settings/TextFields.h"

namespace mw {
namespace {

using CutPlanSections = CutPlanDlg;

TEST_F(CutPlanSections, TwoSectionsFromPagesOneAndTwoArePlannedTotalledListedAndKept) {
    pageSurface.Type(IDC_ANGLE_LENGTH, "6000");
    cutSurface.Click(IDC_CUT_TAKE);
    const std::string angle = cut->Job().section;
    AddStock("6000");
    AddPiece("2000", "4");
    page2Surface.Type(IDC_TUBE_LENGTH, "6000");
    surface.Choose(IDC_TAB, 1);
    cutSurface.Click(IDC_CUT_SECTION_ADD);
    ASSERT_EQ(cut->SectionCount(), 2);
    EXPECT_EQ(cut->CurrentSection(), 1);
    const std::string tube = cut->Job().section;
    EXPECT_EQ(tube.find("方管/矩形管"), 0u) << tube;
    EXPECT_TRUE(cut->Job().pieces.empty());
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_PIECE_LIST), 0);
    AddStock("6000", "", "100");
    AddStock("9000", "", "140");
    AddPiece("4400", "2");
    ASSERT_EQ(cutSurface.ItemCount(IDC_CUT_SECTIONS), 2);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_SECTIONS, 0, 0), angle);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_SECTIONS, 0, 1), "4");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_SECTIONS, 1, 1), "2");

    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_EQ(runner.starts, 2);
    const std::vector<CutSheetSection> sheet = cut->SheetSections();
    ASSERT_EQ(sheet.size(), 2u);
    ASSERT_TRUE(sheet[0].plan.found);
    ASSERT_TRUE(sheet[1].plan.found);
    EXPECT_EQ(sheet[0].job.section, angle);
    EXPECT_NEAR(sheet[0].job.kilogramsPerMetre, 0.889, 1e-9);
    EXPECT_EQ(sheet[0].plan.bars, 2);  // four of 2000 on two 6000s
    EXPECT_EQ(sheet[1].plan.bars, 1);  // one 9000 holds both for 140, less than two 6000s
    std::vector<CutJob> jobs;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(jobs, aside));
    ASSERT_EQ(jobs.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) EXPECT_EQ(CheckCutPlan(jobs[i], sheet[i].plan), "") << i;
    // The section shown is the second: its plan; the job's totals beside.
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_RESULT), 1);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_RESULT, 0, 2), "4400×2");
    const std::string total = cutSurface.Text(IDC_CUT_JOB_TOTAL);
    const double kilograms = sheet[0].plan.boughtKilograms + sheet[1].plan.boughtKilograms;
    EXPECT_NE(total.find("全部 2 种材料: 共 " + std::to_string(sheet[0].plan.bars + 1) + " 根 (9000 mm × 1 根, 6000 mm × " +
                         std::to_string(sheet[0].plan.bars) + " 根)  购入 " + PlainNumber(kilograms, 2) + " kg"),
              std::string::npos) << total;
    EXPECT_NE(total.find("金额 140.00 元"), std::string::npos) << total;

    cutSurface.Choose(IDC_CUT_SECTIONS, 0);
    EXPECT_EQ(cut->Job().section, angle);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_SECTION), angle);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_PIECE_LIST, 0, 0), "2000");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_RESULT, 0, 2).find("2000×"), 0u);

    cutSurface.Click(IDC_CUT_ADD_LIST);
    ASSERT_EQ(weights.Rows().size(), 2u);
    EXPECT_EQ(weights.Rows()[0].item.calculator, angle);
    EXPECT_EQ(weights.Rows()[1].item.calculator, tube);
    EXPECT_EQ(weights.Rows()[1].item.size, "9000 mm");

    cutSurface.Click(IDC_CUT_COPY);
    EXPECT_NE(cutClipboard.text.find("材料: " + angle + "\r\n"), std::string::npos) << cutClipboard.text;
    EXPECT_NE(cutClipboard.text.find("材料: " + tube + "\r\n1\t9000\t4400×2\t"), std::string::npos) << cutClipboard.text;
    EXPECT_NE(cutClipboard.text.find("全部 2 种材料"), std::string::npos);

    // A restart: both sections, the first shown.
    MemorySurface again;
    std::unique_ptr<CCutPlanDlg> reopened;
    Open(reopened, again);
    ASSERT_EQ(reopened->SectionCount(), 2);
    EXPECT_EQ(again.Text(IDC_CUT_SECTION), angle);
    EXPECT_EQ(again.CellText(IDC_CUT_SECTIONS, 1, 0), tube);
    EXPECT_EQ(again.Selection(IDC_CUT_SECTIONS), 0);
}

TEST_F(CutPlanSections, AFaultySectionIsNamedAndShownAndTypedSectionsAreRemoved) {
    cutSurface.Type(IDC_CUT_SECTION, "扁钢 40×4");
    AddStock("6000");
    AddPiece("1000", "2");
    cutSurface.Click(IDC_CUT_SECTION_ADD);  // no calculator in use: typed
    EXPECT_EQ(cut->Job().section, "");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_SECTIONS, 1, 0), "(未命名)");
    cutSurface.Type(IDC_CUT_SECTION, "圆钢 Φ12");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_SECTIONS, 1, 0), "圆钢 Φ12");
    cutSurface.Choose(IDC_CUT_SECTIONS, 0);
    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_EQ(runner.starts, 0);  // nothing planned while a section cannot be
    EXPECT_EQ(LastMessage(), "材料“圆钢 Φ12”: 请输入至少一种原料长度。");
    EXPECT_EQ(cut->CurrentSection(), 1);
    EXPECT_EQ(cutSurface.Selection(IDC_CUT_SECTIONS), 1);

    cutSurface.Click(IDC_CUT_SECTION_REMOVE);
    ASSERT_EQ(cut->SectionCount(), 1);
    EXPECT_EQ(cut->Job().section, "扁钢 40×4");
    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_TRUE(cut->Plan().found);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_JOB_TOTAL), "");  // one section: its totals only
    // The last section removed leaves an empty one to type into.
    cutSurface.Click(IDC_CUT_SECTION_REMOVE);
    EXPECT_EQ(cut->SectionCount(), 1);
    EXPECT_TRUE(cut->Job().pieces.empty());
    EXPECT_FALSE(cutSurface.Enabled(IDC_CUT_COPY));
    std::vector<CutJob> saved;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(saved, aside));
    EXPECT_EQ(saved.size(), 1u);
    EXPECT_TRUE(saved[0].pieces.empty());
}

TEST_F(CutPlanSections, ACancelStopsTheSectionsNotYetPlanned) {
    runner.hold = true;
    AddStock("6000");
    AddPiece("2000", "4");
    cutSurface.Click(IDC_CUT_SECTION_ADD);
    AddStock("6000");
    AddPiece("3000", "1");
    cutSurface.Click(IDC_CUT_SOLVE);
    EXPECT_EQ(runner.starts, 1);
    cut->OnProgress(0.5);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_TOTAL), "正在计算… 25% (材料 1/2)");
    cutSurface.Click(IDC_CUT_SECTION_ADD);  // the job stays as it is planned
    EXPECT_EQ(cut->SectionCount(), 2);
    cutSurface.Click(IDC_CUT_CANCEL);
    std::vector<CutJob> jobs;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(jobs, aside));
    cut->OnSolved(SolveCutJob(jobs[0]));
    EXPECT_FALSE(cut->Solving());
    EXPECT_EQ(runner.starts, 1);
    EXPECT_TRUE(cut->SheetSections()[0].plan.found);
    EXPECT_FALSE(cut->SheetSections()[1].plan.found);
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST_F(CutPlanDlg, MarksArePastedTypedPlannedCopiedAndExported) {
    cutSurface.Type(IDC_CUT_SECTION, "方管");
    AddStock("6000");
    paste.text = "长度\t数量\t构件号\n2000\t2\tA1\n2000\t1\tB2\n";
    cutSurface.Click(IDC_CUT_PIECE_PASTE);
    cutSurface.Type(IDC_CUT_PIECE_MARK, " 柱-3 ");
    AddPiece("1000", "2");
    ASSERT_EQ(cut->Job().pieces.size(), 3u);
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_PIECE_LIST, 1, 2), "B2");  // the same length, a row of its own
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_PIECE_LIST, 2, 2), "柱-3");
    cutSurface.Choose(IDC_CUT_PIECE_LIST, 0);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_PIECE_MARK), "A1");

    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    EXPECT_EQ(CheckCutPlan(cut->Job(), cut->Plan()), "");
    std::string rows;
    for (int i = 0; i < cutSurface.ItemCount(IDC_CUT_RESULT); ++i) rows += cutSurface.CellText(IDC_CUT_RESULT, i, 2) + "|";
    EXPECT_NE(rows.find("2000(A1)"), std::string::npos) << rows;
    EXPECT_NE(rows.find("2000(B2)"), std::string::npos) << rows;
    EXPECT_NE(rows.find("1000(柱-3)"), std::string::npos) << rows;
    cutSurface.Click(IDC_CUT_COPY);
    EXPECT_NE(cutClipboard.text.find("2000(A1)"), std::string::npos);
    exports.answer = std::string("C:\\m.csv");
    cutSurface.Click(IDC_CUT_EXPORT);
    EXPECT_NE(exports.written.at("C:\\m.csv").find("1000(柱-3)"), std::string::npos);

    // Kept with the job.
    std::vector<CutJob> saved;
    std::string aside;
    ASSERT_TRUE(jobFile.Load(saved, aside));
    EXPECT_EQ(saved[0].pieces[2].mark, "柱-3");
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST_F(CutPlanDlg, BarsOnHandTooFewCutWhatTheyCanAndSayWhatIsLeft) {
    AddStock("6000", "2");
    AddPiece("2350", "12");
    cutSurface.Click(IDC_CUT_SOLVE);
    ASSERT_TRUE(cut->Plan().found);
    EXPECT_EQ(CheckCutPlan(cut->Job(), cut->Plan()), "");
    const std::string total = cutSurface.Text(IDC_CUT_TOTAL);
    EXPECT_NE(total.find("共 2 根 (库存不够, 已排最多的零件): 6000 mm × 2 根"), std::string::npos) << total;
    EXPECT_NE(total.find("未排: 2350 × 8"), std::string::npos) << total;
    cutSurface.Click(IDC_CUT_COPY);
    EXPECT_NE(cutClipboard.text.find("未排: 2350 × 8"), std::string::npos);
}

}  // namespace
}  // namespace mw
