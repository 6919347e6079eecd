// Plain text onto the clipboard, as Unicode text, owned by the window that copies.
#include "kit/ClipboardWin32.h"

#include <cstring>

#include "kit/Utf16Win32.h"

namespace mw {

namespace {

// Another program may hold the clipboard for a moment (clipboard managers read every change):
// a few tries, about 200 ms in all, before the copy counts as failed.
constexpr int kOpenTries = 12;
constexpr DWORD kOpenPauseMs = 16;

bool OpenWithRetry(HWND owner) {
    for (int attempt = 0; attempt < kOpenTries; ++attempt) {
        if (attempt) Sleep(kOpenPauseMs);
        if (OpenClipboard(owner)) return true;
    }
    return false;
}

// A movable block holding the text with its terminating zero; null when memory runs out.
HGLOBAL TextBlock(const std::wstring& wide) {
    const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return nullptr;
    }
    memcpy(data, wide.c_str(), bytes);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool Win32Clipboard::SetText(const std::string& text) {
    if (!owner_ || !IsWindow(owner_)) return false;
    // The block is made before the clipboard is opened, so that the clipboard is held briefly.
    HGLOBAL block = TextBlock(Widen(text));
    if (!block) return false;
    if (!OpenWithRetry(owner_)) {
        GlobalFree(block);
        return false;
    }
    // Unicode text: the system offers it as CF_TEXT in the reader's code page as well. Once
    // SetClipboardData succeeds the block is the system's; until then it is ours to free.
    const bool set = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    if (!set) GlobalFree(block);
    CloseClipboard();
    return set;
}

}  // namespace mw
