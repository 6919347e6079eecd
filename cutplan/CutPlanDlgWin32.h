// The cutting plan window as a real dialog: template 182, the solver's thread, the bar diagram.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "cutplan/CutJobFilesWin32.h"
#include "cutplan/CutPlanDlg.h"
#include "kit/ClipboardWin32.h"
#include "kit/ToolWindowWin32.h"
#include "print/PrintServiceWin32.h"
#include "settings/FileSystemWin32.h"
#include "tools/ExportFilesWin32.h"

namespace mw {

class CutPlanDlgWindow : public ToolWindowFrame, private ClipboardReader, private CutSolveRunner {
public:
    CutPlanDlgWindow(std::function<void()> onClosed, const std::string& jobPath, WeightList& list,
                     CutPlanServices services);
    ~CutPlanDlgWindow() override;

    CCutPlanDlg& Logic() { return logic_; }

protected:
    void OnInit() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    std::optional<std::string> ReadText() override;
    void Start(const CutJob& job) override;
    void Cancel() override;
    void Join();
    struct SolveRequest;
    static DWORD WINAPI SolveThread(void* request);
    void DrawDiagram(const DRAWITEMSTRUCT& item);

    Win32FileSystem files_;
    CutJobFile jobFile_;
    Win32Clipboard clipboard_;
    Win32ExportFiles exports_{*this};
    Win32CutJobFiles jobFiles_{*this};
    OffcutStock offcuts_;
    Win32PrintService printing_;
    CCutPlanDlg logic_;

    // The solving thread: it touches no window, only posts to this one. The plan it leaves in
    // `result_` is taken on the window's thread. A thread of the system's own, ended and closed
    // at each plan: the C runtime's threads keep an event of their own in a pool that grows
    // now and then, which over weeks of plans shows as a handle more.
    HANDLE worker_ = nullptr;
    std::atomic<bool> cancel_{false};
    std::mutex resultLock_;
    std::unique_ptr<CutPlan> result_;
};

}  // namespace mw
