// Cutting plan window plumbing: list views, the solver's thread and its messages, the owner-drawn
// bar diagram, the clipboard's text and the save dialog.
#include "cutplan/CutPlanDlgWin32.h"

#include <commctrl.h>

#include "cutplan/CutDiagram.h"
#include "cutplan/CutSolver.h"
#include "kit/Utf16Win32.h"
#include "res/resource.h"
#include "settings/SettingsFile.h"

namespace mw {

namespace {

constexpr UINT kSolveProgress = WM_APP + 20;  // WPARAM: the share done in thousandths
constexpr UINT kSolveDone = WM_APP + 21;  // LPARAM: kSolveFailed when no plan could be made
constexpr LPARAM kSolveFailed = 1;
constexpr double kSolveSeconds = 2.0;
constexpr int kProgressRange = 1000;

CutPlanServices WithFiles(CutPlanServices services, CutJobFiles& files, OffcutStock& offcuts) {
    services.jobFiles = &files;
    services.offcuts = &offcuts;
    return services;
}

const COLORREF kPieceColours[] = {RGB(120, 170, 230), RGB(140, 200, 140), RGB(230, 190, 110), RGB(200, 150, 210)};

}  // namespace

CutPlanDlgWindow::CutPlanDlgWindow(std::function<void()> onClosed, const std::string& jobPath, WeightList& list,
                                   CutPlanServices services)
    : ToolWindowFrame(std::move(onClosed)),
      jobFile_(files_, jobPath),
      offcuts_(files_, PathBesideExecutable(jobPath, kOffcutStockFile.name)),  // beside the job's file
      logic_(Surface(), jobFile_, list, clipboard_, *this, exports_, *this,
             WithFiles(std::move(services), jobFiles_, offcuts_)) {
    SetLogic(&logic_);
    logic_.SetPrinting(&printing_);
    UseShortcuts(IDR_PRINTACCEL);  // Ctrl+P prints
}

CutPlanDlgWindow::~CutPlanDlgWindow() {
    cancel_ = true;
    Join();
}

void CutPlanDlgWindow::Join() {
    if (!worker_) return;
    WaitForSingleObject(worker_, INFINITE);
    CloseHandle(worker_);
    worker_ = nullptr;
}

void CutPlanDlgWindow::OnInit() {
    clipboard_.SetOwner(Hwnd());
    printing_.SetOwner(Hwnd());
    for (int id : {IDC_CUT_STOCK_LIST, IDC_CUT_PIECE_LIST, IDC_CUT_RESULT, IDC_CUT_SECTIONS})
        SendDlgItemMessageW(Hwnd(), id, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    SendDlgItemMessageW(Hwnd(), IDC_CUT_PROGRESS, PBM_SETRANGE32, 0, kProgressRange);
    logic_.OnInitDialog();
}

bool CutPlanDlgWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if ((header->idFrom == IDC_CUT_PIECE_LIST || header->idFrom == IDC_CUT_SECTIONS) &&
                header->code == LVN_ITEMCHANGED) {
                const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
                if ((change->uNewState ^ change->uOldState) & LVIS_SELECTED && (change->uNewState & LVIS_SELECTED)) {
                    logic_.OnCommand(static_cast<int>(header->idFrom), Notify::SelChange);
                    // The diagram follows the section chosen.
                    if (header->idFrom == IDC_CUT_SECTIONS)
                        InvalidateRect(GetDlgItem(Hwnd(), IDC_CUT_DIAGRAM), nullptr, TRUE);
                }
                result = 0;
                return true;
            }
            return false;
        }
        case WM_DRAWITEM:
            if (wParam != IDC_CUT_DIAGRAM) return false;
            DrawDiagram(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            result = TRUE;
            return true;
        case kSolveProgress:
            SendDlgItemMessageW(Hwnd(), IDC_CUT_PROGRESS, PBM_SETPOS, wParam, 0);
            logic_.OnProgress(static_cast<double>(wParam) / kProgressRange);
            return true;
        case kSolveDone: {
            std::unique_ptr<CutPlan> plan;
            {
                std::lock_guard<std::mutex> lock(resultLock_);
                plan = std::move(result_);
            }
            Join();
            if (!plan && lParam == kSolveFailed) {
                CutPlan failed;
                failed.message = "内存不够, 无法计算这个方案";
                logic_.OnSolved(failed);
            }
            if (!plan) return true;
            SendDlgItemMessageW(Hwnd(), IDC_CUT_PROGRESS, PBM_SETPOS, plan->stopped ? 0 : kProgressRange, 0);
            logic_.OnSolved(*plan);
            InvalidateRect(GetDlgItem(Hwnd(), IDC_CUT_DIAGRAM), nullptr, TRUE);
            return true;
        }
        default:
            return ToolWindowFrame::OnMessage(message, wParam, lParam, result);
    }
}

struct CutPlanDlgWindow::SolveRequest {
    CutPlanDlgWindow* owner;
    HWND window;
    CutJob job;
};

