// Material density window: grid lines, whole-row selection and the table's colours.
#include "tools/AILIAOMIDUWin32.h"

#include <commctrl.h>

#include "res/resource.h"

namespace mw {

void AILIAOMIDUWindow::OnInit() {
    HWND table = GetDlgItem(Hwnd(), IDC_AILIAOMIDU_TABLE);
    ListView_SetExtendedListViewStyle(table, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    constexpr COLORREF kBackground = RGB(200, 255, 255);
    ListView_SetBkColor(table, kBackground);
    ListView_SetTextBkColor(table, kBackground);
    ListView_SetTextColor(table, RGB(20, 0, 0));
    logic_.OnInitDialog();
}

}  // namespace mw
