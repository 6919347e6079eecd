// The cutting plan window: the section, the stock and the pieces of a job, the plan solved off the
// window's thread, its totals and bar diagram, and the bought bars for the weight list.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cutplan/CutJob.h"
#include "cutplan/CutPlan.h"
#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"
#include "kit/ExportFiles.h"
#include "pages/PageHost.h"
#include "print/PrintService.h"
#include "tools/WeightList.h"

namespace mw {

// Runs the solver away from the window; the plan comes back through CCutPlanDlg::OnSolved on
// the window's thread (progress through OnProgress).
class CutSolveRunner {
public:
    virtual ~CutSolveRunner() = default;
    virtual void Start(const CutJob& job) = 0;
    virtual void Cancel() = 0;
};

// Plain text on the clipboard, for pasting pieces from a spreadsheet.
class ClipboardReader {
public:
    virtual ~ClipboardReader() = default;
    virtual std::optional<std::string> ReadText() = 0;
};

// What the window needs from the main window.
struct CutPlanServices {
    std::function<std::optional<CurrentMaterial>()> currentMaterial;
    std::function<std::string()> now;  // local time as the weight list records it
};

class CCutPlanDlg : public CommandTarget {
public:
    CCutPlanDlg(ControlSurface& surface, CutJobFile& file, WeightList& list, Clipboard& clipboard,
                ClipboardReader& paste, ExportFiles& exports, CutSolveRunner& runner,
                CutPlanServices services);

    // The saved job (a damaged file is reported and set aside), the lists' columns.
    void OnInitDialog();
    void OnCommand(int id, Notify what) override;
    void OnProgress(double share);
    void OnSolved(const CutPlan& plan);

    const CutJob& Job() const { return job_; }
    const CutPlan& Plan() const { return plan_; }
    bool Solving() const { return solving_; }

    // Where "打印预览..." and Ctrl+P (IDM_PRINT) go; none: they do nothing.
    void SetPrinting(PrintService* printing) { printing_ = printing; }
    // The cutting sheet of the plan shown (of the job it was solved for).
    PrintDocument CutSheet() const;

    // The plan for the clipboard (tab-separated) and as a CSV file.
    std::string PlanTabText() const;
    std::string PlanCsvText() const;

private:
    void OnTakeCurrent();
    void OnField(int id);
    void OnAddStock();
    void OnRemoveStock();
    void OnPieceSelected();
    void OnAddPiece(bool replace);
    void OnRemovePiece();
    void OnPaste();
    void OnSolve();
    void OnAddToList();
    void OnExport();
    void OnPrint(bool preview);

    void ShowJob();
    void ShowStock();
    void ShowPieces();
    void ShowPlan();
    void Save();
    void Say(const std::string& text);
    void SetSolving(bool solving);
    std::vector<std::vector<std::string>> PlanTable() const;
    std::vector<std::string> TotalLines() const;

    ControlSurface& surface_;
    CutJobFile& file_;
    WeightList& list_;
    Clipboard& clipboard_;
    ClipboardReader& paste_;
    ExportFiles& exports_;
    CutSolveRunner& runner_;
    CutPlanServices services_;
    PrintService* printing_ = nullptr;

    CutJob job_;
    CutJob solvedJob_;  // the job the plan is for
    CutPlan plan_;
    bool solving_ = false;
    bool showing_ = false;  // the window writes its own fields: no change to save
    bool saved_ = true;
};

}  // namespace mw
