// The cutting plan window: the section, the stock and the pieces of a job, the plan solved off the
// window's thread, its totals and bar diagram, and the bought bars for the weight list.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cutplan/CutJob.h"
#include "cutplan/CutJobFiles.h"
#include "cutplan/CutPlan.h"
#include "cutplan/CutPlanReport.h"
#include "cutplan/OffcutStock.h"
#include "kit/Clipboard.h"
#include "kit/ControlSurface.h"
#include "kit/ExportFiles.h"
#include "pages/PageHost.h"
#include "settings/ProfileStore.h"
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
    CutJobFiles* jobFiles = nullptr;   // 打开 and 另存为 (none: the buttons say so)
    ProfileStore* settings = nullptr;  // the recent job files
    OffcutStock* offcuts = nullptr;    // the offcuts kept in stock (none: none kept)
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

    // The section being edited, and its plan (the diagram's).
    const CutJob& Job() const { return sections_[current_].job; }
    const CutPlan& Plan() const { return sections_[current_].plan; }
    int SectionCount() const { return static_cast<int>(sections_.size()); }
    int CurrentSection() const { return current_; }
    bool Solving() const { return solving_; }

    // Every section as planned, in the job's order (a section not yet planned has no plan).
    std::vector<CutSheetSection> SheetSections() const;

    // Where "打印预览..." and Ctrl+P (IDM_PRINT) go; none: they do nothing.
    void SetPrinting(PrintService* printing) { printing_ = printing; }
    // The cutting sheet of the whole job, as planned: each section in turn, then the job's totals.
    PrintDocument CutSheet() const;

    // The plans of the whole job for the clipboard (tab-separated) and as a CSV file.
    std::string PlanTabText() const;
    std::string PlanCsvText() const;

private:
    struct Section {
        CutJob job;
        CutJob solved;  // the job its plan is for
        CutPlan plan;
    };

    CutJob& Cur() { return sections_[current_].job; }
    void OnSectionSelected();
    void OnAddSection();
    void OnRemoveSection();
    void ShowSections();
    void ShowJobFile();
    void OnConfirmCut();
    void OnUndoConfirm();
    void ShowConfirm();
    std::vector<std::pair<double, int>> SectionOffcuts() const;
    void OnNewJob();
    void OnOpenJob();
    void OnSaveJobAs();
    void OnRecentJob();
    bool MayReplaceJob();
    void OpenJobFile(const std::string& path);
    void SetJob(std::vector<CutJob> jobs, const std::string& path);
    void StartSection();
    bool AnyPlan() const;
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

    ControlSurface& surface_;
    CutJobFile& file_;
    WeightList& list_;
    Clipboard& clipboard_;
    ClipboardReader& paste_;
    ExportFiles& exports_;
    CutSolveRunner& runner_;
    CutPlanServices services_;
    PrintService* printing_ = nullptr;

    std::vector<Section> sections_{1};  // never empty
    int current_ = 0;
    int solvingSection_ = 0;  // while solving: the section the runner works on
    bool cancelled_ = false;
    bool solving_ = false;
    bool showing_ = false;  // the window writes its own fields: no change to save
    bool saved_ = true;
    std::string jobPath_;     // the job file the job came from or was saved as; empty for a new job
    bool modified_ = false;   // changed since it was opened or saved as
};

}  // namespace mw
