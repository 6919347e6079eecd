// The cutting plan window's behaviour.
#include "cutplan/CutPlanDlg.h"

#include <algorithm>
#include <cmath>

#include "cutplan/RecentCutJobs.h"
#include "cutplan/CutSheet.h"
#include "expr/CalcExpression.h"
#include "kit/Captions.h"
#include "res/resource.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

const char kExportName[] = "下料方案.csv";
const char* const kStockColumns[] = {"长度 mm", "库存", "单价 元/根"};
const int kStockWidths[] = {70, 64, 74};
const char* const kPieceColumns[] = {"长度 mm", "数量", "构件号"};
const int kPieceWidths[] = {80, 56, 74};
const char* const kSectionColumns[] = {"材料", "零件"};
const int kSectionWidths[] = {104, 40};
const int kPlanWidths[] = {44, 64, 448, 70};

// Removes the row selected in `list` from `rows`; false, and nothing removed, when none is.
template <typename Row>
bool RemoveSelected(ControlSurface& surface, int list, std::vector<Row>& rows) {
    const int row = surface.Selection(list);
    if (row < 0 || row >= static_cast<int>(rows.size())) return false;
    rows.erase(rows.begin() + row);
    return true;
}

}  // namespace

CCutPlanDlg::CCutPlanDlg(ControlSurface& surface, CutJobFile& file, WeightList& list, Clipboard& clipboard,
                         ClipboardReader& paste, ExportFiles& exports, CutSolveRunner& runner,
                         CutPlanServices services)
    : surface_(surface), file_(file), list_(list), clipboard_(clipboard), paste_(paste),
      exports_(exports), runner_(runner), services_(std::move(services)) {}

void CCutPlanDlg::OnInitDialog() {
    for (std::size_t i = 0; i < 3; ++i) surface_.AddColumn(IDC_CUT_STOCK_LIST, kStockColumns[i], kStockWidths[i]);
    for (std::size_t i = 0; i < 3; ++i) surface_.AddColumn(IDC_CUT_PIECE_LIST, kPieceColumns[i], kPieceWidths[i]);
    for (std::size_t i = 0; i < 4; ++i) surface_.AddColumn(IDC_CUT_RESULT, kCutPlanColumns[i], kPlanWidths[i]);
    for (std::size_t i = 0; i < 2; ++i) surface_.AddColumn(IDC_CUT_SECTIONS, kSectionColumns[i], kSectionWidths[i]);
    std::string setAside;
    std::vector<CutJob> jobs;
    const bool whole = file_.Load(jobs, setAside);
    sections_.assign(jobs.size(), Section());
    for (std::size_t i = 0; i < jobs.size(); ++i) sections_[i].job = jobs[i];
    current_ = 0;
    if (Cur().pricePerTonne == 0) Cur().pricePerTonne = list_.DefaultPrice();
    if (services_.settings) jobPath_ = RecentCutJobs(*services_.settings).OpenPath();
    std::string offcutsAside;
    const bool offcutsWhole = !services_.offcuts || services_.offcuts->Load(offcutsAside);
    ShowJobFile();
    ShowSections();
    ShowJob();
    SetSolving(false);
    ShowPlan();
    if (!offcutsWhole)
        surface_.ShowMessage("余料库存文件已损坏,原文件已另存为:\n" + offcutsAside + "\n余料库存从空白开始。", kWarningCaption,
                             kMbOk | kMbIconWarning);
    if (!whole)
        surface_.ShowMessage("下料任务文件已损坏,原文件已另存为:\n" + setAside + "\n任务从空白开始。", kWarningCaption,
                             kMbOk | kMbIconWarning);
}

