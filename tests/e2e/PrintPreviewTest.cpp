// Printing in the real program through the system's printers: the quote and the cutting sheet
// previewed, printed to the tests' PDF queue, and read back from the PDF (its text and page count
// from the files scripts/cups-test-env.sh leaves beside it); a quote of three pages; no printer.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/e2e/support/AppUnderTest.h"
#include "tests/e2e/support/CutPlanWindow.h"

#include <commctrl.h>

namespace mw::e2e {
namespace {

std::wstring PdfFolder() {
    wchar_t path[MAX_PATH] = {};
    GetEnvironmentVariableW(L"MW_PDF_DIR", path, MAX_PATH);
    return path;
}

// The "NAME.pdf.info" files in the queue's folder and its subfolders.
std::vector<std::wstring> PdfInfos() {
    std::vector<std::wstring> found;
    std::vector<std::wstring> folders{PdfFolder()};
    for (std::size_t i = 0; i < folders.size(); ++i) {
        WIN32_FIND_DATAW entry;
        HANDLE search = FindFirstFileW((folders[i] + L"\\*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) continue;
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) folders.push_back(folders[i] + L"\\" + name);
            else if (name.size() > 9 && name.compare(name.size() - 9, 9, L".pdf.info") == 0) found.push_back(folders[i] + L"\\" + name);
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    return found;
}

struct PrintedPdf {
    std::string text;
    int pages = 0;
};

// Waits for a PDF that is not among `before` and reads its text and page count.
PrintedPdf WaitForPdf(const std::vector<std::wstring>& before) {
    PrintedPdf pdf;
    std::wstring info;
    const auto fresh = [&] {
        for (const std::wstring& name : PdfInfos())
            if (std::find(before.begin(), before.end(), name) == before.end()) {
                info = name;
                return true;
            }
        return false;
    };
    if (!WaitUntil(fresh, 60000)) return pdf;
    const std::string facts = ReadBytes(info);
    const std::size_t at = facts.find("Pages:");
    if (at != std::string::npos) pdf.pages = std::atoi(facts.c_str() + at + 6);
    pdf.text = ReadBytes(info.substr(0, info.size() - 5) + L".txt");
    return pdf;
}

// Selects a row of a list view in the program: the item state goes through its own memory.
void SelectRow(HWND dialog, int id, int row) {
    HWND control = GetDlgItem(dialog, id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, ProcessOf(control));
    if (!process) return;
    if (void* remote = VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE)) {
        LVITEMW item = {};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr))
            SendMessageW(control, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote));
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
}

// pdftotext keeps the words but not always the spaces between them.
std::string WithoutSpaces(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}
bool Has(const std::string& text, const std::string& part) {
    return WithoutSpaces(text).find(WithoutSpaces(part)) != std::string::npos;
}

// The print dialog of `owner`, answered with OK.
bool PrintThroughTheDialog(HWND owner) {
    HWND dialog = WaitForTopLevel([owner](HWND w) {
        return GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w) && Caption(w) == "打印";
    }, 10000);
    if (!dialog) return false;
    PostClick(dialog, IDOK);
    return WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000);
}

HWND WeighSomeAndOpenTheList(RunningApp& r, int plates) {
    HWND page1 = ChildDialogWith(r.main, IDC_PLATE1_LENGTH);
    if (!page1) return nullptr;
    SetText(page1, IDC_PLATE1_LENGTH, "1000");
    SetText(page1, IDC_PLATE1_WIDTH, "1000");
    SetText(page1, IDC_PLATE1_THICKNESS, "10");
    for (int i = 0; i < plates; ++i) Click(page1, IDC_PLATE1_BUTTON);
    SetText(page1, IDC_ANGLE_LENGTH, "6000");
    Click(page1, IDC_ANGLE_BUTTON);
    return OpenTool(r.main, IDM_WEIGHTLIST, "重量清单");
}

