// Page dialogs: notifications to the page's logic, tooltips, and the Enter/Esc filter.
#include "pages/PageWindowWin32.h"

#include <commctrl.h>

#include "kit/DpiWin32.h"
#include "kit/Utf16Win32.h"

namespace mw {

namespace {
constexpr int kTipWidth = 300;        // pixels at 96 dots per inch
constexpr int kListFontHeight = 13;  // likewise
}  // namespace

HWND EnableTooltips(HWND dialog) {
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tips) return nullptr;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        TTTOOLINFOW tool = {};
        tool.cbSize = TTTOOLINFOW_V1_SIZE;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    SendMessageW(tips, TTM_SETMAXTIPWIDTH, 0, ScaledPixels(kTipWidth));
    return tips;
}

int TooltipControlId(const NMHDR* header) {
    const auto* info = reinterpret_cast<const NMTTDISPINFOW*>(header);
    if (info->uFlags & TTF_IDISHWND) return GetDlgCtrlID(reinterpret_cast<HWND>(header->idFrom));
    return static_cast<int>(header->idFrom);
}

bool PageWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog();
            result = TRUE;
            return true;
        case WM_COMMAND: {
            Notify what;
            if (!logic_ || !CommandNotify(wParam, what)) return false;
            const int id = LOWORD(wParam);
            if (id == IDOK || id == IDCANCEL) return true;  // a page never closes itself
            logic_->OnCommand(id, what);
            return true;
        }
        case WM_NOTIFY:
            return OnTooltip(reinterpret_cast<NMHDR*>(lParam));
        default:
            return false;
    }
}

PageWindow::~PageWindow() { DeleteListFonts(); }

void PageWindow::DeleteListFonts() {
    for (HFONT font : fonts_) DeleteObject(font);
    fonts_.clear();
}

void PageWindow::OnInitDialog() {
    surface_.Attach(Hwnd());
    for (const FontSpec& spec : fontSpecs_) {
        HFONT font = CreateFontW(ScaledPixels(kListFontHeight), ScaledPixels(spec.width), 0, 0, FW_DONTCARE,
                                 FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_STROKE_PRECIS,
                                 static_cast<DWORD>(spec.quality), VARIABLE_PITCH, L"");
        fonts_.push_back(font);
        surface_.SetListFont(spec.kind, font);
    }
    if (logic_) logic_->OnInitDialog();
}

void PageWindow::EnableTooltips() {
    if (Hwnd()) mw::EnableTooltips(Hwnd());
}

bool PageWindow::OnTooltip(NMHDR* header) {
    if (header->code != TTN_GETDISPINFOW || !logic_) return false;
    const int id = TooltipControlId(header);
    if (id == 0) return false;
    const std::string text = logic_->TooltipText(id);
    if (!text.empty()) {
        tooltip_ = Widen(text);
        reinterpret_cast<NMTTDISPINFOW*>(header)->lpszText = &tooltip_[0];
    }
    return true;
}

}  // namespace mw
