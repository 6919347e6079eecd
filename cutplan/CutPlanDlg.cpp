// The cutting plan window's behaviour.
#include "cutplan/CutPlanDlg.h"

#include <algorithm>
#include <cmath>

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
const char* const kPieceColumns[] = {"长度 mm", "数量"};
const int kPieceWidths[] = {110, 90};
const char* const kPlanColumns[] = {"根数", "原料 mm", "下料 mm", "余料 mm"};
const int kPlanWidths[] = {44, 64, 448, 70};

bool Blank(const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; }

bool Whole(double value) { return std::isfinite(value) && value == std::floor(value); }

// "1200×3 + 800": equal pieces grouped, longest first as the plan lists them.
std::string PiecesText(const std::vector<double>& pieces) {
    std::string text;
    for (std::size_t i = 0; i < pieces.size();) {
        std::size_t j = i;
        while (j < pieces.size() && pieces[j] == pieces[i]) ++j;
        if (!text.empty()) text += " + ";
        text += PlainNumber(pieces[i], 1);
        if (j - i > 1) text += "×" + std::to_string(j - i);
        i = j;
    }
    return text;
}

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
    for (std::size_t i = 0; i < 2; ++i) surface_.AddColumn(IDC_CUT_PIECE_LIST, kPieceColumns[i], kPieceWidths[i]);
    for (std::size_t i = 0; i < 4; ++i) surface_.AddColumn(IDC_CUT_RESULT, kPlanColumns[i], kPlanWidths[i]);
    std::string setAside;
    const bool whole = file_.Load(job_, setAside);
    if (job_.pricePerTonne == 0) job_.pricePerTonne = list_.DefaultPrice();
    ShowJob();
    SetSolving(false);
    ShowPlan();
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
        case IDC_CUT_STOCK_ADD:    if (what == Notify::Click) OnAddStock(); break;
        case IDC_CUT_STOCK_REMOVE: if (what == Notify::Click) OnRemoveStock(); break;
        case IDC_CUT_PIECE_LIST:   if (what == Notify::SelChange) OnPieceSelected(); break;
        case IDC_CUT_PIECE_ADD:    if (what == Notify::Click) OnAddPiece(false); break;
        case IDC_CUT_PIECE_EDIT:   if (what == Notify::Click) OnAddPiece(true); break;
        case IDC_CUT_PIECE_REMOVE: if (what == Notify::Click) OnRemovePiece(); break;
        case IDC_CUT_PIECE_PASTE:  if (what == Notify::Click) OnPaste(); break;
        case IDC_CUT_SOLVE:        if (what == Notify::Click) OnSolve(); break;
        case IDC_CUT_CANCEL:       if (what == Notify::Click && solving_) runner_.Cancel(); break;
        case IDC_CUT_ADD_LIST:     if (what == Notify::Click) OnAddToList(); break;
        case IDC_CUT_COPY:
            if (what == Notify::Click && plan_.found) CopyOrSay(clipboard_, surface_, PlanTabText());
            break;
        case IDC_CUT_EXPORT:       if (what == Notify::Click) OnExport(); break;
        case IDC_CUT_PREVIEW:      if (what == Notify::Click) OnPrint(true); break;
        case IDM_PRINT:            OnPrint(false); break;
        default: break;
    }
}

void CCutPlanDlg::ShowJob() {
    showing_ = true;
    surface_.SetText(IDC_CUT_SECTION, job_.section);
    surface_.SetText(IDC_CUT_KGM, PlainNumber(job_.kilogramsPerMetre));
    surface_.SetText(IDC_CUT_PRICE, PlainNumber(job_.pricePerTonne, 2));
    surface_.SetText(IDC_CUT_KERF, PlainNumber(job_.kerf));
    surface_.SetText(IDC_CUT_TRIM, PlainNumber(job_.trim));
    surface_.SetText(IDC_CUT_REUSABLE, PlainNumber(job_.reusableLength));
    showing_ = false;
    ShowStock();
    ShowPieces();
}