void CCutPlanDlg::OnCommand(int id, Notify what) {
    switch (id) {
        case IDC_CUT_SECTION: case IDC_CUT_KGM: case IDC_CUT_PRICE:
        case IDC_CUT_KERF: case IDC_CUT_TRIM: case IDC_CUT_REUSABLE:
            if (what == Notify::Change) OnField(id);
            break;
        case IDC_CUT_TAKE:         if (what == Notify::Click) OnTakeCurrent(); break;
        case IDC_CUT_SECTIONS:     if (what == Notify::SelChange) OnSectionSelected(); break;
        case IDC_CUT_SECTION_ADD:  if (what == Notify::Click) OnAddSection(); break;
        case IDC_CUT_SECTION_REMOVE: if (what == Notify::Click) OnRemoveSection(); break;
        case IDC_CUT_CONFIRM:      if (what == Notify::Click) OnConfirmCut(); break;
        case IDC_CUT_UNDO_CONFIRM: if (what == Notify::Click) OnUndoConfirm(); break;
        case IDC_CUT_JOB_NEW:      if (what == Notify::Click) OnNewJob(); break;
        case IDC_CUT_JOB_OPEN:     if (what == Notify::Click) OnOpenJob(); break;
        case IDC_CUT_JOB_SAVE_AS:  if (what == Notify::Click) OnSaveJobAs(); break;
        case IDC_CUT_RECENT:       if (what == Notify::SelChange) OnRecentJob(); break;
        case IDC_CUT_STOCK_ADD:    if (what == Notify::Click) OnAddStock(); break;
        case IDC_CUT_STOCK_REMOVE: if (what == Notify::Click) OnRemoveStock(); break;
        case IDC_CUT_PIECE_LIST:   if (what == Notify::SelChange) OnPieceSelected(); break;
        case IDC_CUT_PIECE_ADD:    if (what == Notify::Click) OnAddPiece(false); break;
        case IDC_CUT_PIECE_EDIT:   if (what == Notify::Click) OnAddPiece(true); break;
        case IDC_CUT_PIECE_REMOVE: if (what == Notify::Click) OnRemovePiece(); break;
        case IDC_CUT_PIECE_PASTE:  if (what == Notify::Click) OnPaste(); break;
        case IDC_CUT_SOLVE:        if (what == Notify::Click) OnSolve(); break;
        case IDC_CUT_CANCEL:
            if (what == Notify::Click && solving_) {
                cancelled_ = true;  // the sections not yet planned stay without a plan
                runner_.Cancel();
            }
            break;
        case IDC_CUT_ADD_LIST:     if (what == Notify::Click) OnAddToList(); break;
        case IDC_CUT_COPY:
            if (what == Notify::Click && AnyPlan()) CopyOrSay(clipboard_, surface_, PlanTabText());
            break;
        case IDC_CUT_EXPORT:       if (what == Notify::Click) OnExport(); break;
        case IDC_CUT_PREVIEW:      if (what == Notify::Click) OnPrint(true); break;
        case IDM_PRINT:            OnPrint(false); break;
        default: break;
    }
}

void CCutPlanDlg::ShowJob() {
    showing_ = true;
    surface_.SetText(IDC_CUT_SECTION, Cur().section);
    surface_.SetText(IDC_CUT_KGM, PlainNumber(Cur().kilogramsPerMetre));
    surface_.SetText(IDC_CUT_PRICE, PlainNumber(Cur().pricePerTonne, 2));
    surface_.SetText(IDC_CUT_KERF, PlainNumber(Cur().kerf));
    surface_.SetText(IDC_CUT_TRIM, PlainNumber(Cur().trim));
    surface_.SetText(IDC_CUT_REUSABLE, PlainNumber(Cur().reusableLength));
    showing_ = false;
    ShowStock();
    ShowPieces();
}

void CCutPlanDlg::ShowStock() {
    surface_.ClearItems(IDC_CUT_STOCK_LIST);
    for (std::size_t i = 0; i < Cur().stock.size(); ++i) {
        StockRow& row = Cur().stock[i];
        row.line = static_cast<int>(i) + 1;
        surface_.AddRow(IDC_CUT_STOCK_LIST, {PlainNumber(row.length), row.count ? PlainNumber(*row.count) : "不限",
                                             row.price ? PlainNumber(*row.price, 2) : ""});
    }
    // The section's offcuts kept in stock follow: used before any bar is bought.
    for (const auto& [length, count] : SectionOffcuts())
        surface_.AddRow(IDC_CUT_STOCK_LIST, {PlainNumber(length), std::to_string(count), "余料"});
}

void CCutPlanDlg::ShowPieces() {
    const int selected = surface_.Selection(IDC_CUT_PIECE_LIST);
    surface_.ClearItems(IDC_CUT_PIECE_LIST);
    const int count = static_cast<int>(Cur().pieces.size());
    for (int i = 0; i < count; ++i) {
        PieceRow& row = Cur().pieces[i];
        row.line = i + 1;
        surface_.AddRow(IDC_CUT_PIECE_LIST, {PlainNumber(row.length), PlainNumber(row.count), row.mark});
    }
    if (selected >= 0 && count > 0) surface_.SetSelection(IDC_CUT_PIECE_LIST, std::min(selected, count - 1));
}

