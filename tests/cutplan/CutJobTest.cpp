// The cutting job's checks and messages, its directive text and its saved file.
#include "cutplan/CutJob.h"

#include <gtest/gtest.h>

#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

CutJob Parsed(const std::string& text) {
    CutJob job;
    std::string error;
    EXPECT_TRUE(ParseCutJob(text, job, error)) << error;
    return job;
}

std::string ParseError(const std::string& text) {
    CutJob job;
    std::string error;
    EXPECT_FALSE(ParseCutJob(text, job, error)) << text;
    return error;
}

TEST(CutJobText, DirectivesCommentsAndOptionalFields) {
    const CutJob job = Parsed("\xEF\xBB\xBF# a job\r\n"
                              "stock 6000\r\n"
                              "stock 9000 5   # five on hand\r\n"
                              "\tstock 12000 - 310.5\r\n"
                              "\r\n"
                              "kerf 2.5\n"
                              "trim 10\n"
                              "piece 1500 4 #\n"
                              "piece 1e3 1");
    ASSERT_EQ(job.stock.size(), 3u);
    EXPECT_EQ(job.stock[1].count, 5);
    EXPECT_FALSE(job.stock[2].count);
    EXPECT_EQ(job.stock[2].price, 310.5);
    EXPECT_EQ(job.stock[2].line, 4);
    EXPECT_EQ(job.kerf, 2.5);
    EXPECT_EQ(job.trim, 10);
    ASSERT_EQ(job.pieces.size(), 2u);
    EXPECT_EQ(job.pieces[1].length, 1000);
    EXPECT_EQ(job.pieces[1].line, 9);
    EXPECT_EQ(ParseError("stock 6000\nkerf 3 trim 10\n"), "第2行: “trim”不是数字");
}

TEST(CutJobText, ReadsWhatItWrites) {
    CutJob job;
    job.section = "角钢(热轧) ∠50×5 #1\t\\";
    job.kilogramsPerMetre = 3.77;
    job.pricePerTonne = 4200;
    job.reusableLength = 500;
    job.kerf = 2.5;
    job.trim = 10;
    StockRow a{6000}, b{9000}, c{12000};
    b.count = 5;
    c.price = 310.5;
    job.stock = {a, b, c};
    job.pieces = {{1500, 4}, {0.1 + 0.2, 3}};
    CutJob back;
    std::string error;
    ASSERT_TRUE(ParseCutJob(CutJobText(job), back, error)) << error;
    EXPECT_EQ(back.section, job.section);
    EXPECT_EQ(back.kilogramsPerMetre, job.kilogramsPerMetre);
    EXPECT_EQ(back.pricePerTonne, job.pricePerTonne);
    EXPECT_EQ(back.reusableLength, 500);
    EXPECT_EQ(back.kerf, 2.5);
    EXPECT_EQ(back.trim, 10);
    ASSERT_EQ(back.stock.size(), 3u);
    EXPECT_FALSE(back.stock[0].count || back.stock[0].price);
    EXPECT_EQ(back.stock[1].count, 5);
    EXPECT_FALSE(back.stock[1].price);
    EXPECT_FALSE(back.stock[2].count);
    EXPECT_EQ(back.stock[2].price, 310.5);
    ASSERT_EQ(back.pieces.size(), 2u);
    EXPECT_EQ(back.pieces[1].length, 0.1 + 0.2);  // exactly
    EXPECT_EQ(back.pieces[1].count, 3);
    EXPECT_EQ(CutJobText(back), CutJobText(job));
}

