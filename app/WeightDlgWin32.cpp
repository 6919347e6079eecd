// Main window plumbing: template 102, its pages and tool windows, timers, menus and geometry.
#include "app/WeightDlgWin32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/ProgramFiles.h"
#include "app/WeightAboutDlgWin32.h"
#include "kit/ClipboardWin32.h"
#include "kit/DpiWin32.h"
#include "kit/Utf16Win32.h"
#include "app/WebPages.h"
#include "custom/DINGYICAILIAOWin32.h"
#include "cutplan/CutPlanDlgWin32.h"
#include "kit/ProcessStarterWin32.h"
#include "kit/SystemLibraryWin32.h"
#include "lookup/LookupDlgWin32.h"
#include "settings/FilesPlaceWin32.h"
#include "settings/SettingsFile.h"
#include "pages/TAB1.h"
#include "pages/TAB2.h"
#include "pages/TAB3.h"
#include "update/UpDateWin32.h"
#include "res/resource.h"
#include "tasks/RENWUWin32.h"
#include "tools/AILIAOMIDUWin32.h"
#include "tools/DANWEIWin32.h"
#include "tools/HANGUANWin32.h"
#include "tools/WeightListDlgWin32.h"
#include "tools/ZHOUCHENGWin32.h"

namespace mw {

namespace {

const int kToolTemplates[kToolCount] = {IDD_HANGUAN, IDD_AILIAOMIDU, IDD_DANWEI,
                                        IDD_ZHOUCHENG, IDD_RENWU, IDD_DINGYICAILIAO, IDD_WEIGHTLIST,
                                        IDD_CUTPLAN, IDD_LOOKUP};
const int kPageTemplates[CWeightDlg::kPageCount] = {IDD_TAB1, IDD_TAB2, IDD_TAB3};
// Pixels at 96 dots per inch, scaled to the screen where they are used.
constexpr int kTabHeaderHeight = 20;  // pages sit below the tab row
constexpr int kPageLeftShift = 2;     // and reach this far left of the tab's client area
constexpr int kToolsMenuLift = 115;   // the tools menu opens this far above the cursor
constexpr int kBitmapMargin = 4;      // the calculator button's edge around its bitmap
constexpr int kTabPaddingX = 6, kTabPaddingY = 3;  // the tab control's own padding at 96
const wchar_t kBannerType[] = L"Gif";

TrayMouse TrayMouseOf(LPARAM message) {
    switch (message) {
        case WM_LBUTTONUP:     return TrayMouse::LeftUp;
        case WM_LBUTTONDBLCLK: return TrayMouse::LeftDoubleClick;
        case WM_RBUTTONUP:     return TrayMouse::RightUp;
        default:               return TrayMouse::Other;
    }
}

// An edit's notices of typing and of the caret coming or going (no other control of the window
// sends these codes).
bool IsEditTyping(WORD notification) {
    return notification == EN_CHANGE || notification == EN_UPDATE || notification == EN_SETFOCUS ||
           notification == EN_KILLFOCUS;
}

}  // namespace

WeightDlgWindow::WeightDlgWindow(SettingsFile& settings, WeightList& weights, std::string weightsSetAside,
                                 HANDLE instanceMutex)
    : clipboard_(new Win32Clipboard()),
      logic_(surface_, *this, *clipboard_, settings),
      settings_(settings),
      weights_(weights),
      weightsSetAside_(std::move(weightsSetAside)),
      trayWindow_(instanceMutex, [this] { for (int page : {1, 2}) pages_[page].DeleteListFonts(); }),
      tray_(trayWindow_, desktop_, settings),
      dock_(*this, desktop_),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")) {
    logic_.SetWeightList(&weights_, &clock_, [this] {
        if (auto* list = static_cast<WeightListDlgWindow*>(tools_[kToolWeightListDlg].get())) list->Logic().Refresh();
    });
}

WeightDlgWindow::~WeightDlgWindow() {
    if (calculatorBitmap_) DeleteObject(calculatorBitmap_);
}

