// Bearing lookup window plumbing: the fixed-pitch font and a quick fill of the long list.
#include "tools/ZHOUCHENGWin32.h"

#include "res/resource.h"
#include "tools/BearingTables.h"

namespace mw {

ZHOUCHENGWindow::ZHOUCHENGWindow(std::function<void()> onClosed)
    : ToolWindowFrame(std::move(onClosed)), logic_(Surface(), clipboard_) {
    SetLogic(&logic_);
}

ZHOUCHENGWindow::~ZHOUCHENGWindow() {
    if (font_) DeleteObject(font_);
}

void ZHOUCHENGWindow::OnInit() {
    clipboard_.SetOwner(Hwnd());
    // The lines are columns of blanks: they line up only where every half-width character has
    // one width and every Chinese character two.
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    font_ = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        FIXED_PITCH | FF_MODERN, L"新宋体");
    HWND list = GetDlgItem(Hwnd(), IDC_ZHOUCHENG_LIST);
    // The column header is the template's only static.
    for (HWND control : {list, GetDlgItem(Hwnd(), IDC_STATIC)})
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // One allocation and no drawing while the 2110 lines go in keep the start quick.
    SendMessageW(list, LB_INITSTORAGE, kBearingLineCount, kBearingLineCount * 40 * sizeof(wchar_t));
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    logic_.OnInitDialog();
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

}  // namespace mw