TEST(PrintPreview, TheQuotePreviewedAndPrintedToThePdfQueue) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND list = WeighSomeAndOpenTheList(r, 1);
    ASSERT_NE(list, nullptr);
    SetText(list, IDC_WEIGHTLIST_PRICE, "4000");
    SelectRow(list, IDC_WEIGHTLIST_LIST, 1);
    SetText(list, IDC_WEIGHTLIST_ROW_COUNT, "3");
    Click(list, IDC_WEIGHTLIST_SET_COUNT);
    ASSERT_EQ(CellText(list, IDC_WEIGHTLIST_LIST, 1, 4), "3");
    SetText(list, IDC_WEIGHTLIST_CUSTOMER, "张三钢构");
    SetText(list, IDC_WEIGHTLIST_PROJECT, "二号厂房");
    SetText(list, IDC_WEIGHTLIST_TAX, "13");
    const std::string total = Text(list, IDC_WEIGHTLIST_TOTAL);  // "… 金额 C 元"
    const std::size_t costAt = total.find("金额 ") + std::string("金额 ").size();
    const std::string cost = total.substr(costAt, total.find(' ', costAt) - costAt);

    Click(list, IDC_WEIGHTLIST_PREVIEW);
    HWND preview = r.app.WaitForWindow("打印预览", 5000);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(Text(preview, IDC_PREVIEW_PAGE), "第 1 页 / 共 1 页");
    EXPECT_FALSE(Enabled(preview, IDC_PREVIEW_NEXT));
    EXPECT_GE(WindowRect(preview).left, WindowRect(list).right - 2);  // beside its owner
    Sleep(300);
    SaveScreenshot(preview, "print-preview-quote");

    const std::vector<std::wstring> before = PdfInfos();
    PostClick(preview, IDC_PREVIEW_PRINT);
    ASSERT_TRUE(PrintThroughTheDialog(preview));
    const PrintedPdf pdf = WaitForPdf(before);
    ASSERT_FALSE(pdf.text.empty()) << "no PDF came out of the queue";
    EXPECT_EQ(pdf.pages, 1);
    for (const char* part : {"报价单", "客户:张三钢构", "工程:二号厂房", "钢板一", "角钢(热轧)", "第 1 页 / 共 1 页",
                             "含税合计"})
        EXPECT_TRUE(Has(pdf.text, part)) << part << "\n" << pdf.text;
    EXPECT_TRUE(Has(pdf.text, cost)) << cost << "\n" << pdf.text;
    EXPECT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), 2);  // printing changes nothing
}

TEST(PrintPreview, AQuoteOfThreePagesPagesAndPrintsWhole) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND list = WeighSomeAndOpenTheList(r, 99);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), 100);
    Click(list, IDC_WEIGHTLIST_PREVIEW);
    HWND preview = r.app.WaitForWindow("打印预览", 5000);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(Text(preview, IDC_PREVIEW_PAGE), "第 1 页 / 共 3 页");
    Click(preview, IDC_PREVIEW_NEXT);
    Click(preview, IDC_PREVIEW_NEXT);
    EXPECT_EQ(Text(preview, IDC_PREVIEW_PAGE), "第 3 页 / 共 3 页");
    EXPECT_FALSE(Enabled(preview, IDC_PREVIEW_NEXT));
    Click(preview, IDC_PREVIEW_PREV);
    EXPECT_EQ(Text(preview, IDC_PREVIEW_PAGE), "第 2 页 / 共 3 页");
    SaveScreenshot(preview, "print-preview-page-2");

    // Ctrl+P in the list: the print dialog at once. Cancelled, it prints nothing and says nothing.
    const std::vector<std::wstring> before = PdfInfos();
    PostMessageW(list, WM_COMMAND, MAKEWPARAM(IDM_PRINT, 1), 0);
    HWND dialog = WaitForTopLevel([list](HWND w) {
        return GetWindow(w, GW_OWNER) == list && IsWindowVisible(w) && Caption(w) == "打印";
    }, 10000);
    ASSERT_NE(dialog, nullptr);
    PostClick(dialog, IDCANCEL);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, 10000));
    Sleep(1500);
    EXPECT_EQ(WaitForTopLevel([list](HWND w) {
        return GetWindow(w, GW_OWNER) == list && IsWindowVisible(w) && Caption(w) != "打印预览";
    }, 500), nullptr);
    EXPECT_EQ(PdfInfos(), before);

    PostMessageW(list, WM_COMMAND, MAKEWPARAM(IDM_PRINT, 1), 0);
    ASSERT_TRUE(PrintThroughTheDialog(list));
    const PrintedPdf pdf = WaitForPdf(before);
    EXPECT_EQ(pdf.pages, 3);
    EXPECT_TRUE(Has(pdf.text, "第 3 页 / 共 3 页")) << pdf.text;
}