void CCutPlanDlg::Save() {
    const bool was = saved_;
    std::vector<CutJob> jobs;
    for (const Section& section : sections_) jobs.push_back(section.job);
    saved_ = file_.Told(file_.Save(jobs), surface_);
    modified_ = true;
    if (saved_ != was && !solving_) ShowPlan();  // the totals line says when the file cannot be written
}

void CCutPlanDlg::Say(const std::string& text) { surface_.ShowMessage(text, kInputHintCaption, kMbOk | kMbIconInformation); }

void CCutPlanDlg::OnField(int id) {
    if (showing_) return;
    const std::string text = surface_.Text(id);
    switch (id) {
        case IDC_CUT_SECTION:
            Cur().section = text;
            ShowSections();
            ShowStock();  // the offcuts kept are the section's
            break;
        case IDC_CUT_KGM:      Cur().kilogramsPerMetre = CalcExpression(text); break;
        case IDC_CUT_PRICE:    Cur().pricePerTonne = CalcExpression(text); break;
        case IDC_CUT_KERF:     Cur().kerf = CalcExpression(text); break;
        case IDC_CUT_TRIM:     Cur().trim = CalcExpression(text); break;
        case IDC_CUT_REUSABLE: Cur().reusableLength = CalcExpression(text); break;
        default: return;
    }
    Save();
}

void CCutPlanDlg::OnTakeCurrent() {
    const std::optional<CurrentMaterial> material =
        services_.currentMaterial ? services_.currentMaterial() : std::nullopt;
    if (!material) {
        Say("当前计算器没有按长度计算的重量: 请先在主窗口中选择材料和规格,或手动输入材料和每米重。");
        return;
    }
    Cur().section = material->section;
    Cur().kilogramsPerMetre = material->kilogramsPerMetre;
    showing_ = true;
    surface_.SetText(IDC_CUT_SECTION, Cur().section);
    surface_.SetText(IDC_CUT_KGM, PlainNumber(Cur().kilogramsPerMetre));
    showing_ = false;
    ShowSections();
    Save();
}

void CCutPlanDlg::OnAddStock() {
    const double length = CalcExpression(surface_.Text(IDC_CUT_STOCK_LENGTH));
    const std::string countText = surface_.Text(IDC_CUT_STOCK_COUNT);
    const std::string priceText = surface_.Text(IDC_CUT_STOCK_PRICE);
    StockRow row(length);
    if (!Blank(countText)) row.count = CalcExpression(countText);
    if (!Blank(priceText)) row.price = CalcExpression(priceText);
    if (!(length > 0)) return Say("原料长度必须大于0。");
    if (row.count && (!Whole(*row.count) || *row.count < 0)) return Say("原料数量必须是不小于0的整数(不填为不限)。");
    if (row.price && !(*row.price >= 0)) return Say("原料单价不能为负数。");
    Cur().stock.push_back(row);
    ShowStock();
    Save();
}

void CCutPlanDlg::OnRemoveStock() {
    const int row = surface_.Selection(IDC_CUT_STOCK_LIST) - static_cast<int>(Cur().stock.size());
    const std::vector<std::pair<double, int>> offcuts = SectionOffcuts();
    if (row >= 0 && row < static_cast<int>(offcuts.size())) {  // an offcut used elsewhere: one bar of it goes
        if (!services_.offcuts->Remove(Cur().section, offcuts[row].first))
            return surface_.ShowMessage(kExportFailedText + std::string(kOffcutStockFile.name), kWarningCaption,
                                        kMbOk | kMbIconWarning), void();
        return ShowStock();
    }
    if (!RemoveSelected(surface_, IDC_CUT_STOCK_LIST, Cur().stock)) return Say("请先在原料表中选中一行。");
    ShowStock();
    Save();
}

void CCutPlanDlg::OnPieceSelected() {
    const int row = surface_.Selection(IDC_CUT_PIECE_LIST);
    if (row < 0 || row >= static_cast<int>(Cur().pieces.size())) return;
    surface_.SetText(IDC_CUT_PIECE_LENGTH, PlainNumber(Cur().pieces[row].length));
    surface_.SetText(IDC_CUT_PIECE_COUNT, PlainNumber(Cur().pieces[row].count));
    surface_.SetText(IDC_CUT_PIECE_MARK, Cur().pieces[row].mark);
}

