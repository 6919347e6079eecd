// Dialog plumbing: `this` stored with the window, the dialog colour, the key filter.
#include "kit/DialogWin32.h"

namespace mw {

HBRUSH DialogBrush() {
    static HBRUSH brush = CreateSolidBrush(kDialogColour);
    return brush;
}

void TrackMenu(HWND owner, int menuId, int x, int y) {
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menuId));
    if (!menu) return;
    SetForegroundWindow(owner);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    // A menu opened from the notification area closes on a click elsewhere only once its owner
    // has had a message after it.
    PostMessageW(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

bool CommandNotify(WPARAM wParam, Notify& what) {
    switch (HIWORD(wParam)) {
        case EN_CHANGE:     what = Notify::Change; return true;
        case CBN_SELCHANGE: what = Notify::SelChange; return true;  // LBN_SELCHANGE alike
        case LBN_DBLCLK:    what = Notify::DoubleClick; return true;
        case BN_CLICKED:    what = Notify::Click; return true;
        default:            return false;
    }
}

namespace {

// `this` is kept twice with the window: in the dialog's user long, read at every message (it is
// the window's own memory), and as a property, which any window has, for the key filter that
// walks up from whatever control has the focus.
const wchar_t kSelfProperty[] = L"mw.DialogWindow";

DialogWindow* SelfOf(HWND hwnd) { return static_cast<DialogWindow*>(GetPropW(hwnd, kSelfProperty)); }

DialogWindow* DialogSelf(HWND dialog) {
    return reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

bool IsEditLike(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Edit") == 0 || lstrcmpiW(name, L"ComboBox") == 0;
}

// The messages whose answer a dialog procedure returns itself; for all others the answer goes into
// DWLP_MSGRESULT and the procedure returns TRUE.
bool ReturnsDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG: case WM_QUERYDRAGICON: case WM_CHARTOITEM: case WM_VKEYTOITEM: case WM_COMPAREITEM:
        case WM_CTLCOLORBTN: case WM_CTLCOLORDLG: case WM_CTLCOLOREDIT: case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORMSGBOX: case WM_CTLCOLORSCROLLBAR: case WM_CTLCOLORSTATIC:
            return true;
        default:
            return false;
    }
}

}  // namespace

DialogWindow::~DialogWindow() {
    if (hwnd_ && IsWindow(hwnd_)) {
        RemovePropW(hwnd_, kSelfProperty);
        SetWindowLongPtrW(hwnd_, DWLP_USER, 0);  // no message of the end reaches a half-destroyed object
        DestroyWindow(hwnd_);
    }
}

HWND DialogWindow::Create(int templateId, HWND parent) {
    return CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), parent, Proc,
                              reinterpret_cast<LPARAM>(this));
}

INT_PTR DialogWindow::RunModal(int templateId, HWND owner) {
    const INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner,
                                           Proc, reinterpret_cast<LPARAM>(this));
    hwnd_ = nullptr;  // destroyed by now; the number may soon name another window
    return result;
}

INT_PTR CALLBACK DialogWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<DialogWindow*>(lParam);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        SetPropW(hwnd, kSelfProperty, self);
    }
    DialogWindow* self = DialogSelf(hwnd);
    switch (message) {
        case WM_CTLCOLORDLG:
            return reinterpret_cast<INT_PTR>(DialogBrush());
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            // Labels, check boxes and group boxes take the dialog colour; read-only edits keep theirs.
            if (IsEditLike(reinterpret_cast<HWND>(lParam))) break;
            SetBkColor(reinterpret_cast<HDC>(wParam), kDialogColour);
            SetTextColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
            return reinterpret_cast<INT_PTR>(DialogBrush());
        default:
            break;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, kSelfProperty);
        SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    }
    if (!self) return FALSE;
    INT_PTR result = FALSE;
    if (!self->OnMessage(message, wParam, lParam, result)) return FALSE;
    if (ReturnsDirectly(message)) return result;
    SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

bool DialogWindow::PreTranslate(MSG& msg) {
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        // The innermost window that wants the key keeps it as an ordinary key-down.
        for (HWND w = msg.hwnd; w; w = GetParent(w)) {
            DialogWindow* self = SelfOf(w);
            if (self && self->FiltersKey(msg.wParam)) return false;
            if (!(GetWindowLongW(w, GWL_STYLE) & WS_CHILD)) break;
        }
    }
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (!root) return false;
    if (const DialogWindow* top = SelfOf(root))
        if (HACCEL shortcuts = top->Accelerators(); shortcuts && TranslateAcceleratorW(root, shortcuts, &msg)) return true;
    return IsDialogMessageW(root, &msg);
}

int DialogWindow::RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace mw