TEST(CutJobText, FaultsNameTheLine) {
    EXPECT_EQ(ParseError("stock 6000\n\n# c\nsaw 3\n"), "第4行: 不认识的指令“saw”");
    EXPECT_EQ(ParseError("stock 6000\npiece 1500\n"), "第2行: 格式为 piece 长度 数量 [构件号]");
    EXPECT_EQ(Parsed("stock 6000\npiece 1500 4 4\n").pieces[0].mark, "4");  // a third word is the mark
    EXPECT_EQ(ParseError("stock 6000\npiece 1,5 4\n"), "第2行: “1,5”不是数字");
    EXPECT_EQ(ParseError("stock 6000\npiece 1500 nan\n"), "第2行: “nan”不是数字");
    EXPECT_EQ(ParseError("stock 6000\npiece 1e999 2\n"), "第2行: “1e999”不是数字");
    EXPECT_EQ(ParseError("stock - 5\n"), "第1行: 格式为 stock 长度 [数量|-] [单价]");
    EXPECT_EQ(ParseError("stock 6000 1 2 3\n"), "第1行: 格式为 stock 长度 [数量|-] [单价]");
    EXPECT_EQ(ParseError("piece - 2\n"), "第1行: 格式为 piece 长度 数量 [构件号]");
    EXPECT_EQ(ParseError("section a\\q\n"), "第1行: 名称中的转义符不对");
    // Rows carry their file line, so the checks name it too.
    const CutJob job = Parsed("stock 6000\n# pieces\npiece 1500 2\npiece 0 3\n");
    EXPECT_EQ(CheckCutJob(job), "零件第4行: 长度必须大于0");
}

TEST(CutJobCheck, EachFaultGetsItsMessage) {
    auto check = [](const std::string& text) { return CheckCutJob(Parsed(text)); };
    EXPECT_EQ(check("stock 6000\npiece 1500 2\n"), "");
    EXPECT_EQ(check("piece 1500 2\n"), "请输入至少一种原料长度");
    EXPECT_EQ(check("stock 6000\n"), "请输入零件");
    EXPECT_EQ(check("stock 6000\npiece -1 2\n"), "零件第2行: 长度必须大于0");
    EXPECT_EQ(check("stock 6000\npiece 100 2.5\n"), "零件第2行: 数量必须是正整数");
    EXPECT_EQ(check("stock 6000\npiece 100 0\n"), "零件第2行: 数量必须是正整数");
    EXPECT_EQ(check("stock 6000\npiece 100 -3\n"), "零件第2行: 数量必须是正整数");
    EXPECT_EQ(check("stock 6000\nstock 9000\npiece 9001 1\n"), "零件第3行: 长度9001比所有原料的可用长度都长");
    EXPECT_EQ(check("stock 6000\ntrim 10\npiece 5995 1\n"), "零件第3行: 长度5995比所有原料的可用长度都长");
    EXPECT_EQ(check("stock 6000\nstock 9000 0\npiece 7000 1\n"), "零件第3行: 长度7000比所有原料的可用长度都长");
    EXPECT_EQ(check("stock 0\npiece 100 1\n"), "原料第1行: 长度必须大于0");
    EXPECT_EQ(check("stock 10\ntrim 10\npiece 100 1\n"), "原料第1行: 长度必须大于端头余量");
    EXPECT_EQ(check("stock 6000 1.5\npiece 100 1\n"), "原料第1行: 数量必须是不小于0的整数(不填为不限)");
    EXPECT_EQ(check("stock 6000 - -2\npiece 100 1\n"), "原料第1行: 单价不能为负数");
    EXPECT_EQ(check("stock 6000 - 20\nstock 9000\npiece 100 1\n"),
              "原料第2行: 其他原料有单价, 此行也要填单价(或填写米重和吨价)");
    EXPECT_EQ(check("stock 6000 - 20\nstock 9000\nweight 2\nprice 4000\npiece 100 1\n"), "");
    EXPECT_EQ(check("stock 6000\nkerf -1\npiece 100 1\n"), "锯缝必须在0到100000 mm之间");
    EXPECT_EQ(check("stock 6000\ntrim -1\npiece 100 1\n"), "端头余量必须在0到100000 mm之间");
    EXPECT_EQ(check("stock 6000\npiece 100 60000\npiece 100 50000\n"), "零件第3行: 零件总数不能超过100000");
    EXPECT_EQ(check("stock 200000\npiece 100 1\n"), "原料第1行: 长度不能超过100000 mm");
    // Prices and weights past any steel would overflow the plan's whole-number costs.
    EXPECT_EQ(check("stock 12000 2 777777777777777777150\npiece 100 1\n"), "原料第1行: 单价不能超过100000000元");
    EXPECT_EQ(check("stock 6000\nprice 1e9\npiece 100 1\n"), "单价不能超过100000000元");
    EXPECT_EQ(check("stock 6000\nweight 1e6\npiece 100 1\n"), "米重不能超过100000 kg/m");
}