DWORD WINAPI CutPlanDlgWindow::SolveThread(void* param) {
    std::unique_ptr<SolveRequest> request(static_cast<SolveRequest*>(param));
    const HWND window = request->window;
    PackControl control;
    control.cancel = &request->owner->cancel_;
    control.seconds = kSolveSeconds;
    control.progress = [window](double share, const PackPlan&) {
        PostMessageW(window, kSolveProgress, static_cast<WPARAM>(share * kProgressRange), 0);
    };
    // Nothing thrown leaves this thread: a plan that cannot be made in memory is said instead.
    std::unique_ptr<CutPlan> plan;
    try {
        plan = std::make_unique<CutPlan>(SolveCutJob(request->job, control));
    } catch (...) {
        plan.reset();
    }
    const bool failed = !plan;
    {
        std::lock_guard<std::mutex> lock(request->owner->resultLock_);
        request->owner->result_ = std::move(plan);
    }
    PostMessageW(window, kSolveDone, 0, failed ? kSolveFailed : 0);
    return 0;
}

void CutPlanDlgWindow::Start(const CutJob& job) {
    Join();
    cancel_ = false;
    SendDlgItemMessageW(Hwnd(), IDC_CUT_PROGRESS, PBM_SETPOS, 0, 0);
    auto request = std::make_unique<SolveRequest>(SolveRequest{this, Hwnd(), job});
    worker_ = CreateThread(nullptr, 0, SolveThread, request.get(), 0, nullptr);
    if (worker_) request.release();
    else SolveThread(request.release());  // no thread to be had: the window waits for its plan
}

void CutPlanDlgWindow::Cancel() { cancel_ = true; }

// Pieces as filled, labelled segments, the offcut hatched, every size in pixels of the control,
// so the picture follows the window's scale.
void CutPlanDlgWindow::DrawDiagram(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    const RECT area = item.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    const int width = area.right - area.left, height = area.bottom - area.top;
    const std::vector<DiagramRow> rows = LayoutCutDiagram(logic_.Plan(), width - 4, height - 4);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    HBRUSH barBrush = CreateSolidBrush(RGB(200, 200, 200));
    HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, RGB(90, 90, 90));
    HBRUSH frame = GetSysColorBrush(COLOR_WINDOWTEXT);
    const int x0 = area.left + 2, y0 = area.top + 2;
    for (const DiagramRow& row : rows) {
        RECT label = {x0, y0 + row.top, x0 + row.barLeft - 4, y0 + row.bottom};
        std::wstring text = Widen(row.label);
        DrawTextW(dc, text.c_str(), -1, &label, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        RECT bar = {x0 + row.barLeft, y0 + row.top, x0 + row.barRight, y0 + row.bottom};
        FillRect(dc, &bar, barBrush);
        int colour = 0;
        for (const DiagramSegment& piece : row.pieces) {
            RECT r = {x0 + piece.left, bar.top, x0 + piece.right, bar.bottom};
            HBRUSH fill = CreateSolidBrush(kPieceColours[colour++ % 4]);
            FillRect(dc, &r, fill);
            DeleteObject(fill);
            FrameRect(dc, &r, frame);
            std::wstring length = Widen(piece.label);
            if (!piece.mark.empty()) {  // the mark beside the length when the piece is wide enough
                const std::wstring both = length + L" " + Widen(piece.mark);
                SIZE size = {};
                GetTextExtentPoint32W(dc, both.c_str(), static_cast<int>(both.size()), &size);
                if (size.cx + 4 <= r.right - r.left) length = both;
            }
            DrawTextW(dc, length.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        }
        if (row.offcut.right > row.offcut.left) {
            RECT r = {x0 + row.offcut.left, bar.top, x0 + row.offcut.right, bar.bottom};
            SetBkColor(dc, RGB(255, 255, 255));
            SetBkMode(dc, OPAQUE);
            FillRect(dc, &r, hatch);
            SetBkMode(dc, TRANSPARENT);
            std::wstring length = Widen(row.offcut.label);
            DrawTextW(dc, length.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        }
        FrameRect(dc, &bar, frame);
    }
    const std::size_t patterns = logic_.Plan().found ? logic_.Plan().patterns.size() : 0;
    if (rows.size() < patterns) {  // more patterns than the picture holds: the list has them all
        RECT rest = area;
        std::wstring more = Widen("…共 " + std::to_string(patterns) + " 种");
        DrawTextW(dc, more.c_str(), -1, &rest, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    }
    DeleteObject(barBrush);
    DeleteObject(hatch);
    SelectObject(dc, oldFont);
}

std::optional<std::string> CutPlanDlgWindow::ReadText() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(Hwnd())) return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            const SIZE_T bytes = GlobalSize(data);
            text = Narrow(std::wstring(chars, wcsnlen(chars, bytes / sizeof(wchar_t))));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

}  // namespace mw
