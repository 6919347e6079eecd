// The print dialog, the page setup, the printer's paper and the job.
#include "print/PrintServiceWin32.h"

#include <cderr.h>
#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cmath>

#include "kit/Captions.h"
#include "kit/SystemLibraryWin32.h"
#include "kit/Utf16Win32.h"
#include "print/PrintPreviewWin32.h"
#include "res/resource.h"

namespace mw {

namespace {

// The common dialogs and the printer list come in with the first preview or print.
bool PrintDialog(PRINTDLGW& dialog) {
    static const auto printDlg = SYSTEM_FUNCTION(L"comdlg32.dll", PrintDlgW);
    return printDlg && printDlg(&dialog);
}

bool PageSetupDialog(PAGESETUPDLGW& setup) {
    static const auto pageSetupDlg = SYSTEM_FUNCTION(L"comdlg32.dll", PageSetupDlgW);
    return pageSetupDlg && pageSetupDlg(&setup);
}

// Why the last dialog failed; without the dialogs at all, that they could not start.
DWORD DialogError() {
    static const auto extendedError = SYSTEM_FUNCTION(L"comdlg32.dll", CommDlgExtendedError);
    return extendedError ? extendedError() : CDERR_INITIALIZATION;
}

std::string Today() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char text[16];
    wsprintfA(text, "%04d-%02d-%02d", now.wYear, now.wMonth, now.wDay);
    return text;
}

// The paper of a printer's device context in 0.1 mm, and its pixels to 0.1 mm.
struct DevicePaper {
    Tenths width = 0, height = 0;
    double scale = 0;  // device pixels a tenth of a millimetre
    int offsetX = 0, offsetY = 0;  // the printable area's corner on the paper, pixels
};

DevicePaper PaperOf(HDC dc) {
    DevicePaper paper;
    const int dpi = std::max(1, GetDeviceCaps(dc, LOGPIXELSY));
    paper.scale = dpi / 254.0;
    paper.width = static_cast<Tenths>(std::lround(GetDeviceCaps(dc, PHYSICALWIDTH) * 254.0 / std::max(1, GetDeviceCaps(dc, LOGPIXELSX))));
    paper.height = static_cast<Tenths>(std::lround(GetDeviceCaps(dc, PHYSICALHEIGHT) * 254.0 / dpi));
    paper.offsetX = GetDeviceCaps(dc, PHYSICALOFFSETX);
    paper.offsetY = GetDeviceCaps(dc, PHYSICALOFFSETY);
    return paper;
}

}  // namespace

Win32PrintService::Win32PrintService() = default;

Win32PrintService::~Win32PrintService() {
    if (devMode_) GlobalFree(devMode_);
    if (devNames_) GlobalFree(devNames_);
}

void Win32PrintService::Say(HWND owner, const char* text, bool warning) const {
    MessageBoxW(owner, Widen(text).c_str(), Widen(warning ? kWarningCaption : kHintCaption).c_str(),
                MB_OK | (warning ? MB_ICONWARNING : MB_ICONINFORMATION));
}

bool Win32PrintService::AnyPrinter() const {
    static const auto enumPrinters = SYSTEM_FUNCTION(L"winspool.drv", EnumPrintersW);
    if (!enumPrinters) return false;
    DWORD needed = 0, count = 0;
    enumPrinters(PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS, nullptr, 4, nullptr, 0, &needed, &count);
    return needed > 0;
}

// The default printer's settings, once, so that the preview shows its paper.
bool Win32PrintService::DefaultPrinter() {
    if (devNames_) return true;
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.Flags = PD_RETURNDEFAULT;
    if (!PrintDialog(dialog)) return false;
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    return devNames_ != nullptr;
}

PaperSize Win32PrintService::Paper() {
    PaperSize paper;  // A4 where no printer tells otherwise
    if (AnyPrinter() && DefaultPrinter()) {
        const auto* names = static_cast<const DEVNAMES*>(GlobalLock(devNames_));
        const auto* mode = devMode_ ? static_cast<const DEVMODEW*>(GlobalLock(devMode_)) : nullptr;
        const wchar_t* base = reinterpret_cast<const wchar_t*>(names);
        HDC info = CreateICW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
        if (mode) GlobalUnlock(devMode_);
        GlobalUnlock(devNames_);
        if (info) {
            const DevicePaper device = PaperOf(info);
            if (device.width > 0 && device.height > 0) {
                paper.width = device.width;
                paper.height = device.height;
            }
            DeleteDC(info);
        }
    }
    paper.left = margins_[0];
    paper.top = margins_[1];
    paper.right = margins_[2];
    paper.bottom = margins_[3];
    return paper;
}