TEST(CutJobPaste, RowsOfLengthAndCountAfterAnOptionalHeader) {
    std::vector<PieceRow> pieces;
    std::string error;
    ASSERT_TRUE(ParsePastedPieces("长度\t数量\r\n1200\t4\r\n800,2\r\n\r\n650\r\n1000/2\t2*3\n", pieces, error)) << error;
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].length, 1200);
    EXPECT_EQ(pieces[0].count, 4);
    EXPECT_EQ(pieces[1].count, 2);
    EXPECT_EQ(pieces[2].count, 1);  // no count: one piece
    EXPECT_EQ(pieces[3].length, 500);
    EXPECT_EQ(pieces[3].count, 6);

    EXPECT_FALSE(ParsePastedPieces("1200\t4\n800\t-1\n", pieces, error));
    EXPECT_EQ(error, "粘贴的第2行: 数量必须是正整数");
    EXPECT_FALSE(ParsePastedPieces("1200\t4\n800\t1.5\n", pieces, error));
    EXPECT_EQ(error, "粘贴的第2行: 数量必须是正整数");
    EXPECT_FALSE(ParsePastedPieces("1200\nabc\t2\n", pieces, error));  // only the first line may be a header
    EXPECT_EQ(error, "粘贴的第2行: 长度必须大于0");
    EXPECT_FALSE(ParsePastedPieces("长度\t数量\r\n\r\n  \n", pieces, error));
    EXPECT_EQ(error, "剪贴板中没有零件(每行: 长度, 数量)");
    EXPECT_TRUE(pieces.empty());
}

TEST(CutJobFile, KeepsTheJobWholeAndSetsADamagedOneAside) {
    MemoryFileSystem files;
    CutJobFile file(files, "/app/CutJobKq.txt");
    CutJob job;
    std::string setAside;
    EXPECT_TRUE(file.Load(job, setAside));  // none yet
    EXPECT_TRUE(job.stock.empty());

    job.section = "圆钢 Φ20";
    job.kilogramsPerMetre = 2.466;
    job.stock = {{6000}};
    job.pieces = {{1500, 3}, {0, 2}};  // unfinished rows are kept as typed
    ASSERT_TRUE(file.Save(job));
    CutJob back;
    ASSERT_TRUE(file.Load(back, setAside));
    EXPECT_EQ(CutJobText(back), CutJobText(job));
    EXPECT_EQ(back.pieces[1].line, 2);  // rows numbered as the window's table

    files.files["/app/CutJobKq.txt"] = "stock 6000\npiece 1500 zwei\n";
    EXPECT_FALSE(file.Load(back, setAside));
    EXPECT_EQ(setAside, "/app/CutJobKq.txt.damaged");
    EXPECT_EQ(files.files[setAside], "stock 6000\npiece 1500 zwei\n");
    EXPECT_FALSE(files.Exists("/app/CutJobKq.txt"));
    EXPECT_TRUE(back.stock.empty() && back.pieces.empty());

    files.files["/app/CutJobKq.txt"] = "garbage";
    EXPECT_FALSE(file.Load(back, setAside));
    EXPECT_EQ(setAside, "/app/CutJobKq.txt.damaged-2");

    files.readOnly = true;
    EXPECT_FALSE(file.Save(job));
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST(CutJobSections, SeveralSectionsReadBackAndOneSectionIsWrittenAsBefore) {
    CutJob angle, channel;
    angle.section = "角钢 ∠50×5";
    angle.kilogramsPerMetre = 3.77;
    angle.kerf = 3;
    angle.stock = {StockRow(6000, 4.0)};
    angle.pieces = {{2350, 3}, {1200, 2}};
    channel.kilogramsPerMetre = 10;  // unnamed: still a section of its own
    channel.reusableLength = 800;
    channel.stock = {StockRow(9000, {}, 250.0)};
    channel.pieces = {{4000, 2}};
    const std::vector<CutJob> job = {angle, channel, angle};
    const std::string text = CutJobSectionsText(job);
    std::vector<CutJob> back;
    std::string error;
    bool named = false;
    ASSERT_TRUE(ParseCutJobSections(text, back, error, &named)) << error;
    EXPECT_TRUE(named);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(CutJobSectionsText(back), text);
    EXPECT_EQ(back[1].section, "");
    EXPECT_EQ(back[1].reusableLength, 800);
    EXPECT_EQ(back[2].pieces.size(), 2u);
    EXPECT_EQ(back[0].stock[0].count, 4);

    // One section: the very text of a single job, which old versions read.
    EXPECT_EQ(CutJobSectionsText({angle}), CutJobText(angle));
    CutJob old;
    ASSERT_TRUE(ParseCutJob(CutJobSectionsText({angle}), old, error));
    EXPECT_EQ(old.pieces.size(), 2u);
}

TEST(CutJobSections, OldJobsAndCommandFilesReadAsOneSectionAndFaultsNameTheFileLine) {
    std::vector<CutJob> back;
    std::string error;
    bool named = true;
    // A command file without any section line, and an old saved job with its name after some rows.
    ASSERT_TRUE(ParseCutJobSections("stock 6000\npiece 1000 2\n", back, error, &named));
    EXPECT_FALSE(named);
    ASSERT_EQ(back.size(), 1u);
    ASSERT_TRUE(ParseCutJobSections("kerf 2\nsection 扁钢\nstock 6000\npiece 1000 2\n", back, error, &named));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].section, "扁钢");
    EXPECT_EQ(back[0].kerf, 2);

    ASSERT_TRUE(ParseCutJobSections("section A\npiece 1 1\nsection B\n\npiece 2 2\n", back, error));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].pieces[0].line, 5);  // the file's line
    EXPECT_FALSE(ParseCutJobSections("section A\npiece 1 1\nsection B\nstock x\n", back, error));
    EXPECT_EQ(error, "第4行: “x”不是数字");
    EXPECT_TRUE(back.empty());
}

