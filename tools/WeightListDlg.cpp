// The weight list window's behaviour.
#include "tools/WeightListDlg.h"

#include "expr/CalcExpression.h"
#include "kit/Captions.h"
#include "res/resource.h"
#include "settings/TextFields.h"

namespace mw {

namespace {

// Pixels at 96 dots per inch, in the order of WeightList::kColumnTitles.
const int kColumnWidths[WeightList::kColumnCount] = {36, 90, 120, 92, 40, 86, 70, 76, 76, 124};

const char kChooseRow[] = "请先在清单中选中一行。";
const char kConfirmClear[] = "清空重量清单中的全部记录吗?";
const char kExportName[] = "重量清单.csv";
const char kBadCount[] = "件数应为 1 以上的整数。";
// The seller's line of the quote, in a section of its own so the options' clean-up never meets it.
const char kSellerSection[] = "报价单";
const char kSellerNameKey[] = "gongsi";
const char kSellerPhoneKey[] = "dianhua";

}  // namespace

CWeightListDlg::CWeightListDlg(ControlSurface& surface, WeightList& list, const CalcSettings& settings,
                   Clipboard& clipboard, ExportFiles& exports, SettingsFile* settingsFile)
    : surface_(surface), list_(list), settings_(settings), clipboard_(clipboard), exports_(exports),
      settingsFile_(settingsFile) {
    list_.onChange = [this] { Refresh(); };
}

void CWeightListDlg::OnInitDialog(const std::string& setAside) {
    for (std::size_t i = 0; i < WeightList::kColumnCount; ++i)
        surface_.AddColumn(IDC_WEIGHTLIST_LIST, WeightList::kColumnTitles[i], kColumnWidths[i]);
    showing_ = true;
    surface_.SetText(IDC_WEIGHTLIST_PRICE, PlainNumber(list_.DefaultPrice(), 2));
    const QuoteHeader& header = list_.Header();
    surface_.SetText(IDC_WEIGHTLIST_CUSTOMER, header.customer);
    surface_.SetText(IDC_WEIGHTLIST_PROJECT, header.project);
    surface_.SetText(IDC_WEIGHTLIST_TAX, header.taxPercent ? PlainNumber(*header.taxPercent) : std::string());
    const QuoteSeller seller = Seller();
    surface_.SetText(IDC_WEIGHTLIST_SELLER, seller.name);
    surface_.SetText(IDC_WEIGHTLIST_PHONE, seller.phone);
    showing_ = false;
    Refresh();
    if (!setAside.empty())
        surface_.ShowMessage("重量清单文件已损坏或不是本程序的清单,原文件已另存为:\n" + setAside +
                                 "\n清单从空白开始。",
                             kWarningCaption, kMbOk | kMbIconWarning);
}

void CWeightListDlg::OnCommand(int id, Notify what) {
    switch (id) {
        case IDC_WEIGHTLIST_PRICE:     if (what == Notify::Change) OnDefaultPrice(); break;
        case IDC_WEIGHTLIST_LIST:      if (what == Notify::SelChange) OnRowSelected(); break;
        case IDC_WEIGHTLIST_SET_PRICE: if (what == Notify::Click) OnSetRowPrice(); break;
        case IDC_WEIGHTLIST_SET_COUNT: if (what == Notify::Click) OnSetRowCount(); break;
        case IDC_WEIGHTLIST_CUSTOMER:
        case IDC_WEIGHTLIST_PROJECT:
        case IDC_WEIGHTLIST_TAX:       if (what == Notify::Change) OnHeader(); break;
        case IDC_WEIGHTLIST_SELLER:
        case IDC_WEIGHTLIST_PHONE:     if (what == Notify::Change) OnSeller(id); break;
        case IDC_WEIGHTLIST_DELETE:    if (what == Notify::Click) OnDelete(); break;
        case IDC_WEIGHTLIST_CLEAR:     if (what == Notify::Click) OnClear(); break;
        case IDC_WEIGHTLIST_COPY:      if (what == Notify::Click) CopyOrSay(clipboard_, surface_, list_.TabText(Display())); break;
        case IDC_WEIGHTLIST_EXPORT:    if (what == Notify::Click) OnExport(); break;
        case IDC_WEIGHTLIST_PREVIEW:   if (what == Notify::Click && printing_) printing_->Preview(Quote()); break;
        case IDM_PRINT:                if (printing_) printing_->Print(Quote()); break;
        default: break;
    }
}

void CWeightListDlg::Refresh() {
    const WeightDisplay display = Display();
    const int selected = surface_.Selection(IDC_WEIGHTLIST_LIST);
    surface_.ClearItems(IDC_WEIGHTLIST_LIST);
    const int count = static_cast<int>(list_.Rows().size());
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> cells = list_.RowCells(i, display);
        cells[WeightList::kWeightCell] += std::string(" ") + display.Unit();  // the header names no unit here
        surface_.AddRow(IDC_WEIGHTLIST_LIST, cells);
    }
    if (selected >= 0 && count > 0) surface_.SetSelection(IDC_WEIGHTLIST_LIST, selected < count ? selected : count - 1);
    std::string total = "共 " + std::to_string(count) + " 项  合计重量 " + display.Weight(list_.TotalKilograms()) +
                        " " + display.Unit() + "  金额 " + Money(list_.TotalCost()) + " 元";
    if (!list_.Saved()) total += "  (清单文件无法写入,记录只在本次运行中)";
    surface_.SetText(IDC_WEIGHTLIST_TOTAL, total);
    if (printing_) printing_->DocumentChanged();
}

