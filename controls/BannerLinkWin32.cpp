// The banner link: hover tracking by a 100 ms timer, the hand cursor, an empty tooltip.
#include "controls/BannerLinkWin32.h"

#include <commctrl.h>

#include <string>

#include "kit/DpiWin32.h"

namespace mw {

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverPeriodMs = 100;
constexpr int kHelpHandCursor = 106;  // the hand among the help program's cursors
constexpr COLORREF kHoverColour = RGB(255, 0, 0);
constexpr COLORREF kLinkColour = RGB(0, 0, 238);
constexpr int kTipDelayMs = 100;
constexpr int kTipWidth = 200;  // pixels at 96 dots per inch

// The hand cursor of the help program in the Windows folder, copied so that the program can be
// freed at once; null when there is none.
HCURSOR HelpHandCursor() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::wstring path = std::wstring(folder) + L"\\winhlp32.exe";
    HMODULE help = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!help) return nullptr;
    HCURSOR hand = LoadCursorW(help, MAKEINTRESOURCEW(kHelpHandCursor));
    HCURSOR copy = hand ? reinterpret_cast<HCURSOR>(CopyIcon(reinterpret_cast<HICON>(hand))) : nullptr;
    FreeLibrary(help);
    return copy;
}

}  // namespace

BannerLink::~BannerLink() {
    if (ownHand_) DestroyCursor(hand_);
}

bool BannerLink::Attach(HWND control) {
    if (!ControlSubclass::Attach(control)) return false;
    SetWindowLongW(control, GWL_STYLE, GetWindowLongW(control, GWL_STYLE) | SS_NOTIFY);
    hand_ = HelpHandCursor();
    ownHand_ = hand_ != nullptr;
    if (!hand_) hand_ = LoadCursorW(nullptr, IDC_HAND);  // the system's own, where the help program is missing

    HWND tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tip) {
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;  // the whole structure is refused by tooltips before version 6
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = control;
        tool.uId = 1;
        GetClientRect(control, &tool.rect);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(tip, TTM_SETDELAYTIME, TTDT_AUTOMATIC, kTipDelayMs);
        SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, ScaledPixels(kTipWidth));
    }
    return true;
}

void BannerLink::OnMouseMove() {
    if (hover_) return;
    hover_ = true;
    InvalidateRect(Hwnd(), nullptr, FALSE);
    SetTimer(Hwnd(), kHoverTimer, kHoverPeriodMs, nullptr);
}

void BannerLink::OnTimer() {
    const DWORD at = GetMessagePos();
    POINT point = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ScreenToClient(Hwnd(), &point);
    RECT client;
    GetClientRect(Hwnd(), &client);
    if (PtInRect(&client, point)) return;
    hover_ = false;
    KillTimer(Hwnd(), kHoverTimer);
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void BannerLink::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    const int length = GetWindowTextLengthW(Hwnd());
    if (length > 0) {
        std::wstring text(length + 1, L'\0');
        text.resize(GetWindowTextW(Hwnd(), &text[0], length + 1));
        RECT client;
        GetClientRect(Hwnd(), &client);
        HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(Hwnd(), WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, hover_ ? kHoverColour : kLinkColour);
        DrawTextW(dc, text.c_str(), -1, &client, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, oldFont);
    }
    EndPaint(Hwnd(), &paint);
}

bool BannerLink::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_MOUSEMOVE:   OnMouseMove(); return false;
        case WM_TIMER:       if (wParam != kHoverTimer) return false; OnTimer(); return true;
        case WM_PAINT:       OnPaint(); return true;
        // A hollow background: what lies behind shows through.
        case WM_ERASEBKGND:  result = TRUE; return true;
        case WM_SETCURSOR:   if (!hand_) return false; SetCursor(hand_); result = TRUE; return true;
        case WM_NCDESTROY:   KillTimer(Hwnd(), kHoverTimer); return false;
        default:             return false;
    }
}

}  // namespace mw
