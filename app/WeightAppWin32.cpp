// Start-up in its fixed order, and the end of the program when the main window closes.
#include "app/WeightAppWin32.h"

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>

#include "kit/DpiWin32.h"
#include "kit/ProcessStarterWin32.h"
#include "res/ProductName.h"
#include "kit/Utf16Win32.h"
#include "app/WeightDlgWin32.h"
#include "res/resource.h"
#include "app/ProgramFiles.h"
#include "settings/FileSystemWin32.h"
#include "settings/FilesPlaceWin32.h"
#include "settings/SettingsFile.h"
#include "tools/WeightList.h"

namespace mw {

namespace {

const wchar_t kMutexName[] = L"renwu";
const char kAlreadyRunning[] = "该程序已经在运行了!";
const char kOlderMainCaption[] = "Telvar材料重量计算器V3.76";
const wchar_t kOwnerClass[] = L"MaterialWeightOwner";

// Opens the instance mutex, or creates it when this is the first copy. A second copy warns,
// brings the older program's window forward if there is one, and starts all the same.
HANDLE TakeInstanceMutex() {
    // Only the mutex's being there counts, so only the right to wait on it is asked for: a copy
    // started with other rights (as administrator, say) may refuse all others.
    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kMutexName);
    if (!mutex && GetLastError() != ERROR_ACCESS_DENIED) {
        mutex = CreateMutexW(nullptr, FALSE, kMutexName);
        const DWORD error = GetLastError();
        if (mutex ? error != ERROR_ALREADY_EXISTS : error != ERROR_ACCESS_DENIED) return mutex;  // the first copy
    }
    MessageBoxW(nullptr, Widen(kAlreadyRunning).c_str(), Widen(kProductName).c_str(),
                MB_ICONWARNING | MB_OK);
    if (HWND older = FindWindowW(nullptr, Widen(kOlderMainCaption).c_str())) {
        ShowWindow(older, SW_SHOWNORMAL);
        SetWindowPos(older, HWND_TOPMOST, ScaledPixels(300), ScaledPixels(200), 0, 0, SWP_NOSIZE);
    }
    return mutex;
}

HWND CreateHiddenOwner() {
    WNDCLASSW cls = {};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kOwnerClass;
    RegisterClassW(&cls);
    return CreateWindowExW(0, kOwnerClass, L"", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, cls.hInstance, nullptr);
}

}  // namespace

int CWeightApp::Run() {
    // The shell (ShellExecute, the file dialogs) and the picture loader expect COM on the thread
    // that calls them: a single-threaded apartment, as for any window thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);

    Win32FileSystem files;
    const FilesPlace& place = SettleFilesPlace(CarriedFiles());
    SettingsFile settings(files, place.PathOf(kSettingsFile.name));
    if (!place.Carried().empty()) settings.Hide();  // a copy starts without the attribute
    HANDLE mutex = TakeInstanceMutex();
    WeightList weights(files, place.PathOf(kWeightListFile.name));
    std::string weightsSetAside;
    weights.Load(weightsSetAside);

    auto main = std::make_unique<WeightDlgWindow>(settings, weights, weightsSetAside, mutex);
    HWND owner = CreateHiddenOwner();
    int code = 0;
    if (main->Create(IDD_MAIN, owner)) {
        ShowWindow(main->Hwnd(), SW_SHOW);
        code = DialogWindow::RunMessageLoop();
    }
    main.reset();
    DestroyWindow(owner);
    if (SUCCEEDED(com)) CoUninitialize();
    return code;
}

}  // namespace mw