// The default price follows the edit as it is typed; rows with a price of their own keep it.
void CWeightListDlg::OnDefaultPrice() {
    const double price = CalcExpression(surface_.Text(IDC_WEIGHTLIST_PRICE));
    if (price != list_.DefaultPrice()) list_.Told(list_.SetDefaultPrice(price), surface_);
}

void CWeightListDlg::OnRowSelected() {
    const int row = surface_.Selection(IDC_WEIGHTLIST_LIST);
    const auto& rows = list_.Rows();
    const bool own = row >= 0 && row < static_cast<int>(rows.size()) && rows[row].price;
    surface_.SetText(IDC_WEIGHTLIST_ROW_PRICE, own ? PlainNumber(*rows[row].price, 2) : std::string());
    const bool chosen = row >= 0 && row < static_cast<int>(rows.size());
    surface_.SetText(IDC_WEIGHTLIST_ROW_COUNT, chosen ? std::to_string(rows[row].count) : std::string());
}

// A count is a whole number of pieces; anything else is refused and the row keeps its count.
void CWeightListDlg::OnSetRowCount() {
    const int row = SelectedRow();
    if (row < 0) return;
    const double count = CalcExpression(surface_.Text(IDC_WEIGHTLIST_ROW_COUNT));
    if (!WeightList::IsPieceCount(count)) {
        surface_.ShowMessage(kBadCount, kInputHintCaption, kMbOk | kMbIconInformation);
        return;
    }
    list_.SetRowCount(row, static_cast<int>(count));
}

// The header follows the edits as they are typed; an empty tax rate is none.
void CWeightListDlg::OnHeader() {
    if (showing_) return;
    QuoteHeader header;
    header.customer = surface_.Text(IDC_WEIGHTLIST_CUSTOMER);
    header.project = surface_.Text(IDC_WEIGHTLIST_PROJECT);
    const std::string tax = surface_.Text(IDC_WEIGHTLIST_TAX);
    if (tax.find_first_not_of(' ') != std::string::npos) header.taxPercent = CalcExpression(tax);
    list_.SetHeader(header);
}

PrintDocument CWeightListDlg::Quote() const {
    return {kQuoteTitle, [this](const PaperSize& paper, const TextMeasure& measure, const std::string& date) {
                return LayoutQuote(list_, Seller(), Display(), paper, measure, date);
            }};
}

QuoteSeller CWeightListDlg::Seller() const {
    if (!settingsFile_) return {};
    ProfileStore& store = settingsFile_->Store();
    return {store.ReadString(kSellerSection, kSellerNameKey), store.ReadString(kSellerSection, kSellerPhoneKey)};
}

// An emptied field takes its key away, and the section with the last one.
void CWeightListDlg::OnSeller(int id) {
    if (showing_ || !settingsFile_) return;
    ProfileStore& store = settingsFile_->Store();
    const char* key = id == IDC_WEIGHTLIST_SELLER ? kSellerNameKey : kSellerPhoneKey;
    const std::string text = surface_.Text(id);
    store.BeginBatch();
    if (!text.empty()) {
        store.WriteString(kSellerSection, key, text);
    } else {
        store.DeleteKey(kSellerSection, key);
        if (store.ReadString(kSellerSection, kSellerNameKey).empty() &&
            store.ReadString(kSellerSection, kSellerPhoneKey).empty())
            store.DeleteSection(kSellerSection);
    }
    settingsFile_->Told(store.CommitBatch(), surface_);
    if (printing_) printing_->DocumentChanged();
    if (text.empty()) settingsFile_->RemoveIfEmpty();
    else settingsFile_->Hide();
}

// An empty row price returns the row to the default price.
void CWeightListDlg::OnSetRowPrice() {
    const int row = SelectedRow();
    if (row < 0) return;
    const std::string text = surface_.Text(IDC_WEIGHTLIST_ROW_PRICE);
    const bool blank = text.find_first_not_of(' ') == std::string::npos;
    list_.Told(list_.SetRowPrice(row, blank ? std::nullopt : std::optional<double>(CalcExpression(text))), surface_);
}

void CWeightListDlg::OnDelete() {
    const int row = SelectedRow();
    if (row >= 0) list_.Told(list_.Remove(row), surface_);
}

void CWeightListDlg::OnClear() {
    if (list_.Rows().empty()) return;
    if (surface_.ShowMessage(kConfirmClear, kHintCaption, kMbYesNo | kMbIconQuestion) == kIdYes) list_.Told(list_.Clear(), surface_);
}

void CWeightListDlg::OnExport() {
    ExportOrSay(exports_, surface_, kExportName, list_.CsvText(Display()));
}

int CWeightListDlg::SelectedRow() {
    const int row = surface_.Selection(IDC_WEIGHTLIST_LIST);
    if (row >= 0 && row < static_cast<int>(list_.Rows().size())) return row;
    surface_.ShowMessage(kChooseRow, kInputHintCaption, kMbOk | kMbIconInformation);
    return -1;
}

}  // namespace mw
