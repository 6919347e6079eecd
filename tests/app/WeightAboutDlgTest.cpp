// The About window's logic: the two texts as it shows them, and its buttons.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/WeightAboutDlg.h"
#include "res/resource.h"
#include "tests/support/MemorySurface.h"

namespace mw {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    EXPECT_EQ(text.find("\r\n\r\n"), std::string::npos);
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = text.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(text.substr(from, end - from));
    lines.push_back(text.substr(from));
    for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    return lines;
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

TEST(AboutTexts, NotesAreNumberedOneTo46WithTheFunctionsUnder46) {
    const std::vector<std::string> lines = Lines(UsageNotes());
    ASSERT_EQ(lines.size(), 46u + 20u);
    for (int note = 1; note <= 46; ++note) EXPECT_TRUE(StartsWith(lines[note - 1], std::to_string(note) + ". ")) << lines[note - 1];
    EXPECT_EQ(lines[46], "46.1 +、-、*、/、(、)");
    const char* const functions[] = {"abs", "acos", "asin", "atan", "acot", "cos", "cosh", "cot", "exp", "floor",
                                     "mod", "ln", "log", "pow", "sin", "sinh", "sqrt", "tan", "tanh"};
    for (int i = 0; i < 19; ++i)
        EXPECT_TRUE(StartsWith(lines[47 + i], "46." + std::to_string(i + 2) + " " + functions[i] + "(")) << lines[47 + i];
    EXPECT_TRUE(StartsWith(lines[14], "15. 钢板一：重量=长×宽×厚×密度÷1000000。"));
    EXPECT_NE(lines[1].find("“*”"), std::string::npos);  // the mark of a non-standard series
}

TEST(AboutTexts, ChangeLogRunsFromV38BackToV10InNumberedBlocks) {
    const std::vector<std::string> lines = Lines(ChangeLog());
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "V3.8更新内容(2012.07.22):");
    std::string lastHeading;
    int expected = 1;
    for (const std::string& line : lines) {
        if (StartsWith(line, "V")) {
            EXPECT_TRUE(lastHeading.empty() || expected != 1) << lastHeading << " lists no change";
            EXPECT_EQ(line.back(), ':') << line;
            lastHeading = line;
            expected = 1;
        } else {
            EXPECT_TRUE(StartsWith(line, std::to_string(expected++) + ".")) << line;
        }
    }
    EXPECT_NE(expected, 1) << lastHeading << " lists no change";
    EXPECT_TRUE(StartsWith(lastHeading, "V1.0"));
}

struct Recorded : AboutActions {
    void OpenWebPage(const std::string& address) override { done.push_back("open " + address); }
    void StartUpdateCheck() override { done.push_back("check"); }
    void Close() override { done.push_back("close"); }
    std::vector<std::string> done;
};

struct About {
    explicit About(const WebPages& pages = kWebPages) : dlg(surface, actions, pages) {
        surface.Bind(&dlg);
        dlg.OnInitDialog();
    }
    MemorySurface surface;
    Recorded actions;
    CWeightAboutDlg dlg;
};

TEST(WeightAboutDlg, ShowsBothTextsWithTheFocusOnClose) {
    About a;
    EXPECT_EQ(a.surface.Text(IDC_ABOUT_NOTES), UsageNotes());
    EXPECT_EQ(a.surface.Text(IDC_ABOUT_CHANGES), ChangeLog());
    EXPECT_EQ(a.surface.focus, IDC_ABOUT_CLOSE);
}

TEST(WeightAboutDlg, UpdateOpensTheDownloadPageThenChecksShopOpensTheShop) {
    About a(WebPages{"https://d.example/", "https://s.example/", ""});
    a.surface.Click(IDC_ABOUT_UPDATE);
    a.surface.Click(IDC_ABOUT_SHOP);
    a.surface.Click(IDC_ABOUT_CLOSE);
    EXPECT_EQ(a.actions.done, (std::vector<std::string>{"open https://d.example/", "check",
                                                        "open https://s.example/", "close"}));
    a.dlg.OnClose();  // the close box
    EXPECT_EQ(a.actions.done.back(), "close");
}

TEST(WeightAboutDlg, WithoutAddressesTheShopIsDisabledAndTheCheckStillAnswers) {
    for (const WebPages& pages : {kWebPages, WebPages{"", nullptr, "https://h.example/"}}) {
        About a(pages);
        EXPECT_TRUE(a.surface.Enabled(IDC_ABOUT_UPDATE));
        EXPECT_FALSE(a.surface.Enabled(IDC_ABOUT_SHOP));
        a.dlg.OnCommand(IDC_ABOUT_UPDATE, Notify::Click);
        a.dlg.OnCommand(IDC_ABOUT_SHOP, Notify::Click);
        EXPECT_EQ(a.actions.done, (std::vector<std::string>{"check"}));
    }
}

TEST(WeightAboutDlg, SaysWhereTheFilesAre) {
    About a;
    a.dlg.OnInitDialog(FilesPlace("D:\\工具\\", true));
    EXPECT_EQ(a.surface.Text(IDC_ABOUT_FILES), "文件保存在程序所在文件夹:\r\nD:\\工具\\");
    a.dlg.OnInitDialog(FilesPlace("C:\\Users\\u\\AppData\\Roaming\\X\\", false));
    EXPECT_EQ(a.surface.Text(IDC_ABOUT_FILES), "程序所在文件夹不可写,文件保存在:\r\nC:\\Users\\u\\AppData\\Roaming\\X\\");
}

}  // namespace
}  // namespace mw
