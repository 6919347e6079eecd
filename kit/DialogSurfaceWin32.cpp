// Control surface messages for edits, statics, buttons, combo boxes, list boxes and tabs.
#include "kit/DialogSurfaceWin32.h"

#include <commctrl.h>

#include <vector>

#include "kit/DpiWin32.h"
#include "kit/Utf16Win32.h"

namespace mw {

DialogSurface::Known DialogSurface::Find(int id) const {
    const auto known = controls_.find(id);
    if (known != controls_.end()) return known->second;
    Known control = {GetDlgItem(dialog_, id), Kind::Other};
    if (!control.hwnd) return control;
    wchar_t name[32] = {};
    GetClassNameW(control.hwnd, name, 32);
    if (lstrcmpiW(name, L"ComboBox") == 0) control.kind = Kind::Combo;
    else if (lstrcmpiW(name, L"ListBox") == 0) control.kind = Kind::List;
    else if (lstrcmpiW(name, WC_TABCONTROLW) == 0) control.kind = Kind::Tab;
    else if (lstrcmpiW(name, WC_LISTVIEWW) == 0) control.kind = Kind::ListView;
    controls_.emplace(id, control);
    return control;
}

std::string DialogSurface::Text(int id) const {
    HWND control = Control(id);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(length + 1, L'\0');
    const int got = GetWindowTextW(control, &text[0], length + 1);
    text.resize(got > 0 ? got : 0);
    return Narrow(text);
}

void DialogSurface::SetText(int id, const std::string& text) {
    SetWindowTextW(Control(id), Widen(text).c_str());
}

int DialogSurface::Selection(int id) const {
    const auto [control, kind] = Find(id);
    switch (kind) {
        case Kind::Combo: return static_cast<int>(SendMessageW(control, CB_GETCURSEL, 0, 0));
        case Kind::List:  return static_cast<int>(SendMessageW(control, LB_GETCURSEL, 0, 0));
        case Kind::Tab:   return static_cast<int>(SendMessageW(control, TCM_GETCURSEL, 0, 0));
        case Kind::ListView:
            return static_cast<int>(SendMessageW(control, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        default:          return -1;
    }
}

void DialogSurface::SetSelection(int id, int index) {
    const auto [control, kind] = Find(id);
    switch (kind) {
        case Kind::Combo: SendMessageW(control, CB_SETCURSEL, index, 0); break;
        case Kind::List:  SendMessageW(control, LB_SETCURSEL, index, 0); break;
        case Kind::Tab:   SendMessageW(control, TCM_SETCURSEL, index, 0); break;
        case Kind::ListView: {
            LVITEMW item = {};
            item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(control, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
            if (index < 0) break;
            item.state = LVIS_SELECTED | LVIS_FOCUSED;
            SendMessageW(control, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
            SendMessageW(control, LVM_ENSUREVISIBLE, index, FALSE);
            break;
        }
        default: break;
    }
}

void DialogSurface::ClearItems(int id) {
    const auto [control, kind] = Find(id);
    switch (kind) {
        case Kind::Combo: SendMessageW(control, CB_RESETCONTENT, 0, 0); break;
        case Kind::List:  SendMessageW(control, LB_RESETCONTENT, 0, 0); break;
        case Kind::Tab:   SendMessageW(control, TCM_DELETEALLITEMS, 0, 0); break;
        case Kind::ListView: SendMessageW(control, LVM_DELETEALLITEMS, 0, 0); break;
        default: break;
    }
}

void DialogSurface::AddItem(int id, const std::string& text) {
    const auto [control, kind] = Find(id);
    std::wstring wide = Widen(text);
    switch (kind) {
        case Kind::Combo:
            SendMessageW(control, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
            break;
        case Kind::List:
            SendMessageW(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
            break;
        case Kind::Tab: {
            TCITEMW item = {};
            item.mask = TCIF_TEXT;
            item.pszText = &wide[0];
            const int at = static_cast<int>(SendMessageW(control, TCM_GETITEMCOUNT, 0, 0));
            SendMessageW(control, TCM_INSERTITEMW, at, reinterpret_cast<LPARAM>(&item));
            break;
        }
        case Kind::ListView: AddRow(id, {text}); break;
        default: break;
    }
}

void DialogSurface::SetItems(int id, const std::vector<std::string>& items) {
    const auto [control, kind] = Find(id);
    if (kind != Kind::Combo && kind != Kind::List) return ControlSurface::SetItems(id, items);
    const bool combo = kind == Kind::Combo;
    std::size_t characters = 0;
    for (const std::string& item : items) characters += item.size() + 1;
    SendMessageW(control, WM_SETREDRAW, FALSE, 0);
    SendMessageW(control, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
    SendMessageW(control, combo ? CB_INITSTORAGE : LB_INITSTORAGE, items.size(), characters * sizeof(wchar_t));
    std::wstring wide;  // one buffer for every item
    for (const std::string& item : items) {
        wide.resize(item.size() + 1);
        const int length = item.empty() ? 0 : MultiByteToWideChar(CP_UTF8, 0, item.data(), static_cast<int>(item.size()),
                                                                  &wide[0], static_cast<int>(wide.size()));
        wide[length] = L'\0';
        SendMessageW(control, combo ? CB_ADDSTRING : LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }
    SendMessageW(control, WM_SETREDRAW, TRUE, 0);
}

int DialogSurface::ItemCount(int id) const {
    const auto [control, kind] = Find(id);
    switch (kind) {
        case Kind::Combo: return static_cast<int>(SendMessageW(control, CB_GETCOUNT, 0, 0));
        case Kind::List:  return static_cast<int>(SendMessageW(control, LB_GETCOUNT, 0, 0));
        case Kind::Tab:   return static_cast<int>(SendMessageW(control, TCM_GETITEMCOUNT, 0, 0));
        case Kind::ListView: return static_cast<int>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
        default:          return 0;
    }
}

std::string DialogSurface::ItemText(int id, int index) const {
    const auto [control, kind] = Find(id);
    if (kind == Kind::ListView) return CellText(id, index, 0);
    if (kind != Kind::Combo && kind != Kind::List) return {};
    const UINT lengthMsg = kind == Kind::Combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT textMsg = kind == Kind::Combo ? CB_GETLBTEXT : LB_GETTEXT;
    const LRESULT length = SendMessageW(control, lengthMsg, index, 0);
    if (length < 0) return {};
    std::vector<wchar_t> text(length + 1, L'\0');
    SendMessageW(control, textMsg, index, reinterpret_cast<LPARAM>(text.data()));
    return Narrow(text.data());
}

bool DialogSurface::Checked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogSurface::SetChecked(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void DialogSurface::SetEnabled(int id, bool enabled) { EnableWindow(Control(id), enabled); }

bool DialogSurface::Enabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }

void DialogSurface::SetReadOnly(int id, bool readOnly) {
    SendMessageW(Control(id), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void DialogSurface::SetFocus(int id) { ::SetFocus(Control(id)); }

void DialogSurface::AddColumn(int id, const std::string& title, int widthPixels) {
    HWND control = Control(id);
    std::wstring wide = Widen(title);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = ScaledPixels(widthPixels);
    column.pszText = &wide[0];
    HWND header = reinterpret_cast<HWND>(SendMessageW(control, LVM_GETHEADER, 0, 0));
    const int at = header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    SendMessageW(control, LVM_INSERTCOLUMNW, at, reinterpret_cast<LPARAM>(&column));
}

void DialogSurface::AddRow(int id, const std::vector<std::string>& cells) {
    HWND control = Control(id);
    int row = static_cast<int>(SendMessageW(control, LVM_GETITEMCOUNT, 0, 0));
    for (std::size_t column = 0; column < cells.size() || column == 0; ++column) {
        std::wstring wide = column < cells.size() ? Widen(cells[column]) : std::wstring();
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.iSubItem = static_cast<int>(column);
        item.pszText = &wide[0];
        if (column == 0) {
            // The row lands where the list puts it (-1 when it cannot be added); its cells follow it.
            row = static_cast<int>(SendMessageW(control, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            if (row < 0) return;
        } else {
            SendMessageW(control, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        }
    }
}

std::string DialogSurface::CellText(int id, int row, int column) const {
    HWND control = Control(id);
    std::vector<wchar_t> text(512, L'\0');
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageW(control, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return Narrow(text.data());
}

void DialogSurface::SetListFont(ListFont kind, HFONT font) { fonts_[static_cast<int>(kind)] = font; }

void DialogSurface::SetFont(int id, ListFont font) {
    HFONT chosen = fonts_[static_cast<int>(font)];
    if (!chosen) chosen = reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0));
    SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
}

int DialogSurface::ShowMessage(const std::string& text, const std::string& caption, unsigned style) {
    return ::MessageBoxW(dialog_, Widen(text).c_str(), Widen(caption).c_str(), style);
}

}  // namespace mw
