// The weight list in the real program: weighings from two pages, a price, the CSV export through
// the save dialog, and the rows still there after a restart.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"

namespace mw::e2e {
namespace {

constexpr int kRows = 3;

// Unlike ReadBytes, opens the file only once the program has closed it (no sharing with a
// writer), so that a half-written export reads as none.
std::string FileBytes(const std::wstring& path) {
    std::string bytes;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

TEST(WeightListDlg, WeighingsPricesExportAndARestart) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND page1 = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    HWND page2 = ChildDialogWith(r.main, IDC_TUBE_LENGTH);
    ASSERT_TRUE(page1 && page2);
    SetText(page1, IDC_PLATE1_LENGTH, "2*500");
    SetText(page1, IDC_PLATE1_WIDTH, "1000");
    SetText(page1, IDC_PLATE1_THICKNESS, "10");
    Click(page1, IDC_PLATE1_BUTTON);
    SetText(page1, IDC_ANGLE_LENGTH, "6000");
    Click(page1, IDC_ANGLE_BUTTON);
    SetText(page2, IDC_TUBE_LENGTH, "6000");
    Click(page2, IDC_TUBE_BUTTON);

    // Beside the centred main window the list would run off the screen of the tests.
    HWND list = OpenTool(r.main, IDM_WEIGHTLIST, "重量清单");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), kRows);
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 1), "钢板一");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 2), "1000×1000×10");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 5), "78.50 kg");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 1, 1), "角钢(热轧)");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 1, 3), "6000 mm");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 2, 1), "方管/矩形管");

    SetText(list, IDC_WEIGHTLIST_PRICE, "4000");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 8), "314.00");
    SaveScreenshot(list, "weight-list");

    // The export asks for a file name in the save dialog.
    const std::wstring csv = r.app.Folder() + L"\\报价.csv";
    PostClick(list, IDC_WEIGHTLIST_EXPORT);
    HWND save = OwnedDialog(list, 10000);
    ASSERT_NE(save, nullptr);
    SetText(save, kFileNameBox, Narrow(csv));
    PostClick(save, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return !FileBytes(csv).empty(); }, 10000));

    std::string expected = "\xEF\xBB\xBF序号,名称,规格,长度/面积/数量,件数,重量(kg),面积(m²),单价(元/吨),金额(元),时间\r\n";
    for (int row = 0; row < kRows; ++row) {
        std::string weight = CellText(list, IDC_WEIGHTLIST_LIST, row, 5);
        weight = weight.substr(0, weight.find(' '));
        expected += std::to_string(row + 1) + "," + CellText(list, IDC_WEIGHTLIST_LIST, row, 1) + "," +
                    CellText(list, IDC_WEIGHTLIST_LIST, row, 2) + "," + CellText(list, IDC_WEIGHTLIST_LIST, row, 3) + ",1," + weight +
                    "," + CellText(list, IDC_WEIGHTLIST_LIST, row, 6) + ",4000," + CellText(list, IDC_WEIGHTLIST_LIST, row, 8) + "," +
                    CellText(list, IDC_WEIGHTLIST_LIST, row, 9) + "\r\n";
    }
    const std::string total = Text(list, IDC_WEIGHTLIST_TOTAL);  // "共 3 项  合计重量 W kg  金额 C 元"
    const std::size_t weightAt = total.find("合计重量 ") + std::string("合计重量 ").size();
    const std::size_t costAt = total.find("金额 ") + std::string("金额 ").size();
    expected += "合计,,,,," + total.substr(weightAt, total.find(' ', weightAt) - weightAt) + ",";
    // The plate is weighed whole, the angle and tube by length: only they have a surface a metre.
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 0, 6), "");
    const double area = std::stod(CellText(list, IDC_WEIGHTLIST_LIST, 1, 6)) + std::stod(CellText(list, IDC_WEIGHTLIST_LIST, 2, 6));
    const std::string written = FileBytes(csv);
    ASSERT_EQ(written.rfind(expected, 0), 0u) << written;
    std::size_t areaEnd = 0;
    EXPECT_NEAR(std::stod(written.substr(expected.size()), &areaEnd), area, 0.002);
    EXPECT_EQ(written.substr(expected.size() + areaEnd),
              ",," + total.substr(costAt, total.find(' ', costAt) - costAt) + ",\r\n");
    EXPECT_NE(expected.find(",1000×1000×10,,1,78.50,,4000,314.00,"), std::string::npos);

    // A restart finds every row and the price again.
    r.app.Kill();
    ASSERT_TRUE(r.app.Start());
    HWND main = r.app.MainWindow();
    ASSERT_NE(main, nullptr);
    list = OpenTool(main, IDM_WEIGHTLIST, "重量清单");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), kRows);
    EXPECT_EQ(Text(list, IDC_WEIGHTLIST_PRICE), "4000");
    EXPECT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 2, 1), "方管/矩形管");
}

}  // namespace
}  // namespace mw::e2e
