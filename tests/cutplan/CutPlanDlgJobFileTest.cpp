// The cutting plan window's job files: new, open, save as, the recent list in the settings file,
// and a file that cannot be read leaving the job on screen alone.
#include "tests/cutplan/CutPlanDlgFixture.h"

#include "cutplan/RecentCutJobs.h"

namespace mw {
namespace {

using CutPlanJobFile = CutPlanDlg;

TEST(RecentCutJobs, EightNewestFirstOnceEachBesideTheOtherSettings) {
    MemoryFileSystem files;
    SettingsFile settings(files, "/app/ConfigKq.ini");
    ASSERT_TRUE(settings.SaveUnitSystem(2));
    RecentCutJobs recent(settings.Store());
    for (int i = 1; i <= 10; ++i) ASSERT_TRUE(recent.Add("C:\\任务\\job" + std::to_string(i) + ".txt"));
    std::vector<std::string> paths = recent.Paths();
    ASSERT_EQ(paths.size(), 8u);
    EXPECT_EQ(paths.front(), "C:\\任务\\job10.txt");
    EXPECT_EQ(paths.back(), "C:\\任务\\job3.txt");
    recent.Add("c:\\任务\\JOB5.TXT");  // the same file: moved up, not twice
    paths = recent.Paths();
    ASSERT_EQ(paths.size(), 8u);
    EXPECT_EQ(paths[0], "c:\\任务\\JOB5.TXT");
    EXPECT_EQ(std::count(paths.begin(), paths.end(), "C:\\任务\\job5.txt"), 0);
    recent.Remove("C:\\任务\\job10.txt");
    EXPECT_EQ(recent.Paths().size(), 7u);
    EXPECT_EQ(recent.Paths()[1], "C:\\任务\\job9.txt");
    EXPECT_EQ(settings.ReadUnitSystem(), 2);  // the settings of old untouched
    EXPECT_EQ(CutJobName("C:\\任务\\框架.v2.txt"), "框架.v2");
    EXPECT_EQ(CutJobName("框架"), "框架");
}

TEST_F(CutPlanJobFile, SavedAsAFileOpenedAgainAndNewJobsAskBeforeLosingWork) {
    cutSurface.Type(IDC_CUT_SECTION, "角钢 ∠50×5");
    AddStock("6000");
    AddPiece("2350", "3");
    cutSurface.Click(IDC_CUT_SECTION_ADD);
    cutSurface.Type(IDC_CUT_SECTION, "槽钢 [10");
    AddStock("9000");
    AddPiece("1200", "5");
    EXPECT_EQ(cutSurface.Text(IDC_CUT_JOB_NAME), "任务: (未另存为文件)");

    jobDialogs.saveAnswer = std::string("C:\\jobs\\框架.txt");
    cutSurface.Click(IDC_CUT_JOB_SAVE_AS);
    EXPECT_EQ(jobDialogs.suggested, "下料任务.txt");
    std::vector<CutJob> written;
    std::string error;
    ASSERT_TRUE(ParseCutJobSections(files.files.at("C:\\jobs\\框架.txt"), written, error));
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[1].section, "槽钢 [10");
    EXPECT_EQ(cutSurface.Text(IDC_CUT_JOB_NAME), "任务: 框架");
    ASSERT_EQ(cutSurface.ItemCount(IDC_CUT_RECENT), 1);

    // Saved: a new job asks nothing; the file keeps the job.
    cutSurface.Click(IDC_CUT_JOB_NEW);
    EXPECT_TRUE(cutSurface.messages.empty());
    EXPECT_EQ(cut->SectionCount(), 1);
    EXPECT_TRUE(cut->Job().pieces.empty());
    EXPECT_EQ(cutSurface.Text(IDC_CUT_JOB_NAME), "任务: (未另存为文件)");