void CCutPlanDlg::ShowStock() {
    surface_.ClearItems(IDC_CUT_STOCK_LIST);
    for (std::size_t i = 0; i < job_.stock.size(); ++i) {
        StockRow& row = job_.stock[i];
        row.line = static_cast<int>(i) + 1;
        surface_.AddRow(IDC_CUT_STOCK_LIST, {PlainNumber(row.length), row.count ? PlainNumber(*row.count) : "不限",
                                             row.price ? PlainNumber(*row.price, 2) : ""});
    }
}

void CCutPlanDlg::ShowPieces() {
    const int selected = surface_.Selection(IDC_CUT_PIECE_LIST);
    surface_.ClearItems(IDC_CUT_PIECE_LIST);
    const int count = static_cast<int>(job_.pieces.size());
    for (int i = 0; i < count; ++i) {
        PieceRow& row = job_.pieces[i];
        row.line = i + 1;
        surface_.AddRow(IDC_CUT_PIECE_LIST, {PlainNumber(row.length), PlainNumber(row.count)});
    }
    if (selected >= 0 && count > 0) surface_.SetSelection(IDC_CUT_PIECE_LIST, std::min(selected, count - 1));
}

void CCutPlanDlg::Save() {
    const bool was = saved_;
    saved_ = file_.Told(file_.Save(job_), surface_);
    if (saved_ != was && !solving_) ShowPlan();  // the totals line says when the file cannot be written
}

void CCutPlanDlg::Say(const std::string& text) { surface_.ShowMessage(text, kInputHintCaption, kMbOk | kMbIconInformation); }