bool WeightDlgWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_COMMAND:
            // A keystroke in the density or statistics edit, or the caret moving there, needs
            // nothing that is still to be built (a page built later computes with the density of
            // its day) and waits for none; nor does the end of the program.
            if (!IsEditTyping(HIWORD(wParam)) && LOWORD(wParam) != IDM_EXIT) FinishStart();
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) != SC_CLOSE) FinishStart();
            break;
        case WM_NOTIFY:
            // A control drawing itself asks nothing: were the first paint's custom-draw notices
            // to finish the start, the rest of it would be built in one go, typing waiting behind.
            if (reinterpret_cast<const NMHDR*>(lParam)->code != static_cast<UINT>(NM_CUSTOMDRAW)) FinishStart();
            break;
        case WM_HOTKEY: case TrayShell::kIconMessage:
            FinishStart();  // what the user asks for finds the whole window
            break;
        default:
            break;
    }
    if (message == taskbarCreated_) {
        tray_.OnTaskbarCreated();
        return false;
    }
    switch (message) {
        case WM_INITDIALOG:   OnInitDialog(); result = TRUE; return true;
        case WM_COMMAND:      OnCommandMessage(wParam); return true;
        case WM_NOTIFY:       return OnNotify(reinterpret_cast<NMHDR*>(lParam), result);
        case WM_TIMER:        OnTimer(static_cast<int>(wParam)); return false;
        case WM_SYSCOMMAND:   return OnSysCommand(wParam);
        case WM_PAINT:        return OnPaint();
        case WM_MOVING:       OnMoving(reinterpret_cast<RECT*>(lParam)); return false;
        case WM_NCHITTEST:    dock_.OnHitTest(GET_X_LPARAM(lParam)); return false;
        case WM_HOTKEY:       tray_.OnHotKey(); result = 0; return true;
        case TrayShell::kIconMessage:
            result = tray_.OnIconMessage(static_cast<unsigned>(wParam), TrayMouseOf(lParam));
            return true;
        case WM_QUERYDRAGICON: result = reinterpret_cast<INT_PTR>(icon_); return true;
        case WM_CLOSE:        Exit(); return true;
        default:              return false;
    }
}

// Start-up in steps, so that the window is on the screen before most of it is built: first the
// window itself with its settings bar, page one and hot key, all before it shows, so that its
// first paint has page one in it and page one takes typing at once; then, one step per timer
// tick, the notification-area icon (at once when the window starts put away), the other pages,
// the banner, the update check, the tooltips and the tool windows. Each step first paints what
// is waiting to be painted, so the window is drawn before the next piece is built, and a step
// never starts while typing waits (timer ticks come after input, and a step finding input
// queued gives way to it). Anything the user or another program asks of the window, except a
// keystroke or the end of the program, first finishes the start at once (FinishStart).
void WeightDlgWindow::OnInitDialog() {
    Building building(building_);
    surface_.Attach(Hwnd());
    clipboard_->SetOwner(Hwnd());  // the window owns what it copies
    tab_.Attach(GetDlgItem(Hwnd(), IDC_TAB));
    // The tab control pads its items by fixed pixels; at the display's scale the titles keep room.
    SendMessageW(GetDlgItem(Hwnd(), IDC_TAB), TCM_SETPADDING, 0,
                 MAKELPARAM(ScaledPixels(kTabPaddingX), ScaledPixels(kTabPaddingY)));
    trayWindow_.Attach(Hwnd());
    dock_.Measure();
    logic_.InitTabs();
    calculatorBitmap_ = LoadScaledBitmap(IDB_CALCULATOR);
    HWND calculator = GetDlgItem(Hwnd(), IDC_CALCULATOR);
    SendMessageW(calculator, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(calculatorBitmap_));
    BITMAP bitmap = {};
    if (calculatorBitmap_ && GetObjectW(calculatorBitmap_, sizeof bitmap, &bitmap))
        SetWindowPos(calculator, nullptr, 0, 0, bitmap.bmWidth + ScaledPixels(kBitmapMargin),
                     bitmap.bmHeight + ScaledPixels(kBitmapMargin), SWP_NOMOVE | SWP_NOZORDER);
    logic_.MeasureFullSize();
    logic_.InitSettingsBar();
    AppendAboutToSystemMenu();
    icon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    accelerators_ = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINACCEL));
    SendMessageW(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    logic_.StartDelayedCollapse();
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    SetWindowLongW(Hwnd(), GWL_EXSTYLE, GetWindowLongW(Hwnd(), GWL_EXSTYLE) & ~WS_EX_APPWINDOW);
    CreatePage(0);
    startStep_ = 1;
    tray_.StartBeforeIcon();
    SetTimer(Hwnd(), kStartTimer, 0, nullptr);
}