    // Typed and never saved: asked, and "no" keeps it.
    AddStock("6000");
    AddPiece("1000", "1");
    cutSurface.nextAnswer = kIdNo;
    jobDialogs.openAnswer = std::string("C:\\jobs\\框架.txt");
    cutSurface.Click(IDC_CUT_JOB_OPEN);
    ASSERT_EQ(cutSurface.messages.size(), 1u);
    EXPECT_EQ(cut->Job().pieces.size(), 1u);
    cutSurface.nextAnswer = kIdYes;
    cutSurface.Click(IDC_CUT_JOB_OPEN);
    ASSERT_EQ(cut->SectionCount(), 2);
    EXPECT_EQ(cut->Job().section, "角钢 ∠50×5");
    EXPECT_EQ(cutSurface.CellText(IDC_CUT_SECTIONS, 1, 0), "槽钢 [10");
    EXPECT_EQ(cutSurface.Text(IDC_CUT_JOB_NAME), "任务: 框架");

    // The next save suggests the job's name; a restart finds the job and its name.
    jobDialogs.saveAnswer = std::string("C:\\jobs\\框架2.txt");
    cutSurface.Click(IDC_CUT_JOB_SAVE_AS);
    EXPECT_EQ(jobDialogs.suggested, "框架.txt");
    MemorySurface again;
    std::unique_ptr<CCutPlanDlg> reopened;
    Open(reopened, again);
    EXPECT_EQ(again.Text(IDC_CUT_JOB_NAME), "任务: 框架2");
    ASSERT_EQ(again.ItemCount(IDC_CUT_RECENT), 2);
    EXPECT_EQ(again.ItemText(IDC_CUT_RECENT, 0), "C:\\jobs\\框架2.txt");
    EXPECT_EQ(reopened->SectionCount(), 2);
}

TEST_F(CutPlanJobFile, AFileThatCannotBeReadLeavesTheJobAndAGoneOneLeavesTheList) {
    AddStock("6000");
    AddPiece("2000", "2");
    jobDialogs.saveAnswer = std::string("C:\\jobs\\a.txt");
    cutSurface.Click(IDC_CUT_JOB_SAVE_AS);
    files.files["C:\\jobs\\bad.txt"] = "section A\npiece 1000 2\nsection B\nstock 6000 x\n";
    jobDialogs.openAnswer = std::string("C:\\jobs\\bad.txt");
    cutSurface.Click(IDC_CUT_JOB_OPEN);
    ASSERT_EQ(cutSurface.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), "无法读取任务文件 C:\\jobs\\bad.txt:\n第4行: “x”不是数字");
    EXPECT_EQ(cut->SectionCount(), 1);
    EXPECT_EQ(cut->Job().pieces[0].length, 2000);
    EXPECT_EQ(cutSurface.Text(IDC_CUT_JOB_NAME), "任务: a");
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_RECENT), 1);  // nothing read, nothing listed

    // A recent job deleted since: dropped from the list with a word, the job kept.
    files.files.erase("C:\\jobs\\a.txt");
    cutSurface.Choose(IDC_CUT_RECENT, 0);
    EXPECT_EQ(LastMessage(), "任务文件已不存在, 已从最近的任务中删除:\nC:\\jobs\\a.txt");
    EXPECT_EQ(cutSurface.ItemCount(IDC_CUT_RECENT), 0);
    EXPECT_EQ(cut->Job().pieces.size(), 1u);
    EXPECT_TRUE(RecentCutJobs(settings.Store()).Paths().empty());

    // An old job of one section, as the window wrote it before, opens as such.
    files.files["C:\\jobs\\old.txt"] = "# 下料任务\r\nsection 圆钢\r\nweight 2.47\r\nstock 6000\r\npiece 1500 4\r\n";
    jobDialogs.openAnswer = std::string("C:\\jobs\\old.txt");
    cutSurface.Click(IDC_CUT_JOB_OPEN);
    ASSERT_EQ(cut->SectionCount(), 1);
    EXPECT_EQ(cut->Job().section, "圆钢");
    EXPECT_EQ(cut->Job().pieces[0].count, 4);
}

}  // namespace
}  // namespace mw
