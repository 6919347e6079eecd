// The main window as a real dialog: binds CWeightDlg to template 102 and provides its host.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "controls/BannerLinkWin32.h"
#include "kit/DialogSurfaceWin32.h"
#include "kit/ClipboardWin32.h"
#include "kit/DesktopWin32.h"
#include "kit/DialogWin32.h"
#include "app/EdgeDock.h"
#include "app/MainWindowHost.h"
#include "pages/PageWindowWin32.h"
#include "kit/ToolWindowWin32.h"
#include "app/TrayShell.h"
#include "app/TrayShellWin32.h"
#include "app/WeightDlg.h"
#include "lookup/LookupDlg.h"
#include "tasks/ClockWin32.h"
#include "controls/PictureExWin32.h"
#include "controls/XPTabCtrlWin32.h"

namespace mw {

class SettingsFile;
class WeightList;

class WeightDlgWindow : public DialogWindow, private MainWindowHost, private DockWindow {
public:
    // `weightsSetAside` names where a damaged weight list file was kept, to tell the user.
    WeightDlgWindow(SettingsFile& settings, WeightList& weights, std::string weightsSetAside,
                    HANDLE instanceMutex);
    ~WeightDlgWindow() override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;
    bool FiltersKey(WPARAM key) const override { return key == VK_ESCAPE; }

private:
    void OnInitDialog();
    void OnCommandMessage(WPARAM wParam);
    void OpenLookup(bool fromKeyboard);
    HACCEL Accelerators() const override { return accelerators_; }
    bool OnNotify(NMHDR* header, INT_PTR& result);
    bool OnSysCommand(WPARAM command);
    void OnTimer(int id);
    bool OnPaint();
    void OnMoving(RECT* proposed);
    void ContinueStart();
    void FinishStart();
    void CreatePage(int index);
    RECT PageArea(HWND tab) const;
    HBITMAP LoadScaledBitmap(int id) const;
    void CreateToolWindow(ToolWindow tool);
    std::unique_ptr<ToolWindowFrame> NewToolWindow(ToolWindow tool, std::function<void()> onClosed);
    void AppendAboutToSystemMenu();

    // MainWindowHost and DockWindow
    ScreenRect WindowRect() const override;
    ScreenRect ControlRect(int id) const override;
    void ResizeWindow(int width, int height) override;
    void SetTopMost(bool topMost) override;
    void StartTimer(int id, unsigned milliseconds) override;
    void StopTimer(int id) override;
    void ShowPage(int index, bool shown) override;
    void TrackToolsMenu() override;
    void ShowToolWindow(ToolWindow tool, bool shown) override;
    void MoveToolWindow(ToolWindow tool, int x, int y, bool toTop) override;
    void StartCalculator() override;
    bool LoadBanner() override;
    void ReleaseBanner() override;
    void ShowAbout() override;
    void OpenVendorPage() override;
    void Exit() override;

    // DockWindow
    void PlaceTopMost(const ScreenRect& rect) override;

    // The start's steps after the window itself (see OnInitDialog): the notification-area icon,
    // pages two and three (page one, step 0, is built with the window), the banner, the update
    // check and tooltips, then one tool window a step.
    static constexpr int kStartTimer = 12;
    static constexpr int kStepsBeforeTools = 6;
    bool StartDone() const { return startStep_ >= kStepsBeforeTools + kToolCount; }
    int startStep_ = 0;  // the next step
    bool building_ = false;  // a step of the start is running
    struct Building {
        explicit Building(bool& flag) : flag_(flag) { flag_ = true; }
        ~Building() { flag_ = false; }
        bool& flag_;
    };

    DialogSurface surface_;
    CXPTabCtrl tab_;
    CPictureEx banner_;
    BannerLink bannerLink_;
    std::unique_ptr<Win32Clipboard> clipboard_;
    CWeightDlg logic_;
    SettingsFile& settings_;
    std::array<PageWindow, CWeightDlg::kPageCount> pages_;
    std::array<std::unique_ptr<ToolWindowFrame>, kToolCount> tools_;
    WeightList& weights_;
    std::string weightsSetAside_;
    Win32Clock clock_;
    TrayShellWindow trayWindow_;
    Win32Desktop desktop_;
    TrayShell tray_;
    EdgeDock dock_;
    const UINT taskbarCreated_;  // the shell's word that a new notification area is up
    HICON icon_ = nullptr;
    HBITMAP calculatorBitmap_ = nullptr;
    std::wstring tooltip_;
    HACCEL accelerators_ = nullptr;

    // What the lookup window asks of the main window.
    class LookupTargetOfWindow : public LookupTarget {
    public:
        explicit LookupTargetOfWindow(WeightDlgWindow& window) : window_(window) {}
        const CalcSettings& Settings() const override { return window_.logic_.Settings(); }
        bool SendToCalculator(int page, const SizeChoice& choice) override;

    private:
        WeightDlgWindow& window_;
    };
    LookupTargetOfWindow lookupTarget_{*this};
};

}  // namespace mw