void WeightDlgWindow::ContinueStart() {
    if (building_) return;  // a message sent while a step runs waits for the next one
    Building building(building_);
    // Timer ticks can come before pending paints: draw what has been built so far first.
    RedrawWindow(Hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const int step = startStep_++;
    switch (step) {
        case 1:
            tray_.AddIcon();
            break;
        case 2: case 3:
            CreatePage(step - 1);
            break;
        case 4:
            // The banner and its link lie below the window's visible height.
            banner_.Attach(GetDlgItem(Hwnd(), IDC_BANNER));
            LoadBanner();
            bannerLink_.Attach(GetDlgItem(Hwnd(), IDC_BANNER_LINK));
            EnableWindow(GetDlgItem(Hwnd(), IDC_BANNER_LINK), *kWebPages.home != '\0');
            break;
        case 5:
            CleanUpAfterUpdate(RefreshTrayArea);
            StartUpdateCheck(ProgramFiles());
            EnableTooltips(Hwnd());
            for (PageWindow& page : pages_) page.EnableTooltips();
            break;
        default:
            CreateToolWindow(static_cast<ToolWindow>(step - kStepsBeforeTools));
            break;
    }
    if (StartDone()) KillTimer(Hwnd(), kStartTimer);
}

void WeightDlgWindow::FinishStart() {
    while (!building_ && !StartDone()) ContinueStart();
}

void WeightDlgWindow::CreatePage(int index) {
    constexpr int kDraftQuality = 1, kCleartypeQuality = 5;
    PageWindow& page = pages_[index];
    switch (index) {
        case 0:
            page.SetLogic(std::make_unique<CTAB1>(page.Surface(), logic_));
            break;
        case 1:
            page.UseListFont(ListFont::Small, 4, kDraftQuality);
            page.SetLogic(std::make_unique<CTAB2>(page.Surface(), logic_));
            break;
        default:
            page.UseListFont(ListFont::Wide, 5, kCleartypeQuality);
            page.UseListFont(ListFont::Narrow, 4, kCleartypeQuality);
            page.SetLogic(std::make_unique<CTAB3>(page.Surface(), logic_));
            break;
    }
    HWND tab = GetDlgItem(Hwnd(), IDC_TAB);
    page.Create(kPageTemplates[index], tab);
    const RECT area = PageArea(tab);
    MoveWindow(page.Hwnd(), area.left, area.top, area.right - area.left, area.bottom - area.top, FALSE);
    logic_.AddPage(index, page.Logic());
}

// The pages' place in the tab control's client area: below the tab row and below the settings
// bar that shares the row's height, both of which grow with the screen's dots per inch.
RECT WeightDlgWindow::PageArea(HWND tab) const {
    RECT area;
    GetClientRect(tab, &area);
    RECT tabOnScreen = area;
    MapWindowPoints(tab, nullptr, reinterpret_cast<POINT*>(&tabOnScreen), 2);
    int top = area.top + ScaledPixels(kTabHeaderHeight);
    const int items = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < items; ++i) {
        RECT item;
        if (SendMessageW(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item)))
            top = std::max(top, static_cast<int>(item.bottom));
    }
    const int middle = (tabOnScreen.top + tabOnScreen.bottom) / 2;
    for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r;
        if (child == tab || !GetWindowRect(child, &r)) continue;
        if (r.right <= tabOnScreen.left || r.left >= tabOnScreen.right || r.top >= middle ||
            r.bottom <= tabOnScreen.top)
            continue;  // not in the tab control's upper half
        top = std::max(top, static_cast<int>(r.bottom - tabOnScreen.top));
    }
    area.top = std::min(top, static_cast<int>(area.bottom));
    area.left -= ScaledPixels(kPageLeftShift);
    return area;
}

// A bitmap resource at the screen's scale.
HBITMAP WeightDlgWindow::LoadScaledBitmap(int id) const {
    HINSTANCE module = GetModuleHandleW(nullptr);
    auto bitmap = static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    BITMAP size = {};
    if (!bitmap || SystemDpi() == kDesignDpi || !GetObjectW(bitmap, sizeof size, &size)) return bitmap;
    auto scaled = static_cast<HBITMAP>(LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_BITMAP,
        ScaledPixels(size.bmWidth), ScaledPixels(size.bmHeight), LR_DEFAULTCOLOR));
    if (!scaled) return bitmap;
    DeleteObject(bitmap);
    return scaled;
}

