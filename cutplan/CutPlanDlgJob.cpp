// The cutting plan window's job as a whole: its sections, and the job files it is opened from
// and saved as (the window's own copy beside the exe is written on every change all the same).
#include "cutplan/CutPlanDlg.h"

#include <algorithm>

#include "cutplan/RecentCutJobs.h"
#include "kit/Captions.h"
#include "res/resource.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

const char kBusyText[] = "正在计算方案, 请稍候或先停止。";
const char kJobFileName[] = "下料任务.txt";

bool HasContent(const CutJob& job) { return !job.pieces.empty() || !job.stock.empty(); }

}  // namespace

// The job's sections: choosing one shows it to edit, with its plan.
void CCutPlanDlg::ShowSections() {
    surface_.ClearItems(IDC_CUT_SECTIONS);
    for (const Section& section : sections_) {
        double pieces = 0;
        for (const PieceRow& row : section.job.pieces) pieces += row.count;
        surface_.AddRow(IDC_CUT_SECTIONS, {section.job.section.empty() ? "(未命名)" : section.job.section,
                                           PlainNumber(pieces)});
    }
    surface_.SetSelection(IDC_CUT_SECTIONS, current_);
}

void CCutPlanDlg::OnSectionSelected() {
    const int row = surface_.Selection(IDC_CUT_SECTIONS);
    if (row < 0 || row >= SectionCount() || row == current_) return;
    current_ = row;
    ShowJob();
    ShowPlan();
}

// A new section takes the calculator in use when there is one (else it is typed), and the
// saw's kerf, the trim, the reusable length and the price of the section shown.
void CCutPlanDlg::OnAddSection() {
    if (solving_) return Say(kBusyText);
    Section section;
    const CutJob& from = Cur();
    section.job.kerf = from.kerf;
    section.job.trim = from.trim;
    section.job.reusableLength = from.reusableLength;
    section.job.pricePerTonne = from.pricePerTonne;
    if (const std::optional<CurrentMaterial> material =
            services_.currentMaterial ? services_.currentMaterial() : std::nullopt) {
        section.job.section = material->section;
        section.job.kilogramsPerMetre = material->kilogramsPerMetre;
    }
    sections_.push_back(section);
    current_ = SectionCount() - 1;
    ShowSections();
    ShowJob();
    ShowPlan();
    Save();
}

void CCutPlanDlg::OnRemoveSection() {
    if (solving_) return Say(kBusyText);
    const int row = surface_.Selection(IDC_CUT_SECTIONS);
    if (row < 0 || row >= SectionCount()) return Say("请先在材料表中选中一行。");
    if (SectionCount() == 1) {
        sections_[0] = Section();  // a job has a section to type into
        sections_[0].job.pricePerTonne = list_.DefaultPrice();
    } else {
        sections_.erase(sections_.begin() + row);
    }
    current_ = std::min(row, SectionCount() - 1);
    ShowSections();
    ShowJob();
    ShowPlan();
    Save();
}

void CCutPlanDlg::ShowJobFile() {
    surface_.SetText(IDC_CUT_JOB_NAME, jobPath_.empty() ? "任务: (未另存为文件)" : "任务: " + CutJobName(jobPath_));
    surface_.ClearItems(IDC_CUT_RECENT);
    if (services_.settings)
        for (const std::string& path : RecentCutJobs(*services_.settings).Paths()) surface_.AddItem(IDC_CUT_RECENT, path);
    surface_.SetSelection(IDC_CUT_RECENT, -1);
}

// A job typed in and never saved as a file, or changed since, is lost when another takes its place.
bool CCutPlanDlg::MayReplaceJob() {
    if (solving_) {
        Say(kBusyText);
        return false;
    }
    const bool content = std::any_of(sections_.begin(), sections_.end(),
                                     [](const Section& section) { return HasContent(section.job); });
    if (!content || (!modified_ && !jobPath_.empty())) return true;
    return surface_.ShowMessage("当前任务的修改还没有另存为文件, 换成其他任务后将不能找回。\n继续吗?", kHintCaption,
                                kMbYesNo | kMbIconQuestion) == kIdYes;
}

void CCutPlanDlg::SetJob(std::vector<CutJob> jobs, const std::string& path) {
    if (jobs.empty()) jobs.emplace_back();
    sections_.assign(jobs.size(), Section());
    for (std::size_t i = 0; i < jobs.size(); ++i) {
        sections_[i].job = jobs[i];
        NumberRows(sections_[i].job);
    }
    current_ = 0;
    if (path.empty() && Cur().pricePerTonne == 0) Cur().pricePerTonne = list_.DefaultPrice();
    jobPath_ = path;
    if (services_.settings) {
        RecentCutJobs recent(*services_.settings);
        recent.SetOpenPath(path);
        if (!path.empty()) recent.Add(path);
    }
    ShowJobFile();
    ShowSections();
    ShowJob();
    ShowPlan();
    Save();
    modified_ = false;
}

void CCutPlanDlg::OnNewJob() {
    if (!MayReplaceJob()) return;
    SetJob({}, "");
}