TEST(PrintPreview, TheCuttingSheetOfAPlanWithSeveralPatterns) {
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND cut = OpenTool(r.main, IDM_CUTPLAN, "下料优化");
    ASSERT_NE(cut, nullptr);
    SetText(cut, IDC_CUT_SECTION, "角钢 ∠50×5");
    SetText(cut, IDC_CUT_KGM, "3.77");
    SetText(cut, IDC_CUT_KERF, "3");
    SetText(cut, IDC_CUT_TRIM, "10");
    SetText(cut, IDC_CUT_REUSABLE, "500");
    AddStock(cut, "6000");
    const char* pieces[][2] = {{"2400", "5"}, {"1700", "4"}, {"800", "7"}};
    for (const auto& piece : pieces) AddPiece(cut, piece[0], piece[1]);
    Click(cut, IDC_CUT_SOLVE);
    ASSERT_TRUE(WaitUntil([&] { return Enabled(cut, IDC_CUT_PREVIEW); }, 30000));
    ASSERT_GE(ItemCount(cut, IDC_CUT_RESULT), 2);

    Click(cut, IDC_CUT_PREVIEW);
    HWND preview = r.app.WaitForWindow("打印预览", 5000);
    ASSERT_NE(preview, nullptr);
    const std::string folio = Text(preview, IDC_PREVIEW_PAGE);
    Sleep(300);
    SaveScreenshot(preview, "print-preview-cut-sheet");

    const std::vector<std::wstring> before = PdfInfos();
    PostMessageW(cut, WM_COMMAND, MAKEWPARAM(IDM_PRINT, 1), 0);  // Ctrl+P
    ASSERT_TRUE(PrintThroughTheDialog(cut));
    const PrintedPdf pdf = WaitForPdf(before);
    ASSERT_FALSE(pdf.text.empty()) << "no PDF came out of the queue";
    EXPECT_EQ("第 1 页 / 共 " + std::to_string(pdf.pages) + " 页", folio);
    for (const char* part : {"下料单", "型材: 角钢 ∠50×5", "3.77 kg/m", "方案 1:", "×", "定位(自料头起, mm): 10 |",
                             "已切", "购入", "损耗", "用料: 6000 mm ×"})
        EXPECT_TRUE(Has(pdf.text, part)) << part << "\n" << pdf.text;
    EXPECT_TRUE(Has(pdf.text, "余料") || Has(pdf.text, "废料")) << pdf.text;
}

TEST(PrintPreview, WithoutAPrinterTheUserIsToldAndNothingChanges) {
    if (!GetEnvironmentVariableW(L"MW_NO_PRINTER", nullptr, 0)) GTEST_SKIP() << "runs apart, without the queue";
    RunningApp r;
    ASSERT_NE(r.main, nullptr);
    HWND list = WeighSomeAndOpenTheList(r, 1);
    ASSERT_NE(list, nullptr);
    const std::vector<std::wstring> before = PdfInfos();
    PostMessageW(list, WM_COMMAND, MAKEWPARAM(IDM_PRINT, 1), 0);
    HWND box = OwnedDialog(list, 10000);
    ASSERT_NE(box, nullptr);
    std::string said;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) said += WindowText(child);
    EXPECT_TRUE(Has(said, "没有安装打印机")) << said;
    SaveScreenshot(box, "print-no-printer");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 5000));
    EXPECT_EQ(ItemCount(list, IDC_WEIGHTLIST_LIST), 2);
    EXPECT_EQ(PdfInfos(), before);
}

}  // namespace
}  // namespace mw::e2e