// Adds a row of the length and count typed, or puts them in place of the selected row.
void CCutPlanDlg::OnAddPiece(bool replace) {
    const int selected = surface_.Selection(IDC_CUT_PIECE_LIST);
    if (replace && (selected < 0 || selected >= static_cast<int>(Cur().pieces.size())))
        return Say("请先在零件表中选中一行。");
    PieceRow row;
    row.length = CalcExpression(surface_.Text(IDC_CUT_PIECE_LENGTH));
    const std::string countText = surface_.Text(IDC_CUT_PIECE_COUNT);
    row.count = Blank(countText) ? 1 : CalcExpression(countText);
    if (!(row.length > 0)) return Say("零件长度必须大于0。");
    if (!Whole(row.count) || row.count <= 0) return Say("零件数量必须是正整数。");
    row.mark = CleanMark(surface_.Text(IDC_CUT_PIECE_MARK));
    if (row.mark.find('#') != std::string::npos) return Say("构件号不能含有“#”。");
    if (replace) Cur().pieces[selected] = row;
    else Cur().pieces.push_back(row);
    ShowPieces();
    ShowSections();  // the section's count of pieces
    Save();
}

void CCutPlanDlg::OnRemovePiece() {
    if (!RemoveSelected(surface_, IDC_CUT_PIECE_LIST, Cur().pieces)) return Say("请先在零件表中选中一行。");
    ShowPieces();
    ShowSections();
    Save();
}

void CCutPlanDlg::OnPaste() {
    const std::optional<std::string> text = paste_.ReadText();
    std::vector<PieceRow> pieces;
    std::string error;
    if (!text || !ParsePastedPieces(*text, pieces, error))
        return Say(text ? error : "剪贴板中没有文字。");
    Cur().pieces.insert(Cur().pieces.end(), pieces.begin(), pieces.end());
    ShowPieces();
    ShowSections();
    Save();
}

void CCutPlanDlg::SetSolving(bool solving) {
    solving_ = solving;
    surface_.SetEnabled(IDC_CUT_SOLVE, !solving);
    surface_.SetEnabled(IDC_CUT_CANCEL, solving);
}

// Every section is checked before any is planned; then they are planned one after another.
void CCutPlanDlg::OnSolve() {
    if (solving_) return;
    for (int i = 0; i < SectionCount(); ++i) {
        const std::string fault = CheckCutJob(sections_[i].job);
        if (fault.empty()) continue;
        if (i != current_) {
            current_ = i;
            ShowSections();
            ShowJob();
            ShowPlan();
        }
        const std::string& name = sections_[i].job.section;
        return Say((SectionCount() > 1 ? "材料“" + (name.empty() ? std::string("(未命名)") : name) + "”: " : "") +
                   fault + "。");
    }
    // A section's offcuts go to its first entry in the job only, so that no bar is planned twice.
    std::vector<std::string> offered;
    for (Section& section : sections_) {
        section.solved = section.job;
        const bool first = std::find(offered.begin(), offered.end(), section.job.section) == offered.end();
        offered.push_back(section.job.section);
        if (services_.offcuts && first)
            for (const auto& [length, count] : services_.offcuts->Of(section.job.section)) {
                StockRow row(length, count, {}, static_cast<int>(section.solved.stock.size()) + 1);
                row.offcut = true;
                section.solved.stock.push_back(row);
            }
        section.plan = CutPlan();
    }
    cancelled_ = false;
    solvingSection_ = 0;
    SetSolving(true);
    surface_.SetText(IDC_CUT_TOTAL, "正在计算…");
    StartSection();
}

void CCutPlanDlg::StartSection() { runner_.Start(sections_[solvingSection_].solved); }

void CCutPlanDlg::OnProgress(double share) {
    if (!solving_) return;
    const double whole = (solvingSection_ + std::min(std::max(share, 0.0), 1.0)) / SectionCount();
    const int percent = static_cast<int>(std::lround(whole * 100));
    std::string text = "正在计算… " + std::to_string(percent) + "%";
    if (SectionCount() > 1)
        text += " (材料 " + std::to_string(solvingSection_ + 1) + "/" + std::to_string(SectionCount()) + ")";
    surface_.SetText(IDC_CUT_TOTAL, text);
}

// The runner may answer at once, from within Start: nothing is touched after the next Start.
void CCutPlanDlg::OnSolved(const CutPlan& plan) {
    if (!solving_) return;
    sections_[solvingSection_].plan = plan;
    if (!cancelled_ && solvingSection_ + 1 < SectionCount()) {
        ++solvingSection_;
        StartSection();
        return;
    }
    SetSolving(false);
    ShowPlan();
}

bool CCutPlanDlg::AnyPlan() const {
    for (const Section& section : sections_)
        if (section.plan.found) return true;
    return false;
}