void CCutPlanDlg::OnField(int id) {
    if (showing_) return;
    const std::string text = surface_.Text(id);
    switch (id) {
        case IDC_CUT_SECTION:  job_.section = text; break;
        case IDC_CUT_KGM:      job_.kilogramsPerMetre = CalcExpression(text); break;
        case IDC_CUT_PRICE:    job_.pricePerTonne = CalcExpression(text); break;
        case IDC_CUT_KERF:     job_.kerf = CalcExpression(text); break;
        case IDC_CUT_TRIM:     job_.trim = CalcExpression(text); break;
        case IDC_CUT_REUSABLE: job_.reusableLength = CalcExpression(text); break;
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
    job_.section = material->section;
    job_.kilogramsPerMetre = material->kilogramsPerMetre;
    showing_ = true;
    surface_.SetText(IDC_CUT_SECTION, job_.section);
    surface_.SetText(IDC_CUT_KGM, PlainNumber(job_.kilogramsPerMetre));
    showing_ = false;
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
    job_.stock.push_back(row);
    ShowStock();
    Save();
}

void CCutPlanDlg::OnRemoveStock() {
    if (!RemoveSelected(surface_, IDC_CUT_STOCK_LIST, job_.stock)) return Say("请先在原料表中选中一行。");
    ShowStock();
    Save();
}

void CCutPlanDlg::OnPieceSelected() {
    const int row = surface_.Selection(IDC_CUT_PIECE_LIST);
    if (row < 0 || row >= static_cast<int>(job_.pieces.size())) return;
    surface_.SetText(IDC_CUT_PIECE_LENGTH, PlainNumber(job_.pieces[row].length));
    surface_.SetText(IDC_CUT_PIECE_COUNT, PlainNumber(job_.pieces[row].count));
}

// Adds a row of the length and count typed, or puts them in place of the selected row.
void CCutPlanDlg::OnAddPiece(bool replace) {
    const int selected = surface_.Selection(IDC_CUT_PIECE_LIST);
    if (replace && (selected < 0 || selected >= static_cast<int>(job_.pieces.size())))
        return Say("请先在零件表中选中一行。");
    PieceRow row;
    row.length = CalcExpression(surface_.Text(IDC_CUT_PIECE_LENGTH));
    const std::string countText = surface_.Text(IDC_CUT_PIECE_COUNT);
    row.count = Blank(countText) ? 1 : CalcExpression(countText);
    if (!(row.length > 0)) return Say("零件长度必须大于0。");
    if (!Whole(row.count) || row.count <= 0) return Say("零件数量必须是正整数。");
    if (replace) job_.pieces[selected] = row;
    else job_.pieces.push_back(row);
    ShowPieces();
    Save();
}

void CCutPlanDlg::OnRemovePiece() {
    if (!RemoveSelected(surface_, IDC_CUT_PIECE_LIST, job_.pieces)) return Say("请先在零件表中选中一行。");
    ShowPieces();
    Save();
}

void CCutPlanDlg::OnPaste() {
    const std::optional<std::string> text = paste_.ReadText();
    std::vector<PieceRow> pieces;
    std::string error;
    if (!text || !ParsePastedPieces(*text, pieces, error))
        return Say(text ? error : "剪贴板中没有文字。");
    job_.pieces.insert(job_.pieces.end(), pieces.begin(), pieces.end());
    ShowPieces();
    Save();
}

void CCutPlanDlg::SetSolving(bool solving) {
    solving_ = solving;
    surface_.SetEnabled(IDC_CUT_SOLVE, !solving);
    surface_.SetEnabled(IDC_CUT_CANCEL, solving);
}

void CCutPlanDlg::OnSolve() {
    if (solving_) return;
    const std::string fault = CheckCutJob(job_);
    if (!fault.empty()) return Say(fault + "。");
    solvedJob_ = job_;
    SetSolving(true);
    surface_.SetText(IDC_CUT_TOTAL, "正在计算…");
    runner_.Start(solvedJob_);
}

void CCutPlanDlg::OnProgress(double share) {
    if (!solving_) return;
    const int percent = static_cast<int>(std::lround(std::min(std::max(share, 0.0), 1.0) * 100));
    surface_.SetText(IDC_CUT_TOTAL, "正在计算… " + std::to_string(percent) + "%");
}

void CCutPlanDlg::OnSolved(const CutPlan& plan) {
    plan_ = plan;
    SetSolving(false);
    ShowPlan();
}

std::vector<std::vector<std::string>> CCutPlanDlg::PlanTable() const {
    std::vector<std::vector<std::string>> rows;
    for (const CutPattern& pattern : plan_.patterns)
        rows.push_back({std::to_string(pattern.times), PlainNumber(pattern.stockLength, 1), PiecesText(pattern.pieces),
                        PlainNumber(pattern.offcut, 1)});
    return rows;
}

PrintDocument CCutPlanDlg::CutSheet() const {
    const std::vector<CutSheetSection> sections{{solvedJob_, plan_}};
    return {kCutSheetTitle, [sections](const PaperSize& paper, const TextMeasure& measure, const std::string& date) {
                return LayoutCutSheet(sections, paper, measure, date);
            }};
}

// A plan is printed as it stands in the window; before there is one, the user is told.
void CCutPlanDlg::OnPrint(bool preview) {
    if (!printing_) return;
    if (!plan_.found) {
        Say("请先计算出下料方案,再打印下料单。");
        return;
    }
    if (preview) printing_->Preview(CutSheet());
    else printing_->Print(CutSheet());
}

std::vector<std::string> CCutPlanDlg::TotalLines() const {
    std::vector<std::string> lines;
    if (!plan_.found) return lines;
    std::string bars;
    for (const StockTotal& total : plan_.perStock) {
        if (total.bars == 0) continue;
        bars += (bars.empty() ? "" : ", ") + PlainNumber(total.length, 1) + " mm × " + std::to_string(total.bars) + " 根";
    }
    std::string bound;
    switch (plan_.measure) {
        case PlanMeasure::Bars:        bound = "下限 " + PlainNumber(std::ceil(plan_.bound - 1e-9)) + " 根"; break;
        case PlanMeasure::Yuan:        bound = "金额下限 " + Money(plan_.bound) + " 元"; break;
        case PlanMeasure::Millimetres: bound = "长度下限 " + PlainNumber(plan_.bound, 1) + " mm"; break;
    }
    if (plan_.optimal) bound += ", 最优";
    lines.push_back("共 " + std::to_string(plan_.bars) + " 根 (" + bound + "): " + bars);
    std::string amounts = "购入 " + PlainNumber(plan_.boughtLength / 1000.0, 3) + " m, " +
                          PlainNumber(plan_.boughtKilograms, 2) + " kg  零件 " + PlainNumber(plan_.usedKilograms, 2) +
                          " kg  损耗 " + PlainNumber(plan_.wastePercent, 2) + "%";
    if (plan_.cost > 0) amounts += "  金额 " + Money(plan_.cost) + " 元";
    lines.push_back(amounts);
    if (!plan_.reusableOffcuts.empty()) {
        std::string offcuts = "可用余料: ";
        for (std::size_t i = 0; i < plan_.reusableOffcuts.size(); ++i)
            offcuts += (i ? ", " : "") + PlainNumber(plan_.reusableOffcuts[i].first, 1) + " mm × " +
                       std::to_string(plan_.reusableOffcuts[i].second);
        lines.push_back(offcuts);
    }
    return lines;
}

void CCutPlanDlg::ShowPlan() {
    surface_.ClearItems(IDC_CUT_RESULT);
    for (const std::vector<std::string>& row : PlanTable()) surface_.AddRow(IDC_CUT_RESULT, row);
    std::string total;
    if (plan_.found) {
        for (const std::string& line : TotalLines()) total += (total.empty() ? "" : "\n") + line;
        if (plan_.stopped) total += "  (已停止: 目前找到的最好方案)";
    } else if (!plan_.message.empty()) {
        total = "没有方案: " + plan_.message;
    }
    if (!saved_) total += (total.empty() ? "" : "  ") + std::string("(任务文件无法写入)");
    surface_.SetText(IDC_CUT_TOTAL, total);
    surface_.SetEnabled(IDC_CUT_ADD_LIST, plan_.found);
    surface_.SetEnabled(IDC_CUT_COPY, plan_.found);
    surface_.SetEnabled(IDC_CUT_EXPORT, plan_.found);
    surface_.SetEnabled(IDC_CUT_PREVIEW, plan_.found);
}

// Each stock length bought becomes a row: the section, the length, the bars, their weight, and
// their price a tonne when the bars have a price of their own.
void CCutPlanDlg::OnAddToList() {
    if (!plan_.found) return;
    if (!(solvedJob_.kilogramsPerMetre > 0))
        return Say("这个方案的每米重为0: 请先填写每米重(或取当前材料),再计算方案。");
    const std::string time = services_.now ? services_.now() : std::string();
    for (std::size_t i = 0; i < plan_.perStock.size(); ++i) {
        const StockTotal& total = plan_.perStock[i];
        if (total.bars == 0) continue;
        Weighing item;
        item.calculator = solvedJob_.section.empty() ? "下料原料" : solvedJob_.section;
        item.size = PlainNumber(total.length, 1) + " mm";
        item.quantity = std::to_string(total.bars) + " 根";
        item.kilograms = total.length / 1000.0 * total.bars * solvedJob_.kilogramsPerMetre;
        list_.Told(list_.Add(item, time), surface_);
        const bool ownPrice = i < solvedJob_.stock.size() && solvedJob_.stock[i].price;
        if (item.kilograms > 0 && (ownPrice || solvedJob_.pricePerTonne != list_.DefaultPrice()))
            list_.Told(list_.SetRowPrice(static_cast<int>(list_.Rows().size()) - 1, total.cost / (item.kilograms / 1000.0)),
                       surface_);
    }
    surface_.SetText(IDC_CUT_TOTAL, surface_.Text(IDC_CUT_TOTAL) + "  (已加入重量清单)");
}

std::string CCutPlanDlg::PlanTabText() const {
    std::string text;
    for (std::size_t i = 0; i < 4; ++i) text += std::string(i ? "\t" : "") + kPlanColumns[i];
    text += "\r\n";
    for (const std::vector<std::string>& row : PlanTable()) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "\t" : "") + row[i];
        text += "\r\n";
    }
    for (const std::string& line : TotalLines()) text += line + "\r\n";
    return text;
}

std::string CCutPlanDlg::PlanCsvText() const {
    std::string text = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < 4; ++i) text += std::string(i ? "," : "") + CsvField(kPlanColumns[i]);
    text += "\r\n";
    for (const std::vector<std::string>& row : PlanTable()) {
        for (std::size_t i = 0; i < row.size(); ++i) text += (i ? "," : "") + CsvField(row[i]);
        text += "\r\n";
    }
    for (const std::string& line : TotalLines()) text += CsvField(line) + "\r\n";
    return text;
}

void CCutPlanDlg::OnExport() {
    if (!plan_.found) return;
    ExportOrSay(exports_, surface_, kExportName, PlanCsvText());
}

}  // namespace mw
