// Preview window plumbing: the owner-drawn page, its fit to the window, placement beside the owner.
#include "print/PrintPreviewWin32.h"

#include <algorithm>

#include "kit/DpiWin32.h"
#include "print/PageDrawingWin32.h"
#include "print/PrintServiceWin32.h"
#include "res/resource.h"

namespace mw {

namespace {

const int kBarHeight = 34;  // pixels at 96 dots per inch above the page: the buttons
const int kGap = 8;

}  // namespace

PrintPreviewWindow::PrintPreviewWindow(Win32PrintService& service)
    : ToolWindowFrame(nullptr), service_(service), logic_(Surface()) {
    SetLogic(&logic_);
    logic_.onPageShown = [this] {
        if (HWND area = GetDlgItem(Hwnd(), IDC_PREVIEW_AREA)) InvalidateRect(area, nullptr, TRUE);
    };
    logic_.onPageSetup = [this] {
        if (service_.PageSetup(Hwnd())) Relayout(true, true);
    };
    logic_.onPrint = [this] { service_.PrintOwnedBy(Hwnd(), document_); };
}

void PrintPreviewWindow::OnInit() { Fit(); }

void PrintPreviewWindow::Show(HWND owner, const PrintDocument& document) {
    document_ = document;
    if (!IsWindowVisible(Hwnd())) {
        RECT beside{};
        GetWindowRect(owner, &beside);
        RECT own{};
        GetWindowRect(Hwnd(), &own);  // the template's width holds the buttons
        const int height = std::max<int>(ScaledPixels(640), beside.bottom - beside.top);
        const int width = std::max<int>(own.right - own.left, height * 3 / 4);
        SetWindowPos(Hwnd(), nullptr, beside.right, beside.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Relayout(false, true);
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
}

void PrintPreviewWindow::Relayout(bool keepPage, bool newPaper) {
    if (newPaper) paper_ = service_.Paper();
    pages_ = service_.Layout(document_, paper_);
    logic_.SetPageCount(static_cast<int>(pages_.size()), keepPage);
}

// The page area takes the whole window below the buttons; the page is drawn to fit it.
void PrintPreviewWindow::Fit() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int top = ScaledPixels(kBarHeight);
    MoveWindow(GetDlgItem(Hwnd(), IDC_PREVIEW_AREA), 0, top, client.right, std::max<int>(0, client.bottom - top), TRUE);
}

void PrintPreviewWindow::DrawArea(const DRAWITEMSTRUCT& item) {
    const RECT& area = item.rcItem;
    HBRUSH back = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(item.hDC, &area, back);
    DeleteObject(back);
    if (pages_.empty()) return;
    const int gap = ScaledPixels(kGap);
    const int width = area.right - area.left - 2 * gap;
    const int height = area.bottom - area.top - 2 * gap;
    if (width <= 0 || height <= 0) return;
    const double scale = std::min(static_cast<double>(width) / paper_.width, static_cast<double>(height) / paper_.height);
    const int pageWidth = static_cast<int>(paper_.width * scale);
    const int pageHeight = static_cast<int>(paper_.height * scale);
    const int left = area.left + (area.right - area.left - pageWidth) / 2;
    const int top = area.top + (area.bottom - area.top - pageHeight) / 2;
    RECT paper{left, top, left + pageWidth, top + pageHeight};
    FillRect(item.hDC, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HRGN clip = CreateRectRgnIndirect(&paper);
    SelectClipRgn(item.hDC, clip);
    DrawPrintedPage(item.hDC, pages_[logic_.Shown()], scale, left, top);
    SelectClipRgn(item.hDC, nullptr);
    DeleteObject(clip);
}

bool PrintPreviewWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_SIZE:
            Fit();
            return true;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlID != IDC_PREVIEW_AREA) return false;
            DrawArea(*item);
            result = TRUE;
            return true;
        }
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = {ScaledPixels(360), ScaledPixels(300)};
            return true;
        }
        default:
            return ToolWindowFrame::OnMessage(message, wParam, lParam, result);
    }
}

}  // namespace mw