TEST(CutJobSections, TheWindowsFileKeepsEverySection) {
    MemoryFileSystem files;
    CutJobFile file(files, "/app/CutJobKq.txt");
    std::vector<CutJob> job(2);
    job[0].section = "A";
    job[1].section = "B";
    job[1].pieces = {{1000, 1}, {900, 2}};
    ASSERT_TRUE(file.Save(job));
    std::vector<CutJob> back;
    std::string aside;
    ASSERT_TRUE(file.Load(back, aside));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].pieces[1].line, 2);  // rows named by their place in the window's table
    files.files.erase("/app/CutJobKq.txt");
    ASSERT_TRUE(file.Load(back, aside));
    EXPECT_EQ(back.size(), 1u);  // no file: one empty section to type into
    files.files["/app/CutJobKq.txt"] = "section A\nsection B\npiece\n";
    EXPECT_FALSE(file.Load(back, aside));
    EXPECT_EQ(back.size(), 1u);
    EXPECT_NE(aside.find(".damaged"), std::string::npos);
}

}  // namespace
}  // namespace mw

namespace mw {
namespace {

TEST(CutJobMarks, ReadWrittenPastedAndChecked) {
    const CutJob job = Parsed("stock 6000\npiece 1500 4 柱 3   # two words\npiece 1500 2 A1\npiece 900 1\n");
    ASSERT_EQ(job.pieces.size(), 3u);
    EXPECT_EQ(job.pieces[0].mark, "柱 3");
    EXPECT_EQ(job.pieces[1].mark, "A1");
    EXPECT_EQ(job.pieces[2].mark, "");
    const CutJob back = Parsed(CutJobText(job));
    EXPECT_EQ(back.pieces[0].mark, "柱 3");
    EXPECT_EQ(CutJobText(back), CutJobText(job));
    EXPECT_EQ(CheckCutJob(job), "");

    CutJob hashed = job;
    hashed.pieces[1].mark = "A#1";  // would read back as a comment
    EXPECT_EQ(CheckCutJob(hashed), "零件第3行: 构件号不能含有“#”");

    std::vector<PieceRow> pieces;
    std::string error;
    ASSERT_TRUE(ParsePastedPieces("长度\t数量\t构件号\r\n1200\t2\t B-2 \r\n1200,3,B-3\r\n800\t1\r\n", pieces, error)) << error;
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].mark, "B-2");
    EXPECT_EQ(pieces[1].mark, "B-3");
    EXPECT_EQ(pieces[2].mark, "");
    EXPECT_FALSE(ParsePastedPieces("1200\t2\t#7\n", pieces, error));
    EXPECT_EQ(error, "粘贴的第1行: 构件号不能含有“#”");
    EXPECT_EQ(CleanMark("  柱\t 3 "), "柱 3");
}

}  // namespace
}  // namespace mw
