// Plain text onto the clipboard, as Unicode text.
#include "kit/ClipboardWin32.h"

#include <cstring>

#include "kit/Utf16Win32.h"

namespace mw {

bool Win32Clipboard::SetText(const std::string& text) {
    if (!OpenClipboard(owner_)) return false;
    EmptyClipboard();
    // Unicode text: the system offers it as CF_TEXT in the reader's code page as well.
    const std::wstring wide = Widen(text);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, (wide.size() + 1) * sizeof(wchar_t));
    if (block) {
        void* data = GlobalLock(block);
        memcpy(data, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(block);
        if (!SetClipboardData(CF_UNICODETEXT, block)) GlobalFree(block);
    }
    CloseClipboard();
    return true;
}

}  // namespace mw