bool Win32PrintService::PageSetup(HWND owner) {
    if (!AnyPrinter()) {
        Say(owner, kNoPrinterText, false);
        return false;
    }
    DefaultPrinter();
    PAGESETUPDLGW setup{};
    setup.lStructSize = sizeof setup;
    setup.hwndOwner = owner;
    setup.hDevMode = devMode_;
    setup.hDevNames = devNames_;
    setup.Flags = PSD_INHUNDREDTHSOFMILLIMETERS | PSD_MARGINS;
    setup.rtMargin = {margins_[0] * 10, margins_[1] * 10, margins_[2] * 10, margins_[3] * 10};
    if (!PageSetupDialog(setup)) {
        // The dialog may have replaced the handles even when cancelled.
        devMode_ = setup.hDevMode;
        devNames_ = setup.hDevNames;
        return false;
    }
    devMode_ = setup.hDevMode;
    devNames_ = setup.hDevNames;
    margins_[0] = setup.rtMargin.left / 10;
    margins_[1] = setup.rtMargin.top / 10;
    margins_[2] = setup.rtMargin.right / 10;
    margins_[3] = setup.rtMargin.bottom / 10;
    return true;
}

std::vector<PrintedPage> Win32PrintService::Layout(const PrintDocument& document, const PaperSize& paper) {
    return document.layout(paper, measure_, Today());
}

void Win32PrintService::Preview(const PrintDocument& document) {
    if (!preview_) {
        preview_ = std::make_unique<PrintPreviewWindow>(*this);
        preview_->Create(IDD_PRINTPREVIEW, owner_);
    }
    preview_->Show(owner_, document);
}

void Win32PrintService::DocumentChanged() {
    if (preview_ && IsWindowVisible(preview_->Hwnd())) preview_->Relayout(true, false);
}

void Win32PrintService::PrintOwnedBy(HWND owner, const PrintDocument& document) {
    if (!AnyPrinter()) {
        Say(owner, kNoPrinterText, false);
        return;
    }
    DefaultPrinter();
    const int pageCount = static_cast<int>(Layout(document, Paper()).size());
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hDevMode = devMode_;
    dialog.hDevNames = devNames_;
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOCURRENTPAGE;
    dialog.nMinPage = 1;
    dialog.nMaxPage = static_cast<WORD>(std::min(pageCount, 0xFFFF));
    dialog.nFromPage = 1;
    dialog.nToPage = dialog.nMaxPage;
    dialog.nCopies = 1;
    const bool chosen = PrintDialog(dialog);
    devMode_ = dialog.hDevMode;
    devNames_ = dialog.hDevNames;
    // The dialog may have changed the printer or its paper: the preview shows them.
    if (preview_ && IsWindowVisible(preview_->Hwnd())) preview_->Relayout(true, true);
    if (!chosen) {
        const DWORD error = DialogError();
        if (error == PDERR_NODEFAULTPRN || error == PDERR_NODEVICES) Say(owner, kNoPrinterText, false);
        else if (error != 0) Say(owner, kPrintFailedText, true);
        return;  // cancelled: nothing to say
    }
    HDC dc = dialog.hDC;
    const DevicePaper device = PaperOf(dc);
    PaperSize paper = Paper();
    if (device.width > 0 && device.height > 0) {
        paper.width = device.width;
        paper.height = device.height;
    }
    const std::vector<PrintedPage> pages = Layout(document, paper);
    int from = 1, to = static_cast<int>(pages.size());
    if (dialog.Flags & PD_PAGENUMS) {
        from = std::max<int>(1, dialog.nFromPage);
        to = std::min<int>(to, dialog.nToPage);
    }
    const std::wstring name = Widen(document.name);
    DOCINFOW info{};
    info.cbSize = sizeof info;
    info.lpszDocName = name.c_str();
    bool printed = StartDocW(dc, &info) > 0;
    for (int copy = 0; printed && copy < std::max<int>(1, dialog.nCopies); ++copy)
        for (int page = from; printed && page <= to; ++page) {
            printed = StartPage(dc) > 0;
            if (!printed) break;
            DrawPrintedPage(dc, pages[page - 1], device.scale, -device.offsetX, -device.offsetY);
            printed = EndPage(dc) > 0;
        }
    if (printed) printed = EndDoc(dc) > 0;
    else AbortDoc(dc);
    DeleteDC(dc);
    if (!printed) Say(owner, kPrintFailedText, true);
}

}  // namespace mw
