// The end-to-end driver's control messages: text, lists, clicks and keys sent across processes,
// and the clipboard.
#include "tests/e2e/support/AppUnderTest.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace mw::e2e {

namespace {

constexpr UINT kTimeoutMs = 5000;

// A message that cannot hold the test up for good when the program hangs.
LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

}  // namespace

std::string WindowText(HWND window) {
    const LRESULT length = Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(length + 1, L'\0');
    Send(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.data());
}

std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

void SetText(HWND dialog, int id, const std::string& text) {
    const std::wstring wide = Widen(text);
    Send(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void Choose(HWND dialog, int id, int index) {
    HWND control = GetDlgItem(dialog, id);
    Send(control, CB_SETCURSEL, index, 0);
    Send(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(control));
}

namespace {
enum class ListKind { Combo, List, ListView };

ListKind KindOf(HWND control) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    if (lstrcmpiW(name, L"ListBox") == 0) return ListKind::List;
    if (lstrcmpiW(name, WC_LISTVIEWW) == 0) return ListKind::ListView;
    return ListKind::Combo;
}
}  // namespace

int Selection(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    switch (KindOf(control)) {
        case ListKind::List:     return static_cast<int>(Send(control, LB_GETCURSEL, 0, 0));
        case ListKind::ListView: return static_cast<int>(Send(control, LVM_GETNEXTITEM, -1, LVNI_SELECTED));
        default:                 return static_cast<int>(Send(control, CB_GETCURSEL, 0, 0));
    }
}

int ItemCount(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    switch (KindOf(control)) {
        case ListKind::List:     return static_cast<int>(Send(control, LB_GETCOUNT, 0, 0));
        case ListKind::ListView: return static_cast<int>(Send(control, LVM_GETITEMCOUNT, 0, 0));
        default:                 return static_cast<int>(Send(control, CB_GETCOUNT, 0, 0));
    }
}

std::string ItemText(HWND dialog, int id, int index) {
    HWND control = GetDlgItem(dialog, id);
    const ListKind kind = KindOf(control);
    if (kind == ListKind::ListView) return CellText(dialog, id, index, 0);
    const bool list = kind == ListKind::List;
    const LRESULT length = Send(control, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, index, 0);
    if (length < 0) return {};
    std::vector<wchar_t> text(length + 1, L'\0');
    Send(control, list ? LB_GETTEXT : CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.data());
}

void SelectLine(HWND dialog, int id, int index) { Send(GetDlgItem(dialog, id), LB_SETCURSEL, index, 0); }

std::string CellText(HWND dialog, int id, int row, int column) {
    HWND control = GetDlgItem(dialog, id);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(control));
    if (!process) return {};
    // List view messages carry pointers that are not carried across processes: the item and its
    // text buffer go into the program's own memory.
    constexpr int kChars = 260;
    std::string text;
    if (auto* remote = static_cast<char*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + kChars * sizeof(wchar_t),
                                                         MEM_COMMIT, PAGE_READWRITE))) {
        LVITEMW item = {};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
        item.cchTextMax = kChars;
        std::vector<wchar_t> buffer(kChars + 1, L'\0');
        if (WriteProcessMemory(process, remote, &item, sizeof item, nullptr)) {
            Send(control, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
            if (ReadProcessMemory(process, item.pszText, buffer.data(), kChars * sizeof(wchar_t), nullptr))
                text = Narrow(buffer.data());
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return text;
}

RECT TabItemRect(HWND tab, int index) {
    RECT r = {};
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, ProcessOf(tab));
    if (!process) return r;
    // The message's pointer is not carried across processes: the rectangle is read from the
    // program's own memory.
    if (void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE)) {
        if (Send(tab, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)))
            ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    }
    CloseHandle(process);
    return r;
}

void ClickTab(HWND tab, int index) {
    const RECT item = TabItemRect(tab, index);
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    Send(tab, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Send(tab, WM_LBUTTONUP, 0, at);
}

void Click(HWND dialog, int id) { Send(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PostClick(HWND dialog, int id) { PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

HWND OwnedDialog(HWND owner, int timeoutMs) {
    return WaitForTopLevel([owner](HWND w) {
        return ClassOf(w) == kDialogClass && GetWindow(w, GW_OWNER) == owner && IsWindowVisible(w);
    }, timeoutMs);
}

bool Checked(HWND dialog, int id) { return Send(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

void Command(HWND window, int id) { Send(window, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

HWND OpenTool(HWND main, int command, const std::string& caption, int timeoutMs) {
    SetWindowPos(main, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Command(main, command);
    return WaitForShownWindow(ProcessOf(main), caption, timeoutMs);
}

void CloseBox(HWND window) { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void Key(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
    PostMessageW(control, WM_KEYUP, key, 0xC0000001);
}

RECT WindowRect(HWND window) {
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

bool IsTopMost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

std::string ClipboardText() {
    std::string text;
    for (int attempt = 0; attempt < 20 && !OpenClipboard(nullptr); ++attempt) Sleep(50);
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = Narrow(wide);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

DWORD ClipboardOwnerProcess() {
    HWND owner = GetClipboardOwner();
    return owner ? ProcessOf(owner) : 0;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

void SetClipboardText(const std::string& text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const std::wstring wide = Widen(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(block), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
}

}  // namespace mw::e2e
