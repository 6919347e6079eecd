// The weight list's arithmetic, its file and its exports.
#include "tools/WeightList.h"

#include <gtest/gtest.h>

#include "settings/TextFields.h"
#include "tests/support/MemoryFileSystem.h"

namespace mw {
namespace {

const char kPath[] = "/app/WeightListKq.txt";

struct WeightListFile : testing::Test {
    MemoryFileSystem files;
    WeightList list{files, kPath};
    std::string setAside;
};

TEST_F(WeightListFile, PricesCostsAndTotalsInKilogramsOrTonnes) {
    ASSERT_TRUE(list.Load(setAside));
    list.Add({"钢板一", "1000×1000×10", "", 78.5}, "2026-12-09 10:00:00");
    list.Add({"角钢(热轧)", "∠50×5", "6000 mm", 22.656}, "2026-12-09 10:01:00");
    list.SetDefaultPrice(4200);
    list.SetRowPrice(1, 5000);

    EXPECT_DOUBLE_EQ(list.CostOf(list.Rows()[0]), 78.5 / 1000 * 4200);
    EXPECT_DOUBLE_EQ(list.CostOf(list.Rows()[1]), 22.656 / 1000 * 5000);
    EXPECT_DOUBLE_EQ(list.TotalKilograms(), 101.156);
    EXPECT_DOUBLE_EQ(list.TotalCost(), 329.7 + 113.28);

    EXPECT_EQ((WeightDisplay{false, 2}.Weight(101.156)), "101.16");
    EXPECT_EQ((WeightDisplay{true, 3}.Weight(101.156)), "0.101");
    EXPECT_EQ((WeightDisplay{true, 12}.Weight(101.156)), "0.10");  // odd places take two
    EXPECT_EQ(Money(-0.001), "0.00");
    EXPECT_EQ(PlainNumber(4200.50), "4200.5");
    EXPECT_EQ(PlainNumber(1e-7), "0");

    list.SetRowPrice(1, std::nullopt);  // back to the default
    EXPECT_DOUBLE_EQ(list.CostOf(list.Rows()[1]), 22.656 / 1000 * 4200);
    list.Remove(0);
    EXPECT_EQ(list.Rows().size(), 1u);
    list.Remove(5);  // nothing there
    list.Clear();
    EXPECT_TRUE(list.Rows().empty());
    EXPECT_DOUBLE_EQ(list.DefaultPrice(), 4200);
}

TEST_F(WeightListFile, EveryChangeIsWrittenAndReadsBackExactly) {
    list.Add({"钢丝绳", "6×19\tFC\\x", "2.5\r\nm", 0.1 + 0.2}, "2026-12-09 10:00:00");
    list.Add({"螺栓/螺母/垫圈/开口销", "LS 5782-2000 M12×80", "1 件", 1e-9}, "");
    list.SetRowPrice(0, 3999.99);
    list.SetDefaultPrice(4500);
    const std::string written = files.files.at(kPath);
    EXPECT_EQ(written.rfind("材料重量清单\t1\r\n默认单价\t4500\r\n", 0), 0u);

    WeightList again(files, kPath);
    ASSERT_TRUE(again.Load(setAside));
    EXPECT_TRUE(setAside.empty());
    ASSERT_EQ(again.Rows().size(), 2u);
    EXPECT_EQ(again.Rows()[0].item.size, "6×19\tFC\\x");
    EXPECT_EQ(again.Rows()[0].item.quantity, "2.5\r\nm");
    EXPECT_EQ(again.Rows()[0].item.kilograms, 0.1 + 0.2);
    EXPECT_EQ(*again.Rows()[0].price, 3999.99);
    EXPECT_FALSE(again.Rows()[1].price);
    EXPECT_EQ(again.Rows()[1].item.kilograms, 1e-9);
    EXPECT_EQ(again.DefaultPrice(), 4500);
    EXPECT_EQ(again.FileText(), written);
}

// The surface is the row's field before the count; a list written before it was kept has none and reads
// whole, every row and price as it was, and is written back with the field empty.
TEST_F(WeightListFile, SurfaceFieldAndListsWrittenWithoutIt) {
    Weighing channel{"槽钢(热轧)", "[20a", "12000 mm", 271.644};
    channel.squareMetres = 0.7768 * 12;
    list.Add(channel, "2026-12-09 10:00:00");
    list.Add({"钢丝绳", "6×19", "6 m", 10}, "2026-12-09 10:01:00");
    const std::string written = files.files.at(kPath);
    EXPECT_NE(written.find("\t2026-12-09 10:00:00\t\t9.3216"), std::string::npos);
    EXPECT_NE(written.find("\t2026-12-09 10:01:00\t\t\t1\r\n"), std::string::npos);
    WeightList again(files, kPath);
    ASSERT_TRUE(again.Load(setAside));
    ASSERT_EQ(again.Rows().size(), 2u);
    EXPECT_DOUBLE_EQ(*again.Rows()[0].item.squareMetres, 0.7768 * 12);
    EXPECT_FALSE(again.Rows()[1].item.squareMetres);
    EXPECT_EQ(again.RowCells(0, WeightDisplay{})[6], "9.322");
    EXPECT_EQ(again.RowCells(1, WeightDisplay{})[6], "");
    EXPECT_DOUBLE_EQ(again.TotalSquareMetres(), 0.7768 * 12);

    files.files[kPath] = "材料重量清单\t1\r\n默认单价\t4200\r\n"
                         "钢板一\t1000×1000×10\t\t78.5\t2026-12-01 08:00:00\t\r\n"
                         "角钢(热轧)\t∠50×50×5\t6000 mm\t22.62\t2026-12-01 08:01:00\t3900\r\n";
    WeightList old(files, kPath);
    ASSERT_TRUE(old.Load(setAside));
    EXPECT_TRUE(setAside.empty());
    ASSERT_EQ(old.Rows().size(), 2u);
    EXPECT_EQ(old.Rows()[1].item.size, "∠50×50×5");
    EXPECT_EQ(*old.Rows()[1].price, 3900);
    EXPECT_FALSE(old.Rows()[0].item.squareMetres);
    EXPECT_EQ(old.DefaultPrice(), 4200);
    old.SetDefaultPrice(4300);
    EXPECT_NE(files.files.at(kPath).find("\t2026-12-01 08:01:00\t3900\t\t1\r\n"), std::string::npos);

    // A surface that is not a number is damage like any other.
    files.files[kPath] = "材料重量清单\t1\r\n默认单价\t0\r\na\tb\tc\t1\tt\t\tx\r\n";
    WeightList damaged(files, kPath);
    EXPECT_FALSE(damaged.Load(setAside));
    EXPECT_FALSE(setAside.empty());
}

TEST_F(WeightListFile, DamagedOrForeignFilesAreSetAsideNotDropped) {
    const std::string foreign = "名称,重量\r\n钢板,12\r\n";
    files.files[kPath] = foreign;
    EXPECT_FALSE(list.Load(setAside));
    EXPECT_EQ(setAside, std::string(kPath) + ".damaged");
    EXPECT_EQ(files.files.at(setAside), foreign);
    EXPECT_FALSE(files.Exists(kPath));
    EXPECT_TRUE(list.Rows().empty());

    // Damage of every kind: a field missing, a number that is not one, a bad escape, no CR.
    list.Add({"六角钢", "S10", "6 m", 4.08}, "t");
    const std::string good = files.files.at(kPath);
    for (const std::string& bad : {good.substr(0, good.size() - 8) + "\r\n",
                                   std::string("材料重量清单\t1\r\n默认单价\tabc\r\n"),
                                   std::string("材料重量清单\t1\r\n默认单价\t0\r\na\tb\\q\tc\t1\tt\t\r\n"),
                                   std::string("材料重量清单\t1\n默认单价\t0\n"),
                                   std::string("材料重量清单\t2\r\n默认单价\t0\r\n")}) {
        files.files[kPath] = bad;
        WeightList other(files, kPath);
        EXPECT_FALSE(other.Load(setAside)) << bad;
        EXPECT_EQ(files.files.at(setAside), bad);
    }
    EXPECT_TRUE(files.Exists(std::string(kPath) + ".damaged-5"));
}

TEST_F(WeightListFile, AFileThatCannotBeWrittenKeepsTheRowsInMemory) {
    files.readOnly = true;
    EXPECT_FALSE(list.Add({"螺纹钢", "Φ12", "9 m", 8.0}, "t"));
    EXPECT_FALSE(list.Saved());
    EXPECT_EQ(list.Rows().size(), 1u);
    files.readOnly = false;
    EXPECT_TRUE(list.SetDefaultPrice(4000));
    EXPECT_TRUE(list.Saved());
}

TEST_F(WeightListFile, TabTextAndCsvForSpreadsheets) {
    list.Add({"钢板一", "1,000×\"2\"", "", 78.5}, "2026-12-09 10:00:00");
    list.Add({"钢丝绳", "6×19\nFC", "6 m", 1234.5}, "2026-12-09 10:01:00");
    list.SetDefaultPrice(4000);
    const WeightDisplay kg{false, 2};
    EXPECT_EQ(list.CsvText(kg),
              "\xEF\xBB\xBF"
              "序号,名称,规格,长度/面积/数量,件数,重量(kg),面积(m²),单价(元/吨),金额(元),时间\r\n"
              "1,钢板一,\"1,000×\"\"2\"\"\",,1,78.50,,4000,314.00,2026-12-09 10:00:00\r\n"
              "2,钢丝绳,\"6×19\nFC\",6 m,1,1234.50,,4000,4938.00,2026-12-09 10:01:00\r\n"
              "合计,,,,,1313.00,,,5252.00,\r\n");
    EXPECT_EQ(list.TabText(WeightDisplay{true, 3}),
              "序号\t名称\t规格\t长度/面积/数量\t件数\t重量(t)\t面积(m²)\t单价(元/吨)\t金额(元)\t时间\r\n"
              "1\t钢板一\t1,000×\"2\"\t\t1\t0.079\t\t4000\t314.00\t2026-12-09 10:00:00\r\n"
              "2\t钢丝绳\t6×19 FC\t6 m\t1\t1.234\t\t4000\t4938.00\t2026-12-09 10:01:00\r\n"
              "合计\t\t\t\t\t1.313\t\t\t5252.00\t\r\n");
}

// The count multiplies the row's weight, surface and amount; the header travels with the list
// and a list written before either reads as count 1 with an empty header.
TEST_F(WeightListFile, CountsAndTheQuoteHeaderAreKeptAndOlderListsReadWhole) {
    Weighing channel{"槽钢(热轧)", "[20a", "12000 mm", 271.644};
    channel.squareMetres = 9.3216;
    list.Add(channel, "t1");
    list.SetDefaultPrice(4000);
    EXPECT_EQ(list.Rows()[0].count, 1);
    list.SetRowCount(0, 4);
    EXPECT_DOUBLE_EQ(list.TotalKilograms(), 271.644 * 4);
    EXPECT_DOUBLE_EQ(list.TotalSquareMetres(), 9.3216 * 4);
    EXPECT_DOUBLE_EQ(list.TotalCost(), 271.644 * 4 * 4);
    EXPECT_EQ(list.RowCells(0, WeightDisplay{})[WeightList::kCountCell], "4");
    EXPECT_EQ(list.RowCells(0, WeightDisplay{})[WeightList::kWeightCell], "1086.58");
    list.SetRowCount(0, 0);  // never below one piece
    EXPECT_EQ(list.Rows()[0].count, 1);
    list.SetRowCount(0, 4);
    EXPECT_FALSE(list.TotalWithTax());
    list.SetHeader({"客户\t甲\\", "", 13});
    EXPECT_DOUBLE_EQ(*list.TotalWithTax(), 271.644 * 16 * 1.13);

    WeightList again(files, kPath);
    ASSERT_TRUE(again.Load(setAside));
    EXPECT_EQ(again.Rows()[0].count, 4);
    EXPECT_EQ(again.Header(), (QuoteHeader{"客户\t甲\\", "", 13}));
    EXPECT_EQ(files.files.at(kPath).find("工程"), std::string::npos);  // empty fields are not written

    files.files[kPath] = "材料重量清单\t1\r\n默认单价\t4200\r\n"
                         "钢板一\t1×1×1\t\t7.85\tt\t\r\n"
                         "槽钢(热轧)\t[20a\t6 m\t135.8\tt\t\t4.66\r\n";
    WeightList old(files, kPath);
    ASSERT_TRUE(old.Load(setAside));
    ASSERT_EQ(old.Rows().size(), 2u);
    EXPECT_EQ(old.Rows()[0].count, 1);
    EXPECT_EQ(old.Rows()[1].count, 1);
    EXPECT_EQ(old.Header(), QuoteHeader{});

    // A count that is no whole number of pieces, or a header line twice, is damage.
    for (const char* row : {"a\tb\tc\t1\tt\t\t\t0\r\n", "a\tb\tc\t1\tt\t\t\t2.5\r\n", "a\tb\tc\t1\tt\t\t\tx\r\n"}) {
        files.files[kPath] = std::string("材料重量清单\t1\r\n默认单价\t0\r\n") + row;
        WeightList damaged(files, kPath);
        EXPECT_FALSE(damaged.Load(setAside)) << row;
    }
    files.files[kPath] = "材料重量清单\t1\r\n默认单价\t0\r\n客户\ta\r\n客户\tb\r\n";
    WeightList twice(files, kPath);
    EXPECT_FALSE(twice.Load(setAside));
    files.files[kPath] = "材料重量清单\t1\r\n默认单价\t0\r\n税率\tx\r\n";
    WeightList badTax(files, kPath);
    EXPECT_FALSE(badTax.Load(setAside));
}

}  // namespace
}  // namespace mw
