// The preview window "打印预览": template 185, the page drawn to fit the window, paging, page
// setup and print.
#pragma once

#include <vector>

#include "kit/ToolWindowWin32.h"
#include "print/PrintPreview.h"
#include "print/PrintService.h"

namespace mw {

class Win32PrintService;

class PrintPreviewWindow : public ToolWindowFrame {
public:
    explicit PrintPreviewWindow(Win32PrintService& service);

    // Shows `document` beside `owner`, from its first page.
    void Show(HWND owner, const PrintDocument& document);
    // The document laid out again, on the same page while it exists: on the paper shown, for new
    // content (every keystroke of a price), or on the printer's paper asked for again.
    void Relayout(bool keepPage, bool newPaper);

protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void Fit();
    void DrawArea(const DRAWITEMSTRUCT& item);

    Win32PrintService& service_;
    CPrintPreview logic_;
    PrintDocument document_;
    PaperSize paper_;
    std::vector<PrintedPage> pages_;
};

}  // namespace mw