void CCutPlanDlg::OnOpenJob() {
    if (!services_.jobFiles) return;
    if (!MayReplaceJob()) return;
    if (const std::optional<std::string> path = services_.jobFiles->AskOpenPath()) OpenJobFile(*path);
}

// A file that cannot be read leaves the job on screen as it is.
void CCutPlanDlg::OpenJobFile(const std::string& path) {
    std::string bytes, error;
    if (!services_.jobFiles->Exists(path)) {
        if (services_.settings) RecentCutJobs(*services_.settings).Remove(path);
        ShowJobFile();
        return Say("任务文件已不存在, 已从最近的任务中删除:\n" + path);
    }
    if (!services_.jobFiles->Read(path, bytes)) return Say("无法读取任务文件:\n" + path);
    std::vector<CutJob> jobs;
    if (!ParseCutJobSections(bytes, jobs, error)) return Say("无法读取任务文件 " + path + ":\n" + error);
    SetJob(jobs, path);
}

void CCutPlanDlg::OnRecentJob() {
    const int row = surface_.Selection(IDC_CUT_RECENT);
    if (row < 0 || row >= surface_.ItemCount(IDC_CUT_RECENT) || !services_.jobFiles) return;
    const std::string path = surface_.ItemText(IDC_CUT_RECENT, row);
    surface_.SetSelection(IDC_CUT_RECENT, -1);
    if (!MayReplaceJob()) return;
    OpenJobFile(path);
}

void CCutPlanDlg::OnSaveJobAs() {
    if (!services_.jobFiles) return;
    const std::optional<std::string> path =
        services_.jobFiles->AskSavePath(jobPath_.empty() ? std::string(kJobFileName) : CutJobName(jobPath_) + ".txt");
    if (!path) return;
    std::vector<CutJob> jobs;
    for (const Section& section : sections_) jobs.push_back(section.job);
    if (!services_.jobFiles->Write(*path, CutJobSectionsText(jobs))) {
        surface_.ShowMessage(kExportFailedText + *path, kWarningCaption, kMbOk | kMbIconWarning);
        return;
    }
    jobPath_ = *path;
    modified_ = false;
    if (services_.settings) {
        RecentCutJobs recent(*services_.settings);
        recent.SetOpenPath(jobPath_);
        recent.Add(jobPath_);
    }
    ShowJobFile();
}

std::vector<std::pair<double, int>> CCutPlanDlg::SectionOffcuts() const {
    if (!services_.offcuts) return {};
    return services_.offcuts->Of(Job().section);
}

void CCutPlanDlg::ShowConfirm() {
    surface_.SetEnabled(IDC_CUT_CONFIRM, services_.offcuts && AnyPlan() && !solving_);
    surface_.SetEnabled(IDC_CUT_UNDO_CONFIRM, services_.offcuts && services_.offcuts->CanUndo() && !solving_);
}

// The plans were cut: the offcuts they took leave the stock, those at or above the reusable
// length join it, under the job's name and the day.
void CCutPlanDlg::OnConfirmCut() {
    if (!services_.offcuts || !AnyPlan() || solving_) return;
    const std::string job = jobPath_.empty() ? std::string("(未另存的任务)") : CutJobName(jobPath_);
    std::vector<OffcutCut> cuts;
    int kept = 0;
    for (const Section& section : sections_) {
        if (!section.plan.found) continue;
        OffcutCut cut;
        cut.section = section.solved.section;
        cut.key = job + "\n" + CutPlanText(section.plan);
        for (const StockTotal& total : section.plan.perStock)
            if (total.offcut && total.bars > 0) cut.taken.emplace_back(total.length, static_cast<int>(total.bars));
        for (const auto& [length, bars] : section.plan.reusableOffcuts) {
            cut.kept.emplace_back(length, static_cast<int>(bars));
            kept += static_cast<int>(bars);
        }
        cuts.push_back(cut);
    }
    switch (services_.offcuts->Confirm(cuts, services_.now ? services_.now() : std::string(), job)) {
        case OffcutStock::Confirmed::Already:
            return Say("这个方案已经确认过下料, 余料没有再次入库。");
        case OffcutStock::Confirmed::NotWritten:
            surface_.ShowMessage(kExportFailedText + std::string(kOffcutStockFile.name), kWarningCaption,
                                 kMbOk | kMbIconWarning);
            return;
        case OffcutStock::Confirmed::Added:
            break;
    }
    ShowStock();
    ShowConfirm();
    surface_.SetText(IDC_CUT_TOTAL, surface_.Text(IDC_CUT_TOTAL) + "  (已确认下料, 余料入库 " + std::to_string(kept) + " 根)");
}

void CCutPlanDlg::OnUndoConfirm() {
    if (!services_.offcuts || !services_.offcuts->CanUndo() || solving_) return;
    if (!services_.offcuts->UndoLast()) {
        surface_.ShowMessage(kExportFailedText + std::string(kOffcutStockFile.name), kWarningCaption, kMbOk | kMbIconWarning);
        return;
    }
    ShowStock();
    ShowConfirm();
}

}  // namespace mw
