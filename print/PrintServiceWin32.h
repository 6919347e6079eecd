// Printing through the system's printers for one window: its page setup (kept while the program
// runs), the print dialog, the job, and its preview window.
#pragma once

#include <windows.h>

#include <memory>

#include "print/PageDrawingWin32.h"
#include "print/PrintService.h"

namespace mw {

class PrintPreviewWindow;

class Win32PrintService : public PrintService {
public:
    Win32PrintService();
    ~Win32PrintService() override;
    Win32PrintService(const Win32PrintService&) = delete;
    Win32PrintService& operator=(const Win32PrintService&) = delete;

    // The window the dialogs and the preview belong to.
    void SetOwner(HWND owner) { owner_ = owner; }

    void Preview(const PrintDocument& document) override;
    void Print(const PrintDocument& document) override { PrintOwnedBy(owner_, document); }
    void DocumentChanged() override;
    // The print dialog and its messages belong to `owner` (the preview, when it asks).
    void PrintOwnedBy(HWND owner, const PrintDocument& document);

    // The paper of the printer chosen last (the default printer at first; A4 without any), with
    // the page setup's margins.
    PaperSize Paper();
    // The system's page setup; true when the user chose OK.
    bool PageSetup(HWND owner);
    std::vector<PrintedPage> Layout(const PrintDocument& document, const PaperSize& paper);

private:
    bool AnyPrinter() const;
    bool DefaultPrinter();
    void Say(HWND owner, const char* text, bool warning) const;

    HWND owner_ = nullptr;
    HGLOBAL devMode_ = nullptr;
    HGLOBAL devNames_ = nullptr;
    Tenths margins_[4] = {150, 150, 150, 150};  // left, top, right, bottom
    GdiTextMeasure measure_;
    std::unique_ptr<PrintPreviewWindow> preview_;
};

}  // namespace mw
