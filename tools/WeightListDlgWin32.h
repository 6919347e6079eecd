// The weight list window as a real dialog: template 181, its list view, the save dialog.
#pragma once

#include <string>

#include "kit/ClipboardWin32.h"
#include "kit/ToolWindowWin32.h"
#include "print/PrintServiceWin32.h"
#include "tools/ExportFilesWin32.h"
#include "tools/WeightListDlg.h"

namespace mw {

class WeightListDlgWindow : public ToolWindowFrame {
public:
    WeightListDlgWindow(std::function<void()> onClosed, WeightList& list, const CalcSettings& settings,
                     std::string setAside, SettingsFile* settingsFile);

    CWeightListDlg& Logic() { return logic_; }

protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    Win32Clipboard clipboard_;  // owned by this window once it exists
    Win32ExportFiles exports_{*this};
    Win32PrintService printing_;
    CWeightListDlg logic_;
    std::string setAside_;
};

}  // namespace mw