// The window of a tool with content, the bare frame for the others.
std::unique_ptr<ToolWindowFrame> WeightDlgWindow::NewToolWindow(ToolWindow tool, std::function<void()> onClosed) {
    switch (tool) {
        case kToolHANGUAN: return std::make_unique<HANGUANWindow>(std::move(onClosed));
        case kToolAILIAOMIDU:    return std::make_unique<AILIAOMIDUWindow>(std::move(onClosed));
        case kToolDANWEI:  return std::make_unique<DANWEIWindow>(std::move(onClosed));
        case kToolZHOUCHENG: return std::make_unique<ZHOUCHENGWindow>(std::move(onClosed));
        case kToolDINGYICAILIAO:  return std::make_unique<DINGYICAILIAOWindow>(std::move(onClosed), settings_, [this] { Exit(); });
        case kToolRENWU:   return std::make_unique<RENWUWindow>(settings_, std::move(onClosed));
        case kToolWeightListDlg: return std::make_unique<WeightListDlgWindow>(std::move(onClosed), weights_, logic_.Settings(),
                                                                     weightsSetAside_, &settings_);
        case kToolCutPlanDlg:
            return std::make_unique<CutPlanDlgWindow>(
                std::move(onClosed), ProgramFilesPlace().PathOf(kCutJobFile.name), weights_,
                CutPlanServices{[this] { return logic_.ShownMaterial(); }, [this] { return logic_.NowText(); }, nullptr,
                                &settings_.Store()});
        case kToolLookupDlg: return std::make_unique<LookupDlgWindow>(std::move(onClosed), lookupTarget_);
        default:           return std::make_unique<ToolWindowFrame>(std::move(onClosed));
    }
}

void WeightDlgWindow::CreateToolWindow(ToolWindow tool) {
    if (tools_[tool]) return;  // asked for before its step came
    // A dialog built hidden still gives its first control the focus, and with it becomes the
    // thread's active window: the window the user is typing in keeps both.
    HWND active = GetActiveWindow();
    HWND focus = GetFocus();
    tools_[tool] = NewToolWindow(tool, [this, tool] { logic_.ToolWindowClosed(tool); });
    tools_[tool]->Create(kToolTemplates[tool], nullptr);
    if (active && GetActiveWindow() != active && IsWindow(active)) SetActiveWindow(active);
    if (focus && GetFocus() != focus && IsWindow(focus)) SetFocus(focus);
}

void WeightDlgWindow::AppendAboutToSystemMenu() {
    wchar_t about[128] = {};
    if (!LoadStringW(GetModuleHandleW(nullptr), IDS_ABOUTBOX, about, 128) || !about[0]) return;
    HMENU menu = GetSystemMenu(Hwnd(), FALSE);
    if (!menu) return;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, about);
}

// The tools menu toggles the lookup window like the others; Ctrl+F (an accelerator) only opens it.
// Either way an open window gets the keys.
void WeightDlgWindow::OpenLookup(bool fromKeyboard) {
    if (fromKeyboard) logic_.OpenLookup();
    else logic_.OnCommand(IDM_LOOKUP, Notify::Click);
    if (logic_.ToolShown(kToolLookupDlg) && tools_[kToolLookupDlg])
        static_cast<LookupDlgWindow*>(tools_[kToolLookupDlg].get())->Focus();
}

bool WeightDlgWindow::LookupTargetOfWindow::SendToCalculator(int page, const SizeChoice& choice) {
    SetForegroundWindow(window_.Hwnd());
    return window_.logic_.SendToCalculator(page, choice);
}

void WeightDlgWindow::OnCommandMessage(WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL) return;  // neither Enter nor Esc closes the window
    if (id == IDM_SHOW) return tray_.OnShowCommand();
    if (id == IDM_LOOKUP) return OpenLookup(HIWORD(wParam) == 1);
    Notify what;
    if (CommandNotify(wParam, what)) logic_.OnCommand(id, what);
}

bool WeightDlgWindow::OnNotify(NMHDR* header, INT_PTR& result) {
    if (header->idFrom == IDC_TAB && header->code == TCN_SELCHANGE) {
        logic_.OnTabChange();
        result = 0;
        return true;
    }
    if (header->code == TTN_GETDISPINFOW) {
        const int id = TooltipControlId(header);
        if (id == 0) return false;
        const std::string text = logic_.TooltipText(id);
        if (!text.empty()) {
            tooltip_ = Widen(text);
            reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = &tooltip_[0];
        }
        return true;
    }
    return false;
}

