// About window plumbing: the close box and button 1 end it, Esc does not.
#include "app/WeightAboutDlgWin32.h"

#include "app/ProgramFiles.h"
#include "kit/SystemLibraryWin32.h"
#include "settings/FilesPlaceWin32.h"
#include "update/UpDateWin32.h"
#include "res/resource.h"

namespace mw {

WeightAboutDlgWindow::WeightAboutDlgWindow() : logic_(surface_, *this) {}

void WeightAboutDlgWindow::Run(HWND owner) { RunModal(IDD_ABOUT, owner); }

bool WeightAboutDlgWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    switch (message) {
        case WM_INITDIALOG:
            surface_.Attach(Hwnd());
            logic_.OnInitDialog(ProgramFilesPlace());
            result = FALSE;  // the logic has placed the focus
            return true;
        case WM_COMMAND: {
            // Esc arrives as IDCANCEL and is dropped: no window of the program closes on Esc.
            Notify what;
            if (LOWORD(wParam) != IDCANCEL && CommandNotify(wParam, what)) logic_.OnCommand(LOWORD(wParam), what);
            return true;
        }
        case WM_CLOSE:
            logic_.OnClose();
            return true;
        default:
            return false;
    }
}

void WeightAboutDlgWindow::OpenWebPage(const std::string& address) {
    ShellOpen(Hwnd(), address);
}

// The check's questions have no owner, so that no window waits for them.
void WeightAboutDlgWindow::StartUpdateCheck() { mw::StartUpdateCheck(ProgramFiles(), CheckStart::ByUser); }

void WeightAboutDlgWindow::Close() { EndDialog(Hwnd(), IDOK); }

}  // namespace mw