std::vector<CutSheetSection> CCutPlanDlg::SheetSections() const {
    std::vector<CutSheetSection> sheet;
    // A planned section is described as it was planned, not as edited since.
    for (const Section& section : sections_)
        sheet.push_back({section.plan.found ? section.solved : section.job, section.plan});
    return sheet;
}

PrintDocument CCutPlanDlg::CutSheet() const {
    const std::vector<CutSheetSection> sections = SheetSections();
    return {kCutSheetTitle, [sections](const PaperSize& paper, const TextMeasure& measure, const std::string& date) {
                return LayoutCutSheet(sections, paper, measure, date);
            }};
}

// The plans are printed as they stand in the window; before there is one, the user is told.
void CCutPlanDlg::OnPrint(bool preview) {
    if (!printing_) return;
    if (!AnyPlan()) {
        Say("请先计算出下料方案,再打印下料单。");
        return;
    }
    if (preview) printing_->Preview(CutSheet());
    else printing_->Print(CutSheet());
}

void CCutPlanDlg::ShowPlan() {
    const CutPlan& plan = Plan();
    surface_.ClearItems(IDC_CUT_RESULT);
    for (const std::vector<std::string>& row : CutPlanRows(plan)) surface_.AddRow(IDC_CUT_RESULT, row);
    std::string total;
    if (plan.found) {
        for (const std::string& line : CutPlanTotalLines(plan)) total += (total.empty() ? "" : "\n") + line;
        if (plan.stopped) total += "  (已停止: 目前找到的最好方案)";
    } else if (!plan.message.empty()) {
        total = "没有方案: " + plan.message;
    }
    if (!saved_) total += (total.empty() ? "" : "  ") + std::string("(任务文件无法写入)");
    surface_.SetText(IDC_CUT_TOTAL, total);
    surface_.SetText(IDC_CUT_JOB_TOTAL, CutJobTotalLine(SheetSections()));
    const bool any = AnyPlan();
    surface_.SetEnabled(IDC_CUT_ADD_LIST, any);
    surface_.SetEnabled(IDC_CUT_COPY, any);
    surface_.SetEnabled(IDC_CUT_EXPORT, any);
    surface_.SetEnabled(IDC_CUT_PREVIEW, any);
    ShowConfirm();
}

// Each stock length bought becomes a row: the section, the length, the bars, their weight, and
// their price a tonne when the bars have a price of their own.
void CCutPlanDlg::OnAddToList() {
    if (!AnyPlan()) return;
    for (const Section& section : sections_)
        if (section.plan.found && !(section.solved.kilogramsPerMetre > 0))
            return Say((SectionCount() > 1 ? "材料“" + section.solved.section + "”" : std::string("这个方案")) +
                       "的每米重为0: 请先填写每米重(或取当前材料),再计算方案。");
    const std::string time = services_.now ? services_.now() : std::string();
    for (const Section& section : sections_) {
        const CutJob& job = section.solved;
        const CutPlan& plan = section.plan;
        if (!plan.found) continue;
        for (std::size_t i = 0; i < plan.perStock.size(); ++i) {
            const StockTotal& total = plan.perStock[i];
            if (total.bars == 0 || total.offcut) continue;  // offcuts are not bought
            Weighing item;
            item.calculator = job.section.empty() ? "下料原料" : job.section;
            item.size = PlainNumber(total.length, 1) + " mm";
            item.quantity = std::to_string(total.bars) + " 根";
            item.kilograms = total.length / 1000.0 * total.bars * job.kilogramsPerMetre;
            list_.Told(list_.Add(item, time), surface_);
            const bool ownPrice = i < job.stock.size() && job.stock[i].price;
            if (item.kilograms > 0 && (ownPrice || job.pricePerTonne != list_.DefaultPrice()))
                list_.Told(list_.SetRowPrice(static_cast<int>(list_.Rows().size()) - 1, total.cost / (item.kilograms / 1000.0)),
                           surface_);
        }
    }
    surface_.SetText(IDC_CUT_TOTAL, surface_.Text(IDC_CUT_TOTAL) + "  (已加入重量清单)");
}

std::string CCutPlanDlg::PlanTabText() const { return CutJobPlanText(SheetSections(), '\t'); }

std::string CCutPlanDlg::PlanCsvText() const { return CutJobPlanText(SheetSections(), ','); }

void CCutPlanDlg::OnExport() {
    if (!AnyPlan()) return;
    ExportOrSay(exports_, surface_, kExportName, PlanCsvText());
}

}  // namespace mw