bool WeightDlgWindow::OnSysCommand(WPARAM command) {
    switch (command & 0xFFF0) {
        case IDM_ABOUTBOX: ShowAbout(); return true;
        case SC_MINIMIZE:  tray_.OnMinimise(); return true;
        case SC_CLOSE:     Exit(); return true;
        default:           return false;
    }
}

void WeightDlgWindow::OnTimer(int id) {
    if (id == kStartTimer) {
        if (HIWORD(GetQueueStatus(QS_INPUT)) == 0) ContinueStart();  // else typing comes first
        return;
    }
    logic_.OnTimer(id);
    dock_.OnTimer(id);
}

bool WeightDlgWindow::OnPaint() {
    if (!IsIconic(Hwnd())) {
        tray_.OnPaint();
        return false;
    }
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    SendMessageW(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (client.right - cx + 1) / 2, (client.bottom - cy + 1) / 2, icon_);
    EndPaint(Hwnd(), &paint);
    return true;
}

void WeightDlgWindow::OnMoving(RECT* proposed) {
    const ScreenRect r = dock_.OnMoving({proposed->left, proposed->top, proposed->right, proposed->bottom});
    *proposed = {r.left, r.top, r.right, r.bottom};
}

ScreenRect WeightDlgWindow::WindowRect() const {
    RECT r;
    GetWindowRect(Hwnd(), &r);
    return {r.left, r.top, r.right, r.bottom};
}

ScreenRect WeightDlgWindow::ControlRect(int id) const {
    RECT r;
    GetWindowRect(GetDlgItem(Hwnd(), id), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void WeightDlgWindow::ResizeWindow(int width, int height) {
    SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

void WeightDlgWindow::PlaceTopMost(const ScreenRect& r) {
    SetWindowPos(Hwnd(), HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE);
}

void WeightDlgWindow::SetTopMost(bool topMost) {
    SetWindowPos(Hwnd(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void WeightDlgWindow::StartTimer(int id, unsigned milliseconds) { SetTimer(Hwnd(), id, milliseconds, nullptr); }

void WeightDlgWindow::StopTimer(int id) { KillTimer(Hwnd(), id); }

void WeightDlgWindow::ShowPage(int index, bool shown) {
    if (pages_[index].Hwnd()) ShowWindow(pages_[index].Hwnd(), shown ? SW_SHOW : SW_HIDE);
}

void WeightDlgWindow::TrackToolsMenu() {
    POINT cursor = {};
    GetCursorPos(&cursor);
    TrackMenu(Hwnd(), IDR_TOOLSMENU, cursor.x, cursor.y - ScaledPixels(kToolsMenuLift));
}

void WeightDlgWindow::ShowToolWindow(ToolWindow tool, bool shown) {
    // A command can arrive while a step of the start waits on another program (the icon's step
    // does), when the start cannot be finished first: the window asked for is built at once.
    if (shown) CreateToolWindow(tool);
    if (tools_[tool]) ShowWindow(tools_[tool]->Hwnd(), shown ? SW_SHOW : SW_HIDE);
}

void WeightDlgWindow::MoveToolWindow(ToolWindow tool, int x, int y, bool toTop) {
    if (toTop) CreateToolWindow(tool);  // about to be shown (see ShowToolWindow)
    if (!tools_[tool]) return;
    SetWindowPos(tools_[tool]->Hwnd(), toTop ? HWND_TOP : nullptr, x, y, 0, 0,
                 SWP_NOSIZE | (toTop ? 0 : SWP_NOZORDER) | SWP_NOACTIVATE);
}

void WeightDlgWindow::StartCalculator() {
    ShellOpen(nullptr, "calc.exe");
}

bool WeightDlgWindow::LoadBanner() {
    if (!banner_.Load(MAKEINTRESOURCEW(IDR_BANNER), kBannerType)) return false;
    banner_.SetBackground(kDialogColour);
    banner_.Draw();
    return true;
}

void WeightDlgWindow::ReleaseBanner() { banner_.ReleasePicture(); }

void WeightDlgWindow::ShowAbout() { WeightAboutDlgWindow().Run(Hwnd()); }

void WeightDlgWindow::OpenVendorPage() {
    if (*kWebPages.home) ShellOpen(nullptr, kWebPages.home);
}

void WeightDlgWindow::Exit() { tray_.ExitProgram(); }

}  // namespace mw
